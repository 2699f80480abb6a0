// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/MeetInTheMiddle.h"

#include "analysis/MiddleMeeting.h"
#include "analysis/PositionBatch.h"

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
    std::atomic<std::size_t> nextItem{0};
    workers.Run([&](unsigned) {
        std::unique_ptr<MiddleMeeting> meeting;
        for (std::size_t i = nextItem++; i < items.size() && !cancelled.load(); i = nextItem++) {
            const SearchPlan::Item& item = items[i];
            std::uint64_t examinedHere = 0;
            if (item.batch == SearchPlan::NoBatch) {
                if (!meeting || meeting->Position() != item.position) {
                    meeting = std::make_unique<MiddleMeeting>(tables, ciphertext, fragment, item.position);
                    examinedHere += static_cast<std::uint64_t>(RotorCount) * RotorCount * N;
                }
                meeting->Search(item.rotor1, item.First(), item.Last(), cancelled, found, examinedHere);
            } else {
                const SearchPlan::Batch& batch = batches[item.batch];
                std::call_once(built[item.batch], [&] {
                    auto made = std::make_shared<const PositionBatch>(tables, ciphertext, fragment, batch.rotor1,
                                                                      plan.Chosen(batch), batch.positions, cancelled);
                    examinedHere += static_cast<std::uint64_t>(batch.positions.size()) * RotorCount * RotorCount * N;
                    const std::lock_guard lock(tablesMutex);
                    tablesOf[item.batch] = std::move(made);
                });
                std::shared_ptr<const PositionBatch> table;
                {
                    const std::lock_guard lock(tablesMutex);
                    table = tablesOf[item.batch];
                }
                table->Sweep(item.First(), item.Last(), cancelled, found, examinedHere);
                if (--blocksLeft[item.batch] == 0) {
                    const std::lock_guard lock(tablesMutex);
                    tablesOf[item.batch].reset();
                }
            }
            examined += examinedHere;
            ++itemsDone;
        }
    });
}

}  // namespace velista::analysis
