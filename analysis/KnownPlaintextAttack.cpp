// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/KnownPlaintextAttack.h"

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
    AttackResult result;
    const unsigned threads = threads_ != 0 ? threads_ : std::max(1u, std::thread::hardware_concurrency());

    std::atomic<bool> stopNow{false};
    std::atomic<std::uint64_t> examined{0}, found{0};
    std::atomic<std::size_t> scanned{0}, itemsDone{0};
    std::size_t itemCount = 0;
    bool searching = false;

    const std::size_t first = position.value_or(0);
    std::size_t last = first;
    if (position)
        last = first + 1;
    else if (ciphertext.size() >= fragment.size())
        last = ciphertext.size() - fragment.size() + 1;
    const std::size_t positions = last - first;

    auto report = [&] {
        if (stop.stop_requested() || cancelled_.load())
            stopNow.store(true);
        if (!progress_)
            return;
        AttackProgress progress;
        progress.candidatesExamined = examined.load();
        progress.found = found.load();
        auto share = [](std::size_t done, std::size_t all) {
            return all == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(all);
        };
        progress.fraction = searching ? 0.2 + 0.8 * share(itemsDone.load(), itemCount)
                                      : 0.2 * share(scanned.load(), positions);
        progress_(progress);
        if (stop.stop_requested() || cancelled_.load())
            stopNow.store(true);
    };

    FragmentFilter probe(tables_, ciphertext, fragment);
    if (probe.SymbolPositions().empty()) {
        result.undecidable = true;
        for (std::size_t p = first; p < last; ++p)
            result.positionsTried += probe.PatternFits(p);
    } else {
        // The scan: positions where the characters outside the alphabet fit, and the slot-1 rotors that fit there.
        std::vector<std::vector<Candidate>> candidates(threads);
        std::atomic<std::size_t> nextChunk{0};
        std::atomic<std::uint64_t> tried{0};
        RunOnWorkers(threads, interval_, [&](unsigned t) {
            FragmentFilter filter(tables_, ciphertext, fragment);
            std::uint64_t triedHere = 0;
            for (std::size_t chunk = nextChunk++; first + chunk * ScanChunk < last && !stopNow.load();
                 chunk = nextChunk++) {
                const std::size_t from = first + chunk * ScanChunk;
                const std::size_t to = std::min(last, from + ScanChunk);
                for (std::size_t p = from; p < to; ++p) {
                    if (!filter.PatternFits(p))
                        continue;
                    ++triedHere;
                    const unsigned rotors = filter.RotorsFitting(p);
                    for (int r = 0; r < RotorCount; ++r) {
                        if (rotors & (1u << r))
                            candidates[t].push_back({p, r});
                    }
                }
                scanned += to - from;
                examined += static_cast<std::uint64_t>(to - from) * RotorCount;
            }
            tried += triedHere;
        }, report);
        result.positionsTried = tried.load();

        // The search at each position and slot-1 rotor that passed the scan: in batches of positions that share
        // their chosen places, and alone where the fragment crosses a stretch's end at both its chosen ends.
        std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> chosen;
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
                for (std::size_t from = 0; from < positionList.size(); from += PositionBatch::MaxPositions) {
                    const std::size_t to = std::min(positionList.size(), from + PositionBatch::MaxPositions);
                    batches.push_back({r, side, {positionList.begin() + static_cast<std::ptrdiff_t>(from),
                                                 positionList.begin() + static_cast<std::ptrdiff_t>(to)}});
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
        // A batch's table is built by the first worker that needs it and dropped after its last block: up to 19 MiB.
        std::vector<std::once_flag> built(batches.size());
        std::vector<std::shared_ptr<const PositionBatch>> tables(batches.size());
        std::vector<std::atomic<int>> blocksLeft(batches.size());
        for (auto& left : blocksLeft)
            left.store(D1Blocks);
        std::mutex tablesMutex;
        FoundSettings kept(keep_);
        std::atomic<std::size_t> nextItem{0};
        RunOnWorkers(threads, interval_, [&](unsigned) {
            std::unique_ptr<MiddleMeeting> meeting;
            for (std::size_t i = nextItem++; i < items.size() && !stopNow.load(); i = nextItem++) {
                const Item& item = items[i];
                std::uint64_t examinedHere = 0;
                const int eFirst = item.block * N / D1Blocks, eLast = (item.block + 1) * N / D1Blocks;
                if (item.batch == NoBatch) {
                    if (!meeting || meeting->Position() != item.position) {
                        meeting = std::make_unique<MiddleMeeting>(tables_, ciphertext, fragment, item.position);
                        examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                    }
                    meeting->Search(item.rotor1, eFirst, eLast, stopNow, kept, examinedHere);
                } else {
                    const Batch& batch = batches[item.batch];
                    std::call_once(built[item.batch], [&] {
                        auto made = std::make_shared<const PositionBatch>(
                            tables_, ciphertext, fragment, batch.rotor1,
                            chosen[static_cast<std::size_t>(batch.rotor1)][batch.side], batch.positions);
                        examinedHere += static_cast<std::uint64_t>(batch.positions.size()) * RotorCount * RotorCount * N;
                        const std::lock_guard lock(tablesMutex);
                        tables[item.batch] = std::move(made);
                    });
                    std::shared_ptr<const PositionBatch> table;
                    {
                        const std::lock_guard lock(tablesMutex);
                        table = tables[item.batch];
                    }
                    table->Sweep(eFirst, eLast, stopNow, kept, examinedHere);
                    if (--blocksLeft[item.batch] == 0) {
                        const std::lock_guard lock(tablesMutex);
                        tables[item.batch].reset();
                    }
                }
                examined += examinedHere;
                found.store(kept.Distinct());
                ++itemsDone;
            }
        }, report);
        result.settings = kept.Sorted();
        found.store(kept.Distinct());
        result.fits = kept.Fits();
        // The search works in its own position tables; the machine confirms each setting it reports.
        for (const AttackSetting& setting : result.settings) {
            if (!setting.Deciphers(tables_, ciphertext, fragment))
                ProgrammingError("the attack reported a setting that the machine does not confirm");
        }
    }
    result.found = found.load();
    result.candidatesExamined = examined.load();
    result.settingsCovered = static_cast<double>(result.positionsTried) * SettingsPerPosition;
    result.cancelled = stopNow.load() || stop.stop_requested() || cancelled_.load();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!result.cancelled) {
        searching = true;
        itemsDone.store(itemCount);
    }
    report();
    return result;
}

}  // namespace velista::analysis
