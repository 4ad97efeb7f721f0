// Render settings against values worked out by hand from the conversion
// rules: every rounding step (single-precision quotients, truncation, ceiling
// of the float-widened count) is visible in the expected numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "render/RenderSettings.h"

namespace {

constexpr Ratio kFull = {1, 1};
constexpr Ratio kHalf = {1, 2};

BufferGeometry Geometry(int32_t w, int32_t h, int32_t ox = 0, int32_t oy = 0) {
    return BufferGeometry{w, h, ox, oy};
}

ParamValues Auto() {
    ParamValues p;
    p.samples = 3;
    p.position = 0.0;
    return p;
}

RenderSettings Derive(const ParamValues& p, Ratio ds = kFull) {
    return DeriveRenderSettings(p, ds, Geometry(1920, 1080), Geometry(1920, 1080));
}

int32_t Fixed(double degrees) {
    return static_cast<int32_t>(degrees * 65536.0);
}

}  // namespace

TEST(SampleCount, SingleIsOneWhateverTheTransform) {
    ParamValues p;
    p.samples = 1;
    p.position = 500;
    p.rotation = Fixed(720);
    p.scale = 300;
    p.sampleMultiplier = 5;
    EXPECT_EQ(Derive(p).sampleCount, 1);
}

TEST(SampleCount, AutoWithDefaultTransformIs708) {
    // A = 1, B = 1, M = sqrt(50) = 7.0710678, N = trunc(707.10678 + 1) = 708.
    EXPECT_EQ(Derive(Auto()).sampleCount, 708);
    ParamValues p = Auto();
    p.position = 0.5;  // the registered default still truncates to A = 1
    EXPECT_EQ(Derive(p).sampleCount, 708);
    p.samples = 2;  // the separator item counts as Auto
    EXPECT_EQ(Derive(p).sampleCount, 708);
}

TEST(SampleCount, AutoAddsPositionRotationAndScale) {
    ParamValues p = Auto();
    p.position = 10;
    p.rotation = Fixed(45);
    // A = 11, B = trunc(11 + 90) = 101, N = trunc(707.10678 + 101) = 808.
    EXPECT_EQ(Derive(p).sampleCount, 808);
    p.sampleMultiplier = 1.5;  // ceil(808 * 1.5)
    EXPECT_EQ(Derive(p).sampleCount, 1212);

    ParamValues s = Auto();
    s.scale = 300;  // + 2 * |1 - 3| * 100
    EXPECT_EQ(Derive(s).sampleCount, 1108);
    s.scale = 0;  // clamped to 0.001: + trunc(2 * 99.9) after the sum: trunc(708 + 199.8)
    EXPECT_EQ(Derive(s).sampleCount, 907);
}

TEST(SampleCount, AberrateDistortionMovesTheFloor) {
    ParamValues p = Auto();
    p.distortAberrate = 5000;  // -125: Q = sqrt(|-12.5 + 50|) = 6.1237, N = trunc(612.37 + 1)
    EXPECT_EQ(Derive(p).sampleCount, 613);
    p.distortAberrate = -5000;  // +125: Q = sqrt(62.5) = 7.9057, N = trunc(790.57 + 1)
    EXPECT_EQ(Derive(p).sampleCount, 791);
    p.distortAberrate = 5000;
    p.skewX = 200;  // M = 2 does not beat Q = 6.12
    EXPECT_EQ(Derive(p).sampleCount, 613);
}

TEST(SampleCount, FixedRoundsCountUpThenProduct) {
    ParamValues p;
    p.samples = 4;
    p.sampleCount = 10.2;
    p.sampleMultiplier = 1.0;
    EXPECT_EQ(Derive(p).sampleCount, 11);
    p.sampleCount = 10;
    p.sampleMultiplier = 0.5;
    EXPECT_EQ(Derive(p).sampleCount, 5);
    p.sampleMultiplier = 0.0001f;  // the slider's minimum: ceil(0.001)
    EXPECT_EQ(Derive(p).sampleCount, 1);
}

TEST(Conversions, ScaleIsClampedBelowOnly) {
    ParamValues p;
    p.scale = 0;
    EXPECT_EQ(Derive(p).scale, 0.001);
    p.scale = -50;
    EXPECT_EQ(Derive(p).scale, 0.001);
    p.scale = 300;
    EXPECT_DOUBLE_EQ(Derive(p).scale, 3.0);
    EXPECT_EQ(static_cast<float>(Derive(p).scale), 3.0f);
}

TEST(Conversions, HueKeepsTheSignOfTheAngle) {
    ParamValues p;
    p.hueShift = Fixed(-30);
    EXPECT_NEAR(Derive(p).hueOffset, -1.0 / 12.0, 1e-12);
    p.hueShift = Fixed(360);
    EXPECT_EQ(Derive(p).hueOffset, 0.0);
    p.hueShift = Fixed(450);
    EXPECT_DOUBLE_EQ(Derive(p).hueOffset, 0.25);
    p.hueShift = Fixed(-90);
    EXPECT_DOUBLE_EQ(Derive(p).hueOffset, -0.25);
}

TEST(Conversions, RotationSkewMixAndFlags) {
    ParamValues p;
    p.rotation = Fixed(90);
    p.skewX = -25;
    p.skewY = 150;
    p.mix = 40;
    p.channels = 3;
    p.preserveAlpha = true;
    p.unmult = true;
    p.repeatEdges = false;
    const RenderSettings s = Derive(p);
    EXPECT_DOUBLE_EQ(s.rotationDegrees, 90.0);
    EXPECT_DOUBLE_EQ(s.rotationRadians, 1.5707963267948966);
    EXPECT_DOUBLE_EQ(s.shearX, -0.25);
    EXPECT_DOUBLE_EQ(s.shearY, 1.5);
    EXPECT_DOUBLE_EQ(s.mixStrength, 0.4);
    EXPECT_EQ(s.channelMode, 3);
    EXPECT_EQ(s.preserveAlpha, 1);
    EXPECT_EQ(s.unmult, 1);
    EXPECT_FALSE(s.repeatEdges);
}

TEST(Conversions, HalfResolutionHalvesPixelsAndDoublesDistortion) {
    ParamValues p;
    p.position = 40;
    p.blur = 10;
    p.distortAberrate = 10;
    p.distortUniform = 20;
    const RenderSettings full = Derive(p);
    const RenderSettings half = Derive(p, kHalf);
    EXPECT_EQ(half.downsample, 0.5);
    EXPECT_DOUBLE_EQ(full.positionPixels, 40.0);
    EXPECT_DOUBLE_EQ(half.positionPixels, 20.0);
    EXPECT_DOUBLE_EQ(half.blurPixels, 5.0);
    EXPECT_DOUBLE_EQ(full.aberrateDistort, -0.25);
    EXPECT_DOUBLE_EQ(half.aberrateDistort, -0.5);
    EXPECT_DOUBLE_EQ(full.uniformDistort, -0.5);
    EXPECT_DOUBLE_EQ(half.uniformDistort, -1.0);
    EXPECT_EQ(half.blurStepsA, 5);
    EXPECT_EQ(half.blurStepsB, 3);  // ceil(2.5)
}

TEST(Conversions, DownsampleIsASinglePrecisionQuotient) {
    const Ratio third = {1, 3};
    EXPECT_EQ(DownsampleFactor(third), static_cast<double>(1.0f / 3.0f));
    EXPECT_NE(DownsampleFactor(third), 1.0 / 3.0);
}

TEST(Blur, SmallRadiusGivesOneStepPerKernel) {
    ParamValues p;
    p.blur = 0.3;
    const RenderSettings s = Derive(p);
    EXPECT_TRUE(s.blurEnabled);
    EXPECT_EQ(s.blurStepsA, 1);
    EXPECT_EQ(s.blurStepsB, 1);
    EXPECT_EQ(s.blurStrideA, 0.3f);
    EXPECT_EQ(s.blurStrideB, 0.15f);
}

TEST(Blur, ZeroOrNegativeRadiusDisablesThePasses) {
    ParamValues p;
    p.blur = 0;
    EXPECT_FALSE(Derive(p).blurEnabled);
    p.blur = -1;
    EXPECT_FALSE(Derive(p).blurEnabled);
}

TEST(Blur, StridesInTextureUnitsPerAxis) {
    ParamValues p;
    p.blur = 10;
    const RenderSettings s = Derive(p);
    EXPECT_EQ(s.blurStepsA, 10);
    EXPECT_EQ(s.blurStepsB, 5);
    EXPECT_EQ(s.blurStrideA, 1.0f);
    EXPECT_EQ(s.blurStrideB, 1.0f);
    EXPECT_EQ(BlurStrideUniform(s.blurStrideA, 1920), static_cast<float>(1.0 / 1920.0));
    EXPECT_EQ(BlurStrideUniform(s.blurStrideB, 1080), static_cast<float>(1.0 / 1080.0));

    p.blur = 2.5;  // A: 3 steps of 0.8333 px, B: 2 steps of 0.625 px
    const RenderSettings odd = Derive(p);
    EXPECT_EQ(odd.blurStepsA, 3);
    EXPECT_EQ(odd.blurStrideA, static_cast<float>(2.5 / 3.0));
    EXPECT_EQ(odd.blurStepsB, 2);
    EXPECT_EQ(odd.blurStrideB, 0.625f);
}

TEST(Geometry, EqualBuffersMapOneToOne) {
    ParamValues p;
    p.position = 50;
    const RenderSettings s = Derive(p);
    EXPECT_EQ(s.sourceRect.left, 0.0);
    EXPECT_EQ(s.sourceRect.top, 0.0);
    EXPECT_EQ(s.sourceRect.right, 1.0);
    EXPECT_EQ(s.sourceRect.bottom, 1.0);
    EXPECT_EQ(s.aspect, 0.5625f);
    EXPECT_EQ(s.normaliseExp[0], 1.0f);
    EXPECT_EQ(s.normaliseExp[1], 1920.0f / 1080.0f);
    EXPECT_EQ(s.inputResolution[0], 1920.0f);
    EXPECT_EQ(s.inputResolution[1], 1080.0f);
    EXPECT_EQ(s.positionOffset[0], static_cast<float>(50.0 / 1920.0));
    EXPECT_EQ(s.positionOffset[1], static_cast<float>(50.0 / 1080.0));
}

TEST(Geometry, GrownOutputPlacesTheInputByOrigin) {
    ParamValues p;
    const RenderSettings s = DeriveRenderSettings(p, kFull, Geometry(1920, 1080, 0, 0),
                                                  Geometry(2120, 1280, -100, -100));
    const double left = -100.0 / 1920.0;
    const double top = -100.0 / 1080.0;
    EXPECT_EQ(s.sourceRect.left, static_cast<double>(static_cast<float>(left)));
    EXPECT_EQ(s.sourceRect.top, static_cast<double>(static_cast<float>(top)));
    EXPECT_EQ(s.sourceRect.right, static_cast<double>(static_cast<float>(2120.0 / 1920.0 + left)));
    EXPECT_EQ(s.sourceRect.bottom, static_cast<double>(static_cast<float>(1280.0 / 1080.0 + top)));
    // The input width is used for both components of the skew normaliser.
    EXPECT_EQ(s.normaliseExp[0], 1920.0f / 2120.0f);
    EXPECT_EQ(s.normaliseExp[1], 1920.0f / 1280.0f);
    EXPECT_EQ(s.aspect, 1280.0f / 2120.0f);
}

TEST(Geometry, ExactRectangleForAGrownSmallLayer) {
    // 200 x 100 input at layer (0, 0), output 400 x 300 at (-100, -100).
    const RenderSettings s = DeriveRenderSettings(ParamValues{}, kFull, Geometry(200, 100),
                                                  Geometry(400, 300, -100, -100));
    EXPECT_EQ(s.sourceRect.left, -0.5);
    EXPECT_EQ(s.sourceRect.top, -1.0);
    EXPECT_EQ(s.sourceRect.right, 1.5);
    EXPECT_EQ(s.sourceRect.bottom, 2.0);
}

TEST(TruncToInt, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(TruncToInt(-2.7), -2);
    EXPECT_EQ(TruncToInt(2.7), 2);
    EXPECT_EQ(TruncToInt(1e12), 2147483647);
    EXPECT_EQ(TruncToInt(-1e12), -2147483647 - 1);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
}
