// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/SampleText.h"

#include "machine/Windows1251.h"

#include <array>
#include <random>
#include <string_view>

namespace velista::bench {

std::string RussianText(std::size_t size, bool lineBreaks)
{
    static constexpr std::array<std::u16string_view, 16> Words = {
        u"машина", u"ротор", u"ключ", u"шифр", u"текст", u"Велиста", u"окно", u"символ",
        u"ёлка", u"и", u"в", u"на", u"алфавит", u"Москва", u"2026", u"(пример)"};
    static constexpr std::u16string_view Marks = u" , . ! ? : -";
    std::mt19937 random(1251);
    std::u16string text;
    std::size_t lineLength = 0;
    while (text.size() < size) {
        const std::u16string_view word = Words[random() % Words.size()];
        text += word;
        lineLength += word.size();
        const auto mark = random() % 8;
        if (mark < 2)
            text += Marks[2 * (random() % 6) + 1];
        if (lineBreaks && lineLength > 64) {
            text += u"\r\n";
            lineLength = 0;
        } else {
            text += u' ';
            ++lineLength;
        }
    }
    text.resize(size);
    return Windows1251::Encode(text);
}

}  // namespace velista::bench
