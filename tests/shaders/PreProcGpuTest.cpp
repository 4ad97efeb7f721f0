// The pre-process program on the GPU against the CPU reference and against
// hand-derived expectations.
//
// Tolerance: 2e-5 absolute, plus the filter-weight allowance (ShaderGpu.h)
// where the quad's rectangle puts samples between texels. Premultiplying is
// one float multiply, exact on both sides. The hue rotation goes through a
// division by (6d + eps) and another by (v + eps), a floor-based mod whose
// x / 6 a GPU may evaluate as x * (1 / 6), and the blends of rgb2hsv, which
// a GPU may compute as x + s * (y - x): each a few ulps, on values up to 2;
// llvmpipe stays below 3e-6 here.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/shaders/ShaderGpu.h"

namespace {

using hlv3ref::At;
using hlv3ref::Image;
using hlv3ref::Pixel;
using hlv3ref::PreProcUniforms;
using hlv3ref::Sampler;
using hlv3ref::TexRect;
using hlv3ref::Wrap;

constexpr float kArithmetic = 2e-5f;

class PreProcGpu : public ShaderGpuTest {
  protected:
    Image Run(const Image& source, GLenum wrap, const PreProcUniforms& u, int width, int height,
              const TexRect* rect = nullptr) {
        const Image out =
            RunProgram(programs.preProc, Uniforms(u, Texture(source, wrap)), width, height, rect);
        ReleaseTextures();
        return out;
    }
};

// Power-of-two sizes: texel centres and the interpolated coordinates are then
// exact binary fractions, so the filter reads each texel alone, bit for bit.
TEST_F(PreProcGpu, HueZeroPremultipliesBitForBit) {
    // values outside [0, 1] pass as well: nothing clamps
    const Image source = NoiseImage(16, 8, 1, -0.5f, 2.0f);
    const Image premultiplied = Run(source, GL_CLAMP_TO_BORDER, PreProcUniforms{}, 16, 8);
    PreProcUniforms keep;
    keep.preserveAlphaL = 1;
    const Image straight = Run(source, GL_CLAMP_TO_BORDER, keep, 16, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Pixel& s = At(source, x, y);
            const Pixel& p = At(premultiplied, x, y);
            EXPECT_EQ(p.r, s.r * s.a) << x << "," << y;
            EXPECT_EQ(p.g, s.g * s.a) << x << "," << y;
            EXPECT_EQ(p.b, s.b * s.a) << x << "," << y;
            EXPECT_EQ(p.a, s.a) << x << "," << y;
            const Pixel& k = At(straight, x, y);
            EXPECT_EQ(k.r, s.r) << x << "," << y;
            EXPECT_EQ(k.g, s.g) << x << "," << y;
            EXPECT_EQ(k.b, s.b) << x << "," << y;
            EXPECT_EQ(k.a, s.a) << x << "," << y;
        }
    }
}

TEST_F(PreProcGpu, MatchesReferenceAcrossHuesWrapsAndRectangles) {
    const Image source = NoiseImage(7, 5, 2, -0.3f, 1.6f);
    const float contrast = NeighbourContrast(source);
    const TexRect rects[] = {TexRect{}, TexRect{-0.25f, -0.25f, 1.25f, 1.25f},
                             TexRect{-0.2f, -0.15f, 1.3f, 1.1f}};
    for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
        const Sampler sampler{&source, RefWrap(wrap)};
        for (const TexRect& rect : rects) {
            for (float hue : {0.0f, 0.3f, -0.25f, 0.999f}) {
                for (int preserve : {0, 1}) {
                    PreProcUniforms u;
                    u.preserveAlphaL = preserve;
                    u.offsetHue = hue;
                    const Image gpu = Run(source, wrap, u, 11, 8, &rect);
                    const Image ref = hlv3ref::RenderPreProc(sampler, u, 11, 8, rect);
                    EXPECT_TRUE(ImagesMatch(gpu, ref, Tolerance(kArithmetic, contrast),
                                            std::string("preProc wrap ") + WrapName(wrap) +
                                                " hue " + std::to_string(hue) + " preserve " +
                                                std::to_string(preserve) + " rect " +
                                                std::to_string(rect.left)));
                }
            }
        }
    }
}

TEST_F(PreProcGpu, HueRotationRoundTripsAndAFullTurnIsNone) {
    const Image source = NoiseImage(16, 9, 3, 0.0f, 1.5f);
    PreProcUniforms forwards;
    forwards.preserveAlphaL = 1;  // keep alpha out of the round trip
    forwards.offsetHue = 0.37f;
    const Image turned = Run(source, GL_CLAMP_TO_BORDER, forwards, 16, 9);
    PreProcUniforms backwards = forwards;
    backwards.offsetHue = -0.37f;
    const Image back = Run(turned, GL_CLAMP_TO_BORDER, backwards, 16, 9);
    EXPECT_TRUE(ImagesMatch(back, source, 1e-4f, "preProc hue there and back"));

    PreProcUniforms fullTurn = forwards;
    fullTurn.offsetHue = 1.0f;
    EXPECT_TRUE(ImagesMatch(Run(source, GL_CLAMP_TO_BORDER, fullTurn, 16, 9), source, 1e-4f,
                            "preProc full turn"));
}

TEST_F(PreProcGpu, GreysTransparentAndBlackPixels) {
    Image source = hlv3ref::MakeImage(4, 2);
    At(source, 0, 0) = {0.5f, 0.5f, 0.5f, 1.0f};     // grey
    At(source, 1, 0) = {1.75f, 1.75f, 1.75f, 0.5f};  // bright grey, half covered
    At(source, 2, 0) = {0.0f, 0.0f, 0.0f, 1.0f};     // black
    At(source, 3, 0) = {0.0f, 0.0f, 0.0f, 0.0f};     // nothing
    At(source, 0, 1) = {0.9f, 0.2f, 0.4f, 0.0f};     // colour without coverage
    At(source, 1, 1) = {-0.3f, 1.2f, 0.4f, 0.0f};
    At(source, 2, 1) = {0.25f, 0.25f, 0.25f, 0.0f};
    At(source, 3, 1) = {0.2f, 0.7f, 0.1f, 1.0f};
    for (float hue : {0.3f, -0.6f}) {
        PreProcUniforms u;
        u.offsetHue = hue;
        const Image out = Run(source, GL_CLAMP_TO_BORDER, u, 4, 2);
        // greys keep their value: rotating a hue of nothing changes nothing
        EXPECT_NEAR(At(out, 0, 0).r, 0.5f, 1e-6f);
        EXPECT_NEAR(At(out, 0, 0).g, 0.5f, 1e-6f);
        EXPECT_NEAR(At(out, 0, 0).b, 0.5f, 1e-6f);
        EXPECT_NEAR(At(out, 1, 0).r, 0.875f, 1e-6f);
        EXPECT_NEAR(At(out, 1, 0).b, 0.875f, 1e-6f);
        EXPECT_EQ(At(out, 1, 0).a, 0.5f);
        // black stays black, and finite
        EXPECT_EQ(At(out, 2, 0).r, 0.0f);
        EXPECT_EQ(At(out, 2, 0).g, 0.0f);
        EXPECT_EQ(At(out, 2, 0).b, 0.0f);
        EXPECT_EQ(At(out, 2, 0).a, 1.0f);
        // without coverage the colour is gone, whatever it was
        for (int x = 0; x < 3; ++x) {
            const Pixel& p = At(out, x, 1);
            EXPECT_EQ(p.r, 0.0f) << x;
            EXPECT_EQ(p.g, 0.0f) << x;
            EXPECT_EQ(p.b, 0.0f) << x;
            EXPECT_EQ(p.a, 0.0f) << x;
        }
        const Pixel& empty = At(out, 3, 0);
        EXPECT_EQ(empty.r + empty.g + empty.b + empty.a, 0.0f);
        // a saturated colour does turn
        EXPECT_GT(std::fabs(At(out, 3, 1).g - 0.7f), 0.1f);
    }
}

TEST_F(PreProcGpu, OutsideTheInputFollowsTheWrapMode) {
    Image source = hlv3ref::MakeImage(4, 4, Pixel{0.8f, 0.6f, 0.4f, 1.0f});
    At(source, 0, 0) = {0.2f, 0.4f, 0.6f, 1.0f};
    const TexRect wide{-0.5f, -0.5f, 1.5f, 1.5f};  // input in the middle half
    PreProcUniforms u;
    const Image border = Run(source, GL_CLAMP_TO_BORDER, u, 8, 8, &wide);
    const Image mirrored = Run(source, GL_MIRRORED_REPEAT, u, 8, 8, &wide);
    // the outer corner lies a whole input width outside
    EXPECT_EQ(At(border, 0, 0).a, 0.0f);
    EXPECT_EQ(At(border, 0, 0).r, 0.0f);
    EXPECT_EQ(At(mirrored, 0, 0).a, 1.0f);
    EXPECT_NEAR(At(mirrored, 7, 7).r, 0.8f, 1e-6f);
    // the middle is the input, untouched
    EXPECT_NEAR(At(border, 2, 2).r, 0.2f, 1e-6f);
    EXPECT_NEAR(At(mirrored, 2, 2).b, 0.6f, 1e-6f);
    // mirrored: one texel outside the top-left corner reads that corner again
    EXPECT_NEAR(At(mirrored, 1, 1).r, 0.2f, 1e-6f);
}

TEST_F(PreProcGpu, WithoutProcessingOnlyTheSwizzleApplies) {
    const Image source = NoiseImage(8, 4, 4, 0.0f, 1.0f);
    PreProcUniforms u;
    u.preProcL = 0;
    u.swizzleL = 1;
    u.offsetHue = 0.5f;  // ignored without processing
    const Image out = Run(source, GL_CLAMP_TO_BORDER, u, 8, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const Pixel& s = At(source, x, y);
            const Pixel& p = At(out, x, y);
            EXPECT_EQ(p.r, s.a);
            EXPECT_EQ(p.g, s.r * s.a);
            EXPECT_EQ(p.b, s.g * s.a);
            EXPECT_EQ(p.a, s.b * s.a);
        }
    }
}

}  // namespace
