// The pre-process and post-process programs, the distortion average and the
// input's conversion on the CPU.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/cpu/Bilinear.h"
#include "render/cpu/CpuPasses.h"

namespace cpu {

namespace {

constexpr float kEps = 0.0000001f;

float Blend(float x, float y, float s) {
    return x * (1.0f - s) + y * s;
}

// rgb2hsv and hsv2rgb of the programs, their selections written as branches
// (the programs' mix() weights are exactly 0 or 1).
void Rgb2Hsv(const float c[3], float hsv[3]) {
    float p[4];
    if (c[2] >= c[1]) {
        p[0] = c[2], p[1] = c[1], p[2] = -1.0f, p[3] = 2.0f / 3.0f;
    } else {
        p[0] = c[1], p[1] = c[2], p[2] = 0.0f, p[3] = -1.0f / 3.0f;
    }
    float q[4];
    if (p[0] >= c[0]) {
        q[0] = p[0], q[1] = p[1], q[2] = p[3], q[3] = c[0];
    } else {
        q[0] = c[0], q[1] = p[1], q[2] = p[2], q[3] = p[0];
    }
    const float d = q[0] - std::min(q[3], q[1]);
    hsv[0] = std::fabs(q[2] + (q[3] - q[1]) / (6.0f * d + kEps));
    hsv[1] = d / (q[0] + kEps);
    hsv[2] = q[0];
}

void Hsv2Rgb(const float hsv[3], float c[3]) {
    const float offsets[3] = {0.0f, 4.0f, 2.0f};
    for (int i = 0; i < 3; ++i) {
        const float x = 6.0f * hsv[0] + offsets[i];
        const float t = x - 6.0f * FastFloor(x / 6.0f);
        const float pure = std::min(std::max(std::fabs(t - 3.0f) - 1.0f, 0.0f), 1.0f);
        c[i] = hsv[2] * (1.0f + hsv[1] * (pure - 1.0f));
    }
}

// Turns the hue of c by `turn` (in turns).
void TurnHue(float c[3], float turn) {
    float hsv[3];
    Rgb2Hsv(c, hsv);
    hsv[0] += turn;
    Hsv2Rgb(hsv, c);
}

// What the float read-back writes for each depth.
void StoreOut(const float v[4], const ImageView& out, int x, int y) {
    unsigned char* row = static_cast<unsigned char*>(out.pixels) + out.rowBytes * y;
    const auto unit = [](float f) { return f > 0.f ? (f < 1.f ? f : 1.f) : 0.f; };  // NaN: 0
    if (out.depth == 32) {
        std::copy(v, v + 4, reinterpret_cast<float*>(row) + std::size_t(x) * 4);
    } else if (out.depth == 16) {
        uint16_t* p = reinterpret_cast<uint16_t*>(row) + std::size_t(x) * 4;
        for (int i = 0; i < 4; ++i) {
            p[i] = static_cast<uint16_t>(unit(v[i]) * 32768.f + 0.5f);
        }
    } else {
        unsigned char* p = row + std::size_t(x) * 4;
        for (int i = 0; i < 4; ++i) {
            p[i] = static_cast<unsigned char>(unit(v[i]) * 255.f + 0.5f);
        }
    }
}

}  // namespace

void ConvertInputRows(const ImageView& in, CpuImage* f0, int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
        const unsigned char* src = static_cast<const unsigned char*>(in.pixels) + in.rowBytes * y;
        float* dst = f0->Row(y);
        const std::size_t n = std::size_t(in.width) * 4;
        if (in.depth == 32) {
            std::copy(reinterpret_cast<const float*>(src), reinterpret_cast<const float*>(src) + n,
                      dst);
        } else if (in.depth == 16) {
            const uint16_t* s16 = reinterpret_cast<const uint16_t*>(src);
            for (std::size_t i = 0; i < n; ++i) {
                dst[i] = static_cast<float>(s16[i]) * (1.f / 32768.f);
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                dst[i] = static_cast<float>(src[i]) / 255.f;
            }
        }
    }
}

void PreProcessRows(const RenderSettings& s, const CpuImage& f0, CpuImage* f1, int y0, int y1) {
    const RectF& r = s.sourceRect;
    const float left = static_cast<float>(r.left), right = static_cast<float>(r.right);
    const float top = static_cast<float>(r.top), bottom = static_cast<float>(r.bottom);
    const float hue = static_cast<float>(s.hueOffset);
    for (int y = y0; y < y1; ++y) {
        const float fy = (static_cast<float>(y) + 0.5f) / static_cast<float>(f1->height);
        const float v = top + (bottom - top) * fy;
        float* row = f1->Row(y);
        for (int x = 0; x < f1->width; ++x) {
            const float fx = (static_cast<float>(x) + 0.5f) / static_cast<float>(f1->width);
            float c[4];
            Bilinear(f0, left + (right - left) * fx, v).ToArray(c);
            if (s.preserveAlpha == 0) {
                c[0] *= c[3], c[1] *= c[3], c[2] *= c[3];
            }
            if (hue != 0.0f) {
                TurnHue(c, -hue);
            }
            std::copy(c, c + 4, row + std::size_t(x) * 4);
        }
    }
}

void SourceSumRows(const RenderSettings& s, const AberrateShare& share, const PairPlane& rg,
                   const PairPlane& ba, CpuImage* f4, int y0, int y1) {
    const float m = 1.0f / static_cast<float>(s.sampleCount);
    const float k = static_cast<float>(s.uniformDistort);
    const float uStart = 0.9f * k;
    const float uStep = m * (k - uStart);
    const float scale = std::min(s.inputResolution[0], s.inputResolution[1]) / 1000.0f;
    const int lo = std::max(share.first, 1);
    const int last =
        share.count > 0 ? std::min(lo + share.count - 1, s.sampleCount) : s.sampleCount;
    float tx[kBatch], base[kBatch], slope[kBatch], u[kBatch], v[kBatch];
    Vec4 sumsRG[kBatch], sumsBA[kBatch];
    // Column by column down the band, as the aberrate pass.
    for (int x0 = 0; x0 < f4->width; x0 += kBatch) {
        const int n = std::min(kBatch, f4->width - x0);
        for (int y = y0; y < y1; ++y) {
            const float ty = (static_cast<float>(y) + 0.5f) / static_cast<float>(f4->height) - 0.5f;
            float* row = f4->Row(y);
            for (int i = 0; i < n; ++i) {
                tx[i] = (static_cast<float>(x0 + i) + 0.5f) / static_cast<float>(f4->width) - 0.5f;
                const float radial = (tx[i] * tx[i] / s.aspect + ty * ty * s.aspect) * scale;
                base[i] = 1.0f + radial * uStart;
                slope[i] = radial * uStep;
                sumsRG[i] = sumsBA[i] = Vec4::Zero();
            }
            for (int j = lo; j <= last; ++j) {
                const float at = static_cast<float>(j);
                for (int i = 0; i < n; ++i) {
                    const float f = base[i] + slope[i] * at;
                    u[i] = f * tx[i] + 0.5f;
                    v[i] = f * ty + 0.5f;
                }
                AddPairFetches(rg, &ba, u, v, n, sumsRG, sumsBA);
            }
            for (int i = 0; i < n; ++i) {
                float c[4];
                PairChannels(sumsRG[i], &c[0], &c[1]);
                PairChannels(sumsBA[i], &c[2], &c[3]);
                const Vec4 shareValue = m * Vec4::Load(c);
                float* out = row + std::size_t(x0 + i) * 4;
                (share.add ? shareValue + Vec4::Load(out) : shareValue).Store(out);
            }
        }
    }
}

void PostProcessRows(const RenderSettings& s, const CpuImage& f2, const CpuImage& f1,
                     const CpuImage& source, const ImageView& out, int y0, int y1) {
    const float strength = static_cast<float>(s.mixStrength);
    const float hue = static_cast<float>(s.hueOffset);
    const int mode = s.channelMode;
    for (int y = y0; y < y1; ++y) {
        for (int x = 0; x < f2.width; ++x) {
            const float* P = f2.At(x, y);
            const float* S = source.At(x, y);
            const float cA = P[0], aA = P[1], cB = P[2], aB = P[3];
            const float kA = s.preserveAlpha != 0 ? aA : 1.0f;
            const float kB = s.preserveAlpha != 0 ? aB : 1.0f;
            float c[4] = {0.f, 0.f, 0.f, 0.f};
            float t;
            if (mode == 1) {
                t = S[3] + (1.0f - S[3]) * aB;
                t = t + (1.0f - t) * aA;
                c[0] = cA * kA, c[1] = S[1], c[2] = cB * kB;
            } else if (mode == 2) {
                t = S[3] + (1.0f - S[3]) * aA;
                t = t + (1.0f - t) * aB;
                c[0] = cA * kA, c[1] = cB * kB, c[2] = S[2];
            } else {
                t = S[3] + (1.0f - S[3]) * aA;
                t = t + (1.0f - t) * aB;
                c[0] = S[0], c[1] = cA * kA, c[2] = cB * kB;
            }
            c[3] = s.preserveAlpha == 1 ? f1.At(x, y)[3] : Blend(t, S[3], strength);
            if (s.unmult == 1) {
                float u = std::max(c[0], std::max(c[1], c[2]));
                if (s.preserveAlpha == 1) {
                    u = u * c[3];
                }
                c[3] = std::min(u, 1.0f);
            }
            if (strength > 0.0f) {
                if (mode == 1 || mode == 2) {
                    c[0] = Blend(c[0], S[0], strength);
                }
                if (mode == 2 || mode == 3) {
                    c[1] = Blend(c[1], S[1], strength);
                }
                if (mode == 1 || mode == 3) {
                    c[2] = Blend(c[2], S[2], strength);
                }
            }
            c[3] = Blend(c[3], S[3], strength);
            if (hue != 0.0f) {
                TurnHue(c, hue);
            }
            const float argb[4] = {c[3], c[0], c[1], c[2]};
            StoreOut(argb, out, x, y);
        }
    }
}

}  // namespace cpu
