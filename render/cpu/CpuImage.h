#pragma once

#include <cstddef>

#include "render/cpu/FloatPool.h"

// An RGBA float image, row 0 first: what one of the GL backend's RGBA32F
// targets holds. Owns its texels; their values are undefined until a pass
// writes them. Movable, not copyable.
struct CpuImage {
    int width = 0;
    int height = 0;
    // GL_MIRRORED_REPEAT when true, else GL_CLAMP_TO_BORDER (transparent
    // black): how reads outside the image resolve, as the targets' wrap mode.
    bool mirror = true;
    cpu::FloatBuffer texels;

    float* Row(int y) { return texels.get() + std::size_t(y) * std::size_t(width) * 4; }
    const float* Row(int y) const { return texels.get() + std::size_t(y) * std::size_t(width) * 4; }
    const float* At(int x, int y) const { return Row(y) + std::size_t(x) * 4; }
};

// Allocates width x height texels, not cleared. Returns an image with no
// texels when the allocation fails (never throws).
CpuImage MakeCpuImage(int width, int height, bool mirror);
