#include "KnownPlaintextAttack.h"

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

struct Candidate {
    std::size_t position;
    int rotor1;
    int block;
};

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
                        if (rotors & (1u << r)) {
                            for (int b = 0; b < D1Blocks; ++b)
                                candidates[t].push_back({p, r, b});
                        }
                    }
                }
                scanned += to - from;
                examined += static_cast<std::uint64_t>(to - from) * RotorCount;
            }
            tried += triedHere;
        }, report);
        result.positionsTried = tried.load();

        // The search at each position and slot-1 rotor that passed the scan.
        std::vector<Candidate> items;
        for (auto& list : candidates)
            items.insert(items.end(), list.begin(), list.end());
        std::sort(items.begin(), items.end(), [](const Candidate& a, const Candidate& b) {
            return std::tie(a.position, a.rotor1, a.block) < std::tie(b.position, b.rotor1, b.block);
        });
        itemCount = items.size();
        searching = true;
        std::vector<std::vector<AttackSetting>> kept(threads);
        std::atomic<std::size_t> nextItem{0};
        RunOnWorkers(threads, interval_, [&](unsigned t) {
            std::unique_ptr<MiddleMeeting> meeting;
            for (std::size_t i = nextItem++; i < items.size() && !stopNow.load(); i = nextItem++) {
                const Candidate& item = items[i];
                std::uint64_t examinedHere = 0, foundHere = 0;
                if (!meeting || meeting->Position() != item.position) {
                    meeting = std::make_unique<MiddleMeeting>(tables_, ciphertext, fragment, item.position);
                    examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                }
                meeting->Search(item.rotor1, item.block * N / D1Blocks, (item.block + 1) * N / D1Blocks, stopNow,
                                keep_, kept[t], foundHere, examinedHere);
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
