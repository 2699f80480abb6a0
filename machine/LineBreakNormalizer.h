#pragma once
// Turns every line break of a text read in pieces (LF, CR LF or a lone CR) into CR LF, as the program's
// files hold them, optionally converting each character on the way.

#include <cstddef>
#include <string>
#include <string_view>

namespace velista {

template <typename Char>
class LineBreakNormalizer {
public:
    static constexpr Char CR = Char('\r');
    static constexpr Char LF = Char('\n');

    // Appends the piece to out. A CR at the end of a piece is written at once; an LF that opens the
    // next piece is then recognised as its partner.
    void Normalize(std::basic_string_view<Char> piece, std::basic_string<Char>& out)
    {
        Normalize(piece, out, [](Char c) { return c; });
    }

    // The same, with convert applied to every character (line breaks become Out's CR LF). One pass
    // over the piece into room made beforehand: decoding a file goes at the speed of this loop.
    template <typename Out, typename Convert>
    void Normalize(std::basic_string_view<Char> piece, std::basic_string<Out>& out, Convert convert)
    {
        const std::size_t start = out.size();
        out.resize(start + 2 * piece.size());
        Out* write = out.data() + start;
        for (const Char c : piece) {
            if (c != CR && c != LF) {
                *write++ = convert(c);
                afterCr_ = false;
                continue;
            }
            if (c == CR || !afterCr_) {
                *write++ = Out('\r');
                *write++ = Out('\n');
            }
            afterCr_ = c == CR;
        }
        out.resize(static_cast<std::size_t>(write - out.data()));
    }

private:
    bool afterCr_ = false;
};

}  // namespace velista
