// The aberrate program on the CPU: the sample loop and the straight-path
// branch, as the GLSL computes them, one fragment at a time.
#include <algorithm>
#include <cmath>

#include "render/cpu/Bilinear.h"
#include "render/cpu/CpuPasses.h"
#include "render/cpu/PairPlane.h"

namespace cpu {

namespace {

// The frame's uniforms as the program receives them (single precision) and
// what the program derives from them once per fragment row or draw.
struct AberrateValues {
    float aspect, m, rotStep, logScale, uniformStart, uniformStep, distortStep;
    float posStep[2], skewX, skewY, resMin;
    int iterations;
};

AberrateValues ValuesOf(const RenderSettings& s) {
    AberrateValues v;
    v.iterations = s.sampleCount;
    const float n = static_cast<float>(s.sampleCount);
    v.m = 1.0f / n;
    v.aspect = s.aspect;
    v.posStep[0] = v.m * s.positionOffset[0];
    v.posStep[1] = v.m * s.positionOffset[1];
    v.rotStep = v.m * static_cast<float>(s.rotationRadians);
    v.distortStep = v.m * static_cast<float>(s.aberrateDistort);
    const float uniform = static_cast<float>(s.uniformDistort);
    v.uniformStart = 0.9f * uniform;
    v.uniformStep = v.m * (uniform - v.uniformStart);
    v.logScale = std::log2(static_cast<float>(s.scale));
    v.skewX = v.m * static_cast<float>(s.shearX) * (s.normaliseExp[0] / s.normaliseExp[1]);
    v.skewY = v.m * static_cast<float>(s.shearY) * (s.normaliseExp[1] / s.normaliseExp[0]);
    v.resMin = std::min(s.inputResolution[0], s.inputResolution[1]);
    return v;
}

// ---- The straight-path branch: the average cell by cell in closed form.

struct Axis {
    float origin, d, dir, travel, rate, invRate, size, invPeriod;
};

Axis MakeAxis(float start, float step, int size) {
    Axis a;
    a.size = static_cast<float>(size);
    a.invPeriod = 0.5f / a.size;
    a.origin = start * a.size - 0.5f;
    a.d = step * a.size;
    a.dir = a.d < 0.0f ? -1.0f : 1.0f;
    a.travel = a.dir * a.origin;
    a.rate = std::fabs(a.d);
    a.invRate = a.rate > 1.0e-20f ? 1.0f / a.rate : 0.0f;
    return a;
}

float Mirror(float i, const Axis& a) {
    const float period = 2.0f * a.size;
    float r = i - period * FastFloor((i + 0.5f) * a.invPeriod);
    if (r >= a.size) {
        r += period - 1.0f - 2.0f * r;
    }
    return std::min(std::max(r, 0.0f), a.size - 1.0f);
}

// The travel cell holding sample j and the first sample beyond it.
void Cell(float j, const Axis& a, float* cell, float* leave) {
    if (a.invRate == 0.0f) {
        *cell = FastFloor(a.travel);
        *leave = 3.0e38f;
        return;
    }
    float b = std::min(std::max(FastFloor(a.travel + j * a.rate), -1.0e9f), 1.0e9f);
    const float enter = FastCeil((b - a.travel) * a.invRate);
    float out = FastCeil((b + 1.0f - a.travel) * a.invRate);
    if (enter > j) {
        out = enter;
        b -= 1.0f;
    } else if (out <= j) {
        b += 1.0f;
        out = FastCeil((b + 1.0f - a.travel) * a.invRate);
    }
    *cell = b;
    *leave = out;
}

// One run of samples within one cell, added to *sum; returns how many.
int Run(const CpuImage& tex, int straight, const Axis& ax, const Axis& ay, int first, int done,
        int count, Vec4* sum) {
    const float j = static_cast<float>(first + done);
    float bx, leaveX, by, leaveY;
    Cell(j, ax, &bx, &leaveX);
    Cell(j, ay, &by, &leaveY);
    const float room = static_cast<float>(count - done);
    const float span = std::min(std::max(std::min(leaveX, leaveY) - j, 1.0f), room);
    const int take = std::min(static_cast<int>(span), count - done);
    const float cx = ax.dir > 0.0f ? bx : -bx - 1.0f;
    const float cy = ay.dir > 0.0f ? by : -by - 1.0f;
    const float k = static_cast<float>(take);
    const float centre = j + 0.5f * (k - 1.0f);
    const float mx = ax.origin + centre * ax.d - cx;
    const float my = ay.origin + centre * ay.d - cy;
    const float xy = mx * my + ax.d * ay.d * ((k * k - 1.0f) / 12.0f);
    float x0 = cx, x1 = cx + 1.0f, y0 = cy, y1 = cy + 1.0f;
    float inX0 = 1.0f, inX1 = 1.0f, inY0 = 1.0f, inY1 = 1.0f;
    if (straight == 2) {
        x0 = Mirror(x0, ax);
        x1 = Mirror(x1, ax);
        y0 = Mirror(y0, ay);
        y1 = Mirror(y1, ay);
    } else {
        const auto clampIn = [](float* c, float size, float* in) {
            const float kept = std::min(std::max(*c, 0.0f), size - 1.0f);
            *in = kept == *c ? 1.0f : 0.0f;
            *c = kept;
        };
        clampIn(&x0, ax.size, &inX0);
        clampIn(&x1, ax.size, &inX1);
        clampIn(&y0, ay.size, &inY0);
        clampIn(&y1, ay.size, &inY1);
    }
    const int i0 = static_cast<int>(x0), i1 = static_cast<int>(x1);
    const int j0 = static_cast<int>(y0), j1 = static_cast<int>(y1);
    const Vec4 t = (1.0f - mx - my + xy) * (inX0 * inY0) * Vec4::Load(tex.At(i0, j0)) +
                   (mx - xy) * (inX1 * inY0) * Vec4::Load(tex.At(i1, j0)) +
                   (my - xy) * (inX0 * inY1) * Vec4::Load(tex.At(i0, j1)) +
                   xy * (inX1 * inY1) * Vec4::Load(tex.At(i1, j1));
    *sum += k * t;
    return take;
}

Vec4 StraightSum(const CpuImage& tex, int straight, const float start[2], const float step[2],
                 int first, int last) {
    const Axis ax = MakeAxis(start[0], step[0], tex.width);
    const Axis ay = MakeAxis(start[1], step[1], tex.height);
    Vec4 sum = Vec4::Zero();
    const int count = last - first + 1;
    int done = 0;
    int pass = 0;
    do {
        done += Run(tex, straight, ax, ay, first, done, count, &sum);
        ++pass;
    } while (done < count && pass < 4096);
    return sum;
}

// ---- The sample loop, over a batch of a row's pixels at a time.

// What each pixel of a batch starts from: the program's p and q (its
// position about the centre), and its distortion's base and per-sample
// steps for channel A and channel B.
struct BatchStart {
    float px[kBatch], py[kBatch], qx[kBatch], qy[kBatch];
    float base[kBatch], stepA[kBatch], stepB[kBatch];
};

// Adds samples first .. last of each pixel of the batch to sumsA (channel A)
// and sumsB, in the program's arithmetic: the transform stepped by the step
// matrices from an exact start every 64 samples.
void LoopSums(const PairPlane& planeA, const PairPlane& planeB, const AberrateValues& v,
              const BatchStart& b, int n, int first, int last, Vec4* sumsA, Vec4* sumsB) {
    const float scaleStep = std::exp2(v.logScale * v.m);
    const float cosStep = std::cos(v.rotStep);
    const float sinStep = std::sin(v.rotStep);
    // The step matrices of the program (column-major there), applied as
    // (a x + c y, b x + d y).
    const float a00 = scaleStep * cosStep, a01 = scaleStep * (sinStep * v.aspect);
    const float a10 = scaleStep * (-sinStep / v.aspect), a11 = scaleStep * cosStep;
    const float inv = 1.0f / scaleStep;
    const float b00 = inv * cosStep, b01 = inv * (-sinStep * v.aspect);
    const float b10 = inv * (sinStep / v.aspect), b11 = inv * cosStep;
    const float skewX2 = v.skewX * 2.0f, skewY2 = v.skewY * 2.0f;
    float tAx[kBatch], tAy[kBatch], tBx[kBatch], tBy[kBatch];
    float uA[kBatch], vA[kBatch], uB[kBatch], vB[kBatch];
    for (int block = first; block <= last; block += 64) {
        const float at = static_cast<float>(block);
        const float c = std::cos(v.rotStep * at);
        const float s = std::sin(v.rotStep * at);
        const float scaleA = std::exp2(v.logScale * (at * v.m));
        const float scaleB = 1.0f / scaleA;
        for (int x = 0; x < n; ++x) {
            const float xc = b.qx[x] * c, ys = b.qy[x] * s, yc = b.py[x] * c, xs = b.px[x] * s;
            tAx[x] = scaleA * (xc + ys), tAy[x] = scaleA * (yc - xs);
            tBx[x] = scaleB * (xc - ys), tBy[x] = scaleB * (yc + xs);
        }
        const int end = std::min(block + 63, last);
        for (int k = block; k <= end; ++k) {
            const float i = static_cast<float>(k);
            const float skA = v.skewX * i, skAy = v.skewY * i;
            const float skB = skewX2 * i, skBy = skewY2 * i;
            const float moveX = v.posStep[0] * i, moveY = v.posStep[1] * i;
            const float offAx = 0.5f + moveX, offAy = 0.5f + moveY;
            const float offBx = 0.5f - moveX, offBy = 0.5f - moveY;
            for (int x = 0; x < n; ++x) {
                const float fa = b.base[x] + b.stepA[x] * i;
                const float fb = b.base[x] + b.stepB[x] * i;
                float ax = fa * tAx[x], ay = fa * tAy[x];
                float bx = fb * tBx[x], by = fb * tBy[x];
                ax += ay * skA;
                ay += ax * skAy;
                bx += by * skB;
                by += bx * skBy;
                uA[x] = ax + offAx, vA[x] = ay + offAy;
                uB[x] = bx + offBx, vB[x] = by + offBy;
                const float nAx = a00 * tAx[x] + a01 * tAy[x], nAy = a10 * tAx[x] + a11 * tAy[x];
                const float nBx = b00 * tBx[x] + b01 * tBy[x], nBy = b10 * tBx[x] + b11 * tBy[x];
                tAx[x] = nAx, tAy[x] = nAy, tBx[x] = nBx, tBy[x] = nBy;
            }
            AddPairFetches(planeA, uA, vA, n, sumsA);
            AddPairFetches(planeB, uB, vB, n, sumsB);
        }
        if (block > last - 64) {
            break;  // the next block would start beyond the last sample
        }
    }
}

}  // namespace

int AberrateColourChannel(const RenderSettings& s, bool channelB) {
    if (channelB) {
        return s.channelMode == 2 ? 1 : 2;
    }
    return s.channelMode == 1 || s.channelMode == 2 ? 0 : 1;
}

void AberrateRows(const RenderSettings& s, const AberrateShare& share, const CpuImage& f1,
                  const PairPlane& planeA, const PairPlane& planeB, CpuImage* f2, int y0, int y1) {
    const int colourA = AberrateColourChannel(s, false);
    const int colourB = AberrateColourChannel(s, true);
    const AberrateValues v = ValuesOf(s);
    const int first = std::max(share.first, 1);
    const int last =
        share.count > 0 ? std::min(first + share.count - 1, v.iterations) : v.iterations;
    const float scale = v.resMin / 1000.0f;
    BatchStart b;
    Vec4 sumsA[kBatch], sumsB[kBatch];
    // Column by column down the band: the texels a batch's samples read are
    // mostly those the batch above it read, still in the cache.
    for (int x0 = 0; x0 < f2->width; x0 += kBatch) {
        const int n = std::min(kBatch, f2->width - x0);
        for (int y = y0; y < y1; ++y) {
            float* row = f2->Row(y);
            const float py = (static_cast<float>(y) + 0.5f) / static_cast<float>(f2->height) - 0.5f;
            for (int i = 0; i < n; ++i) {
                const float ux =
                    (static_cast<float>(x0 + i) + 0.5f) / static_cast<float>(f2->width);
                b.px[i] = (ux - 0.5f) / v.aspect;
                b.py[i] = py;
                b.qx[i] = b.px[i] * v.aspect;
                b.qy[i] = py * v.aspect;
                const float radial = v.aspect * (b.px[i] * b.px[i] + py * py) * scale;
                b.base[i] = 1.0f + radial * v.uniformStart;
                b.stepA[i] = radial * (v.uniformStep + v.distortStep);
                b.stepB[i] = radial * (v.uniformStep + v.distortStep * 2.0f);
                sumsA[i] = sumsB[i] = Vec4::Zero();
            }
            if (share.straight == 0 && first <= last) {
                LoopSums(planeA, planeB, v, b, n, first, last, sumsA, sumsB);
            }
            for (int i = 0; i < n; ++i) {
                float sums[4];
                if (share.straight != 0) {
                    const float t[2] = {b.qx[i], py};
                    const float start[2] = {b.base[i] * t[0] + 0.5f, b.base[i] * t[1] + 0.5f};
                    const float skewStep = v.skewX * (b.base[i] * py);
                    const float stepA[2] = {b.stepA[i] * t[0] + v.posStep[0] + skewStep,
                                            b.stepA[i] * t[1] + v.posStep[1]};
                    const float stepB[2] = {b.stepB[i] * t[0] - v.posStep[0] + skewStep * 2.0f,
                                            b.stepB[i] * t[1] - v.posStep[1]};
                    float a[4], c[4];
                    StraightSum(f1, share.straight, start, stepA, first, last).ToArray(a);
                    StraightSum(f1, share.straight, start, stepB, first, last).ToArray(c);
                    sums[0] = a[colourA], sums[1] = a[3], sums[2] = c[colourB], sums[3] = c[3];
                } else {
                    PairChannels(sumsA[i], &sums[0], &sums[1]);
                    PairChannels(sumsB[i], &sums[2], &sums[3]);
                }
                const Vec4 packed = v.m * Vec4::Load(sums);
                float* out = row + std::size_t(x0 + i) * 4;
                (share.add ? packed + Vec4::Load(out) : packed).Store(out);
            }
        }
    }
}

}  // namespace cpu
