#pragma once

#include <cstddef>

#include "render/cpu/CpuImage.h"
#include "render/cpu/FloatPool.h"
#include "render/cpu/Vec4.h"

// The two channels that one channel of the aberrate program reads (its
// colour and alpha) as pairs of floats, with a margin around the image that
// holds what the wrap mode reads beyond its edges. A bilinear fetch then
// reads its four texels as two 16-byte loads, (left, right) of the upper row
// and of the lower, with no bounds check and half the bytes of RGBA: the
// sample loop's fetches are most of a frame's work.

namespace cpu {

struct PairPlane {
    int width = 0;
    int height = 0;
    bool mirror = true;
    std::size_t stride = 0;  // floats per row, margins included
    FloatBuffer values;

    // Texels on every side; above the top margin one more row, of zeros,
    // which fetches that read nothing read.
    static constexpr int kMargin = 2;
    static constexpr int kZeroRow = -kMargin - 1;

    // Where texel (x, y) starts in values, x from -kMargin to width +
    // kMargin - 1, y from kZeroRow to height + kMargin - 1.
    std::size_t Offset(int x, int y) const {
        return std::size_t(y - kZeroRow) * stride + std::size_t(x + kMargin) * 2;
    }
    float* At(int x, int y) { return values.get() + Offset(x, y); }
};

// Allocates a plane for a width x height image, not filled; no values when
// the allocation fails (never throws).
PairPlane MakePairPlane(int width, int height, bool mirror);

// The rows of a plane, its zero row and margins included.
inline int PairPlaneRows(const PairPlane& plane) {
    return plane.height + 2 * PairPlane::kMargin + 1;
}

// Fills rows y0 to y1 - 1 of the plane, counted from its zero row (so the
// whole plane is 0 to PairPlaneRows), with channels `first` and `second` of
// src, which has the plane's size.
void FillPairRows(const CpuImage& src, int first, int second, PairPlane* plane, int y0, int y1);

// Pixels whose fetches are made together: one sample of each, then the
// next. Adjacent pixels read adjacent texels at the same sample, so the
// fetches of a batch share cache lines, and the per-pixel arithmetic runs
// over arrays the compiler turns into vector code.
// A multiple of four: the arrays of a batch are read four at a time, the
// lanes beyond the batch's count computed and ignored.
constexpr int kBatch = 64;

// Adds to sums[i], for i below count (at most kBatch), the bilinear fetch of
// the plane at (u[i], v[i]) as the texture unit makes it under the plane's
// wrap mode, as (first, second) of the left and of the right column,
// weighted: the first channel is lanes 0 + 2 of a sum, the second 1 + 3.
// NaN, infinite and far coordinates (beyond 1e7 texels) read nothing.
void AddPairFetches(const PairPlane& plane, const float* u, const float* v, int count, Vec4* sums);
// The same fetches from two planes of one size and wrap mode, into sums and
// secondSums (second may be null: the first plane alone).
void AddPairFetches(const PairPlane& plane, const PairPlane* second, const float* u, const float* v,
                    int count, Vec4* sums, Vec4* secondSums);

// A sum of AddPairFetches as its two channels.
inline void PairChannels(Vec4 sum, float* first, float* second) {
    float lanes[4];
    sum.ToArray(lanes);
    *first = lanes[0] + lanes[2];
    *second = lanes[1] + lanes[3];
}

}  // namespace cpu
