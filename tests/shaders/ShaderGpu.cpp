#include "tests/shaders/ShaderGpu.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>

#include "gl/FBOHelper.h"
#include "gl/Quad.h"
#include "gl/Programs.h"
#include "host/HostInterface.h"

namespace {

std::vector<float> Floats(const hlv3ref::Image& image) {
    std::vector<float> out;
    out.reserve(image.texels.size() * 4);
    for (const hlv3ref::Pixel& p : image.texels) {
        out.insert(out.end(), {p.r, p.g, p.b, p.a});
    }
    return out;
}

hlv3ref::Image FromFloats(const std::vector<float>& rgba, int width, int height) {
    hlv3ref::Image image = hlv3ref::MakeImage(width, height);
    for (size_t i = 0; i < image.texels.size() && 4 * i + 3 < rgba.size(); ++i) {
        image.texels[i] = {rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]};
    }
    return image;
}

bool IsLlvmpipe() {
    const GLubyte* renderer = glGetString(GL_RENDERER);
    return renderer != nullptr &&
           std::strstr(reinterpret_cast<const char*>(renderer), "llvmpipe") != nullptr;
}

std::string SafeName(std::string text) {
    for (char& c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!plain) {
            c = '_';
        }
    }
    return text;
}

}  // namespace

hlv3ref::Wrap RefWrap(GLenum wrap) {
    return wrap == GL_MIRRORED_REPEAT ? hlv3ref::Wrap::MirroredRepeat : hlv3ref::Wrap::Border;
}

const char* WrapName(GLenum wrap) {
    return wrap == GL_MIRRORED_REPEAT ? "mirrored" : "border";
}

GLRenderBuffer UploadImage(const hlv3ref::Image& image, GLenum wrap) {
    return MakeTextureRGBA32F(static_cast<uint32_t>(image.width),
                              static_cast<uint32_t>(image.height), Floats(image), wrap);
}

hlv3ref::Image RunProgram(GLuint program, const UniformMap& uniforms, int width, int height,
                          const hlv3ref::TexRect* rect) {
    PX_FBO target =
        FBOHelper::CreateTextureFBO(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                    GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    FBOHelper::ClearFBO(&target);
    RectF quadRect{};
    if (rect != nullptr) {
        quadRect.left = rect->left;
        quadRect.top = rect->top;
        quadRect.right = rect->right;
        quadRect.bottom = rect->bottom;
    }
    RenderQuad(&target, program, uniforms, rect != nullptr, quadRect, false);
    const std::vector<float> rgba = ReadTextureRGBA32F(
        target.renderBuffer.id, static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    FBOHelper::DeleteGenericFBO(&target);
    return FromFloats(rgba, width, height);
}

float FilterWeightError() {
    return IsLlvmpipe() ? 0.0f : 1.0f / 256.0f;
}

float Tolerance(float arithmetic, float contrast) {
    return arithmetic + FilterWeightError() * contrast;
}

float NeighbourContrast(const hlv3ref::Image& image) {
    float largest = 0.0f;
    const auto diff = [&](const hlv3ref::Pixel& p, const hlv3ref::Pixel& q) {
        largest = std::max({largest, std::fabs(p.r - q.r), std::fabs(p.g - q.g),
                            std::fabs(p.b - q.b), std::fabs(p.a - q.a)});
    };
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            // the border (transparent black) is a neighbour of the edge texels
            const hlv3ref::Pixel& p = hlv3ref::At(image, x, y);
            diff(p, x + 1 < image.width ? hlv3ref::At(image, x + 1, y) : hlv3ref::Pixel{});
            diff(p, y + 1 < image.height ? hlv3ref::At(image, x, y + 1) : hlv3ref::Pixel{});
            if (x == 0 || y == 0) {
                diff(p, hlv3ref::Pixel{});
            }
        }
    }
    return largest;
}

::testing::AssertionResult ImagesMatch(const hlv3ref::Image& gpu, const hlv3ref::Image& reference,
                                       float tolerance, const std::string& what) {
    if (gpu.width != reference.width || gpu.height != reference.height) {
        return ::testing::AssertionFailure()
               << what << ": size " << gpu.width << "x" << gpu.height << " against "
               << reference.width << "x" << reference.height;
    }
    hlv3ref::Image difference = hlv3ref::MakeImage(gpu.width, gpu.height);
    std::ostringstream first;
    int mismatches = 0;
    float worst = 0.0f;
    for (int y = 0; y < gpu.height; ++y) {
        for (int x = 0; x < gpu.width; ++x) {
            const hlv3ref::Pixel& g = hlv3ref::At(gpu, x, y);
            const hlv3ref::Pixel& r = hlv3ref::At(reference, x, y);
            const float gv[4] = {g.r, g.g, g.b, g.a};
            const float rv[4] = {r.r, r.g, r.b, r.a};
            float dv[4];
            for (int c = 0; c < 4; ++c) {
                dv[c] = std::fabs(gv[c] - rv[c]);
                // NaN on either side, or on one side only, is a mismatch too
                const bool same = dv[c] <= tolerance || (std::isnan(gv[c]) && std::isnan(rv[c]));
                if (!same) {
                    if (mismatches < 8) {
                        first << "\n  (" << x << "," << y << ")["
                              << "rgba"[c] << "] gpu " << gv[c] << " reference " << rv[c];
                    }
                    ++mismatches;
                }
                if (!std::isnan(dv[c])) {
                    worst = std::max(worst, dv[c]);
                }
            }
            hlv3ref::At(difference, x, y) = {dv[0], dv[1], dv[2], dv[3]};
        }
    }
    if (mismatches == 0) {
        return ::testing::AssertionSuccess();
    }
    const std::string base = ::testing::TempDir() + "hlv3_" + SafeName(what);
    const bool written = hlv3ref::WritePFM(gpu, base + "_gpu.pfm") &&
                         hlv3ref::WritePFM(reference, base + "_reference.pfm") &&
                         hlv3ref::WritePFM(difference, base + "_difference.pfm");
    return ::testing::AssertionFailure()
           << what << ": " << mismatches << " components off by more than " << tolerance
           << " (largest " << worst << ")" << first.str()
           << (written ? "\n  images: " + base + "_{gpu,reference,difference}[.alpha].pfm"
                       : std::string("\n  (could not write the images)"));
}

hlv3ref::Image NoiseImage(int width, int height, unsigned seed, float lo, float hi) {
    hlv3ref::Image image = hlv3ref::MakeImage(width, height);
    uint32_t state = seed * 2654435761u + 12345u;
    const auto next = [&]() {
        state = state * 1664525u + 1013904223u;  // plain LCG, same on every platform
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24);
    };
    for (hlv3ref::Pixel& p : image.texels) {
        p.r = lo + (hi - lo) * next();
        p.g = lo + (hi - lo) * next();
        p.b = lo + (hi - lo) * next();
        p.a = next();
    }
    return image;
}

hlv3ref::Image Transposed(const hlv3ref::Image& image) {
    hlv3ref::Image out = hlv3ref::MakeImage(image.height, image.width);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            hlv3ref::At(out, y, x) = hlv3ref::At(image, x, y);
        }
    }
    return out;
}

namespace {

Vec2f ToVec2f(hlv3ref::Vec2 v) {
    return Vec2f{v.x, v.y};
}

}  // namespace

UniformMap Uniforms(const hlv3ref::PreProcUniforms& u, GLuint videoTexture) {
    return UniformMap{
        {"videoTexture", TEX2D(videoTexture)}, {"preserveAlphaL", IVEC(u.preserveAlphaL)},
        {"preProcL", IVEC(u.preProcL)},        {"swizzleL", IVEC(u.swizzleL)},
        {"offsetHue", VEC(u.offsetHue)},       {"resV", VEC2(Vec2f{1.0f, 1.0f})}};
}

UniformMap Uniforms(const hlv3ref::AberrateUniforms& u, GLuint videoTexture) {
    return UniformMap{{"videoTexture", TEX2D(videoTexture)},
                      {"aspectF", VEC(u.aspectF)},
                      {"offsetPos", VEC2(ToVec2f(u.offsetPos))},
                      {"offsetRot", VEC(u.offsetRot)},
                      {"offsetScale", VEC(u.offsetScale)},
                      {"offsetShearX", VEC(u.offsetShearX)},
                      {"offsetShearY", VEC(u.offsetShearY)},
                      {"offsetDistort", VEC(u.offsetDistort)},
                      {"uniformDistort", VEC(u.uniformDistort)},
                      {"resV", VEC2(ToVec2f(u.resV))},
                      {"normaliseExp", VEC2(ToVec2f(u.normaliseExp))},
                      {"mode", IVEC(u.mode)},
                      {"iterationsL", IVEC(u.iterationsL)}};
}

UniformMap Uniforms(const hlv3ref::BlurUniforms& u, GLuint videoTexture) {
    return UniformMap{{"videoTexture", TEX2D(videoTexture)},
                      {"stepsA", IVEC(u.stepsA)},
                      {"strideA", VEC(u.strideA)},
                      {"stepsB", IVEC(u.stepsB)},
                      {"strideB", VEC(u.strideB)}};
}

UniformMap Uniforms(const hlv3ref::PostProcUniforms& u, GLuint videoTexture,
                    GLuint inputFrameTexture) {
    return UniformMap{{"videoTexture", TEX2D(videoTexture)},
                      {"inputFrameTexture", TEX2D(inputFrameTexture)},
                      {"mode", IVEC(u.mode)},
                      {"preserveAlphaL", IVEC(u.preserveAlphaL)},
                      {"unmult", IVEC(u.unmult)},
                      {"strengthF", VEC(u.strengthF)},
                      {"offsetHue", VEC(u.offsetHue)},
                      {"iterationsL", IVEC(u.iterationsL)},
                      {"aspectF", VEC(u.aspectF)},
                      {"resV", VEC2(ToVec2f(u.resV))},
                      {"offsetDistort", VEC(u.offsetDistort)}};
}

void ShaderGpuTest::SetUp() {
    GLTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) {
        return;
    }
    CreateGLPrograms(&programs);
    ASSERT_NE(programs.preProc, 0u);
    ASSERT_NE(programs.aberrate, 0u);
    ASSERT_NE(programs.blurW, 0u);
    ASSERT_NE(programs.blurH, 0u);
    ASSERT_NE(programs.postProc, 0u);
}

void ShaderGpuTest::ReleaseTextures() {
    for (GLRenderBuffer& texture : textures) {
        FBOHelper::DeleteRenderBuffer(&texture);
    }
    textures.clear();
}

void ShaderGpuTest::TearDown() {
    ReleaseTextures();
    DeleteGLPrograms(&programs);
    GLTest::TearDown();
}

GLuint ShaderGpuTest::Texture(const hlv3ref::Image& image, GLenum wrap) {
    textures.push_back(UploadImage(image, wrap));
    return textures.back().id;
}
