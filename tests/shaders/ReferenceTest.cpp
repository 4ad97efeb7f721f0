// Hand-computed checks of the CPU reference itself, so that the GPU
// comparisons elsewhere compare against something known to be right.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/reference/Image.h"
#include "tests/support/reference/Programs.h"

namespace {

using hlv3ref::At;
using hlv3ref::Hsv;
using hlv3ref::Image;
using hlv3ref::MakeImage;
using hlv3ref::Pixel;
using hlv3ref::Sampler;
using hlv3ref::Vec2;
using hlv3ref::Wrap;

constexpr float kTight = 1e-6f;

void ExpectHsv(float r, float g, float b, float h, float s, float v) {
    const Hsv hsv = hlv3ref::Rgb2Hsv(r, g, b);
    EXPECT_NEAR(hsv.h, h, kTight) << r << "," << g << "," << b;
    EXPECT_NEAR(hsv.s, s, kTight) << r << "," << g << "," << b;
    EXPECT_NEAR(hsv.v, v, kTight) << r << "," << g << "," << b;
}

void ExpectRgb(const Pixel& p, float r, float g, float b, float tolerance = kTight) {
    EXPECT_NEAR(p.r, r, tolerance);
    EXPECT_NEAR(p.g, g, tolerance);
    EXPECT_NEAR(p.b, b, tolerance);
}

TEST(ReferenceHue, Rgb2HsvOfKnownColours) {
    ExpectHsv(1, 0, 0, 1.0f, 1, 1);  // red lands on the top end of the hue range
    ExpectHsv(1, 1, 0, 1.0f / 6, 1, 1);
    ExpectHsv(0, 1, 0, 1.0f / 3, 1, 1);
    ExpectHsv(0, 1, 1, 0.5f, 1, 1);
    ExpectHsv(0, 0, 1, 2.0f / 3, 1, 1);
    ExpectHsv(1, 0, 1, 5.0f / 6, 1, 1);
    ExpectHsv(0.2f, 0.6f, 0.4f, 5.0f / 12, 0.4f / 0.6f, 0.6f);  // 150 degrees
}

TEST(ReferenceHue, GreyAndBlackHaveHueTwoThirdsAndNoSaturation) {
    ExpectHsv(0.5f, 0.5f, 0.5f, 2.0f / 3, 0, 0.5f);
    ExpectHsv(3.0f, 3.0f, 3.0f, 2.0f / 3, 0, 3.0f);
    ExpectHsv(0, 0, 0, 2.0f / 3, 0, 0);  // eps keeps both divisions finite
}

TEST(ReferenceHue, Hsv2RgbWrapsAnyHue) {
    for (float h : {0.0f, 1.0f, -1.0f, 2.0f, -3.0f}) {
        ExpectRgb(hlv3ref::Hsv2Rgb({h, 1, 1}), 1, 0, 0, 1e-5f);
    }
    ExpectRgb(hlv3ref::Hsv2Rgb({1.0f / 3, 1, 1}), 0, 1, 0, 1e-5f);
    ExpectRgb(hlv3ref::Hsv2Rgb({-0.25f, 1, 1}), 0.5f, 0, 1, 1e-5f);
    ExpectRgb(hlv3ref::Hsv2Rgb({0.75f, 1, 1}), 0.5f, 0, 1, 1e-5f);
    ExpectRgb(hlv3ref::Hsv2Rgb({1.25f, 1, 1}), 0.5f, 1, 0, 1e-5f);  // 90 degrees
    // saturation blends from white, value scales
    ExpectRgb(hlv3ref::Hsv2Rgb({0, 0.5f, 0.8f}), 0.8f, 0.4f, 0.4f);
    ExpectRgb(hlv3ref::Hsv2Rgb({0.4f, 0, 0.3f}), 0.3f, 0.3f, 0.3f);
}

TEST(ReferenceHue, RoundTripKeepsColoursOutsideTheUnitRange) {
    const float colours[][3] = {{0.2f, 0.6f, 0.4f},
                                {1.5f, 0.2f, 0.7f},
                                {0.5f, -0.2f, 0.1f},
                                {0.9f, 0.9f, 0.1f},
                                {0.0f, 0.3f, 2.0f}};
    for (const auto& c : colours) {
        const Pixel back = hlv3ref::Hsv2Rgb(hlv3ref::Rgb2Hsv(c[0], c[1], c[2]));
        ExpectRgb(back, c[0], c[1], c[2], 2e-6f);
    }
}

TEST(ReferenceBlur, GaussianWeights) {
    EXPECT_FLOAT_EQ(hlv3ref::GetWeight(0.0f), 1.0f);
    EXPECT_NEAR(hlv3ref::GetWeight(1.0f), std::exp(-25.0 / 3.0), 1e-9);  // 0.00024036
    EXPECT_NEAR(hlv3ref::GetWeight(1.0f), 0.00024036f, 1e-8f);
    EXPECT_FLOAT_EQ(hlv3ref::GetWeight(-1.0f), hlv3ref::GetWeight(1.0f));
    EXPECT_NEAR(hlv3ref::GetWeight(0.5f), 0.12451447f, 1e-7f);
}

Image Ramp(int width, int height) {
    Image image = MakeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            At(image, x, y) = Pixel{static_cast<float>(x + 1), static_cast<float>(10 * (y + 1)),
                                    -0.5f * static_cast<float>(x), 1.0f};
        }
    }
    return image;
}

TEST(ReferenceSampling, TexelCentreReadsTheTexel) {
    const Image image = Ramp(7, 5);
    for (Wrap wrap : {Wrap::Border, Wrap::MirroredRepeat}) {
        const Sampler sampler{&image, wrap};
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                const Pixel p = hlv3ref::Sample(sampler, {(x + 0.5f) / 7, (y + 0.5f) / 5});
                EXPECT_EQ(p.r, At(image, x, y).r);
                EXPECT_EQ(p.g, At(image, x, y).g);
                EXPECT_EQ(p.b, At(image, x, y).b);
                EXPECT_EQ(p.a, At(image, x, y).a);
            }
        }
    }
}

TEST(ReferenceSampling, BetweenTexelsIsBilinear) {
    const Image image = Ramp(4, 4);
    const Sampler sampler{&image, Wrap::Border};
    // halfway between columns 1 and 2 of row 0
    EXPECT_FLOAT_EQ(hlv3ref::Sample(sampler, {0.5f, 0.125f}).r, 2.5f);
    // the corner shared by texels (1,1), (2,1), (1,2), (2,2)
    const Pixel corner = hlv3ref::Sample(sampler, {0.5f, 0.5f});
    EXPECT_FLOAT_EQ(corner.r, 2.5f);
    EXPECT_FLOAT_EQ(corner.g, 25.0f);
    // a quarter of the way from column 0 to 1
    EXPECT_FLOAT_EQ(hlv3ref::Sample(sampler, {(0.5f + 0.25f) / 4, 0.125f}).r, 1.25f);
}

TEST(ReferenceSampling, OutsideTheImageFollowsTheWrapMode) {
    const Image image = Ramp(10, 1);
    const Sampler border{&image, Wrap::Border};
    const Sampler mirrored{&image, Wrap::MirroredRepeat};
    // u = -0.1 sits between index -2 and -1: both beyond the edge.
    const Pixel b = hlv3ref::Sample(border, {-0.1f, 0.5f});
    EXPECT_EQ(b.r, 0.0f);
    EXPECT_EQ(b.a, 0.0f);
    // mirrored, -2 and -1 read columns 1 and 0
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {-0.1f, 0.5f}).r, 1.5f, 1e-5f);
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {-0.1f, 0.5f}).a, 1.0f, 1e-5f);
    // the edge itself: half border, or the edge texel twice
    EXPECT_NEAR(hlv3ref::Sample(border, {1.0f, 0.5f}).r, 5.0f, 1e-5f);
    EXPECT_NEAR(hlv3ref::Sample(border, {1.0f, 0.5f}).a, 0.5f, 1e-5f);
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {1.0f, 0.5f}).r, 10.0f, 1e-5f);
    // one texel beyond the right edge mirrors to the last texel, two periods
    // on the image repeats unmirrored
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {1.05f, 0.5f}).r, 10.0f, 1e-4f);
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {1.15f, 0.5f}).r, 9.0f, 1e-4f);
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {2.05f, 0.5f}).r, 1.0f, 1e-4f);
    EXPECT_NEAR(hlv3ref::Sample(mirrored, {-1.95f, 0.5f}).r, 1.0f, 1e-4f);
}

TEST(ReferenceQuad, FragmentCoordinatesAtPixelCentres) {
    const Vec2 a = hlv3ref::FragmentUV({}, 0, 0, 4, 2);
    EXPECT_FLOAT_EQ(a.x, 0.125f);
    EXPECT_FLOAT_EQ(a.y, 0.25f);
    const Vec2 b = hlv3ref::FragmentUV({}, 3, 1, 4, 2);
    EXPECT_FLOAT_EQ(b.x, 0.875f);
    EXPECT_FLOAT_EQ(b.y, 0.75f);
    // a rectangle larger than the texture shrinks the source to the middle
    const hlv3ref::TexRect wide{-0.25f, -0.25f, 1.25f, 1.25f};
    const Vec2 c = hlv3ref::FragmentUV(wide, 0, 5, 6, 6);
    EXPECT_FLOAT_EQ(c.x, -0.125f);
    EXPECT_FLOAT_EQ(c.y, 1.125f);
}

TEST(ReferenceDistortion, RadialAboutTheCentre) {
    const Vec2 res{1000, 500};
    const Vec2 centre = hlv3ref::DistortUV({0.5f, 0.5f}, 3.0f, res, 1.0f);
    EXPECT_FLOAT_EQ(centre.x, 0.5f);
    EXPECT_FLOAT_EQ(centre.y, 0.5f);
    const Vec2 none = hlv3ref::DistortUV({0.9f, 0.2f}, 0.0f, res, 0.75f);
    EXPECT_FLOAT_EQ(none.x, 0.9f);
    EXPECT_FLOAT_EQ(none.y, 0.2f);
    // k' = 1/1000 * 500 = 0.5, r2 = 0.25, f = 1.125
    const Vec2 edge = hlv3ref::DistortUV({1.0f, 0.5f}, 1.0f, res, 1.0f);
    EXPECT_FLOAT_EQ(edge.x, 1.0625f);
    EXPECT_FLOAT_EQ(edge.y, 0.5f);
    // the aspect weighs x down and y up: r2 = 0.0625 / 2 + 0.0625 * 2
    const Vec2 skewed = hlv3ref::DistortUV({0.75f, 0.75f}, 1.0f, res, 2.0f);
    EXPECT_FLOAT_EQ(skewed.x, 0.5f + 0.25f * (1.0f + 0.15625f * 0.5f));
}

// The program functions on cases whose result follows from the algorithms
// by hand, so the reference stands on its own where no GPU is at hand.
TEST(ReferencePrograms, PreProcPremultipliesAndTurnsTheHueBackwards) {
    Image image = MakeImage(1, 1, Pixel{0.0f, 1.0f, 0.0f, 0.5f});  // green, half covered
    const Sampler sampler{&image, Wrap::Border};
    hlv3ref::PreProcUniforms u;
    const Pixel plain = hlv3ref::PreProcFragment(sampler, u, {0.5f, 0.5f});
    ExpectRgb(plain, 0.0f, 0.5f, 0.0f);
    EXPECT_EQ(plain.a, 0.5f);
    u.offsetHue = 1.0f / 3.0f;  // green (1/3) turned back a third is red
    ExpectRgb(hlv3ref::PreProcFragment(sampler, u, {0.5f, 0.5f}), 0.5f, 0.0f, 0.0f, 1e-6f);
    u.swizzleL = 1;
    EXPECT_EQ(hlv3ref::PreProcFragment(sampler, u, {0.5f, 0.5f}).r, 0.5f);  // alpha first
}

TEST(ReferencePrograms, AberrateWithoutTransformPacksColourAndAlpha) {
    const Image image = Ramp(4, 2);
    const Sampler sampler{&image, Wrap::Border};
    hlv3ref::AberrateUniforms u;
    u.aspectF = 0.5f;
    u.resV = {4, 2};
    u.iterationsL = 7;
    const Image out = hlv3ref::RenderAberrate(sampler, u, 4, 2);
    for (int x = 0; x < 4; ++x) {
        EXPECT_NEAR(At(out, x, 1).r, At(image, x, 1).r, 1e-5f);
        EXPECT_NEAR(At(out, x, 1).g, 1.0f, 1e-6f);
        EXPECT_NEAR(At(out, x, 1).b, At(image, x, 1).b, 1e-5f);
        EXPECT_NEAR(At(out, x, 1).a, 1.0f, 1e-6f);
    }
    // one texel to the right: A reads the right neighbour, B the left one
    u.offsetPos = {0.25f, 0.0f};
    u.iterationsL = 1;
    const Pixel moved = hlv3ref::AberrateFragment(sampler, u, {0.375f, 0.25f});
    EXPECT_NEAR(moved.r, At(image, 2, 0).r, 1e-5f);
    EXPECT_NEAR(moved.b, At(image, 0, 0).b, 1e-5f);
}

TEST(ReferencePrograms, BlurKeepsAFlatImageAndSplitsTheKernels) {
    const Image flat = MakeImage(5, 3, Pixel{0.3f, 1.7f, -0.2f, 0.8f});
    const Sampler sampler{&flat, Wrap::MirroredRepeat};
    const hlv3ref::BlurUniforms u{3, 0.7f / 5.0f, 1, 1.3f / 5.0f};
    for (const Image& out :
         {hlv3ref::RenderBlurW(sampler, u, 5, 3), hlv3ref::RenderBlurH(sampler, u, 5, 3)}) {
        for (const Pixel& p : out.texels) {
            ExpectRgb(p, 0.3f, 1.7f, -0.2f);
            EXPECT_NEAR(p.a, 0.8f, kTight);
        }
    }
}

TEST(ReferencePrograms, PostProcStrengthOneIsTheSourceAlphaFirst) {
    const Image packed = MakeImage(1, 1, Pixel{0.9f, 0.2f, 0.1f, 0.7f});
    const Image source = MakeImage(1, 1, Pixel{0.4f, 0.5f, 0.6f, 0.25f});
    const Sampler p{&packed, Wrap::Border};
    const Sampler s{&source, Wrap::Border};
    hlv3ref::PostProcUniforms u;
    u.strengthF = 1.0f;
    const Pixel full = hlv3ref::PostProcFragment(p, s, u, {0.5f, 0.5f});
    EXPECT_FLOAT_EQ(full.r, 0.25f);
    EXPECT_FLOAT_EQ(full.g, 0.4f);
    EXPECT_FLOAT_EQ(full.b, 0.5f);
    EXPECT_FLOAT_EQ(full.a, 0.6f);
    // no strength: screened alpha 1 - 0.75 * 0.8 * 0.3, colours unpacked
    u.strengthF = 0.0f;
    const Pixel none = hlv3ref::PostProcFragment(p, s, u, {0.5f, 0.5f});
    EXPECT_NEAR(none.r, 0.82f, 1e-6f);
    EXPECT_FLOAT_EQ(none.g, 0.9f);
    EXPECT_FLOAT_EQ(none.b, 0.5f);
    EXPECT_FLOAT_EQ(none.a, 0.1f);
}

}  // namespace
