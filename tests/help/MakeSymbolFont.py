#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes SymbolEncoded.ttf: a tiny face named Symbol with only a symbol-encoded character map, as the
Symbol font of Windows has. Its code 0xA9 is a heart and 0xD3 the copyright sign, as in the Symbol
encoding. The About box test loads it to stand in for Symbol. Needs python3-fonttools:

    /usr/bin/python3 MakeSymbolFont.py SymbolEncoded.ttf
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4


def square(size, inset):
    pen = TTGlyphPen(None)
    pen.moveTo((inset, inset))
    pen.lineTo((inset, size - inset))
    pen.lineTo((size - inset, size - inset))
    pen.lineTo((size - inset, inset))
    pen.closePath()
    return pen.glyph()


def heart():
    pen = TTGlyphPen(None)
    pen.moveTo((500, 100))
    pen.lineTo((100, 500))
    pen.lineTo((300, 750))
    pen.lineTo((500, 600))
    pen.lineTo((700, 750))
    pen.lineTo((900, 500))
    pen.closePath()
    return pen.glyph()


def main(path):
    order = [".notdef", "space", "heart", "copyright"]
    builder = FontBuilder(1000, isTTF=True)
    builder.setupGlyphOrder(order)
    # A character map of the Microsoft symbol encoding only (platform 3, encoding 0): codes 0xF020 to 0xF0FF.
    builder.setupCharacterMap({0xF020: "space", 0xF0A9: "heart", 0xF0D3: "copyright"})
    table = builder.font["cmap"]
    symbol = cmap_format_4(4)
    symbol.platformID, symbol.platEncID, symbol.language = 3, 0, 0
    symbol.cmap = {0xF020: "space", 0xF0A9: "heart", 0xF0D3: "copyright"}
    table.tables = [symbol]
    empty = TTGlyphPen(None).glyph()
    builder.setupGlyf({".notdef": square(1000, 100), "space": empty, "heart": heart(), "copyright": square(1000, 300)})
    builder.setupHorizontalMetrics({name: (1000, 0) for name in order})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable({"familyName": "Symbol", "styleName": "Regular"})
    # Code page bit 31: a symbol character set.
    builder.setupOS2(ulCodePageRange1=1 << 31, ulCodePageRange2=0, usFirstCharIndex=0xF020, usLastCharIndex=0xF0D3)
    builder.setupPost()
    builder.save(path)


if __name__ == "__main__":
    main(sys.argv[1])
