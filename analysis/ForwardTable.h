// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forward halves of the meet in the middle for one slot-1 rotor and one set of chosen places, by their key: the
// same for every position those places serve, so built once and met by each position's backward halves.
//
// PositionBatch's sweep made the 1,822,500 forward halves anew for every batch of up to 64 positions; a short
// fragment at an unknown position passes thousands of positions (20 symbols in 10 KiB: 4,271 in 71 batches). Made
// once per rotor and side and looked up by each position's 13,500 backward halves, in the order of the table, a
// position costs 13,500 lookups rather than 1,822,500 / 64 made and looked up, and 13,500 added to a table.
// The halves are sorted by a hash of their key into 2^20 buckets (about 1.7 halves each): a directory and one array.
// A lookup nearly always misses, and the 15 MiB of halves are read near at random even in the table's order (65 %
// of the time went to that read): a bitset of 2^25 bits (4 MiB) by the same hash answers most misses first.

#include "analysis/RotorTables.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velista::analysis {

class ForwardTable {
public:
    static constexpr std::size_t MaxChosen = 6;
    static constexpr int BucketBits = 20;
    static constexpr int FilterBits = 25;

    // Every position looked up must be served by chosen (PositionBatch::Serves). Stops once stop is set: such a
    // table may only be dropped. Without build, only AddHalves and FirstExit may be called.
    ForwardTable(const RotorTables& tables, std::u16string_view fragment, int rotor1,
                 const std::vector<std::size_t>& chosen, const std::atomic<bool>& stop, bool build = true);

    // Appends the forward halves of one E (E holds the key and the position; see PositionBatch), each as its key
    // << 24 | E << 16 | D2 + offset << 8 | rotor 2 << 4 | rotor 3. The key is the differences of slot 3's exit
    // position between the chosen places and the first, a byte each.
    void AddHalves(int e, std::vector<std::uint64_t>& halves) const;
    // Slot 3's exit position at the first chosen place, for a half made by AddHalves.
    int FirstExit(std::uint64_t half) const;

    static std::uint64_t Hash(std::uint64_t key) { return key * 0x9E3779B97F4A7C15ull; }
    // False when no half has a key of this hash; true for about one in ninety other keys. Each key sets two bits
    // of one word: with one bit, one key in twenty passed, and the lookups it then cost (the directory and the
    // halves, both far apart in memory) took half of the unknown-position search's time.
    bool MayHold(std::uint64_t hash) const
    {
        const std::uint64_t mask = FilterMask(hash);
        return (filter_[FilterWord(hash)] & mask) == mask;
    }
    // Asks for MayHold's word ahead of time.
    void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&filter_[FilterWord(hash)]); }
    // The halves whose key hashes to the bucket of hash (others too; compare the key, half >> 24).
    const std::uint64_t* Begin(std::uint64_t hash) const { return halves_.data() + directory_[Bucket(hash)]; }
    const std::uint64_t* End(std::uint64_t hash) const { return halves_.data() + directory_[Bucket(hash) + 1]; }

    // False when stop came before the table was made.
    bool Complete() const { return !directory_.empty(); }
    int Rotor1() const { return rotor1_; }
    const std::vector<std::size_t>& Chosen() const { return chosen_; }

private:
    static constexpr int PartBits = 8;
    static std::size_t Bucket(std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - BucketBits)); }
    // A part holds whole buckets and whole filter words: its hashes share their top bits.
    static std::size_t Part(std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - PartBits)); }
    // The filter's word, from the hash's top bits, and its two bits, from bits below those.
    static std::size_t FilterWord(std::uint64_t hash) { return static_cast<std::size_t>(hash >> (64 - FilterBits + 6)); }
    static std::uint64_t FilterMask(std::uint64_t hash)
    {
        return std::uint64_t{1} << (hash >> 39 & 63) | std::uint64_t{1} << (hash >> 33 & 63);
    }

    const RotorTables& tables_;
    int rotor1_;
    std::vector<std::size_t> chosen_;
    std::vector<int> exitPlusStep_;  // exit-row position + (j_t - j_0), per chosen place
    std::vector<std::uint64_t> filter_;
    std::vector<std::uint32_t> directory_;
    std::vector<std::uint64_t> halves_;
};

}  // namespace velista::analysis
