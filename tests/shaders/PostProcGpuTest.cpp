// The post-process program on the GPU against the CPU reference and against
// hand-derived expectations for each of its steps.
//
// Tolerance: 2e-5 absolute, plus the filter-weight allowance (ShaderGpu.h)
// when the uniform distortion samples between texels. Without distortion
// every read sits on a texel centre (power-of-two sizes keep those reads
// exact); the arithmetic is a screen (two
// multiply-adds), three blends that a GPU may fuse, and the hue round trip
// (divisions by (6d + eps) and (v + eps), a floor-based mod), each a few ulps
// on values up to 2; with distortion n samples are summed before the 1/n
// scaling. llvmpipe stays below 1e-5.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/shaders/ShaderGpu.h"

namespace {

using hlv3ref::At;
using hlv3ref::Image;
using hlv3ref::Pixel;
using hlv3ref::PostProcUniforms;
using hlv3ref::Sampler;
using hlv3ref::Vec2;
using hlv3ref::Wrap;

constexpr float kArithmetic = 2e-5f;
constexpr float kExact = 1e-6f;

class PostProcGpu : public ShaderGpuTest {
  protected:
    void SetUp() override {
        ShaderGpuTest::SetUp();
        // packed channels (colour, alpha, colour, alpha) and the source frame
        packed = NoiseImage(16, 8, 30, -0.3f, 1.4f);
        for (Pixel& p : packed.texels) {
            p.g = std::fabs(p.g) / 1.4f;  // the alphas stay in [0, 1]
            p.a = std::fabs(p.a);
        }
        source = NoiseImage(16, 8, 31, -0.3f, 1.4f);
    }

    Image Run(const PostProcUniforms& u, GLenum wrap = GL_CLAMP_TO_BORDER) {
        const Image out = RunProgram(
            programs.postProc, Uniforms(u, Texture(packed, wrap), Texture(source, wrap)), 16, 8);
        ReleaseTextures();
        return out;
    }

    static PostProcUniforms Plain(int mode) {
        PostProcUniforms u;
        u.mode = mode;
        u.aspectF = 8.0f / 16.0f;
        u.resV = {16.0f, 8.0f};
        return u;
    }

    Image packed;
    Image source;
};

float Screen(float s, float a, float b) {
    return 1.0f - (1.0f - s) * (1.0f - a) * (1.0f - b);
}

TEST_F(PostProcGpu, FullStrengthGivesTheSourceAlphaFirst) {
    for (int mode : {1, 2, 3}) {
        for (int preserve : {0, 1}) {
            PostProcUniforms u = Plain(mode);
            u.strengthF = 1.0f;
            u.preserveAlphaL = preserve;
            const Image out = Run(u);
            Image expected = hlv3ref::MakeImage(16, 8);
            for (size_t i = 0; i < source.texels.size(); ++i) {
                const Pixel& s = source.texels[i];
                expected.texels[i] = {s.a, s.r, s.g, s.b};
            }
            EXPECT_TRUE(ImagesMatch(out, expected, kExact,
                                    "postProc strength 1 mode " + std::to_string(mode) +
                                        " preserve " + std::to_string(preserve)));
        }
    }
}

TEST_F(PostProcGpu, ZeroStrengthUnpacksAndScreensTheAlphas) {
    for (int mode : {1, 2, 3}) {
        const Image out = Run(Plain(mode));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Pixel& p = At(packed, x, y);
                const Pixel& s = At(source, x, y);
                const Pixel& o = At(out, x, y);
                EXPECT_NEAR(o.r, Screen(s.a, p.g, p.a), kExact) << x << "," << y;
                const float rgb[3] = {o.g, o.b, o.a};
                const float expected[3][3] = {{p.r, s.g, p.b}, {p.r, p.b, s.b}, {s.r, p.r, p.b}};
                for (int c = 0; c < 3; ++c) {
                    EXPECT_EQ(rgb[c], expected[mode - 1][c]) << "mode " << mode << " " << c;
                }
            }
        }
    }
}

TEST_F(PostProcGpu, PreservedAlphaIsTheInputsAndWeighsTheColours) {
    PostProcUniforms u = Plain(1);
    u.preserveAlphaL = 1;
    const Image out = Run(u);
    for (size_t i = 0; i < packed.texels.size(); ++i) {
        const Pixel& p = packed.texels[i];
        const Pixel& s = source.texels[i];
        const Pixel& o = out.texels[i];
        EXPECT_EQ(o.r, s.a) << i;  // even where the aberrated channels moved away
        EXPECT_EQ(o.g, p.r * p.g) << i;
        EXPECT_EQ(o.b, s.g) << i;
        EXPECT_EQ(o.a, p.b * p.a) << i;
    }
}

TEST_F(PostProcGpu, UnmultTakesAlphaFromTheBrightestComponent) {
    // black everywhere, then a few pixels with one component at or above 1
    packed = hlv3ref::MakeImage(16, 8);
    source = hlv3ref::MakeImage(16, 8);
    At(packed, 1, 0).r = 1.0f;
    At(packed, 2, 0).b = 3.5f;
    At(source, 3, 0).g = 1.25f;  // the untouched channel of mode 1
    At(packed, 4, 0).r = 0.4f;
    PostProcUniforms u = Plain(1);
    u.unmult = 1;
    const Image out = Run(u);
    EXPECT_EQ(At(out, 0, 0).r, 0.0f);
    EXPECT_EQ(At(out, 1, 0).r, 1.0f);
    EXPECT_EQ(At(out, 2, 0).r, 1.0f);
    EXPECT_EQ(At(out, 3, 0).r, 1.0f);
    EXPECT_NEAR(At(out, 4, 0).r, 0.4f, kExact);
    EXPECT_EQ(At(out, 8, 5).r, 0.0f);

    // with the input's alpha preserved, the brightness is weighed by it
    source = NoiseImage(16, 8, 32, 0.0f, 1.0f);
    u.preserveAlphaL = 1;
    const Image weighed = Run(u);
    for (size_t i = 0; i < packed.texels.size(); ++i) {
        const Pixel& p = packed.texels[i];
        const Pixel& s = source.texels[i];
        const float brightest = std::fmax(p.r * p.g, std::fmax(s.g, p.b * p.a));
        EXPECT_NEAR(weighed.texels[i].r, std::fmin(brightest * s.a, 1.0f), kExact) << i;
    }
}

TEST_F(PostProcGpu, TransparentSourceKeepsTheFringesVisible) {
    source = hlv3ref::MakeImage(16, 8);
    for (Pixel& p : packed.texels) {
        p = {0.5f, 0.6f, 0.25f, 0.5f};
    }
    const Image out = Run(Plain(1));
    for (const Pixel& o : out.texels) {
        EXPECT_NEAR(o.r, 0.8f, kExact);  // 1 - 0.4 * 0.5
        EXPECT_NEAR(o.g, 0.5f, kExact);
        EXPECT_EQ(o.b, 0.0f);
        EXPECT_NEAR(o.a, 0.25f, kExact);
    }
}

TEST_F(PostProcGpu, OtherModesCombineAsGreenAndBlueButMixNothing) {
    PostProcUniforms u = Plain(4);
    u.strengthF = 0.5f;
    const Image out = Run(u);
    for (size_t i = 0; i < packed.texels.size(); ++i) {
        const Pixel& p = packed.texels[i];
        const Pixel& s = source.texels[i];
        const Pixel& o = out.texels[i];
        const float screened = Screen(s.a, p.g, p.a);
        const float once = screened * 0.5f + s.a * 0.5f;
        EXPECT_NEAR(o.r, once * 0.5f + s.a * 0.5f, kExact) << i;  // mixed twice
        EXPECT_EQ(o.g, s.r) << i;
        EXPECT_EQ(o.b, p.r) << i;
        EXPECT_EQ(o.a, p.b) << i;
    }
}

TEST_F(PostProcGpu, UniformDistortionAveragesTheUntouchedChannel) {
    const Sampler sampler{&source, Wrap::Border};
    const float k = 40.0f;  // per 1000 pixels of the shorter side
    for (int n : {1, 3}) {
        PostProcUniforms u = Plain(1);
        u.offsetDistort = k;
        u.iterationsL = n;
        const Image out = Run(u);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Vec2 uv = hlv3ref::FragmentUV({}, x, y, 16, 8);
                Pixel s;
                for (int i = 1; i <= n; ++i) {
                    // the last tenth of the range: 0.9 k + i · 0.1 k / n
                    const float ki = 0.9f * k + 0.1f * k * static_cast<float>(i) / n;
                    const Pixel t =
                        hlv3ref::Sample(sampler, hlv3ref::DistortUV(uv, ki, u.resV, u.aspectF));
                    s = {s.r + t.r / n, s.g + t.g / n, s.b + t.b / n, s.a + t.a / n};
                }
                const Pixel& p = At(packed, x, y);
                const Pixel& o = At(out, x, y);
                const float tolerance = Tolerance(1e-5f, NeighbourContrast(source));
                EXPECT_NEAR(o.b, s.g, tolerance) << x << "," << y << " n " << n;
                EXPECT_NEAR(o.r, Screen(s.a, p.g, p.a), tolerance) << x << "," << y;
                EXPECT_EQ(o.g, p.r);  // the aberrated channels are not distorted here
            }
        }
    }
}

TEST_F(PostProcGpu, MatchesReferenceAcrossModesFlagsAndStrengths) {
    for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
        const Wrap w = RefWrap(wrap);
        const Sampler packedSampler{&packed, w};
        const Sampler sourceSampler{&source, w};
        const float tolerance = Tolerance(kArithmetic, NeighbourContrast(source));
        for (int mode : {1, 2, 3, 0}) {
            for (int preserve : {0, 1}) {
                for (int unmult : {0, 1}) {
                    for (float strength : {0.0f, 0.4f, 1.0f}) {
                        for (float distort : {0.0f, -30.0f}) {
                            for (float hue : {0.0f, 0.2f}) {
                                PostProcUniforms u = Plain(mode);
                                u.preserveAlphaL = preserve;
                                u.unmult = unmult;
                                u.strengthF = strength;
                                u.offsetDistort = distort;
                                u.offsetHue = hue;
                                u.iterationsL = 5;
                                const Image gpu = Run(u, wrap);
                                const Image ref =
                                    hlv3ref::RenderPostProc(packedSampler, sourceSampler, u, 16, 8);
                                EXPECT_TRUE(ImagesMatch(
                                    gpu, ref, tolerance,
                                    std::string("postProc wrap ") + WrapName(wrap) + " mode " +
                                        std::to_string(mode) + " preserve " +
                                        std::to_string(preserve) + " unmult " +
                                        std::to_string(unmult) + " strength " +
                                        std::to_string(strength) + " distort " +
                                        std::to_string(distort) + " hue " + std::to_string(hue)));
                            }
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
