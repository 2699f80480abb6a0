// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/KnownPlaintextAttack.h"

#include "analysis/AttackWorkers.h"
#include "analysis/ConfirmSettings.h"
#include "analysis/FoundSettings.h"
#include "analysis/FragmentFilter.h"
#include "analysis/MeetInTheMiddle.h"
#include "analysis/PositionScan.h"
#include "analysis/SearchPlan.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace velista::analysis {

namespace {

// Positions scanned and searched at a time: the candidates of one window are held at once, at most 2.6 million
// (42 MiB) where every position and rotor passes the slot-1 test, as a text of one letter repeated makes them.
constexpr std::size_t Window = std::size_t{1} << 18;
// Settings per position: 10^5 rotor choices times 135^4 key classes.
constexpr double SettingsPerPosition = 1e5 * 135.0 * 135.0 * 135.0 * 135.0;

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

    // The stages, window by window: scan positions, plan the pieces, meet in the middle; then confirm.
    const AttackWorkers workers(threads, interval_, report);
    PositionScan scan(tables_, ciphertext, fragment);
    SearchPlan plan(tables_, fragment);
    if (FragmentFilter(tables_, ciphertext, fragment).SymbolPositions().empty()) {
        result.undecidable = true;
        scan.CountFitting(first, last, cancelled);
    }
    for (std::size_t from = first; !result.undecidable && from < last && !cancelled.load();
         from += Window, ++windowsDone) {
        const std::size_t to = std::min(last, from + Window);
        searching = false;
        scanned.store(0);
        itemsDone.store(0);
        const std::vector<PositionScan::Candidate> candidates =
            scan.Candidates(from, to, workers, cancelled, scanned, examined);
        if (cancelled.load())
            break;
        plan.Plan(candidates);
        itemCount = plan.Items().size();
        searching = true;
        MeetInTheMiddle(tables_, ciphertext, fragment, plan, workers, cancelled, kept, examined, itemsDone);
    }
    result.positionsTried = scan.PositionsTried();

    result.settings = kept.Sorted();
    ConfirmSettings(tables_, ciphertext, fragment, cancelled, result.settings);
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
