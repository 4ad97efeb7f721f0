// The aberrate program on the CPU: the sample loop and the straight-path
// branch, as the GLSL computes them, one fragment at a time.
#include <algorithm>
#include <cmath>

#include "render/cpu/Bilinear.h"
#include "render/cpu/CpuPasses.h"

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
    float r = i - period * std::floor((i + 0.5f) * a.invPeriod);
    if (r >= a.size) {
        r += period - 1.0f - 2.0f * r;
    }
    return std::min(std::max(r, 0.0f), a.size - 1.0f);
}

// The travel cell holding sample j and the first sample beyond it.
void Cell(float j, const Axis& a, float* cell, float* leave) {
    if (a.invRate == 0.0f) {
        *cell = std::floor(a.travel);
        *leave = 3.0e38f;
        return;
    }
    float b = std::min(std::max(std::floor(a.travel + j * a.rate), -1.0e9f), 1.0e9f);
    const float enter = std::ceil((b - a.travel) * a.invRate);
    float out = std::ceil((b + 1.0f - a.travel) * a.invRate);
    if (enter > j) {
        out = enter;
        b -= 1.0f;
    } else if (out <= j) {
        b += 1.0f;
        out = std::ceil((b + 1.0f - a.travel) * a.invRate);
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

// ---- The sample loop.

void LoopSums(const CpuImage& tex, const AberrateValues& v, const float p[2], const float q[2],
              float distortBase, float distortA, float distortB, int first, int last, Vec4* fragA,
              Vec4* fragB) {
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
    Vec4 sumA = Vec4::Zero(), sumB = Vec4::Zero();
    for (int block = first; block <= last; block += 64) {
        const float at = static_cast<float>(block);
        const float c = std::cos(v.rotStep * at);
        const float s = std::sin(v.rotStep * at);
        const float scaleA = std::exp2(v.logScale * (at * v.m));
        const float scaleB = 1.0f / scaleA;
        const float xc = q[0] * c, ys = q[1] * s, yc = p[1] * c, xs = p[0] * s;
        float tAx = scaleA * (xc + ys), tAy = scaleA * (yc - xs);
        float tBx = scaleB * (xc - ys), tBy = scaleB * (yc + xs);
        const int end = std::min(block + 63, last);
        for (int k = block; k <= end; ++k) {
            const float i = static_cast<float>(k);
            const float fa = distortBase + distortA * i;
            const float fb = distortBase + distortB * i;
            float ax = fa * tAx, ay = fa * tAy;
            float bx = fb * tBx, by = fb * tBy;
            ax += ay * (v.skewX * i);
            ay += ax * (v.skewY * i);
            bx += by * (skewX2 * i);
            by += bx * (skewY2 * i);
            const float moveX = v.posStep[0] * i, moveY = v.posStep[1] * i;
            sumA += Bilinear(tex, ax + (0.5f + moveX), ay + (0.5f + moveY));
            sumB += Bilinear(tex, bx + (0.5f - moveX), by + (0.5f - moveY));
            const float nAx = a00 * tAx + a01 * tAy, nAy = a10 * tAx + a11 * tAy;
            const float nBx = b00 * tBx + b01 * tBy, nBy = b10 * tBx + b11 * tBy;
            tAx = nAx, tAy = nAy, tBx = nBx, tBy = nBy;
        }
        if (block > last - 64) {
            break;  // the next block would start beyond the last sample
        }
    }
    *fragA = sumA;
    *fragB = sumB;
}

}  // namespace

void AberrateRows(const RenderSettings& s, const AberrateShare& share, const CpuImage& f1,
                  CpuImage* f2, int y0, int y1) {
    const AberrateValues v = ValuesOf(s);
    const int first = std::max(share.first, 1);
    const int last =
        share.count > 0 ? std::min(first + share.count - 1, v.iterations) : v.iterations;
    const float scale = v.resMin / 1000.0f;
    for (int y = y0; y < y1; ++y) {
        float* row = f2->Row(y);
        const float py = (static_cast<float>(y) + 0.5f) / static_cast<float>(f2->height) - 0.5f;
        for (int x = 0; x < f2->width; ++x) {
            const float ux = (static_cast<float>(x) + 0.5f) / static_cast<float>(f2->width);
            const float p[2] = {(ux - 0.5f) / v.aspect, py};
            const float q[2] = {p[0] * v.aspect, p[1] * v.aspect};
            const float radial = v.aspect * (p[0] * p[0] + p[1] * p[1]) * scale;
            const float distortBase = 1.0f + radial * v.uniformStart;
            const float distortA = radial * (v.uniformStep + v.distortStep);
            const float distortB = radial * (v.uniformStep + v.distortStep * 2.0f);
            Vec4 fragA, fragB;
            if (share.straight != 0) {
                const float t[2] = {q[0], p[1]};
                const float start[2] = {distortBase * t[0] + 0.5f, distortBase * t[1] + 0.5f};
                const float skewStep = v.skewX * (distortBase * p[1]);
                const float stepA[2] = {distortA * t[0] + v.posStep[0] + skewStep,
                                        distortA * t[1] + v.posStep[1]};
                const float stepB[2] = {distortB * t[0] - v.posStep[0] + skewStep * 2.0f,
                                        distortB * t[1] - v.posStep[1]};
                fragA = StraightSum(f1, share.straight, start, stepA, first, last);
                fragB = StraightSum(f1, share.straight, start, stepB, first, last);
            } else if (first <= last) {
                LoopSums(f1, v, p, q, distortBase, distortA, distortB, first, last, &fragA, &fragB);
            } else {
                fragA = fragB = Vec4::Zero();
            }
            float a[4], b[4];
            (v.m * fragA).ToArray(a);
            (v.m * fragB).ToArray(b);
            const float colourA = s.channelMode == 1 || s.channelMode == 2 ? a[0] : a[1];
            const float colourB = s.channelMode == 2 ? b[1] : b[2];
            const Vec4 packed = Vec4::Set(colourA, a[3], colourB, b[3]);
            float* out = row + std::size_t(x) * 4;
            (share.add ? packed + Vec4::Load(out) : packed).Store(out);
        }
    }
}

}  // namespace cpu
