// The aberrate program on the GPU against the CPU reference and against
// expectations built from single samples of the input.
//
// Tolerance: 1e-4 absolute, plus the filter-weight allowance (ShaderGpu.h):
// every sample position goes through sin, cos and pow, which GPUs evaluate
// with approximations good to a few ulps, and then through bilinear
// filtering, so a position off by e moves the sample by e * size * contrast;
// n samples are summed in float before the 1/n scaling, adding about n ulps
// of the sum. With n up to 64 on 16-pixel images llvmpipe stays near 1e-5.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/shaders/ShaderGpu.h"

namespace {

using hlv3ref::AberrateUniforms;
using hlv3ref::At;
using hlv3ref::Image;
using hlv3ref::Pixel;
using hlv3ref::Sampler;
using hlv3ref::Vec2;
using hlv3ref::Wrap;

constexpr float kArithmetic = 1e-4f;

class AberrateGpu : public ShaderGpuTest {
  protected:
    Image Run(const Image& source, GLenum wrap, const AberrateUniforms& u) {
        const Image out = RunProgram(programs.aberrate, Uniforms(u, Texture(source, wrap)),
                                     source.width, source.height);
        ReleaseTextures();
        return out;
    }
};

AberrateUniforms Identity(const Image& image) {
    AberrateUniforms u;
    u.aspectF = static_cast<float>(image.height) / static_cast<float>(image.width);
    u.resV = {static_cast<float>(image.width), static_cast<float>(image.height)};
    return u;
}

TEST_F(AberrateGpu, IdentityTransformPacksEachChannelWithItsAlpha) {
    const Image source = NoiseImage(16, 9, 10, -0.5f, 2.0f);
    const float tolerance = Tolerance(1e-5f, NeighbourContrast(source));
    for (int n : {1, 5, 64}) {
        for (int mode : {1, 2, 3}) {
            AberrateUniforms u = Identity(source);
            u.iterationsL = n;
            u.mode = mode;
            const Image out = Run(source, GL_CLAMP_TO_BORDER, u);
            Image expected = hlv3ref::MakeImage(16, 9);
            for (size_t i = 0; i < source.texels.size(); ++i) {
                const Pixel& s = source.texels[i];
                const float a = mode == 3 ? s.g : s.r;
                const float b = mode == 2 ? s.g : s.b;
                expected.texels[i] = {a, s.a, b, s.a};
            }
            EXPECT_TRUE(ImagesMatch(
                out, expected, tolerance,
                "aberrate identity n " + std::to_string(n) + " mode " + std::to_string(mode)));
        }
    }
}

TEST_F(AberrateGpu, SingleSampleTakesTheFullTransformAndItsMirror) {
    // one texel to the right: channel A reads the right neighbour, channel B
    // the left one; beyond the edge the border is transparent black
    const Image source = NoiseImage(7, 5, 11, 0.0f, 1.0f);
    AberrateUniforms u = Identity(source);
    u.offsetPos = {1.0f / 7.0f, 0.0f};
    const Image out = Run(source, GL_CLAMP_TO_BORDER, u);
    const float tolerance = Tolerance(1e-5f, NeighbourContrast(source));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const Pixel right = x + 1 < 7 ? At(source, x + 1, y) : Pixel{};
            const Pixel left = x > 0 ? At(source, x - 1, y) : Pixel{};
            const Pixel& p = At(out, x, y);
            EXPECT_NEAR(p.r, right.r, tolerance) << x << "," << y;
            EXPECT_NEAR(p.g, right.a, tolerance) << x << "," << y;
            EXPECT_NEAR(p.b, left.b, tolerance) << x << "," << y;
            EXPECT_NEAR(p.a, left.a, tolerance) << x << "," << y;
        }
    }
}

TEST_F(AberrateGpu, ScaleFourInTwoStepsSamplesTwoAndFourAgainstAHalfAndAQuarter) {
    const Image source = NoiseImage(16, 9, 12, -0.2f, 1.4f);
    for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
        const Sampler sampler{&source, RefWrap(wrap)};
        AberrateUniforms u = Identity(source);
        u.offsetScale = 4.0f;
        u.iterationsL = 2;
        const Image out = Run(source, wrap, u);
        Image expected = hlv3ref::MakeImage(16, 9);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Vec2 uv = hlv3ref::FragmentUV({}, x, y, 16, 9);
                const auto scaled = [&](float s) {
                    return hlv3ref::Sample(sampler,
                                           {0.5f + s * (uv.x - 0.5f), 0.5f + s * (uv.y - 0.5f)});
                };
                const Pixel a2 = scaled(2.0f), a4 = scaled(4.0f);
                const Pixel b2 = scaled(0.5f), b4 = scaled(0.25f);
                At(expected, x, y) = {(a2.r + a4.r) * 0.5f, (a2.a + a4.a) * 0.5f,
                                      (b2.b + b4.b) * 0.5f, (b2.a + b4.a) * 0.5f};
            }
        }
        EXPECT_TRUE(ImagesMatch(out, expected, Tolerance(kArithmetic, NeighbourContrast(source)),
                                std::string("aberrate scale 4 n 2 wrap ") + WrapName(wrap)));
    }
}

TEST_F(AberrateGpu, ModesZeroAndFourBehaveAsThree) {
    const Image source = NoiseImage(7, 5, 13, 0.0f, 1.0f);
    AberrateUniforms u = Identity(source);
    u.offsetPos = {0.05f, -0.03f};
    u.offsetRot = 0.2f;
    u.iterationsL = 6;
    u.mode = 3;
    const Image three = Run(source, GL_CLAMP_TO_BORDER, u);
    for (int mode : {0, 4, -1}) {
        u.mode = mode;
        EXPECT_TRUE(ImagesMatch(Run(source, GL_CLAMP_TO_BORDER, u), three, 0.0f,
                                "aberrate mode " + std::to_string(mode) + " as 3"));
    }
}

TEST_F(AberrateGpu, UniformDistortionMovesBothChannelsAlike) {
    // red equals blue in the input, so with only the uniform distortion the
    // two packed channels must come out equal
    Image source = NoiseImage(16, 9, 14, 0.0f, 1.0f);
    for (Pixel& p : source.texels) {
        p.b = p.r;
    }
    const Sampler sampler{&source, Wrap::Border};
    AberrateUniforms u = Identity(source);
    // the coefficient is per 1000 pixels of the shorter side: 40 bends a
    // 9-pixel-high frame by a third of its half-size at the edge
    u.uniformDistort = 40.0f;
    for (int n : {1, 2}) {
        u.iterationsL = n;
        const Image out = Run(source, GL_CLAMP_TO_BORDER, u);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Pixel& p = At(out, x, y);
                EXPECT_EQ(p.r, p.b) << x << "," << y;
                EXPECT_EQ(p.g, p.a) << x << "," << y;
                // n = 1: the full value at once; n = 2: 0.95 and 1.0 of it
                const Vec2 uv = hlv3ref::FragmentUV({}, x, y, 16, 9);
                const auto at = [&](float k) {
                    return hlv3ref::Sample(sampler, hlv3ref::DistortUV(uv, k, u.resV, u.aspectF));
                };
                const float expected =
                    n == 1 ? at(40.0f).r : 0.5f * (at(0.95f * 40.0f).r + at(40.0f).r);
                EXPECT_NEAR(p.r, expected, Tolerance(kArithmetic, NeighbourContrast(source)))
                    << x << "," << y << " n " << n;
            }
        }
    }
    // the aberration distortion drives channel B twice as far: they part
    u.uniformDistort = 0.0f;
    u.offsetDistort = 40.0f;
    u.iterationsL = 3;
    const Image parted = Run(source, GL_CLAMP_TO_BORDER, u);
    float largest = 0.0f;
    for (const Pixel& p : parted.texels) {
        largest = std::fmax(largest, std::fabs(p.r - p.b));
    }
    EXPECT_GT(largest, 0.05f);
}

TEST_F(AberrateGpu, MatchesReferenceForEveryChannelPairAndWrap) {
    const Image images[] = {NoiseImage(7, 5, 15, -0.3f, 1.6f), NoiseImage(16, 9, 16, 0.0f, 1.0f),
                            NoiseImage(5, 11, 17, -1.0f, 3.0f)};
    for (const Image& source : images) {
        const float tolerance = Tolerance(kArithmetic, NeighbourContrast(source));
        for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
            const Sampler sampler{&source, RefWrap(wrap)};
            for (int mode : {1, 2, 3}) {
                for (int n : {1, 3, 40, 200}) {
                    AberrateUniforms u = Identity(source);
                    u.offsetPos = {0.07f, -0.05f};
                    u.offsetRot = 0.3f;
                    u.offsetScale = 1.4f;
                    u.offsetShearX = 0.2f;
                    u.offsetShearY = -0.1f;
                    u.offsetDistort = -30.0f;
                    u.uniformDistort = 20.0f;
                    u.normaliseExp = {1.0f, 1.4f};
                    u.mode = mode;
                    u.iterationsL = n;
                    const Image gpu = Run(source, wrap, u);
                    const Image ref =
                        hlv3ref::RenderAberrate(sampler, u, source.width, source.height);
                    EXPECT_TRUE(ImagesMatch(gpu, ref, tolerance,
                                            "aberrate " + std::to_string(source.width) + "x" +
                                                std::to_string(source.height) + " wrap " +
                                                WrapName(wrap) + " mode " + std::to_string(mode) +
                                                " n " + std::to_string(n)));
                }
            }
        }
    }
}

TEST_F(AberrateGpu, SamplesBeyondTheFrameFadeTheAlphasWithTheBorder) {
    const Image source = hlv3ref::MakeImage(9, 9, Pixel{0.5f, 0.5f, 0.5f, 1.0f});
    AberrateUniforms u = Identity(source);
    // channel A samples closer to the centre, channel B (scale 1/0.5 at the
    // last sample) up to twice as far out
    u.offsetScale = 0.5f;
    u.iterationsL = 8;
    const Image border = Run(source, GL_CLAMP_TO_BORDER, u);
    const Image mirrored = Run(source, GL_MIRRORED_REPEAT, u);
    EXPECT_NEAR(At(border, 0, 0).g, 1.0f, 1e-5f);
    EXPECT_LT(At(border, 0, 0).a, 0.9f);
    EXPECT_LT(At(border, 0, 0).b, 0.45f);  // premultiplied colour fades along
    EXPECT_NEAR(At(mirrored, 0, 0).a, 1.0f, 1e-5f);
    // the centre never leaves the frame
    EXPECT_NEAR(At(border, 4, 4).a, 1.0f, 1e-5f);
    const Sampler sampler{&source, Wrap::Border};
    EXPECT_TRUE(ImagesMatch(border, hlv3ref::RenderAberrate(sampler, u, 9, 9),
                            Tolerance(kArithmetic, 1.0f), "aberrate border falloff"));
}

TEST_F(AberrateGpu, StaysWithinATenthOfAByteStepOfThePlainLoopOnTheFrameCases) {
    // The program shares work along the path (stepped rotation and scale,
    // re-taken exactly every 64 samples; the distortion radius once per
    // fragment); the reference keeps the plain per-sample loop. The transforms
    // of the frame tests on their 24 x 16 layer, at their 6 samples and at
    // the Auto default of 708.
    struct Case {
        const char* name;
        Vec2 pos;
        float rot, scale, shearX, shearY, distort, uniform;
    };
    const Case cases[] = {
        {"Defaults", {0.0f, 0.0f}, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
        {"Position4", {4.0f / 24.0f, 4.0f / 16.0f}, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
        {"FullTransform",
         {2.0f / 24.0f, 2.0f / 16.0f},
         0.13962634f,
         1.1f,
         0.1f,
         -0.05f,
         20.0f,
         -15.0f},
    };
    const Image source = NoiseImage(24, 16, 18, 0.0f, 1.0f);
    const float tolerance = Tolerance(0.1f / 255.0f, NeighbourContrast(source));
    for (const Case& c : cases) {
        for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
            for (int n : {6, 708}) {
                AberrateUniforms u = Identity(source);
                u.normaliseExp = {1.0f, 1.5f};
                u.offsetPos = c.pos;
                u.offsetRot = c.rot;
                u.offsetScale = c.scale;
                u.offsetShearX = c.shearX;
                u.offsetShearY = c.shearY;
                u.offsetDistort = c.distort;
                u.uniformDistort = c.uniform;
                u.iterationsL = n;
                const Sampler sampler{&source, RefWrap(wrap)};
                EXPECT_TRUE(ImagesMatch(
                    Run(source, wrap, u), hlv3ref::RenderAberrate(sampler, u, 24, 16), tolerance,
                    std::string(c.name) + " wrap " + WrapName(wrap) + " n " + std::to_string(n)));
            }
        }
    }
}

}  // namespace
