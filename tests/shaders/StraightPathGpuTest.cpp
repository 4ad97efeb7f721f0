// The aberrate program's straight-path branch ("straightL" 1 or 2), which
// averages the samples cell by cell in closed form, against the plain sample
// loop of the CPU reference, drawn in shares as the pass draws it.
//
// Tolerance: kArithmetic absolute, plus the filter-weight allowance
// (ShaderGpu.h). On llvmpipe, which filters with float weights, the
// differences reach 1.5e-5 at 100,000 samples, where the reference's own float
// sum of the samples rounds by that much (the GPU's sample loop differs from
// the reference by the same), and stay below 1.5e-6 at 1,000 samples or
// fewer: the branch places sample i at start + i step where the loop builds
// it per sample, a few ulps of a coordinate apart, which a hard edge turns
// into the same difference in value. Hardware filters the loop's samples
// with 8-bit weights and the branch reads exact texels: there the two may
// differ by up to contrast / 256 (twice 0.5/255 on a hard edge), as the loop
// may from exact bilinear filtering.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "gl/FBOHelper.h"
#include "render/Passes.h"
#include "tests/shaders/ShaderGpu.h"

namespace {

using hlv3ref::AberrateUniforms;
using hlv3ref::Image;
using hlv3ref::Pixel;

constexpr float kArithmetic = 5e-5f;

// Hard edges everywhere: every component is 0 or 1, on different patterns,
// so that no two neighbouring texels agree in all four.
Image HardEdges(int width, int height) {
    Image image = hlv3ref::MakeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            hlv3ref::At(image, x, y) = {
                static_cast<float>((x / 2 + y) % 2), static_cast<float>(x % 3 == 0),
                static_cast<float>((x + y / 3) % 2), static_cast<float>((x + 2 * y) % 5 != 0)};
        }
    }
    return image;
}

class StraightPathGpu : public ShaderGpuTest {
  protected:
    // The program over the whole target in draws of `perDraw` samples,
    // summed by blending as the pass sums them.
    Image RunInShares(const Image& source, GLenum wrap, const AberrateUniforms& u, int straight,
                      int perDraw) {
        UniformMap uniforms = Uniforms(u, Texture(source, wrap));
        uniforms["straightL"] = IVEC(straight);
        const uint32_t w = static_cast<uint32_t>(source.width);
        const uint32_t h = static_cast<uint32_t>(source.height);
        PX_FBO target = FBOHelper::CreateTextureFBO(w, h, GL_CLAMP_TO_BORDER, GL_RGBA32F,
                                                    GL_DEPTH_COMPONENT32F);
        FrameDraws draws;
        DrawInShares(&target, programs.aberrate, &uniforms, u.iterationsL, perDraw, &draws);
        const std::vector<float> rgba = ReadTextureRGBA32F(target.renderBuffer.id, w, h);
        FBOHelper::DeleteGenericFBO(&target);
        ReleaseTextures();
        Image out = hlv3ref::MakeImage(source.width, source.height);
        for (size_t i = 0; i < out.texels.size(); ++i) {
            out.texels[i] = {rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]};
        }
        return out;
    }
};

TEST_F(StraightPathGpu, MatchesTheSampleLoopOnHardEdges) {
    struct Case {
        const char* name;
        float posX, posY;  // pixels of the 12 x 8 frame
        float shearX, uniform, distort;
        int n, perDraw;
    };
    const Case cases[] = {
        {"still path", 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 708, 708},
        {"one sample", 0.3f, -0.2f, 0.0f, 0.0f, 0.0f, 1, 1},
        {"half a pixel, Auto default count", 0.5f, 0.5f, 0.0f, 0.0f, 0.0f, 708, 517},
        {"a few pixels back, few samples", -3.7f, -1.3f, 0.0f, 0.0f, 0.0f, 5, 5},
        {"sub-texel, 100000 samples", -0.4f, 0.25f, 0.0f, 0.0f, 0.0f, 100000, 4096},
        {"250 pixels, 1000 samples in shares of 7", 250.0f, -90.0f, 0.0f, 0.0f, 0.0f, 1000, 7},
        {"300 pixels, 100000 samples", -300.0f, 300.0f, 0.0f, 0.0f, 0.0f, 100000, 40000},
        {"distortions with a move", 6.0f, -2.0f, 0.0f, 30.0f, -20.0f, 64, 64},
        {"distortions alone, two samples", 0.0f, 0.0f, 0.0f, -40.0f, 60.0f, 2, 1},
        {"skew x with a move", 2.0f, -1.0f, 0.4f, 0.0f, 0.0f, 50, 13},
        {"skew x alone, steep", 0.0f, 0.0f, -3.0f, 0.0f, 0.0f, 300, 300},
    };
    const Image source = HardEdges(12, 8);
    const float tolerance = Tolerance(kArithmetic, NeighbourContrast(source));
    for (const Case& c : cases) {
        for (GLenum wrap : {GLenum(GL_CLAMP_TO_BORDER), GLenum(GL_MIRRORED_REPEAT)}) {
            AberrateUniforms u;
            u.aspectF = 8.0f / 12.0f;
            u.resV = {12.0f, 8.0f};
            u.normaliseExp = {1.0f, 1.5f};
            u.offsetPos = {c.posX / 12.0f, c.posY / 8.0f};
            u.offsetShearX = c.shearX;
            u.uniformDistort = c.uniform;
            u.offsetDistort = c.distort;
            u.iterationsL = c.n;
            u.mode = 1 + c.n % 3;
            const int straight = wrap == GL_MIRRORED_REPEAT ? 2 : 1;
            const hlv3ref::Sampler sampler{&source, RefWrap(wrap)};
            EXPECT_TRUE(ImagesMatch(RunInShares(source, wrap, u, straight, c.perDraw),
                                    hlv3ref::RenderAberrate(sampler, u, 12, 8), tolerance,
                                    std::string(c.name) + " wrap " + WrapName(wrap)));
        }
    }
    // What was measured is the branch: it takes no rotation, so a turning
    // path drawn with it departs from the loop.
    AberrateUniforms turning;
    turning.aspectF = 8.0f / 12.0f;
    turning.resV = {12.0f, 8.0f};
    turning.offsetRot = 0.5f;
    turning.iterationsL = 40;
    const hlv3ref::Sampler border{&source, hlv3ref::Wrap::Border};
    const Image straight = RunInShares(source, GL_CLAMP_TO_BORDER, turning, 1, 40);
    const Image loop = hlv3ref::RenderAberrate(border, turning, 12, 8);
    float largest = 0.0f;
    for (size_t i = 0; i < loop.texels.size(); ++i) {
        largest = std::max(largest, std::fabs(straight.texels[i].r - loop.texels[i].r));
    }
    EXPECT_GT(largest, 0.05f);
}

}  // namespace
