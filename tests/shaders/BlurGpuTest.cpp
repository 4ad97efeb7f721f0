// The two blur programs on the GPU against the CPU reference and against
// properties that hold whatever the weights: flat stays flat, the two kernels
// never meet, the vertical pass is the horizontal one transposed.
//
// Tolerance: 1e-5 absolute, plus the filter-weight allowance (ShaderGpu.h)
// for taps between texels. Each kernel sums 2·steps + 1 weighted samples and
// divides by the summed weights: the weights come from exp(), which GPUs
// approximate (exp2 of a product) to a few ulps, and the sums add about one
// ulp per tap; with at most 9 taps on values up to 2 that stays well under
// 1e-5 (llvmpipe: below 5e-7).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/shaders/ShaderGpu.h"

namespace {

using hlv3ref::At;
using hlv3ref::BlurUniforms;
using hlv3ref::Image;
using hlv3ref::Pixel;
using hlv3ref::Sampler;
using hlv3ref::Wrap;

constexpr float kArithmetic = 1e-5f;

class BlurGpu : public ShaderGpuTest {
  protected:
    Image Run(GLuint program, const Image& source, GLenum wrap, const BlurUniforms& u) {
        const Image out =
            RunProgram(program, Uniforms(u, Texture(source, wrap)), source.width, source.height);
        ReleaseTextures();
        return out;
    }
};

TEST_F(BlurGpu, ConstantStaysConstantThroughBothPasses) {
    const Pixel flat{0.3f, 1.7f, -0.2f, 0.8f};
    const Image source = hlv3ref::MakeImage(16, 9, flat);
    BlurUniforms w;
    w.stepsA = 4;
    w.strideA = 1.0f / 16.0f;
    w.stepsB = 2;
    w.strideB = 0.7f / 16.0f;
    BlurUniforms h = w;
    h.strideA = 1.0f / 9.0f;
    h.strideB = 0.7f / 9.0f;
    // mirrored repeat: taps beyond the edge read the image itself
    const Image across = Run(programs.blurW, source, GL_MIRRORED_REPEAT, w);
    const Image both = Run(programs.blurH, across, GL_MIRRORED_REPEAT, h);
    EXPECT_TRUE(ImagesMatch(both, source, 4e-6f, "blur of a constant"));
}

TEST_F(BlurGpu, TheTwoKernelsNeverMix) {
    // Same red and green, different blue and alpha: red and green of the
    // results must be identical, and the other way round.
    const Image x = NoiseImage(16, 9, 20, -0.5f, 2.0f);
    const Image y = NoiseImage(16, 9, 21, -0.5f, 2.0f);
    Image sameRg = y;
    Image sameBa = x;
    for (size_t i = 0; i < x.texels.size(); ++i) {
        sameRg.texels[i].r = x.texels[i].r;
        sameRg.texels[i].g = x.texels[i].g;
        sameBa.texels[i].b = y.texels[i].b;
        sameBa.texels[i].a = y.texels[i].a;
    }
    BlurUniforms u;
    u.stepsA = 3;
    u.strideA = 0.9f / 16.0f;
    u.stepsB = 1;
    u.strideB = 1.3f / 16.0f;
    for (GLuint program : {programs.blurW, programs.blurH}) {
        const Image fromX = Run(program, x, GL_CLAMP_TO_BORDER, u);
        const Image fromRg = Run(program, sameRg, GL_CLAMP_TO_BORDER, u);
        const Image fromBa = Run(program, sameBa, GL_CLAMP_TO_BORDER, u);
        for (size_t i = 0; i < x.texels.size(); ++i) {
            EXPECT_EQ(fromX.texels[i].r, fromRg.texels[i].r) << i;
            EXPECT_EQ(fromX.texels[i].g, fromRg.texels[i].g) << i;
            EXPECT_EQ(fromBa.texels[i].b, fromRg.texels[i].b) << i;
            EXPECT_EQ(fromBa.texels[i].a, fromRg.texels[i].a) << i;
        }
    }
}

TEST_F(BlurGpu, ThreeTapsWeighTheNeighboursByExpMinusEightAndAThird) {
    Image source = hlv3ref::MakeImage(3, 1);
    At(source, 0, 0) = {8.0f, 0.0f, 8.0f, 0.0f};
    At(source, 1, 0) = {1.0f, 1.0f, 1.0f, 1.0f};
    At(source, 2, 0) = {0.0f, 4.0f, 0.0f, 4.0f};
    BlurUniforms u;  // one step each, one texel apart: taps on texel centres
    u.strideA = 1.0f / 3.0f;
    u.strideB = 1.0f / 3.0f;
    const Image out = Run(programs.blurW, source, GL_CLAMP_TO_BORDER, u);
    const double e = std::exp(-25.0 / 3.0);
    const Pixel& m = At(out, 1, 0);
    EXPECT_NEAR(m.r, (8.0 * e + 1.0) / (1.0 + 2.0 * e), 1e-6);
    EXPECT_NEAR(m.g, (1.0 + 4.0 * e) / (1.0 + 2.0 * e), 1e-6);
    EXPECT_NEAR(m.b, m.r, 1e-7);
    EXPECT_NEAR(m.a, m.g, 1e-7);
    // at the edge one tap reads the transparent border
    EXPECT_NEAR(At(out, 0, 0).r, (8.0 + e) / (1.0 + 2.0 * e), 1e-5);
}

TEST_F(BlurGpu, MatchesReferenceWithDifferentRadii) {
    const Image images[] = {NoiseImage(7, 5, 22, -0.3f, 1.6f), NoiseImage(16, 9, 23, 0.0f, 1.0f)};
    for (const Image& source : images) {
        const float tolerance = Tolerance(kArithmetic, NeighbourContrast(source));
        for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
            const Sampler sampler{&source, RefWrap(wrap)};
            // A with more taps than B, B wider than A, and strides between
            // texels so that every tap filters
            const BlurUniforms cases[] = {
                {4, 0.6f, 2, 0.55f}, {1, 0.3f, 3, 1.7f}, {2, 2.2f, 1, 0.5f}};
            for (BlurUniforms u : cases) {
                const std::string what = "blur " + std::to_string(source.width) + " wrap " +
                                         WrapName(wrap) + " steps " + std::to_string(u.stepsA) +
                                         "/" + std::to_string(u.stepsB);
                BlurUniforms w = u;
                w.strideA /= static_cast<float>(source.width);
                w.strideB /= static_cast<float>(source.width);
                EXPECT_TRUE(
                    ImagesMatch(Run(programs.blurW, source, wrap, w),
                                hlv3ref::RenderBlurW(sampler, w, source.width, source.height),
                                tolerance, what + " W"));
                BlurUniforms h = u;
                h.strideA /= static_cast<float>(source.height);
                h.strideB /= static_cast<float>(source.height);
                EXPECT_TRUE(
                    ImagesMatch(Run(programs.blurH, source, wrap, h),
                                hlv3ref::RenderBlurH(sampler, h, source.width, source.height),
                                tolerance, what + " H"));
            }
        }
    }
}

TEST_F(BlurGpu, VerticalPassIsTheHorizontalOneTransposed) {
    const Image source = NoiseImage(16, 9, 24, -0.5f, 1.5f);
    BlurUniforms h{3, 0.8f / 9.0f, 2, 0.5f / 9.0f};
    const Image vertical = Run(programs.blurH, source, GL_CLAMP_TO_BORDER, h);
    const Image horizontal = Run(programs.blurW, Transposed(source), GL_CLAMP_TO_BORDER, h);
    EXPECT_TRUE(ImagesMatch(Transposed(horizontal), vertical,
                            Tolerance(1e-6f, NeighbourContrast(source)), "blur H = W transposed"));
}

TEST_F(BlurGpu, ColourAndAlphaFallOffTowardsABorderEdge) {
    const Image source = hlv3ref::MakeImage(9, 3, Pixel{1.0f, 1.0f, 1.0f, 1.0f});
    BlurUniforms u{4, 1.0f / 9.0f, 2, 1.0f / 9.0f};
    const Image border = Run(programs.blurW, source, GL_CLAMP_TO_BORDER, u);
    const Image mirrored = Run(programs.blurW, source, GL_MIRRORED_REPEAT, u);
    for (int y = 0; y < 3; ++y) {
        // taps beyond the edge add transparent black
        EXPECT_LT(At(border, 0, y).r, 0.999f);
        EXPECT_LT(At(border, 0, y).g, 0.999f);
        EXPECT_LT(At(border, 8, y).b, 0.999f);
        EXPECT_LT(At(border, 8, y).a, 0.999f);
        EXPECT_LT(At(border, 0, y).g, At(border, 1, y).g);
        // the middle is far enough in for kernel B and nearly so for A
        EXPECT_NEAR(At(border, 4, y).a, 1.0f, 1e-5f);
        EXPECT_NEAR(At(mirrored, 0, y).g, 1.0f, 1e-5f);
    }
    const Sampler sampler{&source, Wrap::Border};
    EXPECT_TRUE(ImagesMatch(border, hlv3ref::RenderBlurW(sampler, u, 9, 3),
                            Tolerance(kArithmetic, 1.0f), "blur border falloff"));
}

}  // namespace
