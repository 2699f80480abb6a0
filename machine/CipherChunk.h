// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one stretch of text needs during which slots 3 to 5 stand still (at most 18,225 steps): the tables
// of both directions in one form, and where slots 1 and 2 stand at its start.
//
// Every direction maps a character c at step s of the stretch in three lookups:
//     a = first[c]   (Outside: c passes unchanged)
//     x = middle[(a - nu(s)) mod 135]
//     r = last[(x - nv(s)) mod 135]
// Enciphering: first = slot 1's exit position, middle = slot 2 (entry -> exit position), last = what slots 3
// to 5 make of slot 2's exit position; nu = o2 - t1, nv = -o2. Deciphering: first = slot 3's entry position
// reached from slot 5's entry row, middle = slot 2 (exit -> entry position), last = slot 1's exit row;
// nu = o2, nv = t1 - o2. Here t1 and o2 are the turns of slots 1 and 2 at step s: slot 1 turns every step
// and slot 2 every time counter 1 carries.

#include "machine/MachineTypes.h"

#include <cstdint>

namespace velista {

struct CipherChunk {
    static constexpr std::uint8_t Outside = 255;

    bool encipher = true;
    // Windows-1251 byte -> a, or Outside.
    const std::uint8_t* firstByte = nullptr;
    // The scalar byte loop's tables, set on the scalar path only: firstByte, middle and lastByte widened
    // so that every byte outside the alphabet has cells of its own, which lead back to that byte whatever
    // the turns and steps. The loop then needs no select. Alphabet symbols keep the narrow tables' places,
    // so a first answer of WideOutside or more means the byte passes unchanged.
    static constexpr std::uint16_t WideOutside = 4 * RowLength;
    const std::uint16_t* wideFirst = nullptr;
    const std::uint16_t* wideMiddle = nullptr;
    const std::uint8_t* wideLast = nullptr;
    // UTF-16 character -> position (65,536 places), then position -> a (256 places, Outside -> Outside).
    const std::uint8_t* charPosition = nullptr;
    const std::uint8_t* positionFirst = nullptr;
    // 135 places laid out four times over (the scalar loop indexes past 135 instead of wrapping).
    const std::uint8_t* middle = nullptr;
    // 135 places laid out three times over, as bytes and as UTF-16 characters.
    const std::uint8_t* lastByte = nullptr;
    const char16_t* lastChar = nullptr;
    // Every symbol the first and last tables hold is ASCII or a Cyrillic letter А to я, so that a UTF-16
    // character can go through the byte tables: the vector loops take UTF-16 text only then.
    bool narrowable = false;
    // Turns of slots 1 and 2 and counter 1 at the first step.
    int t1 = 0, o2 = 0, c1 = 0;
};

}  // namespace velista
