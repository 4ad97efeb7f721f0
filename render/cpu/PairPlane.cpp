#include "render/cpu/PairPlane.h"

#include <algorithm>
#include <cmath>

#include "render/cpu/Bilinear.h"

// The AVX2 code below is compiled for that processor alone and chosen at
// run time; the rest of the module keeps to the baseline (SSE2 on x86-64).
#if defined(HLV3_VEC4_SSE) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

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
    const auto wrapped = [plane](int i, int size) { return WrapIndex(plane->mirror, i, size); };
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

#if defined(HLV3_VEC4_SSE) && (defined(__GNUC__) || defined(__clang__))
// Eight fetches placed at a time and two made at a time, in 256-bit
// registers, where the processor has AVX2: the same operations as the SSE2
// code in the same order (no fused multiply-add), so the same results.
#define HLV3_PAIR_AVX2 1

bool UseAvx2(const PairPlane& plane) {
    // The offsets are 32-bit there.
    return __builtin_cpu_supports("avx2") &&
           plane.stride * std::size_t(PairPlaneRows(plane)) < (std::size_t{1} << 31);
}

#define HLV3_AVX2_CODE __attribute__((target("avx2")))

// floor(t / period) x period off t, then folded back at size, shifted.
HLV3_AVX2_CODE inline __m256 FoldAvx2(__m256 t, __m256 inverse, __m256 period) {
    const __m256 turns = _mm256_mul_ps(t, inverse);
    __m256 whole = _mm256_cvtepi32_ps(_mm256_cvttps_epi32(turns));
    whole = _mm256_sub_ps(
        whole, _mm256_and_ps(_mm256_cmp_ps(turns, whole, _CMP_LT_OQ), _mm256_set1_ps(1.0f)));
    const __m256 folded = _mm256_sub_ps(t, _mm256_mul_ps(period, whole));
    return _mm256_sub_ps(_mm256_min_ps(folded, _mm256_sub_ps(period, folded)),
                         _mm256_set1_ps(0.5f));
}

// The fetches of two pixels at base + offsets[0] and base + offsets[1],
// added to the two sums at sum.
HLV3_AVX2_CODE inline void FetchTwoAvx2(const float* base, const int* offsets, std::size_t down,
                                        __m256 downWeights, __m256 across, float* sum) {
    const float* a = base + offsets[0];
    const float* b = base + offsets[1];
    const __m256 top =
        _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(a)), _mm_loadu_ps(b), 1);
    const __m256 bottom = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(a + down)),
                                               _mm_loadu_ps(b + down), 1);
    const __m256 column =
        _mm256_add_ps(top, _mm256_mul_ps(downWeights, _mm256_sub_ps(bottom, top)));
    _mm256_storeu_ps(sum, _mm256_add_ps(_mm256_loadu_ps(sum), _mm256_mul_ps(column, across)));
}

inline void FetchOneAvx2(const float* a, std::size_t down, __m128 downWeights, __m128 across,
                         Vec4* sum) {
    const __m128 top = _mm_loadu_ps(a);
    const __m128 column =
        _mm_add_ps(top, _mm_mul_ps(downWeights, _mm_sub_ps(_mm_loadu_ps(a + down), top)));
    sum->v = _mm_add_ps(sum->v, _mm_mul_ps(column, across));
}

HLV3_AVX2_CODE void AddPairFetchesAvx2(const PairPlane& plane, const PairPlane* second,
                                       const float* u, const float* v, int count, Vec4* sums,
                                       Vec4* secondSums) {
    const float fw = static_cast<float>(plane.width), fh = static_cast<float>(plane.height);
    const __m256 sizeX = _mm256_set1_ps(fw), sizeY = _mm256_set1_ps(fh);
    const __m256 periodX = _mm256_set1_ps(2.0f * fw), periodY = _mm256_set1_ps(2.0f * fh);
    const __m256 invX = _mm256_set1_ps(0.5f / fw), invY = _mm256_set1_ps(0.5f / fh);
    const __m256 magnitude = _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff));
    const __m256 far = _mm256_set1_ps(1.0e7f), one = _mm256_set1_ps(1.0f);
    const __m256 half = _mm256_set1_ps(0.5f), two = _mm256_set1_ps(2.0f);
    const __m256 minusTwo = _mm256_set1_ps(-2.0f);
    const __m256i twoI = _mm256_set1_epi32(2), zeroRow = _mm256_set1_epi32(PairPlane::kZeroRow);
    const __m256i strideI = _mm256_set1_epi32(static_cast<int>(plane.stride));
    const __m256i marginI = _mm256_set1_epi32(PairPlane::kMargin);
    const float* const first = plane.values.get();
    const float* const other = second ? second->values.get() : nullptr;
    const std::size_t down = plane.stride;
    for (int i = 0; i < count; i += 8) {
        __m256 px = _mm256_mul_ps(_mm256_loadu_ps(u + i), sizeX);
        __m256 py = _mm256_mul_ps(_mm256_loadu_ps(v + i), sizeY);
        const __m256 read =
            _mm256_and_ps(_mm256_cmp_ps(_mm256_and_ps(px, magnitude), far, _CMP_LE_OQ),
                          _mm256_cmp_ps(_mm256_and_ps(py, magnitude), far, _CMP_LE_OQ));
        px = _mm256_and_ps(px, read);
        py = _mm256_and_ps(py, read);
        if (plane.mirror) {
            px = FoldAvx2(px, invX, periodX);
            py = FoldAvx2(py, invY, periodY);
        } else {
            px = _mm256_min_ps(_mm256_max_ps(_mm256_sub_ps(px, half), minusTwo), sizeX);
            py = _mm256_min_ps(_mm256_max_ps(_mm256_sub_ps(py, half), minusTwo), sizeY);
        }
        const __m256i readI = _mm256_castps_si256(read);
        __m256i x0 = _mm256_sub_epi32(_mm256_cvttps_epi32(_mm256_add_ps(px, two)), twoI);
        __m256i y0 = _mm256_sub_epi32(_mm256_cvttps_epi32(_mm256_add_ps(py, two)), twoI);
        const __m256 fx = _mm256_and_ps(_mm256_sub_ps(px, _mm256_cvtepi32_ps(x0)), read);
        const __m256 fy = _mm256_and_ps(_mm256_sub_ps(py, _mm256_cvtepi32_ps(y0)), read);
        x0 = _mm256_and_si256(x0, readI);
        y0 = _mm256_or_si256(_mm256_and_si256(y0, readI), _mm256_andnot_si256(readI, zeroRow));
        // Plane.Offset(x0, y0) for the eight.
        alignas(32) int offsets[8];
        _mm256_store_si256(
            reinterpret_cast<__m256i*>(offsets),
            _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(y0, zeroRow), strideI),
                             _mm256_slli_epi32(_mm256_add_epi32(x0, marginI), 1)));
        // Per pixel (1 - fx, 1 - fx, fx, fx) and fy x 4, two pixels a register.
        const __m256 g = _mm256_sub_ps(one, fx);
        const __m256 low = _mm256_unpacklo_ps(g, fx);   // pixels 0, 1 | 4, 5
        const __m256 high = _mm256_unpackhi_ps(g, fx);  // pixels 2, 3 | 6, 7
        const __m256i firstTwo = _mm256_setr_epi32(0, 0, 1, 1, 2, 2, 3, 3);
        const __m256i lastTwo = _mm256_setr_epi32(4, 4, 5, 5, 6, 6, 7, 7);
        const __m256 across[4] = {
            _mm256_permutevar8x32_ps(low, firstTwo), _mm256_permutevar8x32_ps(high, firstTwo),
            _mm256_permutevar8x32_ps(low, lastTwo), _mm256_permutevar8x32_ps(high, lastTwo)};
        const __m256 downs[4] = {
            _mm256_permutevar8x32_ps(fy, _mm256_setr_epi32(0, 0, 0, 0, 1, 1, 1, 1)),
            _mm256_permutevar8x32_ps(fy, _mm256_setr_epi32(2, 2, 2, 2, 3, 3, 3, 3)),
            _mm256_permutevar8x32_ps(fy, _mm256_setr_epi32(4, 4, 4, 4, 5, 5, 5, 5)),
            _mm256_permutevar8x32_ps(fy, _mm256_setr_epi32(6, 6, 6, 6, 7, 7, 7, 7))};
        // Pairs of pixels within the count; a last odd pixel alone.
        const int here = std::min(8, count - i);
        for (int j = 0; 2 * j + 1 < here; ++j) {
            FetchTwoAvx2(first, offsets + 2 * j, down, downs[j], across[j],
                         reinterpret_cast<float*>(sums + i + 2 * j));
            if (other) {
                FetchTwoAvx2(other, offsets + 2 * j, down, downs[j], across[j],
                             reinterpret_cast<float*>(secondSums + i + 2 * j));
            }
        }
        if (here % 2 == 1) {
            const int j = here / 2;
            const __m128 across1 = _mm256_castps256_ps128(across[j]);
            const __m128 down1 = _mm256_castps256_ps128(downs[j]);
            FetchOneAvx2(first + offsets[here - 1], down, down1, across1, sums + i + here - 1);
            if (other) {
                FetchOneAvx2(other + offsets[here - 1], down, down1, across1,
                             secondSums + i + here - 1);
            }
        }
    }
}
#endif

}  // namespace

void AddPairFetches(const PairPlane& plane, const float* u, const float* v, int count, Vec4* sums) {
    AddPairFetches(plane, nullptr, u, v, count, sums, nullptr);
}

void AddPairFetches(const PairPlane& plane, const PairPlane* second, const float* u, const float* v,
                    int count, Vec4* sums, Vec4* secondSums) {
#if defined(HLV3_PAIR_AVX2)
    if (UseAvx2(plane)) {
        AddPairFetchesAvx2(plane, second, u, v, count, sums, secondSums);
        return;
    }
#endif
    const float fw = static_cast<float>(plane.width), fh = static_cast<float>(plane.height);
    FetchPlaces at;
    PlaceFetches(plane.mirror, fw, fh, u, v, count, &at);
    for (int i = 0; i < count; ++i) {
        const std::size_t upper = plane.Offset(at.x0[i], at.y0[i]);
        const float fx = at.fx[i];
        const Vec4 across = Vec4::Set(1.0f - fx, 1.0f - fx, fx, fx);
        const Vec4 down = Vec4::Splat(at.fy[i]);
        const float* p = plane.values.get() + upper;
        const Vec4 top = Vec4::Load(p);
        sums[i] += (top + down * (Vec4::Load(p + plane.stride) - top)) * across;
        if (second) {
            const float* q = second->values.get() + upper;
            const Vec4 top2 = Vec4::Load(q);
            secondSums[i] += (top2 + down * (Vec4::Load(q + plane.stride) - top2)) * across;
        }
    }
}

}  // namespace cpu
