#include "host/Banner.h"

#include "host/BannerFont.h"

// The banner is set in the bitmap font of BannerFont.h, each font cell drawn as
// a square of kCell pixels, centred on a transparent background. The letters
// carry a soft top-to-bottom gradient and, behind them, a red copy shifted left
// and a blue copy shifted right: the colour fringe the effect itself makes.
// Everything here runs in the compiler; the result is plain constant data.

namespace {

using banner_font::FindGlyph;
using banner_font::Glyph;
using banner_font::GlyphWidth;
using banner_font::kBannerFontRows;

constexpr int kCell = 4;          // pixels per font cell, both ways
constexpr int kGap = 1;           // empty cells between two glyphs
constexpr int kFringeShift = 2;   // pixels the coloured copies are moved sideways
constexpr int kMaxColumns = 128;  // font cells across the whole text, generously

struct Rgba {
    int r, g, b, a;
};

constexpr Rgba kTop = {255, 255, 255, 255};
constexpr Rgba kBottom = {188, 204, 232, 255};
constexpr Rgba kRedFringe = {232, 64, 88, 190};
constexpr Rgba kBlueFringe = {56, 150, 255, 190};
constexpr Rgba kClear = {0, 0, 0, 0};

// Which glyph, and which of its columns, each font-cell column of the text
// shows; a glyph of null is a gap between glyphs.
struct TextColumns {
    const Glyph* glyph[kMaxColumns] = {};
    int column[kMaxColumns] = {};
    int count = 0;
};

constexpr TextColumns LayOutText() {
    TextColumns cols;
    for (int i = 0; kBannerText[i] != '\0'; ++i) {
        if (i > 0) {
            for (int g = 0; g < kGap; ++g) {
                cols.glyph[cols.count] = nullptr;
                cols.column[cols.count] = 0;
                ++cols.count;
            }
        }
        const Glyph* glyph = FindGlyph(kBannerText[i]);
        for (int c = 0; c < GlyphWidth(*glyph); ++c) {
            cols.glyph[cols.count] = glyph;
            cols.column[cols.count] = c;
            ++cols.count;
        }
    }
    return cols;
}

constexpr TextColumns kColumns = LayOutText();
constexpr int kTextWidth = kColumns.count * kCell;
constexpr int kTextHeight = kBannerFontRows * kCell;
constexpr int kTextLeft = (kBannerWidth - kTextWidth) / 2;
constexpr int kTextTop = (kBannerHeight - kTextHeight) / 2;

static_assert(kColumns.count <= kMaxColumns, "banner text too long for the column table");
static_assert(kTextLeft - kFringeShift >= 0, "banner text and its fringe must fit the width");
static_assert(kTextTop >= 0, "banner text must fit the height");

// The text as a mask of font cells, then smoothed twice with the Scale2x rule
// (each cell becomes 2 x 2; a corner takes a neighbour's value where two
// neighbours agree against the other two). That rounds the blocky cells into
// diagonals and chamfered corners while vertical and horizontal strokes stay
// crisp, and reaches kCell = 4 pixels per cell.
static_assert(kCell == 4, "the mask is smoothed by two Scale2x steps");

constexpr int kMaskWidth = kMaxColumns * kCell;
constexpr int kMaskHeight = kBannerFontRows * kCell;

struct Mask {
    bool on[kMaskHeight][kMaskWidth] = {};
    int width = 0;
    int height = 0;

    constexpr bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && on[y][x];
    }
};

constexpr Mask CellMask() {
    Mask m;
    m.width = kColumns.count;
    m.height = kBannerFontRows;
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            const Glyph* glyph = kColumns.glyph[x];
            m.on[y][x] = glyph != nullptr && glyph->rows[y][kColumns.column[x]] == '#';
        }
    }
    return m;
}

constexpr Mask Scale2x(const Mask& in) {
    Mask out;
    out.width = in.width * 2;
    out.height = in.height * 2;
    for (int y = 0; y < in.height; ++y) {
        for (int x = 0; x < in.width; ++x) {
            const bool p = in.At(x, y);
            const bool a = in.At(x, y - 1);  // above
            const bool b = in.At(x + 1, y);  // right
            const bool c = in.At(x - 1, y);  // left
            const bool d = in.At(x, y + 1);  // below
            out.on[2 * y][2 * x] = (c == a && c != d && a != b) ? a : p;
            out.on[2 * y][2 * x + 1] = (a == b && a != c && b != d) ? b : p;
            out.on[2 * y + 1][2 * x] = (d == c && d != b && c != a) ? c : p;
            out.on[2 * y + 1][2 * x + 1] = (b == d && b != a && d != c) ? d : p;
        }
    }
    return out;
}

constexpr Mask kTextMask = Scale2x(Scale2x(CellMask()));

// Whether the text, placed at its own origin plus (dx, 0), inks pixel (x, y).
constexpr bool Inked(int x, int y, int dx) {
    return kTextMask.At(x - kTextLeft - dx, y - kTextTop);
}

constexpr int Mix(int from, int to, int num, int den) {
    return from + (to - from) * num / den;
}

constexpr Rgba TextColour(int y) {
    const int t = y - kTextTop;
    const int span = kTextHeight - 1;
    return {Mix(kTop.r, kBottom.r, t, span), Mix(kTop.g, kBottom.g, t, span),
            Mix(kTop.b, kBottom.b, t, span), 255};
}

constexpr Rgba PixelAt(int x, int y) {
    if (Inked(x, y, 0)) {
        return TextColour(y);
    }
    if (Inked(x, y, kFringeShift)) {
        return kBlueFringe;
    }
    if (Inked(x, y, -kFringeShift)) {
        return kRedFringe;
    }
    return kClear;
}

constexpr std::array<std::uint8_t, kBannerBytes> MakeBannerImage() {
    std::array<std::uint8_t, kBannerBytes> image{};
    for (int y = 0; y < kBannerHeight; ++y) {
        for (int x = 0; x < kBannerWidth; ++x) {
            const Rgba p = PixelAt(x, y);
            const std::size_t at = static_cast<std::size_t>(y) * kBannerRowBytes + x * 4;
            image[at + 0] = static_cast<std::uint8_t>(p.b);
            image[at + 1] = static_cast<std::uint8_t>(p.g);
            image[at + 2] = static_cast<std::uint8_t>(p.r);
            image[at + 3] = static_cast<std::uint8_t>(p.a);
        }
    }
    return image;
}

}  // namespace

constexpr std::array<std::uint8_t, kBannerBytes> kBannerImage = MakeBannerImage();
