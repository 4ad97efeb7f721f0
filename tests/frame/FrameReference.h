#pragma once

#include <cstdint>
#include <vector>

#include "render/RenderSettings.h"
#include "tests/support/reference/Image.h"

// CPU reference of a whole frame: copy-in, the three or five passes and the
// read-back, built from the per-program reference. Pixels in and out are in
// the host's alpha-first order, as floats (8-bit values divided by 255).
namespace frameref {

// Host pixel, alpha first.
struct Argb {
    float a = 0.f;
    float r = 0.f;
    float g = 0.f;
    float b = 0.f;
};

struct HostImage {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;  // row 0 first
};

// What the copy-in puts into the first texture: RGBA, colour clamped at 0
// for float input (negatives and NaN), 8-bit input normalised.
hlv3ref::Image CopyIn(const HostImage& input, bool eightBit);

// The frame as read back, before the host's premultiply utility: alpha-first
// floats. For 8-bit output each value is what GL converts to a byte, divided
// by 255 (clamped to [0, 1] and rounded to nearest).
HostImage RenderFrame(const HostImage& input, const RenderSettings& s, int outputWidth,
                      int outputHeight, bool eightBit);

// The host's premultiply utility with the forward flag 0, as the smart render
// calls it on the finished output: colour divided by alpha where alpha > 0
// (8-bit: on byte values, rounded, at most 255).
void UnpremultiplyAsHost(HostImage* image, int depth);

}  // namespace frameref
