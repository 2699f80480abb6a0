"""Writes the machine's known answers, worked out by model.py, as the vector file vectors.txt.

    python3 make_vectors.py [OUTPUT]      (standard output when OUTPUT is missing)

The texts come from a small fixed generator rather than Python's random module, so the file is the
same byte for byte on every Python 3.
"""

import copy
import sys

from model import ALPHABET, SIZE, Bank

# Banks further than this many steps from their installation are reached with Bank.jump_to; closer
# ones step there one step at a time (2,460,375 steps take about 4 s), and are checked against the jump.
STEPPED_LIMIT = 3_000_000

HEADER = """\
# Known answers of the cipher machine, made by tests/reference/make_vectors.py with the second model of
# the machine in tests/reference/model.py (Python, written apart from the C++ core). Do not edit: run
#     python3 tests/reference/make_vectors.py tests/reference/vectors.txt
# The test reference.vectors makes the file again and compares it with this one byte for byte.
#
# Blocks are separated by a blank line; a [Section] line sets the kind of the blocks after it.
# Every text, key and symbol is written as the hex of its Windows-1251 bytes (every alphabet symbol is one
# byte there; the unassigned byte 98 stands for U+0098, as the program reads it).
#   Name      the test's name
#   Rotors    five digits, the catalogue rotors in slots 1 to 5
#   Key       the five key symbols; the bank is set as the installation leaves it
#   Start     steps the bank has made since the installation when the text (or the symbol) comes
# [Encipher] and [Decipher]: a whole text from Start, one step after every position
#   In, Out   the text and what the machine makes of it
#   Passed    characters outside the alphabet, passed unchanged
#   Turned    the slots that turned during the text
#   Counters  the five step counters after the text
# [EncipherPath] and [DecipherPath]: one symbol's four hops, from slot 1 to 5 or from slot 5 to 1
#   Symbol    the symbol
#   Positions where it leaves each slot: the exit row's position enciphering, the entry row's deciphering
#   Reached   the symbol each hop reaches in the next slot
"""


def encode(text):
    return bytes(0x98 if ch == "\x98" else ch.encode("cp1251")[0] for ch in text)


def decode(data):
    return "".join("\x98" if b == 0x98 else bytes([b]).decode("cp1251") for b in data)


# Every Windows-1251 character outside the alphabet, control characters and the unassigned byte included.
OUTSIDE = [ch for ch in decode(range(256)) if ch not in ALPHABET]
# What a Russian text holds besides its alphabet symbols.
USUAL_OUTSIDE = ["\r\n", "!", "?", ";", "Ё", "ё", "«", "»", "\t", '"', "—"]


class Numbers:
    """A 64-bit linear congruential generator (Knuth's MMIX constants), high bits used."""

    def __init__(self, seed):
        self.state = seed

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return (self.state >> 33) % n


def mixed(seed, length, outside_share=16):
    """Alphabet symbols with one character outside it in about outside_share (0: none)."""
    numbers, out = Numbers(seed), []
    while len(out) < length:
        if outside_share and numbers.below(outside_share) == 0:
            out.extend(USUAL_OUTSIDE[numbers.below(len(USUAL_OUTSIDE))])
        else:
            out.append(ALPHABET[numbers.below(SIZE)])
    return "".join(out[:length])


def outside_stretches(seed):
    """Alphabet stretches between runs of characters outside it: every one of them, and line breaks."""
    numbers = Numbers(seed)
    rest = OUTSIDE[:]
    shuffled = [rest.pop(numbers.below(len(rest))) for _ in range(len(OUTSIDE))]
    return mixed(seed, 20, 0) + "".join(shuffled) + mixed(seed + 1, 30, 0) + "\r\n\r\n\r\n" + mixed(seed + 2, 10, 0)


_stepped = {}


def bank_at(rotors, key, start):
    """A bank start steps after its installation. Near ones step there from the nearest bank of the
    same setting already made, and are checked against the jump."""
    if start > STEPPED_LIMIT:
        bank = Bank(rotors, key)
        bank.jump_to(start)
        return bank
    made = [s for (r, k, s) in _stepped if (r, k) == (rotors, key) and s <= start]
    bank = copy.deepcopy(_stepped[rotors, key, max(made)]) if made else Bank(rotors, key)
    bank.advance(start - bank.steps)
    check_jump(bank, rotors, key)
    _stepped[rotors, key, start] = bank
    return copy.deepcopy(bank)


def check_jump(stepped, rotors, key):
    jumped = Bank(rotors, key)
    jumped.jump_to(stepped.steps)
    assert jumped.counters == stepped.counters, (rotors, key, stepped.steps)
    assert [s.turns % SIZE for s in jumped.slots] == [s.turns % SIZE for s in stepped.slots]


def text_block(name, rotors, key, start, text, decipher):
    bank = bank_at(rotors, key, start)
    turns = [slot.turns for slot in bank.slots]
    out = bank.run(text, decipher)
    if start + len(text) <= STEPPED_LIMIT:
        check_jump(bank, rotors, key)
    turned = [str(k + 1) for k, slot in enumerate(bank.slots) if slot.turns != turns[k]]
    return [f"Name = {name}", f"Rotors = {rotors}", f"Key = {encode(key).hex()}", f"Start = {start}",
            f"In = {encode(text).hex()}", f"Out = {encode(out).hex()}",
            f"Passed = {sum(ch not in ALPHABET for ch in text)}", f"Turned = {' '.join(turned)}",
            f"Counters = {' '.join(map(str, bank.counters))}"]


def path_block(name, rotors, key, start, symbol, decipher):
    bank = bank_at(rotors, key, start)
    hops = bank.decipher_path(symbol) if decipher else bank.encipher_path(symbol)
    return [f"Name = {name}", f"Rotors = {rotors}", f"Key = {encode(key).hex()}", f"Start = {start}",
            f"Symbol = {encode(symbol).hex()}", f"Positions = {' '.join(str(p) for p, _ in hops)}",
            f"Reached = {encode(''.join(s for _, s in hops)).hex()}"]


# Carries into slot 2, 3, 4 and 5 come after 135, 18,225, 2,460,375 and 332,150,625 steps. The whole cycle,
# 135^5 steps, is left out: the core's Advance takes about 21 s to get there. The keys hold every kind of
# symbol; "2Ug-)" stands at entry position 0 of rotors 7, 3, 9, 1 and 5, so each slot makes a full
# revolution when installed, and "Т" at position 134 of rotor 5, one turn.
TEXTS = {
    "Encipher": [
        ("01234_Greeting", "01234", "Ключ1", 0, "Привет, мир!"),
        ("00000_FirstCarries", "00000", " (9Az", 0, mixed(1, 300)),
        ("73915_KeysAtPositionZero", "73915", "2Ug-)", 0, mixed(2, 150)),
        ("99999_SecondCarry", "99999", "ъ0 .Q", 18_100, mixed(3, 250)),
        ("34567_FromInstallationPastSecondCarry", "34567", "[Я:ж]", 0, mixed(4, 18_400)),
        ("55055_ThirdCarry", "55055", "Щit)Т", 2_460_300, mixed(5, 200)),
        ("31415_FourthCarry", "31415", "-.,)Ъ", 332_150_600, mixed(6, 60)),
        ("12121_Outside", "12121", "м ]7G", 100, outside_stretches(7)),
    ],
    "Decipher": [
        ("99999_FirstCarries", "99999", "ъ0 .Q", 0, mixed(11, 300)),
        ("01234_Greeting", "01234", "Ключ1", 0, "сдр7(DЙFO:щ!"),
        ("01234_SecondCarry", "01234", "Ключ1", 18_150, mixed(12, 200)),
        ("55055_ThirdCarry", "55055", "Щit)Т", 2_460_300, mixed(13, 200)),
        ("31415_FourthCarry", "31415", "-.,)Ъ", 332_150_600, mixed(14, 60)),
        ("12121_Outside", "12121", "м ]7G", 100, outside_stretches(15)),
    ],
}

PATHS = {
    "EncipherPath": [
        ("01234_CyrillicCapital", "01234", "Ключ1", 0, "П"),
        ("00000_Space", "00000", " (9Az", 134, " "),
        ("99999_Bracket", "99999", "ъ0 .Q", 18_225, "]"),
        ("55055_LatinSmall", "55055", "Щit)Т", 2_460_375, "q"),
        ("31415_Outside", "31415", "-.,)Ъ", 7, "Ё"),
    ],
    "DecipherPath": [
        ("01234_CyrillicSmall", "01234", "Ключ1", 0, "с"),
        ("73915_Digit", "73915", "2Ug-)", 135, "7"),
        ("34567_Colon", "34567", "[Я:ж]", 18_224, ":"),
        ("86420_LatinCapital", "86420", "hН(5e", 332_150_625, "W"),
        ("12121_Outside", "12121", "м ]7G", 0, "!"),
    ],
}


def main():
    lines = [HEADER]
    for section, rows in TEXTS.items():
        lines.append(f"[{section}]\n")
        for name, rotors, key, start, text in rows:
            block = text_block(f"{section}_{name}", rotors, key, start, text, section == "Decipher")
            lines.append("\n".join(block) + "\n")
    for section, rows in PATHS.items():
        lines.append(f"[{section}]\n")
        for name, rotors, key, start, symbol in rows:
            block = path_block(f"{section}_{name}", rotors, key, start, symbol, section == "DecipherPath")
            lines.append("\n".join(block) + "\n")
    data = "\n".join(lines).encode("ascii")
    if len(sys.argv) > 1:
        with open(sys.argv[1], "wb") as f:
            f.write(data)
    else:
        sys.stdout.buffer.write(data)


if __name__ == "__main__":
    main()
