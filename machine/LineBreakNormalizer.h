#pragma once
// Turns every line break of a text read in pieces (LF, CR LF or a lone CR) into CR LF, as the program's files hold them.

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
        for (const Char c : piece) {
            if (c == CR) {
                out += CR;
                out += LF;
                afterCr_ = true;
            } else if (c == LF) {
                if (!afterCr_) {
                    out += CR;
                    out += LF;
                }
                afterCr_ = false;
            } else {
                out += c;
                afterCr_ = false;
            }
        }
    }

private:
    bool afterCr_ = false;
};

}  // namespace velista
