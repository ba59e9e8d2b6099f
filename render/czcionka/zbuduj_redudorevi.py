#!/usr/bin/python3
"""Builds the chart symbol font "Redudorevi" from the astrological glyphs of
Noto Sans Symbols, Noto Sans Symbols 2 and Noto Sans Math (all SIL OFL 1.1, so the result is OFL
1.1 too; see OFL.txt beside this script).

Every glyph is scaled into one box and centred in a fixed advance of 0.75 em,
so that a glyph of s points is s canvas units wide and centred in its box;
ascent + descent is exactly one em, so the character cell equals the em.

Usage: zbuduj_redudorevi.py OUT.ttf [font folder]
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

EM = 1000
ADVANCE = 750
ASCENT = 800
DESCENT = 200
BOX = 640         # the larger side of every glyph's bounding box
CENTRE_Y = (ASCENT - DESCENT) // 2

SYMBOLS = "NotoSansSymbols-Regular.ttf"
MATH = "NotoSansMath-Regular.ttf"
SYMBOLS2 = "NotoSansSymbols2-Regular.ttf"

# character -> (source font, code point)
ZNAKI = {}
for i in range(12):  # '(' .. '3': Aries .. Pisces
    ZNAKI[chr(ord("(") + i)] = (SYMBOLS, 0x2648 + i)
ZNAKI.update({
    "4": (SYMBOLS2, 0x2609), # Sun
    "5": (SYMBOLS, 0x263D),  # Moon
    "6": (SYMBOLS, 0x263F),  # Mercury
    "7": (SYMBOLS, 0x2640),  # Venus
    "8": (SYMBOLS, 0x2642),  # Mars
    "9": (SYMBOLS, 0x2643),  # Jupiter
    ":": (SYMBOLS, 0x2644),  # Saturn
    ";": (SYMBOLS, 0x2645),  # Uranus
    "<": (SYMBOLS, 0x2646),  # Neptune
    "=": (SYMBOLS, 0x2647),  # Pluto
    ">": (SYMBOLS, 0x260A),  # North Node
    "?": (SYMBOLS, 0x260B),  # South Node
    "@": (SYMBOLS, 0x260C),  # conjunction
    "A": (SYMBOLS, 0x26BA),  # semi-sextile
    "B": (MATH, 0x2220),     # semi-square
    "C": (SYMBOLS, 0x26B9),  # sextile
    "D": (SYMBOLS2, 0x25A1), # square
    "E": (MATH, 0x25B3),     # trine
    "F": (SYMBOLS, 0x26BC),  # sesquiquadrate
    "G": (SYMBOLS, 0x26BB),  # quincunx
    "H": (SYMBOLS, 0x260D),  # opposition
    "J": (MATH, 0x2225),     # parallel
    "K": (MATH, 0x2AF2),     # contra-parallel
})


def nazwa_glifu(znak):
    return "z%04X" % ord(znak)


def main():
    wyjscie = sys.argv[1]
    katalog = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/fonts/truetype/noto"
    zrodla = {n: TTFont(os.path.join(katalog, n)) for n in (SYMBOLS, SYMBOLS2, MATH)}

    glify = {".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph()}
    szerokosci = {".notdef": (ADVANCE, 0), "space": (ADVANCE, 0)}
    mapa = {0x20: "space"}
    for znak, (plik, kod) in sorted(ZNAKI.items()):
        font = zrodla[plik]
        zestaw = font.getGlyphSet()
        nazwa_zr = font.getBestCmap()[kod]
        nagranie = DecomposingRecordingPen(zestaw)
        zestaw[nazwa_zr].draw(nagranie)
        granice = BoundsPen(zestaw)
        nagranie.replay(granice)
        x0, y0, x1, y1 = granice.bounds
        skala = BOX / max(x1 - x0, y1 - y0) * EM / font["head"].unitsPerEm
        dx = ADVANCE / 2 - skala * (x0 + x1) / 2
        dy = CENTRE_Y - skala * (y0 + y1) / 2
        pioro = TTGlyphPen(None)
        nagranie.replay(TransformPen(pioro, (skala, 0, 0, skala, dx, dy)))
        nazwa = nazwa_glifu(znak)
        glify[nazwa] = pioro.glyph()
        szerokosci[nazwa] = (ADVANCE, 0)
        mapa[ord(znak)] = nazwa

    kolejnosc = [".notdef", "space"] + [nazwa_glifu(z) for z in sorted(ZNAKI)]
    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder(kolejnosc)
    fb.setupCharacterMap(mapa)
    fb.setupGlyf(glify)
    for nazwa, glif in glify.items():
        glif.recalcBounds(fb.font["glyf"])
    szer = {n: (ADVANCE, glify[n].xMin if hasattr(glify[n], "xMin") else 0) for n in kolejnosc}
    fb.setupHorizontalMetrics(szer)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    fb.setupNameTable({
        "familyName": "Redudorevi",
        "styleName": "Regular",
        "uniqueFontIdentifier": "Redudorevi Regular",
        "fullName": "Redudorevi",
        "psName": "Redudorevi-Regular",
        "version": "Version 1.000",
        "copyright": "Copyright 2016, 2018 Google LLC (Noto Sans Symbols, Noto Sans Symbols 2, Noto Sans Math)",
        "licenseDescription": "This Font Software is licensed under the SIL Open Font License, "
                              "Version 1.1.",
        "licenseInfoURL": "https://openfontlicense.org",
    })
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT, fsSelection=0x40,
                achVendID="KOSM", usWeightClass=400)
    fb.setupPost()
    fb.setupHead(unitsPerEm=EM)
    fb.save(wyjscie)


if __name__ == "__main__":
    main()
