#include "tests/support/reference/Programs.h"

#include <algorithm>
#include <cmath>

namespace hlv3ref {

namespace {

constexpr float kEps = 0.0000001f;

// x·(1 − s) + y·s
float Mix(float x, float y, float s) {
    return x * (1.0f - s) + y * s;
}

float Clamp01(float x) {
    return std::min(std::max(x, 0.0f), 1.0f);
}

// Floor-based modulo, as GLSL's mod().
float FloorMod(float x, float y) {
    return x - y * std::floor(x / y);
}

}  // namespace

Hsv Rgb2Hsv(float r, float g, float b) {
    const float kx = 0.0f;
    const float ky = -1.0f / 3.0f;
    const float kz = 2.0f / 3.0f;
    const float kw = -1.0f;

    float p[4];
    if (b < g) {
        p[0] = g, p[1] = b, p[2] = kx, p[3] = ky;
    } else {
        p[0] = b, p[1] = g, p[2] = kw, p[3] = kz;
    }
    float q[4];
    if (p[0] < r) {
        q[0] = r, q[1] = p[1], q[2] = p[2], q[3] = p[0];
    } else {
        q[0] = p[0], q[1] = p[1], q[2] = p[3], q[3] = r;
    }
    const float d = q[0] - std::min(q[3], q[1]);
    Hsv hsv;
    hsv.h = std::fabs(q[2] + (q[3] - q[1]) / (6.0f * d + kEps));
    hsv.s = d / (q[0] + kEps);
    hsv.v = q[0];
    return hsv;
}

Pixel Hsv2Rgb(const Hsv& hsv) {
    const float offsets[3] = {0.0f, 4.0f, 2.0f};
    float rgb[3];
    for (int c = 0; c < 3; ++c) {
        const float t = FloorMod(6.0f * hsv.h + offsets[c], 6.0f);
        const float pure = Clamp01(std::fabs(t - 3.0f) - 1.0f);
        // v blended from white towards the pure hue by s
        rgb[c] = hsv.v * (1.0f + hsv.s * (pure - 1.0f));
    }
    return Pixel{rgb[0], rgb[1], rgb[2], 0.0f};
}

Vec2 DistortUV(Vec2 uv, float k, Vec2 resV, float aspectF) {
    const float kScaled = (k / 1000.0f) * std::min(resV.x, resV.y);
    const float tx = uv.x - 0.5f;
    const float ty = uv.y - 0.5f;
    const float r2 = tx * tx / aspectF + ty * ty * aspectF;
    const float f = 1.0f + r2 * kScaled;
    return Vec2{f * tx + 0.5f, f * ty + 0.5f};
}

float GetWeight(float x) {
    return std::exp(-0.5f * x * x / 0.06f);
}

// ---------------------------------------------------------------- pre-process

Pixel PreProcFragment(const Sampler& videoTexture, const PreProcUniforms& u, Vec2 out_uvs) {
    Pixel c = Sample(videoTexture, out_uvs);
    if (u.preserveAlphaL == 0) {
        c.r *= c.a;
        c.g *= c.a;
        c.b *= c.a;
    }
    const auto swizzled = [](const Pixel& p) { return Pixel{p.a, p.r, p.g, p.b}; };
    if (u.preProcL == 0) {
        return u.swizzleL == 1 ? swizzled(c) : c;
    }
    if (u.offsetHue != 0.0f) {
        Hsv hsv = Rgb2Hsv(c.r, c.g, c.b);
        hsv.h = hsv.h - u.offsetHue;
        const Pixel back = Hsv2Rgb(hsv);
        c.r = back.r;
        c.g = back.g;
        c.b = back.b;
    }
    return u.swizzleL == 1 ? swizzled(c) : c;
}

// ------------------------------------------------------------------- aberrate

namespace {

struct SampleTransform {
    float posX, posY, rot, scale, shearX, shearY, distort;
};

Vec2 ModifyCoords(const AberrateUniforms& u, Vec2 out_uvs, const SampleTransform& s) {
    // rotation, in a space where pixels are square
    float x = (out_uvs.x - 0.5f) / u.aspectF;
    float y = out_uvs.y - 0.5f;
    const float cosR = std::cos(s.rot);
    const float sinR = std::sin(s.rot);
    const float rx = x * cosR + y * sinR;
    const float ry = -x * sinR + y * cosR;
    Vec2 v{rx * u.aspectF + 0.5f, ry + 0.5f};

    v = DistortUV(v, s.distort, u.resV, u.aspectF);

    v.x = s.scale * (v.x - 0.5f) + 0.5f;
    v.y = s.scale * (v.y - 0.5f) + 0.5f;

    v.x += ((v.y - 0.5f) / u.normaliseExp.y) * s.shearX * u.normaliseExp.x;
    v.y += ((v.x - 0.5f) / u.normaliseExp.x) * s.shearY * u.normaliseExp.y;  // skewed x

    v.x += s.posX;
    v.y += s.posY;
    return v;
}

}  // namespace

Pixel AberrateFragment(const Sampler& videoTexture, const AberrateUniforms& u, Vec2 out_uvs) {
    const float n = static_cast<float>(u.iterationsL);
    const float m = 1.0f / n;

    const float posStepX = m * u.offsetPos.x;
    const float posStepY = m * u.offsetPos.y;
    const float rotStep = m * u.offsetRot;
    const float shearXStep = m * u.offsetShearX;
    const float shearYStep = m * u.offsetShearY;
    const float distortStep = m * u.offsetDistort;

    const float uStart = 0.9f * u.uniformDistort;
    const float uStep = m * (u.uniformDistort - uStart);

    // The scale of sample i is offsetScale^(i/n), taken exactly. A running
    // product of pow(offsetScale, 1/n) drifts: at 200,000 samples that step
    // is only a few float steps above 1, so its rounding alone puts the last
    // sample's scale up to a tenth of the way off (1.1^0.9 instead of 1.1).
    const double logScale = std::log(static_cast<double>(u.offsetScale));

    Pixel fragA;
    Pixel fragB;
    for (float i = 1.0f; i <= n; i += 1.0f) {
        const float scaleCur = static_cast<float>(std::exp(logScale * (i / n)));
        const float uniformPart = uStart + uStep * i;
        const SampleTransform forwards{posStepX * i,
                                       posStepY * i,
                                       rotStep * i,
                                       scaleCur,
                                       shearXStep * i,
                                       shearYStep * i,
                                       uniformPart + distortStep * i};
        const SampleTransform backwards{-posStepX * i,
                                        -posStepY * i,
                                        -rotStep * i,
                                        1.0f / scaleCur,
                                        shearXStep * i * 2.0f,
                                        shearYStep * i * 2.0f,
                                        uniformPart + distortStep * i * 2.0f};
        const Vec2 a = ModifyCoords(u, out_uvs, forwards);
        const Vec2 b = ModifyCoords(u, out_uvs, backwards);

        const Pixel sa = Sample(videoTexture, a);
        const Pixel sb = Sample(videoTexture, b);
        fragA = Pixel{fragA.r + sa.r, fragA.g + sa.g, fragA.b + sa.b, fragA.a + sa.a};
        fragB = Pixel{fragB.r + sb.r, fragB.g + sb.g, fragB.b + sb.b, fragB.a + sb.a};
    }
    fragA = Pixel{fragA.r * m, fragA.g * m, fragA.b * m, fragA.a * m};
    fragB = Pixel{fragB.r * m, fragB.g * m, fragB.b * m, fragB.a * m};

    switch (u.mode) {
        case 1:  // red forwards, blue backwards
            return Pixel{fragA.r, fragA.a, fragB.b, fragB.a};
        case 2:  // red forwards, green backwards
            return Pixel{fragA.r, fragA.a, fragB.g, fragB.a};
        default:  // green forwards, blue backwards
            return Pixel{fragA.g, fragA.a, fragB.b, fragB.a};
    }
}

// ----------------------------------------------------------------------- blur

namespace {

Pixel GaussianAlong(const Sampler& videoTexture, Vec2 out_uvs, int steps, float stride,
                    bool vertical) {
    Pixel total;
    float weightSum = 0.0f;
    for (int i = -steps; i <= steps; ++i) {
        const float w = GetWeight(static_cast<float>(i) / static_cast<float>(steps));
        const float offset = static_cast<float>(i) * stride;
        const Vec2 at =
            vertical ? Vec2{out_uvs.x, out_uvs.y + offset} : Vec2{out_uvs.x + offset, out_uvs.y};
        const Pixel s = Sample(videoTexture, at);
        total.r += w * s.r;
        total.g += w * s.g;
        total.b += w * s.b;
        total.a += w * s.a;
        weightSum += w;
    }
    return Pixel{total.r / weightSum, total.g / weightSum, total.b / weightSum,
                 total.a / weightSum};
}

Pixel Blur(const Sampler& videoTexture, const BlurUniforms& u, Vec2 out_uvs, bool vertical) {
    const Pixel a = GaussianAlong(videoTexture, out_uvs, u.stepsA, u.strideA, vertical);
    const Pixel b = GaussianAlong(videoTexture, out_uvs, u.stepsB, u.strideB, vertical);
    return Pixel{a.r, a.g, b.b, b.a};
}

}  // namespace

Pixel BlurWFragment(const Sampler& videoTexture, const BlurUniforms& u, Vec2 out_uvs) {
    return Blur(videoTexture, u, out_uvs, false);
}

Pixel BlurHFragment(const Sampler& videoTexture, const BlurUniforms& u, Vec2 out_uvs) {
    return Blur(videoTexture, u, out_uvs, true);
}

// --------------------------------------------------------------- post-process

Pixel PostProcFragment(const Sampler& videoTexture, const Sampler& inputFrameTexture,
                       const PostProcUniforms& u, Vec2 out_uvs) {
    const Pixel packed = Sample(videoTexture, out_uvs);

    // Source of the untouched channel, sharing the uniform distortion.
    const float n = static_cast<float>(u.iterationsL);
    const float m = 1.0f / n;
    const float uStart = 0.9f * u.offsetDistort;
    const float uStep = m * (u.offsetDistort - uStart);
    Pixel src;
    if (u.offsetDistort != 0.0f) {
        for (float i = 1.0f; i <= n; i += 1.0f) {
            const Pixel s = Sample(inputFrameTexture,
                                   DistortUV(out_uvs, uStart + uStep * i, u.resV, u.aspectF));
            src = Pixel{src.r + s.r, src.g + s.g, src.b + s.b, src.a + s.a};
        }
        src = Pixel{m * src.r, m * src.g, m * src.b, m * src.a};
    } else {
        src = Sample(inputFrameTexture, out_uvs);
    }

    const float cA = packed.r;
    const float aA = packed.g;
    const float cB = packed.b;
    const float aB = packed.a;
    const float kA = u.preserveAlphaL != 0 ? aA : 1.0f;
    const float kB = u.preserveAlphaL != 0 ? aB : 1.0f;

    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    float screened = 0.0f;
    if (u.mode == 1) {
        screened = src.a + (1.0f - src.a) * aB;
        screened = screened + (1.0f - screened) * aA;
        red = cA * kA, green = src.g, blue = cB * kB;
    } else if (u.mode == 2) {
        screened = src.a + (1.0f - src.a) * aA;
        screened = screened + (1.0f - screened) * aB;
        red = cA * kA, green = cB * kB, blue = src.b;
    } else {
        screened = src.a + (1.0f - src.a) * aA;
        screened = screened + (1.0f - screened) * aB;
        red = src.r, green = cA * kA, blue = cB * kB;
    }

    if (u.preserveAlphaL == 1) {
        alpha = Sample(inputFrameTexture, out_uvs).a;  // never distorted
    } else {
        alpha = Mix(screened, src.a, u.strengthF);
    }

    if (u.unmult == 1) {
        float brightest = std::max(red, std::max(green, blue));
        if (u.preserveAlphaL == 1) {
            brightest = brightest * alpha;
        }
        alpha = std::min(brightest, 1.0f);
    }

    if (u.strengthF > 0.0f) {
        if (u.mode == 1 || u.mode == 2) {
            red = Mix(red, src.r, u.strengthF);
        }
        if (u.mode == 2 || u.mode == 3) {
            green = Mix(green, src.g, u.strengthF);
        }
        if (u.mode == 1 || u.mode == 3) {
            blue = Mix(blue, src.b, u.strengthF);
        }
    }

    alpha = Mix(alpha, src.a, u.strengthF);

    if (u.offsetHue != 0.0f) {
        Hsv hsv = Rgb2Hsv(red, green, blue);
        hsv.h = hsv.h + u.offsetHue;
        const Pixel back = Hsv2Rgb(hsv);
        red = back.r, green = back.g, blue = back.b;
    }

    return Pixel{alpha, red, green, blue};
}

// ------------------------------------------------------------- whole passes

Image RenderPreProc(const Sampler& videoTexture, const PreProcUniforms& u, int width, int height,
                    const TexRect& rect) {
    return RenderQuad(width, height, rect,
                      [&](Vec2 uv) { return PreProcFragment(videoTexture, u, uv); });
}

Image RenderAberrate(const Sampler& videoTexture, const AberrateUniforms& u, int width,
                     int height) {
    return RenderQuad(width, height, TexRect{},
                      [&](Vec2 uv) { return AberrateFragment(videoTexture, u, uv); });
}

Image RenderBlurW(const Sampler& videoTexture, const BlurUniforms& u, int width, int height) {
    return RenderQuad(width, height, TexRect{},
                      [&](Vec2 uv) { return BlurWFragment(videoTexture, u, uv); });
}

Image RenderBlurH(const Sampler& videoTexture, const BlurUniforms& u, int width, int height) {
    return RenderQuad(width, height, TexRect{},
                      [&](Vec2 uv) { return BlurHFragment(videoTexture, u, uv); });
}

Image RenderPostProc(const Sampler& videoTexture, const Sampler& inputFrameTexture,
                     const PostProcUniforms& u, int width, int height) {
    return RenderQuad(width, height, TexRect{}, [&](Vec2 uv) {
        return PostProcFragment(videoTexture, inputFrameTexture, u, uv);
    });
}

}  // namespace hlv3ref
