#pragma once

#include <cmath>

#include "render/cpu/CpuImage.h"
#include "render/cpu/Vec4.h"

// texture(sampler, uv) on a CpuImage as GL filters an RGBA32F texture with
// GL_LINEAR and no mipmaps: texel centres at ((i + 0.5) / width, (j + 0.5) /
// height), full float weights, indices outside resolved by the image's wrap
// mode. Inline: the passes call it per sample.

namespace cpu {

// Mirrored repeat: i mod 2 size folded back at size.
inline int MirrorIndex(int i, int size) {
    const int period = 2 * size;
    int r = i % period;
    if (r < 0) {
        r += period;
    }
    return r < size ? r : period - 1 - r;
}

// Where index i of an axis of `size` reads: the image's own texel, its
// mirror image, or (-1) the transparent border.
inline int WrapIndex(bool mirror, int i, int size) {
    if (i >= 0 && i < size) {
        return i;
    }
    return mirror ? MirrorIndex(i, size) : -1;
}

// Floor of a texel position as an int, kept within a range where index
// arithmetic cannot overflow (far outside, every read is the border or a
// mirrored texel anyway).
inline int FloorIndex(float x) {
    const float c = x < -1.0e9f ? -1.0e9f : (x > 1.0e9f ? 1.0e9f : x);
    const int i = static_cast<int>(c);
    return c < static_cast<float>(i) ? i - 1 : i;
}

// floor and ceil without a call into the maths library, which baseline x86
// code makes for each (no SSE4.1 rounding): the straight path and the hue
// turns take several per fragment. Floats of 2^23 and beyond, NaN and the
// infinities are whole already and come back as they are.
inline float FastFloor(float x) {
    if (!(std::fabs(x) < 8388608.0f)) {
        return x;
    }
    const float t = static_cast<float>(static_cast<int>(x));
    return t > x ? t - 1.0f : t;
}
inline float FastCeil(float x) {
    if (!(std::fabs(x) < 8388608.0f)) {
        return x;
    }
    const float t = static_cast<float>(static_cast<int>(x));
    return t < x ? t + 1.0f : t;
}

inline Vec4 Bilinear(const CpuImage& img, float u, float v) {
    const float px = u * static_cast<float>(img.width) - 0.5f;
    const float py = v * static_cast<float>(img.height) - 0.5f;
    if (!(std::fabs(px) <= 3.0e38f) || !(std::fabs(py) <= 3.0e38f)) {
        return Vec4::Zero();  // NaN or infinite coordinates read nothing
    }
    const int x0 = FloorIndex(px);
    const int y0 = FloorIndex(py);
    const float wx = px - static_cast<float>(x0);
    const float wy = py - static_cast<float>(y0);
    const float w00 = (1.0f - wx) * (1.0f - wy);
    const float w10 = wx * (1.0f - wy);
    const float w01 = (1.0f - wx) * wy;
    const float w11 = wx * wy;
    if (x0 >= 0 && y0 >= 0 && x0 + 1 < img.width && y0 + 1 < img.height) {
        const float* r0 = img.At(x0, y0);
        const float* r1 = r0 + std::size_t(img.width) * 4;
        return w00 * Vec4::Load(r0) + w10 * Vec4::Load(r0 + 4) + w01 * Vec4::Load(r1) +
               w11 * Vec4::Load(r1 + 4);
    }
    int xs[2] = {x0, x0 + 1};
    int ys[2] = {y0, y0 + 1};
    bool in[4] = {true, true, true, true};  // x0, x1, y0, y1 inside
    for (int k = 0; k < 2; ++k) {
        if (img.mirror) {
            xs[k] = MirrorIndex(xs[k], img.width);
            ys[k] = MirrorIndex(ys[k], img.height);
        } else {
            in[k] = xs[k] >= 0 && xs[k] < img.width;
            in[2 + k] = ys[k] >= 0 && ys[k] < img.height;
        }
    }
    const auto texel = [&](int kx, int ky) {
        return in[kx] && in[2 + ky] ? Vec4::Load(img.At(xs[kx], ys[ky])) : Vec4::Zero();
    };
    return w00 * texel(0, 0) + w10 * texel(1, 0) + w01 * texel(0, 1) + w11 * texel(1, 1);
}

}  // namespace cpu
