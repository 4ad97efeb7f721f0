#pragma once

#include "tests/support/reference/Image.h"

// CPU reference of the effect's five fragment programs, one function per
// program, each fed a record holding that program's uniforms under their GLSL
// names. Single-precision arithmetic in the order the algorithms state, so a
// GPU result differs from these only by the GPU's own rounding (fused
// multiply-adds, approximate exp/pow/sin/cos, quantised filter weights).
//
// A whole pass: RenderQuad(width, height, rect, [&](Vec2 uv) { return
// PreProcFragment(sampler, uniforms, uv); }), or the Render* shorthands below.
namespace hlv3ref {

struct Hsv {
    float h = 0.0f;
    float s = 0.0f;
    float v = 0.0f;
};

// The programs' colour conversions, including their small eps and the hue of
// exactly 2/3 that a grey gets.
Hsv Rgb2Hsv(float r, float g, float b);
// Wraps any hue (negative, beyond one turn) with a floor-based modulo.
Pixel Hsv2Rgb(const Hsv& hsv);  // alpha of the result is 0

// Radial distortion of uv about the centre (0.5, 0.5) with coefficient k.
Vec2 DistortUV(Vec2 uv, float k, Vec2 resV, float aspectF);

// Gaussian tap weight of the blur programs, x in units of the half-width.
float GetWeight(float x);

struct PreProcUniforms {
    int preserveAlphaL = 0;
    int preProcL = 1;  // the pass sequence always sends 1
    int swizzleL = 0;  // the pass sequence always sends 0
    float offsetHue = 0.0f;
};

struct AberrateUniforms {
    float aspectF = 1.0f;
    Vec2 offsetPos;
    float offsetRot = 0.0f;
    float offsetScale = 1.0f;
    float offsetShearX = 0.0f;
    float offsetShearY = 0.0f;
    float offsetDistort = 0.0f;
    float uniformDistort = 0.0f;
    Vec2 resV{1.0f, 1.0f};
    Vec2 normaliseExp{1.0f, 1.0f};
    int mode = 1;
    int iterationsL = 1;  // at least 1
};

// Same record for the horizontal and the vertical pass; the strides are in
// texture units along that pass's axis. Both step counts at least 1.
struct BlurUniforms {
    int stepsA = 1;
    float strideA = 0.0f;
    int stepsB = 1;
    float strideB = 0.0f;
};

struct PostProcUniforms {
    int mode = 1;
    int preserveAlphaL = 0;
    int unmult = 0;
    float strengthF = 0.0f;
    float offsetHue = 0.0f;
    int iterationsL = 1;  // at least 1
    float aspectF = 1.0f;
    Vec2 resV{1.0f, 1.0f};
    float offsetDistort = 0.0f;  // the uniform distortion coefficient
};

// One fragment of each program at texture coordinate out_uvs. The result is
// the program's single colour output: colourOut for PreProcFragment,
// FragColour for the others (packed (A colour, A alpha, B colour, B alpha)
// for aberrate and the blurs; (alpha, red, green, blue) for post-process,
// i.e. Pixel::r holds the alpha).
Pixel PreProcFragment(const Sampler& videoTexture, const PreProcUniforms& u, Vec2 out_uvs);
Pixel AberrateFragment(const Sampler& videoTexture, const AberrateUniforms& u, Vec2 out_uvs);
Pixel BlurWFragment(const Sampler& videoTexture, const BlurUniforms& u, Vec2 out_uvs);
Pixel BlurHFragment(const Sampler& videoTexture, const BlurUniforms& u, Vec2 out_uvs);
Pixel PostProcFragment(const Sampler& videoTexture, const Sampler& inputFrameTexture,
                       const PostProcUniforms& u, Vec2 out_uvs);

// Whole passes into a width x height target. Only the pre-process pass takes
// a texture-coordinate rectangle; the others use (0, 0, 1, 1).
Image RenderPreProc(const Sampler& videoTexture, const PreProcUniforms& u, int width, int height,
                    const TexRect& rect = {});
Image RenderAberrate(const Sampler& videoTexture, const AberrateUniforms& u, int width, int height);
Image RenderBlurW(const Sampler& videoTexture, const BlurUniforms& u, int width, int height);
Image RenderBlurH(const Sampler& videoTexture, const BlurUniforms& u, int width, int height);
Image RenderPostProc(const Sampler& videoTexture, const Sampler& inputFrameTexture,
                     const PostProcUniforms& u, int width, int height);

}  // namespace hlv3ref
