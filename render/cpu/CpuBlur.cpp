// The two blur programs on the CPU: a Gaussian per packed channel pair along
// one axis, as fixed taps at whole texel offsets.
#include <algorithm>
#include <cmath>

#include "render/cpu/Bilinear.h"
#include "render/cpu/CpuPasses.h"

namespace cpu {

namespace {

float Weight(float x) {
    return std::exp(-0.5f * x * x / 0.06f);
}

// Adds one kernel (steps, stride in pixels) into lanes lane and lane + 1.
void AddKernel(int steps, float stridePixels, int length, int first, int lane,
               std::vector<float>* w) {
    const float stride = BlurStrideUniform(stridePixels, length);
    float sum = 0.0f;
    for (int i = -steps; i <= steps; ++i) {
        sum += Weight(static_cast<float>(i) / static_cast<float>(steps));
    }
    for (int i = -steps; i <= steps; ++i) {
        const float weight = Weight(static_cast<float>(i) / static_cast<float>(steps)) / sum;
        const float at = static_cast<float>(i) * stride * static_cast<float>(length);
        const int base = FloorIndex(at);
        const float frac = at - static_cast<float>(base);
        float* tap = w->data() + std::size_t(base - first) * 4 + lane;
        tap[0] += weight * (1.0f - frac);
        tap[1] += weight * (1.0f - frac);
        tap[4] += weight * frac;
        tap[5] += weight * frac;
    }
}

int Reach(int steps, float stridePixels, int length) {
    const float stride = BlurStrideUniform(stridePixels, length);
    return FloorIndex(static_cast<float>(steps) * stride * static_cast<float>(length)) + 2;
}

}  // namespace

BlurTaps MakeBlurTaps(const RenderSettings& s, int length) {
    const int reach = std::max(Reach(s.blurStepsA, s.blurStrideA, length),
                               Reach(s.blurStepsB, s.blurStrideB, length));
    BlurTaps taps;
    taps.first = -reach;
    taps.count = 2 * reach + 1;
    taps.weights.assign(std::size_t(taps.count) * 4, 0.0f);
    AddKernel(s.blurStepsA, s.blurStrideA, length, taps.first, 0, &taps.weights);
    AddKernel(s.blurStepsB, s.blurStrideB, length, taps.first, 2, &taps.weights);
    // Trim taps whose weights are all zero at both ends.
    const auto empty = [&](int k) {
        const float* w = taps.weights.data() + std::size_t(k) * 4;
        return w[0] == 0.f && w[1] == 0.f && w[2] == 0.f && w[3] == 0.f;
    };
    int lo = 0, hi = taps.count - 1;
    while (lo < hi && empty(lo)) {
        ++lo;
    }
    while (hi > lo && empty(hi)) {
        --hi;
    }
    taps.weights.erase(taps.weights.begin() + std::size_t(hi + 1) * 4, taps.weights.end());
    taps.weights.erase(taps.weights.begin(), taps.weights.begin() + std::size_t(lo) * 4);
    taps.first += lo;
    taps.count = hi - lo + 1;
    return taps;
}

void BlurWRows(const BlurTaps& taps, const CpuImage& src, CpuImage* dst, int y0, int y1) {
    const int w = src.width;
    const float* weights = taps.weights.data();
    for (int y = y0; y < y1; ++y) {
        const float* in = src.Row(y);
        float* out = dst->Row(y);
        for (int x = 0; x < w; ++x) {
            Vec4 sum = Vec4::Zero();
            const int lo = x + taps.first;
            if (lo >= 0 && lo + taps.count <= w) {
                const float* p = in + std::size_t(lo) * 4;
                for (int k = 0; k < taps.count; ++k) {
                    sum += Vec4::Load(weights + k * 4) * Vec4::Load(p + k * 4);
                }
            } else {
                for (int k = 0; k < taps.count; ++k) {
                    const int i = WrapIndex(src.mirror, lo + k, w);
                    if (i >= 0) {
                        sum += Vec4::Load(weights + k * 4) * Vec4::Load(in + std::size_t(i) * 4);
                    }
                }
            }
            sum.Store(out + std::size_t(x) * 4);
        }
    }
}

void BlurHRows(const BlurTaps& taps, const CpuImage& src, CpuImage* dst, int y0, int y1) {
    const std::size_t n = std::size_t(src.width) * 4;
    for (int y = y0; y < y1; ++y) {
        float* out = dst->Row(y);
        std::fill(out, out + n, 0.0f);
        for (int k = 0; k < taps.count; ++k) {
            const int row = WrapIndex(src.mirror, y + taps.first + k, src.height);
            if (row < 0) {
                continue;
            }
            const Vec4 weight = Vec4::Load(taps.weights.data() + k * 4);
            const float* in = src.Row(row);
            for (std::size_t i = 0; i < n; i += 4) {
                (Vec4::Load(out + i) + weight * Vec4::Load(in + i)).Store(out + i);
            }
        }
    }
}

}  // namespace cpu
