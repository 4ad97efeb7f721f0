#include "render/cpu/PairPlane.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "render/cpu/Bilinear.h"

namespace cpu {

PairPlane MakePairPlane(int width, int height, bool mirror) {
    PairPlane plane;
    plane.mirror = mirror;
    if (width <= 0 || height <= 0) {
        return plane;
    }
    const std::size_t stride = (std::size_t(width) + 2 * PairPlane::kMargin) * 2;
    plane.values = TakeFloats(stride * (std::size_t(height) + 2 * PairPlane::kMargin + 1));
    if (plane.values) {
        plane.width = width;
        plane.height = height;
        plane.stride = stride;
    }
    return plane;
}

void FillPairRows(const CpuImage& src, int first, int second, PairPlane* plane, int y0, int y1) {
    const int m = PairPlane::kMargin;
    const int w = plane->width;
    // Where index i of an axis of `size` reads: the image's own texel, its
    // mirror image, or (-1) the transparent border.
    const auto wrapped = [plane](int i, int size) {
        return i >= 0 && i < size ? i : plane->mirror ? MirrorIndex(i, size) : -1;
    };
    for (int row = y0; row < y1; ++row) {
        const int y = row + PairPlane::kZeroRow;
        float* out = plane->At(-m, y);
        const int from = y == PairPlane::kZeroRow ? -1 : wrapped(y, plane->height);
        if (from < 0) {
            std::fill(out, out + plane->stride, 0.0f);
            continue;
        }
        const float* in = src.Row(from);
        for (int x = -m; x < w + m; ++x, out += 2) {
            const int at = wrapped(x, w);
            out[0] = at < 0 ? 0.0f : in[std::size_t(at) * 4 + std::size_t(first)];
            out[1] = at < 0 ? 0.0f : in[std::size_t(at) * 4 + std::size_t(second)];
        }
    }
}

namespace {

// Where a batch's fetches read: the upper left texel and the weights of the
// right column and the lower row.
struct FetchPlaces {
    int x0[kBatch];
    int y0[kBatch];
    float fx[kBatch];
    float fy[kBatch];
};

// The texel places of the fetches. A coordinate in texels (u x size) is
// shifted by the half texel of texel centres and kept where a fetch reads
// within the margins: mirrored repeat folds it into [-0.5, size - 0.5], the
// border clamps it into [-2, size], beyond which every texel is zero. Both
// leave it at least -2 (a fold off by rounding stays above -1), so
// truncation after a shift by 2 is the floor.
#if defined(HLV3_VEC4_SSE)
// Four fetches at a time (the arrays hold kBatch, a multiple of four).
void PlaceFetches(bool mirror, float fw, float fh, const float* u, const float* v, int count,
                  FetchPlaces* at) {
    const __m128 sizeX = _mm_set1_ps(fw), sizeY = _mm_set1_ps(fh);
    const __m128 periodX = _mm_set1_ps(2.0f * fw), periodY = _mm_set1_ps(2.0f * fh);
    const __m128 invX = _mm_set1_ps(0.5f / fw), invY = _mm_set1_ps(0.5f / fh);
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 far = _mm_set1_ps(1.0e7f), one = _mm_set1_ps(1.0f), half = _mm_set1_ps(0.5f);
    const __m128 two = _mm_set1_ps(2.0f), minusTwo = _mm_set1_ps(-2.0f);
    const __m128i twoI = _mm_set1_epi32(2), zeroRow = _mm_set1_epi32(PairPlane::kZeroRow);
    // floor(t / period) x period off t, then folded back at size.
    const auto fold = [&](__m128 t, __m128 inverse, __m128 period) {
        const __m128 turns = _mm_mul_ps(t, inverse);
        __m128 whole = _mm_cvtepi32_ps(_mm_cvttps_epi32(turns));
        whole = _mm_sub_ps(whole, _mm_and_ps(_mm_cmplt_ps(turns, whole), one));
        const __m128 folded = _mm_sub_ps(t, _mm_mul_ps(period, whole));
        return _mm_sub_ps(_mm_min_ps(folded, _mm_sub_ps(period, folded)), half);
    };
    for (int i = 0; i < count; i += 4) {
        __m128 px = _mm_mul_ps(_mm_loadu_ps(u + i), sizeX);
        __m128 py = _mm_mul_ps(_mm_loadu_ps(v + i), sizeY);
        // False for NaN too.
        const __m128 read = _mm_and_ps(_mm_cmple_ps(_mm_and_ps(px, magnitude), far),
                                       _mm_cmple_ps(_mm_and_ps(py, magnitude), far));
        px = _mm_and_ps(px, read);
        py = _mm_and_ps(py, read);
        if (mirror) {
            px = fold(px, invX, periodX);
            py = fold(py, invY, periodY);
        } else {
            px = _mm_min_ps(_mm_max_ps(_mm_sub_ps(px, half), minusTwo), sizeX);
            py = _mm_min_ps(_mm_max_ps(_mm_sub_ps(py, half), minusTwo), sizeY);
        }
        const __m128i x0 = _mm_sub_epi32(_mm_cvttps_epi32(_mm_add_ps(px, two)), twoI);
        const __m128i y0 = _mm_sub_epi32(_mm_cvttps_epi32(_mm_add_ps(py, two)), twoI);
        const __m128i readI = _mm_castps_si128(read);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at->x0 + i), _mm_and_si128(x0, readI));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at->y0 + i),
                         _mm_or_si128(_mm_and_si128(y0, readI), _mm_andnot_si128(readI, zeroRow)));
        _mm_storeu_ps(at->fx + i, _mm_and_ps(_mm_sub_ps(px, _mm_cvtepi32_ps(x0)), read));
        _mm_storeu_ps(at->fy + i, _mm_and_ps(_mm_sub_ps(py, _mm_cvtepi32_ps(y0)), read));
    }
}
#else
void PlaceFetches(bool mirror, float fw, float fh, const float* u, const float* v, int count,
                  FetchPlaces* at) {
    const auto fold = [](float t, float size) {
        const float period = 2.0f * size;
        const float turns = t / period;
        float whole = static_cast<float>(static_cast<int>(turns));
        whole -= turns < whole ? 1.0f : 0.0f;
        const float folded = t - period * whole;
        return std::min(folded, period - folded) - 0.5f;
    };
    for (int i = 0; i < count; ++i) {
        float px = u[i] * fw;
        float py = v[i] * fh;
        const bool read = std::fabs(px) <= 1.0e7f && std::fabs(py) <= 1.0e7f;  // not NaN
        px = read ? px : 0.0f;
        py = read ? py : 0.0f;
        if (mirror) {
            px = fold(px, fw);
            py = fold(py, fh);
        } else {
            px = std::min(std::max(px - 0.5f, -2.0f), fw);
            py = std::min(std::max(py - 0.5f, -2.0f), fh);
        }
        const int x0 = static_cast<int>(px + 2.0f) - 2;
        const int y0 = static_cast<int>(py + 2.0f) - 2;
        at->x0[i] = read ? x0 : 0;
        at->y0[i] = read ? y0 : PairPlane::kZeroRow;
        at->fx[i] = read ? px - static_cast<float>(x0) : 0.0f;
        at->fy[i] = read ? py - static_cast<float>(y0) : 0.0f;
    }
}
#endif

}  // namespace

void AddPairFetches(const PairPlane& plane, const float* u, const float* v, int count, Vec4* sums) {
    AddPairFetches(plane, nullptr, u, v, count, sums, nullptr);
}

void AddPairFetches(const PairPlane& plane, const PairPlane* second, const float* u, const float* v,
                    int count, Vec4* sums, Vec4* secondSums) {
    const float fw = static_cast<float>(plane.width), fh = static_cast<float>(plane.height);
    FetchPlaces at;
    PlaceFetches(plane.mirror, fw, fh, u, v, count, &at);
    const std::ptrdiff_t apart = second ? second->values.get() - plane.values.get() : 0;
    for (int i = 0; i < count; ++i) {
        const float* upper = plane.At(at.x0[i], at.y0[i]);
        const float fx = at.fx[i];
        const Vec4 across = Vec4::Set(1.0f - fx, 1.0f - fx, fx, fx);
        const Vec4 down = Vec4::Splat(at.fy[i]);
        const Vec4 top = Vec4::Load(upper);
        sums[i] += (top + down * (Vec4::Load(upper + plane.stride) - top)) * across;
        if (second) {
            const float* other = upper + apart;
            const Vec4 top2 = Vec4::Load(other);
            secondSums[i] += (top2 + down * (Vec4::Load(other + plane.stride) - top2)) * across;
        }
    }
}

}  // namespace cpu
