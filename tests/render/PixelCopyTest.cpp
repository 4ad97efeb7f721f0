// The copy-in callbacks: channel order into RGBA memory order and the float
// clamps, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "host/CopyIn.h"
#include "render/ImageView.h"

TEST(CopyPixel8In, StoresTheBytesInRGBAOrder) {
    PF_Pixel in = {255, 10, 20, 30};  // alpha, red, green, blue
    PF_Pixel out = {};
    EXPECT_EQ(CopyPixel8In(nullptr, 0, 0, &in, &out), PF_Err_NONE);
    unsigned char bytes[4];
    std::memcpy(bytes, &out, 4);
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(bytes[1], 20);
    EXPECT_EQ(bytes[2], 30);
    EXPECT_EQ(bytes[3], 255);
    EXPECT_EQ(in.alpha, 255);  // the source is only read
    EXPECT_EQ(in.red, 10);
}

TEST(CopyPixelFloatIn, ClampsNegativeAndNaNColourButNotAlpha) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    PF_PixelFloat in = {1.5f, -0.5f, nan, 2.25f};  // alpha, red, green, blue
    PF_PixelFloat out = {};
    EXPECT_EQ(CopyPixelFloatIn(nullptr, 0, 0, &in, &out), PF_Err_NONE);
    float rgba[4];
    std::memcpy(rgba, &out, sizeof rgba);
    EXPECT_EQ(rgba[0], 0.f);    // red -0.5
    EXPECT_EQ(rgba[1], 0.f);    // green NaN
    EXPECT_EQ(rgba[2], 2.25f);  // above 1 passes
    EXPECT_EQ(rgba[3], 1.5f);   // alpha unclamped

    PF_PixelFloat nanAlpha = {nan, 0.25f, 0.5f, 0.75f};
    CopyPixelFloatIn(nullptr, 0, 0, &nanAlpha, &out);
    std::memcpy(rgba, &out, sizeof rgba);
    EXPECT_EQ(rgba[0], 0.25f);
    EXPECT_EQ(rgba[1], 0.5f);
    EXPECT_EQ(rgba[2], 0.75f);
    EXPECT_TRUE(std::isnan(rgba[3]));
    EXPECT_TRUE(std::isnan(in.green));  // the source is only read
}

TEST(BytesPerPixel, FollowsTheBitDepth) {
    EXPECT_EQ(BytesPerPixel(8), 4);
    EXPECT_EQ(BytesPerPixel(32), 16);
}
