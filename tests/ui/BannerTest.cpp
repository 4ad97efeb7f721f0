// The banner's pixel data: size, layout and that it is legible text on a
// transparent background.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/Banner.h"

namespace {

std::uint8_t Alpha(int x, int y) {
    return kBannerImage[static_cast<std::size_t>(y) * kBannerRowBytes + x * 4 + 3];
}

TEST(Banner, HasTheHostsLayout) {
    EXPECT_EQ(kBannerWidth, 400);
    EXPECT_EQ(kBannerHeight, 33);
    EXPECT_EQ(kBannerRowBytes, 1600);
    EXPECT_EQ(kBannerBytes, 52800u);
    EXPECT_EQ(kBannerImage.size(), 52800u);
}

TEST(Banner, HasOpaqueTextOnATransparentBackground) {
    int opaque = 0;
    int transparent = 0;
    for (int y = 0; y < kBannerHeight; ++y) {
        for (int x = 0; x < kBannerWidth; ++x) {
            opaque += Alpha(x, y) == 255;
            transparent += Alpha(x, y) == 0;
        }
    }
    // Text in a 7-row font at 4 pixels per cell covers a few thousand pixels,
    // far less than half the image.
    EXPECT_GT(opaque, 1000);
    EXPECT_GT(transparent, kBannerWidth * kBannerHeight / 2);
    // The border rows and columns are background.
    for (int x = 0; x < kBannerWidth; ++x) {
        EXPECT_EQ(Alpha(x, 0), 0) << "x " << x;
        EXPECT_EQ(Alpha(x, kBannerHeight - 1), 0) << "x " << x;
    }
    for (int y = 0; y < kBannerHeight; ++y) {
        EXPECT_EQ(Alpha(0, y), 0) << "y " << y;
        EXPECT_EQ(Alpha(kBannerWidth - 1, y), 0) << "y " << y;
    }
}

TEST(Banner, ShowsEightSeparateLettersForHalvane3) {
    // Columns holding fully opaque letter pixels form one run per glyph:
    // H, a, l, v, a, n, e and 3 (the space only widens one gap).
    std::vector<int> runWidths;
    int run = 0;
    for (int x = 0; x < kBannerWidth; ++x) {
        bool inked = false;
        for (int y = 0; y < kBannerHeight; ++y) {
            inked = inked || Alpha(x, y) == 255;
        }
        if (inked) {
            ++run;
        } else if (run > 0) {
            runWidths.push_back(run);
            run = 0;
        }
    }
    ASSERT_EQ(runWidths.size(), 8u);
    // The narrow 'l' is the third letter; all others are five cells wide.
    EXPECT_LT(runWidths[2], runWidths[0]);
    for (int i : {0, 1, 3, 4, 5, 6, 7}) {
        EXPECT_EQ(runWidths[i], 20) << "letter " << i;
    }
}

TEST(Banner, CapitalsAreTallerThanSmallLetters) {
    // Rows holding ink within the 'H' (first run) and within the first 'a'.
    auto inkRows = [](int x0, int x1) {
        int top = kBannerHeight, bottom = -1;
        for (int y = 0; y < kBannerHeight; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (Alpha(x, y) == 255) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    int first = 0;
    while (first < kBannerWidth) {
        bool inked = false;
        for (int y = 0; y < kBannerHeight; ++y)
            inked = inked || Alpha(first, y) == 255;
        if (inked)
            break;
        ++first;
    }
    // 'H' spans the full seven cells, 'a' (after a one-cell gap) five.
    EXPECT_EQ(inkRows(first, first + 20), 28);
    EXPECT_EQ(inkRows(first + 24, first + 44), 20);
}

}  // namespace
