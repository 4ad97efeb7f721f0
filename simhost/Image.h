#pragma once

// Pixel buffers owned by test code: input layers handed to the simulated host
// and copies of the output worlds it hands back. An Image is a plain value
// (copyable, movable); nothing in it points into host-owned memory.

#include "host/HostInterface.h"

#include <cstddef>
#include <vector>

namespace simhost {

// Bytes of one pixel in the formats the simulated host makes worlds in:
// 4 for PF_PixelFormat_ARGB32, 8 for PF_PixelFormat_ARGB64, 16 for
// PF_PixelFormat_ARGB128; 0 for any other value.
A_long BytesPerPixel(PF_PixelFormat format);

// Bits per channel (8, 16, 32) of those formats, 0 for any other value.
short BitDepthOf(PF_PixelFormat format);

// The format with `bits` per channel: PF_PixelFormat_ARGB128 for 32,
// PF_PixelFormat_ARGB64 for 16, PF_PixelFormat_ARGB32 for any other value.
PF_PixelFormat FormatOfDepth(int bits);

struct Image {
    A_long width = 0;
    A_long height = 0;
    PF_PixelFormat format = PF_PixelFormat_ARGB32;
    A_long rowbytes = 0;               // width * BytesPerPixel(format) + padding
    std::vector<unsigned char> bytes;  // rowbytes * height, row 0 first

    // A zeroed image; paddingBytes are added to every row (padding bytes are
    // part of `bytes` and are zero too).
    static Image Make(A_long width, A_long height, PF_PixelFormat format, A_long paddingBytes = 0);
    static Image Make8(A_long width, A_long height, A_long paddingBytes = 0) {
        return Make(width, height, PF_PixelFormat_ARGB32, paddingBytes);
    }
    static Image MakeFloat(A_long width, A_long height, A_long paddingBytes = 0) {
        return Make(width, height, PF_PixelFormat_ARGB128, paddingBytes);
    }
    static Image Make16(A_long width, A_long height, A_long paddingBytes = 0) {
        return Make(width, height, PF_PixelFormat_ARGB64, paddingBytes);
    }

    // Pixel access; the format must match (checked by assert-free abort with a
    // message, since a mismatch is a fault in the test itself).
    PF_Pixel& At8(A_long x, A_long y);
    const PF_Pixel& At8(A_long x, A_long y) const;
    PF_PixelFloat& AtFloat(A_long x, A_long y);
    const PF_PixelFloat& AtFloat(A_long x, A_long y) const;
    PF_Pixel16& At16(A_long x, A_long y);
    const PF_Pixel16& At16(A_long x, A_long y) const;

    unsigned char* Row(A_long y) {
        return bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowbytes);
    }
    const unsigned char* Row(A_long y) const {
        return bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowbytes);
    }

    // Copies the pixels (not the padding) of a world of the given format.
    static Image FromWorld(const PF_EffectWorld& world, PF_PixelFormat format);
    // Copies this image's pixels into a world of the same size and format;
    // the world's padding bytes are left alone.
    void CopyInto(PF_EffectWorld& world) const;

    // True when both have the same size, format and pixel bytes (padding is
    // not compared).
    bool SamePixels(const Image& other) const;
};

}  // namespace simhost
