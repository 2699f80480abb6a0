#pragma once
// The fast path of the runs: whole texts enciphered or deciphered in place, one bank step per position.
//
// A symbol's path through the bank is worked out in row positions: a turn of slot k adds its turn count
// to every position it is looked up at. Slots 2 to 5 stand still for 135 steps at a time, so their four
// hops fold into one table for each such stretch (and slots 3 to 5 into one for each 18,225 steps);
// a symbol then costs two lookups in its slot 1 tables. The results equal the bank's symbol-by-symbol path.

#include <cstddef>
#include <span>

namespace velista {

class RotorBank;

class TextCipher {
public:
    // Both return how many characters were outside the alphabet and passed unchanged, and set turned
    // to the mask of the slots that turned (bit k - 1 for slot k).
    static std::size_t Encipher(RotorBank& bank, std::span<char16_t> text, unsigned& turned);
    static std::size_t Decipher(RotorBank& bank, std::span<char16_t> text, unsigned& turned);
};

}  // namespace velista
