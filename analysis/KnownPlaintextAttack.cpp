// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/KnownPlaintextAttack.h"

#include "analysis/FoundSettings.h"
#include "analysis/FragmentFilter.h"
#include "analysis/MiddleMeeting.h"
#include "analysis/PositionBatch.h"

#include "machine/Checked.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

namespace velista::analysis {

namespace {

constexpr int N = RotorTables::N;
// D1 is searched in blocks, so that a single slot-1 rotor at a single position still keeps every core busy.
constexpr int D1Blocks = 10;
constexpr std::size_t ScanChunk = 4096;
// Positions scanned and searched at a time: the candidates of one window are held at once, at most 2.6 million
// (42 MiB) where every position and rotor passes the slot-1 test, as a text of one letter repeated makes them.
constexpr std::size_t Window = std::size_t{1} << 18;
// Settings per position: 10^5 rotor choices times 135^4 key classes.
constexpr double SettingsPerPosition = 1e5 * 135.0 * 135.0 * 135.0 * 135.0;

struct Candidate {
    std::size_t position;
    int rotor1;
};

// A piece of the search: a block of E (or D1) values, swept for a batch of positions or at one position alone.
struct Item {
    std::size_t batch;  // index into the batches, or NoBatch
    std::size_t position;
    int rotor1;
    int block;
};
constexpr std::size_t NoBatch = ~std::size_t{0};

// Runs work on every worker thread and calls report on this thread every interval until all have ended.
template <typename Work, typename Report>
void RunOnWorkers(unsigned threads, std::chrono::milliseconds interval, Work work, Report report)
{
    std::mutex mutex;
    std::condition_variable ended;
    unsigned running = threads;
    {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                work(t);
                const std::lock_guard lock(mutex);
                --running;
                ended.notify_one();
            });
        }
        std::unique_lock lock(mutex);
        while (!ended.wait_for(lock, interval, [&] { return running == 0; })) {
            lock.unlock();
            report();
            lock.lock();
        }
    }
}

}  // namespace

KnownPlaintextAttack::KnownPlaintextAttack(const RotorTables& tables)
    : tables_(tables)
{
}

void KnownPlaintextAttack::SetProgressCallback(ProgressCallback callback, std::chrono::milliseconds interval)
{
    progress_ = std::move(callback);
    interval_ = interval;
}

AttackResult KnownPlaintextAttack::Run(std::u16string_view ciphertext, std::u16string_view fragment,
                                       std::optional<std::size_t> position, std::stop_token stop)
{
    const auto started = std::chrono::steady_clock::now();
    cancelled_.store(false);
    // One flag for Cancel and the stop token, read by every stage of every worker.
    const std::stop_callback onStop(stop, [this] { cancelled_.store(true); });
    const std::atomic<bool>& cancelled = cancelled_;
    AttackResult result;
    const unsigned threads = threads_ != 0 ? threads_ : std::max(1u, std::thread::hardware_concurrency());

    std::atomic<std::uint64_t> examined{0};
    std::atomic<std::size_t> scanned{0}, itemsDone{0};
    std::size_t itemCount = 0, windowsDone = 0;
    bool searching = false;
    FoundSettings kept(keep_);

    const std::size_t first = position.value_or(0);
    std::size_t last = first;
    if (position)
        last = first + 1;
    else if (ciphertext.size() >= fragment.size())
        last = ciphertext.size() - fragment.size() + 1;
    const std::size_t positions = last - first;
    const std::size_t windows = std::max<std::size_t>(1, (positions + Window - 1) / Window);

    auto report = [&] {
        if (!progress_)
            return;
        AttackProgress progress;
        progress.candidatesExamined = examined.load();
        progress.found = kept.Distinct();
        auto share = [](std::size_t done, std::size_t all) {
            return all == 0 ? 1.0 : std::min(1.0, static_cast<double>(done) / static_cast<double>(all));
        };
        const std::size_t windowPositions = std::min(Window, positions - std::min(positions, windowsDone * Window));
        const double inWindow = searching ? 0.2 + 0.8 * share(itemsDone.load(), itemCount)
                                          : 0.2 * share(scanned.load(), windowPositions);
        progress.fraction = std::min(1.0, (static_cast<double>(windowsDone) + inWindow) / static_cast<double>(windows));
        progress_(progress);
    };

    FragmentFilter probe(tables_, ciphertext, fragment);
    // Positions a scan chunk covers: the pattern search reads the fragment's length beyond its chunk, so a chunk
    // is never shorter than the fragment.
    const std::size_t chunkSize = std::max(ScanChunk, fragment.size());
    if (probe.SymbolPositions().empty()) {
        result.undecidable = true;
        std::vector<std::size_t> fitting;
        for (std::size_t from = first; from < last && !cancelled.load(); from += chunkSize) {
            fitting.clear();
            probe.FittingPositions(from, std::min(last, from + chunkSize), fitting);
            result.positionsTried += fitting.size();
        }
    }
    // The places that group the positions into batches, for each slot-1 rotor: from the fragment's start and end.
    std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> chosen;
    for (std::size_t from = first; !result.undecidable && from < last && !cancelled.load();
         from += Window, ++windowsDone) {
        const std::size_t to = std::min(last, from + Window);
        searching = false;
        scanned.store(0);
        itemsDone.store(0);
        // The scan: positions where the characters outside the alphabet fit, and the slot-1 rotors that fit there.
        std::vector<std::vector<Candidate>> candidates(threads);
        std::atomic<std::size_t> nextChunk{0};
        std::atomic<std::uint64_t> tried{0};
        RunOnWorkers(threads, interval_, [&](unsigned t) {
            FragmentFilter filter(tables_, ciphertext, fragment);
            std::vector<std::size_t> fitting;
            std::uint64_t triedHere = 0;
            for (std::size_t chunk = nextChunk++; from + chunk * chunkSize < to && !cancelled.load();
                 chunk = nextChunk++) {
                const std::size_t chunkFrom = from + chunk * chunkSize;
                const std::size_t chunkTo = std::min(to, chunkFrom + chunkSize);
                fitting.clear();
                filter.FittingPositions(chunkFrom, chunkTo, fitting);
                triedHere += fitting.size();
                // The slot-1 test costs up to 2,700 steps a position: cancellation is looked at every 256.
                for (std::size_t n = 0; n < fitting.size(); ++n) {
                    if (n % 256 == 255 && cancelled.load(std::memory_order_relaxed))
                        break;
                    const unsigned rotors = filter.RotorsFitting(fitting[n]);
                    for (int r = 0; r < RotorCount; ++r) {
                        if (rotors & (1u << r))
                            candidates[t].push_back({fitting[n], r});
                    }
                }
                scanned += chunkTo - chunkFrom;
                examined += static_cast<std::uint64_t>(chunkTo - chunkFrom) * RotorCount;
            }
            tried += triedHere;
        }, report);
        result.positionsTried += tried.load();
        if (cancelled.load())
            break;

        // The search at each position and slot-1 rotor that passed the scan: in batches of positions that share
        // their chosen places, and alone where the fragment crosses a stretch's end at both its chosen ends.
        std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> grouped;
        std::vector<Item> items;
        for (auto& list : candidates) {
            for (const Candidate& c : list) {
                const auto r = static_cast<std::size_t>(c.rotor1);
                bool served = false;
                for (std::size_t side = 0; side < 2 && !served; ++side) {
                    auto& places = chosen[r][side];
                    if (places.empty())
                        places = PositionBatch::Choose(tables_, fragment, c.rotor1, side == 1);
                    if (PositionBatch::Serves(places, c.position)) {
                        grouped[r][side].push_back(c.position);
                        served = true;
                    }
                }
                if (!served) {
                    for (int b = 0; b < D1Blocks; ++b)
                        items.push_back({NoBatch, c.position, c.rotor1, b});
                }
            }
        }
        candidates.clear();
        struct Batch {
            int rotor1;
            std::size_t side;
            std::vector<std::size_t> positions;
        };
        std::vector<Batch> batches;
        for (int r = 0; r < RotorCount; ++r) {
            for (std::size_t side = 0; side < 2; ++side) {
                auto& positionList = grouped[static_cast<std::size_t>(r)][side];
                std::sort(positionList.begin(), positionList.end());
                for (std::size_t at = 0; at < positionList.size(); at += PositionBatch::MaxPositions) {
                    const std::size_t end = std::min(positionList.size(), at + PositionBatch::MaxPositions);
                    batches.push_back({r, side, {positionList.begin() + static_cast<std::ptrdiff_t>(at),
                                                 positionList.begin() + static_cast<std::ptrdiff_t>(end)}});
                    for (int b = 0; b < D1Blocks; ++b)
                        items.push_back({batches.size() - 1, 0, r, b});
                }
            }
        }
        std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
            return std::tie(a.batch, a.position) < std::tie(b.batch, b.position);
        });
        itemCount = items.size();
        searching = true;
        // A batch's table is built by the first worker that needs it and dropped after its last block: about
        // 20 MiB, 26 MiB while it is built.
        std::vector<std::once_flag> built(batches.size());
        std::vector<std::shared_ptr<const PositionBatch>> tables(batches.size());
        std::vector<std::atomic<int>> blocksLeft(batches.size());
        for (auto& left : blocksLeft)
            left.store(D1Blocks);
        std::mutex tablesMutex;
        std::atomic<std::size_t> nextItem{0};
        RunOnWorkers(threads, interval_, [&](unsigned) {
            std::unique_ptr<MiddleMeeting> meeting;
            for (std::size_t i = nextItem++; i < items.size() && !cancelled.load(); i = nextItem++) {
                const Item& item = items[i];
                std::uint64_t examinedHere = 0;
                const int eFirst = item.block * N / D1Blocks, eLast = (item.block + 1) * N / D1Blocks;
                if (item.batch == NoBatch) {
                    if (!meeting || meeting->Position() != item.position) {
                        meeting = std::make_unique<MiddleMeeting>(tables_, ciphertext, fragment, item.position);
                        examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                    }
                    meeting->Search(item.rotor1, eFirst, eLast, cancelled, kept, examinedHere);
                } else {
                    const Batch& batch = batches[item.batch];
                    std::call_once(built[item.batch], [&] {
                        auto made = std::make_shared<const PositionBatch>(
                            tables_, ciphertext, fragment, batch.rotor1,
                            chosen[static_cast<std::size_t>(batch.rotor1)][batch.side], batch.positions, cancelled);
                        examinedHere += static_cast<std::uint64_t>(batch.positions.size()) * RotorCount * RotorCount * N;
                        const std::lock_guard lock(tablesMutex);
                        tables[item.batch] = std::move(made);
                    });
                    std::shared_ptr<const PositionBatch> table;
                    {
                        const std::lock_guard lock(tablesMutex);
                        table = tables[item.batch];
                    }
                    table->Sweep(eFirst, eLast, cancelled, kept, examinedHere);
                    if (--blocksLeft[item.batch] == 0) {
                        const std::lock_guard lock(tablesMutex);
                        tables[item.batch].reset();
                    }
                }
                examined += examinedHere;
                ++itemsDone;
            }
        }, report);
    }

    // The search works in its own position tables; the machine confirms each setting it reports, at its first
    // position (up to 0.3 ms for a 64 KiB fragment, so cancellation is looked at between settings).
    result.settings = kept.Sorted();
    for (std::size_t n = 0; n < result.settings.size(); ++n) {
        if (cancelled.load()) {
            result.settings.resize(n);
            break;
        }
        if (!result.settings[n].Deciphers(tables_, ciphertext, fragment))
            ProgrammingError("the attack reported a setting that the machine does not confirm");
    }
    result.found = kept.Distinct();
    result.fits = kept.Fits();
    result.candidatesExamined = examined.load();
    result.settingsCovered = static_cast<double>(result.positionsTried) * SettingsPerPosition;
    result.cancelled = cancelled.load();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!result.cancelled) {
        windowsDone = windows;
        searching = false;
        scanned.store(0);
    }
    report();
    return result;
}

}  // namespace velista::analysis
