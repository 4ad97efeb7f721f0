#pragma once

// The small bitmap font the header banner is set in. Every glyph is a grid of
// kBannerFontRows rows; '#' marks an inked cell, '.' an empty one. Glyphs are
// proportional: a glyph's width is the length of its rows, which are all the
// same. Only the letters the banner needs are drawn.

namespace banner_font {

constexpr int kBannerFontRows = 7;

struct Glyph {
    char code;
    const char* rows[kBannerFontRows];
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {'H', {"#...#",
           "#...#",
           "#...#",
           "#####",
           "#...#",
           "#...#",
           "#...#"}},
    {'a', {".....",
           ".....",
           ".###.",
           "....#",
           ".####",
           "#...#",
           ".####"}},
    {'l', {"##.",
           ".#.",
           ".#.",
           ".#.",
           ".#.",
           ".#.",
           ".##"}},
    {'v', {".....",
           ".....",
           "#...#",
           "#...#",
           "#...#",
           ".#.#.",
           "..#.."}},
    {'n', {".....",
           ".....",
           "####.",
           "#...#",
           "#...#",
           "#...#",
           "#...#"}},
    {'e', {".....",
           ".....",
           ".###.",
           "#...#",
           "#####",
           "#....",
           ".###."}},
    {'3', {"####.",
           "....#",
           "....#",
           ".###.",
           "....#",
           "....#",
           "####."}},
    {' ', {"..",
           "..",
           "..",
           "..",
           "..",
           "..",
           ".."}},
};
// clang-format on

// The glyph of `code`, or null when the font does not carry it.
constexpr const Glyph* FindGlyph(char code) {
    for (const Glyph& g : kGlyphs) {
        if (g.code == code) {
            return &g;
        }
    }
    return nullptr;
}

// Width of a glyph in cells.
constexpr int GlyphWidth(const Glyph& g) {
    int w = 0;
    while (g.rows[0][w] != '\0') {
        ++w;
    }
    return w;
}

}  // namespace banner_font
