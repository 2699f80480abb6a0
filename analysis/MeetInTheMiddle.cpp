// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/MeetInTheMiddle.h"

#include "analysis/MiddleMeeting.h"
#include "analysis/PositionBatch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <vector>

namespace velista::analysis {

void MeetInTheMiddle(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                     const SearchPlan& plan, const AttackWorkers& workers, const std::atomic<bool>& cancelled,
                     FoundSettings& found, std::atomic<std::uint64_t>& examined, std::atomic<std::size_t>& itemsDone)
{
    constexpr int N = RotorTables::N;
    const auto& batches = plan.Batches();
    const auto& items = plan.Items();
    // A batch's table is built by the first worker that needs it and dropped after its last block: about
    // 20 MiB, 26 MiB while it is built.
    std::vector<std::once_flag> built(batches.size());
    std::vector<std::shared_ptr<const PositionBatch>> tablesOf(batches.size());
    std::vector<std::atomic<int>> blocksLeft(batches.size());
    for (auto& left : blocksLeft)
        left.store(SearchPlan::Blocks);
    std::mutex tablesMutex;
    // A rotor and side with more positions than one batch holds make their forward halves once (ForwardTable), and
    // each of their positions meets them; the rest sweep the forward halves batch by batch. A table of forward
    // halves takes 23 MiB (37 MiB while it is made) and one worker about as long as a sweep, while the other
    // workers wait for it; with the limit at two batches, a short fragment's sweeps still took a quarter of its
    // time.
    constexpr std::size_t ForwardFrom = PositionBatch::MaxPositions;
    constexpr std::size_t Groups = 2 * RotorCount;
    auto groupOf = [](const SearchPlan::Batch& batch) {
        return static_cast<std::size_t>(batch.rotor1) * 2 + (batch.fromEnd ? 1 : 0);
    };
    std::array<std::size_t, Groups> groupPositions{};
    std::array<std::atomic<std::size_t>, Groups> groupItemsLeft{};
    for (const SearchPlan::Batch& batch : batches) {
        groupPositions[groupOf(batch)] += batch.positions.size();
        groupItemsLeft[groupOf(batch)] += SearchPlan::Blocks;
    }
    std::array<std::once_flag, Groups> forwardMade;
    std::array<std::shared_ptr<const ForwardTable>, Groups> forwardOf;
    // The items of two groups at a time, taken in turn: a worker that took the other group's item makes that
    // group's tables at the same time, where it used to wait for the one table being made (a fifth of the
    // unknown-position search's time, spent on one core). Two groups hold two tables of forward halves.
    std::vector<std::size_t> order;
    order.reserve(items.size());
    {
        std::array<std::vector<std::size_t>, Groups> itemsOf;
        std::vector<std::size_t> groupsInOrder;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].batch == SearchPlan::NoBatch)
                continue;
            auto& ofGroup = itemsOf[groupOf(batches[items[i].batch])];
            if (ofGroup.empty())
                groupsInOrder.push_back(groupOf(batches[items[i].batch]));
            ofGroup.push_back(i);
        }
        for (std::size_t g = 0; g < groupsInOrder.size(); g += 2) {
            const auto& one = itemsOf[groupsInOrder[g]];
            static const std::vector<std::size_t> none;
            const auto& other = g + 1 < groupsInOrder.size() ? itemsOf[groupsInOrder[g + 1]] : none;
            for (std::size_t k = 0; k < std::max(one.size(), other.size()); ++k) {
                if (k < one.size())
                    order.push_back(one[k]);
                if (k < other.size())
                    order.push_back(other[k]);
            }
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].batch == SearchPlan::NoBatch)
                order.push_back(i);
        }
    }
    std::atomic<std::size_t> nextItem{0};
    workers.Run([&](unsigned) {
        std::unique_ptr<MiddleMeeting> meeting;
        for (std::size_t n = nextItem++; n < order.size() && !cancelled.load(); n = nextItem++) {
            const SearchPlan::Item& item = items[order[n]];
            std::uint64_t examinedHere = 0;
            if (item.batch == SearchPlan::NoBatch) {
                if (!meeting || meeting->Position() != item.position) {
                    meeting = std::make_unique<MiddleMeeting>(tables, ciphertext, fragment, item.position);
                    examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                }
                meeting->Search(item.rotor1, item.First(), item.Last(), cancelled, found, examinedHere);
            } else {
                const SearchPlan::Batch& batch = batches[item.batch];
                const std::size_t group = groupOf(batch);
                const bool meet = groupPositions[group] > ForwardFrom;
                std::shared_ptr<const ForwardTable> forward;
                if (meet) {
                    std::call_once(forwardMade[group], [&] {
                        auto made = std::make_shared<const ForwardTable>(tables, fragment, batch.rotor1,
                                                                         plan.Chosen(batch), cancelled);
                        examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N * N;
                        const std::lock_guard lock(tablesMutex);
                        forwardOf[group] = std::move(made);
                    });
                    const std::lock_guard lock(tablesMutex);
                    forward = forwardOf[group];
                }
                std::call_once(built[item.batch], [&] {
                    auto made = std::make_shared<const PositionBatch>(tables, ciphertext, fragment, batch.rotor1,
                                                                      plan.Chosen(batch), batch.positions, cancelled,
                                                                      !meet);
                    if (!meet)
                        examinedHere +=
                            static_cast<std::uint64_t>(batch.positions.size()) * RotorCount * RotorCount * N;
                    const std::lock_guard lock(tablesMutex);
                    tablesOf[item.batch] = std::move(made);
                });
                std::shared_ptr<const PositionBatch> table;
                {
                    const std::lock_guard lock(tablesMutex);
                    table = tablesOf[item.batch];
                }
                // The first block meets every backward half of the batch, so that the batch's table is made once
                // for one meeting.
                if (meet && item.block == 0)
                    table->Meet(*forward, 0, N, cancelled, found, examinedHere);
                else if (!meet)
                    table->Sweep(item.First(), item.Last(), cancelled, found, examinedHere);
                if (--blocksLeft[item.batch] == 0) {
                    const std::lock_guard lock(tablesMutex);
                    tablesOf[item.batch].reset();
                }
                if (--groupItemsLeft[group] == 0) {
                    const std::lock_guard lock(tablesMutex);
                    forwardOf[group].reset();
                }
            }
            examined += examinedHere;
            ++itemsDone;
        }
    });
}

}  // namespace velista::analysis
