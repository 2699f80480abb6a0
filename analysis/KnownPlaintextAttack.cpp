#include "KnownPlaintextAttack.h"

#include "ForwardHalves.h"
#include "FragmentFilter.h"
#include "MiddleMeeting.h"

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

// A slot-1 rotor that fits at this many positions gets its forward halves worked out once for all of them;
// below it, each position works them out itself (building the shared table costs about as much as two positions).
constexpr std::size_t SharedForwardFrom = 3;

struct Candidate {
    std::size_t position;
    int rotor1;
    // 0 to D1Blocks - 1: a block of D1 searched at this position alone; Shared + side: every D1 through the shared
    // forward halves chosen from the fragment's start (side 0) or end (side 1).
    int block;
};
constexpr int Shared = 100;

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
        if (!searching)
            progress.fraction = positions == 0 ? 0.2 : 0.2 * static_cast<double>(scanned.load()) / static_cast<double>(positions);
        else
            progress.fraction = itemCount == 0 ? 1.0 : 0.2 + 0.8 * static_cast<double>(itemsDone.load()) / static_cast<double>(itemCount);
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
            for (std::size_t chunk = nextChunk++; first + chunk * ScanChunk < last && !stopNow.load(); chunk = nextChunk++) {
                const std::size_t from = first + chunk * ScanChunk;
                const std::size_t to = std::min(last, from + ScanChunk);
                for (std::size_t p = from; p < to; ++p) {
                    if (!filter.PatternFits(p))
                        continue;
                    ++triedHere;
                    const unsigned rotors = filter.RotorsFitting(p);
                    for (int r = 0; r < RotorCount; ++r) {
                        if (rotors & (1u << r))
                            candidates[t].push_back({p, r, 0});
                    }
                }
                scanned += to - from;
                examined += static_cast<std::uint64_t>(to - from) * RotorCount;
            }
            tried += triedHere;
        }, report);
        result.positionsTried = tried.load();

        // The search at each position and slot-1 rotor that passed the scan.
        std::array<std::size_t, RotorCount> perRotor{};
        for (auto& list : candidates) {
            for (const Candidate& c : list)
                ++perRotor[static_cast<std::size_t>(c.rotor1)];
        }
        std::array<std::array<std::vector<std::size_t>, 2>, RotorCount> chosen;
        std::array<std::array<std::atomic<std::size_t>, 2>, RotorCount> sharedLeft{};
        std::vector<Candidate> items;
        for (auto& list : candidates) {
            for (const Candidate& c : list) {
                const auto r = static_cast<std::size_t>(c.rotor1);
                int side = -1;
                if (perRotor[r] >= SharedForwardFrom) {
                    for (int s = 0; s < 2 && side < 0; ++s) {
                        auto& places = chosen[r][static_cast<std::size_t>(s)];
                        if (places.empty())
                            places = ForwardHalves::Choose(tables_, fragment, c.rotor1, s == 1);
                        if (ForwardHalves::Serves(places, c.position))
                            side = s;
                    }
                }
                if (side >= 0) {
                    items.push_back({c.position, c.rotor1, Shared + side});
                    ++sharedLeft[r][static_cast<std::size_t>(side)];
                } else {
                    for (int b = 0; b < D1Blocks; ++b)
                        items.push_back({c.position, c.rotor1, b});
                }
            }
        }
        candidates.clear();
        std::sort(items.begin(), items.end(), [](const Candidate& a, const Candidate& b) {
            return std::tie(a.rotor1, a.block, a.position) < std::tie(b.rotor1, b.block, b.position);
        });
        // Built by the first worker that needs them, dropped when the last of their positions is searched:
        // each takes 32 MiB.
        std::array<std::array<std::once_flag, 2>, RotorCount> built;
        std::array<std::array<std::shared_ptr<const ForwardHalves>, 2>, RotorCount> shared;
        std::mutex sharedMutex;
        itemCount = items.size();
        searching = true;
        std::vector<std::vector<AttackSetting>> kept(threads);
        std::atomic<std::size_t> nextItem{0};
        RunOnWorkers(threads, interval_, [&](unsigned t) {
            std::unique_ptr<MiddleMeeting> meeting;
            for (std::size_t i = nextItem++; i < items.size() && !stopNow.load(); i = nextItem++) {
                const Candidate& item = items[i];
                std::uint64_t examinedHere = 0, foundHere = 0;
                const bool sharedHalves = item.block >= Shared;
                if (!meeting || meeting->Position() != item.position) {
                    meeting = std::make_unique<MiddleMeeting>(tables_, ciphertext, fragment, item.position, !sharedHalves);
                    if (!sharedHalves)
                        examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                } else if (!sharedHalves && !meeting->HasBackwardTable()) {
                    meeting = std::make_unique<MiddleMeeting>(tables_, ciphertext, fragment, item.position, true);
                }
                if (sharedHalves) {
                    const auto r = static_cast<std::size_t>(item.rotor1);
                    const auto side = static_cast<std::size_t>(item.block - Shared);
                    std::shared_ptr<const ForwardHalves> forward;
                    std::call_once(built[r][side], [&] {
                        auto made = std::make_shared<const ForwardHalves>(tables_, fragment, item.rotor1, side == 1);
                        const std::lock_guard lock(sharedMutex);
                        shared[r][side] = std::move(made);
                        examined += static_cast<std::uint64_t>(RotorCount) * RotorCount * N * N;
                    });
                    {
                        const std::lock_guard lock(sharedMutex);
                        forward = shared[r][side];
                    }
                    meeting->SearchForward(*forward, stopNow, keep_, kept[t], foundHere, examinedHere);
                    if (--sharedLeft[r][side] == 0) {
                        const std::lock_guard lock(sharedMutex);
                        shared[r][side].reset();
                    }
                } else {
                    meeting->Search(item.rotor1, item.block * N / D1Blocks, (item.block + 1) * N / D1Blocks, stopNow,
                                    keep_, kept[t], foundHere, examinedHere);
                }
                examined += examinedHere;
                found += foundHere;
                ++itemsDone;
            }
        }, report);
        for (auto& list : kept)
            result.settings.insert(result.settings.end(), list.begin(), list.end());
        std::sort(result.settings.begin(), result.settings.end(), [](const AttackSetting& a, const AttackSetting& b) {
            return std::tie(a.position, a.rotors, a.turns) < std::tie(b.position, b.rotors, b.turns);
        });
        if (result.settings.size() > keep_)
            result.settings.resize(keep_);
    }
    result.found = found.load();
    result.candidatesExamined = examined.load();
    result.settingsCovered = static_cast<double>(result.positionsTried) * SettingsPerPosition;
    result.cancelled = stopNow.load() || stop.stop_requested() || cancelled_.load();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    searching = true;
    itemsDone.store(itemCount);
    report();
    return result;
}

}  // namespace velista::analysis
