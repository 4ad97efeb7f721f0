#include "simhost/Image.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace simhost {

A_long BytesPerPixel(PF_PixelFormat format) {
    switch (format) {
        case PF_PixelFormat_ARGB32:
            return 4;
        case PF_PixelFormat_ARGB64:
            return 8;
        case PF_PixelFormat_ARGB128:
            return 16;
        default:
            return 0;
    }
}

short BitDepthOf(PF_PixelFormat format) {
    switch (format) {
        case PF_PixelFormat_ARGB32:
            return 8;
        case PF_PixelFormat_ARGB64:
            return 16;
        case PF_PixelFormat_ARGB128:
            return 32;
        default:
            return 0;
    }
}

PF_PixelFormat FormatOfDepth(int bits) {
    return bits == 32 ? PF_PixelFormat_ARGB128
                      : (bits == 16 ? PF_PixelFormat_ARGB64 : PF_PixelFormat_ARGB32);
}

namespace {

[[noreturn]] void TestFault(const char* what) {
    std::fprintf(stderr, "simhost: test fault: %s\n", what);
    std::abort();
}

}  // namespace

Image Image::Make(A_long width, A_long height, PF_PixelFormat format, A_long paddingBytes) {
    if (width < 0 || height < 0 || paddingBytes < 0 || BytesPerPixel(format) == 0) {
        TestFault("Image::Make with a negative size or an unsupported pixel format");
    }
    Image image;
    image.width = width;
    image.height = height;
    image.format = format;
    image.rowbytes = width * BytesPerPixel(format) + paddingBytes;
    image.bytes.assign(static_cast<std::size_t>(image.rowbytes) * static_cast<std::size_t>(height),
                       0);
    return image;
}

PF_Pixel& Image::At8(A_long x, A_long y) {
    if (format != PF_PixelFormat_ARGB32 || x < 0 || y < 0 || x >= width || y >= height) {
        TestFault("Image::At8 outside the image or on a non-8-bit image");
    }
    return reinterpret_cast<PF_Pixel*>(Row(y))[x];
}

const PF_Pixel& Image::At8(A_long x, A_long y) const {
    return const_cast<Image*>(this)->At8(x, y);
}

PF_PixelFloat& Image::AtFloat(A_long x, A_long y) {
    if (format != PF_PixelFormat_ARGB128 || x < 0 || y < 0 || x >= width || y >= height) {
        TestFault("Image::AtFloat outside the image or on a non-float image");
    }
    return reinterpret_cast<PF_PixelFloat*>(Row(y))[x];
}

const PF_PixelFloat& Image::AtFloat(A_long x, A_long y) const {
    return const_cast<Image*>(this)->AtFloat(x, y);
}

PF_Pixel16& Image::At16(A_long x, A_long y) {
    if (format != PF_PixelFormat_ARGB64 || x < 0 || y < 0 || x >= width || y >= height) {
        TestFault("Image::At16 outside the image or on a non-16-bit image");
    }
    return reinterpret_cast<PF_Pixel16*>(Row(y))[x];
}

const PF_Pixel16& Image::At16(A_long x, A_long y) const {
    return const_cast<Image*>(this)->At16(x, y);
}

Image Image::FromWorld(const PF_EffectWorld& world, PF_PixelFormat format) {
    Image image = Make(world.width, world.height, format);
    const std::size_t rowSize =
        static_cast<std::size_t>(world.width) * static_cast<std::size_t>(BytesPerPixel(format));
    const unsigned char* src = reinterpret_cast<const unsigned char*>(world.data);
    for (A_long y = 0; y < world.height; ++y) {
        std::memcpy(image.Row(y),
                    src + static_cast<std::size_t>(y) * static_cast<std::size_t>(world.rowbytes),
                    rowSize);
    }
    return image;
}

void Image::CopyInto(PF_EffectWorld& world) const {
    if (world.width != width || world.height != height)
        TestFault("Image::CopyInto a world of another size");
    const std::size_t rowSize =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(BytesPerPixel(format));
    unsigned char* dst = reinterpret_cast<unsigned char*>(world.data);
    for (A_long y = 0; y < height; ++y) {
        std::memcpy(dst + static_cast<std::size_t>(y) * static_cast<std::size_t>(world.rowbytes),
                    Row(y), rowSize);
    }
}

bool Image::SamePixels(const Image& other) const {
    if (width != other.width || height != other.height || format != other.format)
        return false;
    const std::size_t rowSize =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(BytesPerPixel(format));
    for (A_long y = 0; y < height; ++y) {
        if (std::memcmp(Row(y), other.Row(y), rowSize) != 0)
            return false;
    }
    return true;
}

}  // namespace simhost
