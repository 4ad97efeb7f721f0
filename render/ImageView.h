#pragma once

#include <cstddef>
#include <cstdint>

// Pixels owned elsewhere, as the frame reads or writes them: `height` rows of
// `width` pixels, rows `rowBytes` apart (at least width x BytesPerPixel), four
// channels of `depth` bits each: 8 (unsigned bytes), 16 (unsigned, 0 to 32768
// as the host counts them: 32768 is 1) or 32 (floats). The
// top-left pixel lies at (originX, originY) in layer coordinates. The channel
// order is the user's to state: the frame's input is RGBA in memory, its
// output is the host's alpha-first order.
struct ImageView {
    void* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::ptrdiff_t rowBytes = 0;
    int depth = 8;
    int32_t originX = 0;
    int32_t originY = 0;
};

// Bytes per pixel of a view of the given depth (8, 16 or 32).
inline int BytesPerPixel(int depth) {
    return depth == 32 ? 16 : depth == 16 ? 8 : 4;
}
