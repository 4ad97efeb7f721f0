#include "tools/hlv3host/ImageFiles.h"

#include "tools/hlv3host/ImageOps.h"
#include "tools/hlv3host/PngEncode.h"

#include <png.h>

#include <OpenEXR/ImfChannelList.h>
#include <OpenEXR/ImfFrameBuffer.h>
#include <OpenEXR/ImfHeader.h>
#include <OpenEXR/ImfInputFile.h>
#include <OpenEXR/ImfOutputFile.h>
#include <Imath/half.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <strings.h>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Rounds a straight value in [0, 1] to a `maximum`-step integer.
unsigned ToInteger(double v, unsigned maximum) {
    if (!(v > 0.0)) {
        return 0;
    }
    if (v >= 1.0) {
        return maximum;
    }
    return static_cast<unsigned>(std::lround(v * maximum));
}

// libpng's state for one file; destroyed on every path. libpng reports
// errors by longjmp, so the functions that call it keep nothing with a
// destructor on their own frames, and the message lands here.
struct PngState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    char message[256] = "";

    ~PngState() {
        if (png != nullptr) {
            png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
        }
    }
};

void PngError(png_structp png, png_const_charp message) {
    PngState* const state = static_cast<PngState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof(state->message), "%s", message);
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Decodes into RGBA rows of 8 or 16 bits (native byte order). `pixels` and
// `rows` are the caller's, so nothing here needs unwinding.
bool DecodePng(std::FILE* file, PngState* s, std::vector<unsigned char>* pixels,
               std::vector<png_bytep>* rows, png_uint_32* width, png_uint_32* height, int* bits) {
    if (setjmp(png_jmpbuf(s->png))) {
        return false;
    }
    png_init_io(s->png, file);
    png_read_info(s->png, s->info);
    *width = png_get_image_width(s->png, s->info);
    *height = png_get_image_height(s->png, s->info);
    *bits = png_get_bit_depth(s->png, s->info) == 16 ? 16 : 8;
    const int type = png_get_color_type(s->png, s->info);
    png_set_expand(s->png);
    if ((type & PNG_COLOR_MASK_COLOR) == 0) {
        png_set_gray_to_rgb(s->png);
    }
    if ((type & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(s->png, s->info, PNG_INFO_tRNS)) {
        png_set_filler(s->png, *bits == 16 ? 0xFFFF : 0xFF, PNG_FILLER_AFTER);
    }
    if (*bits == 16) {
        png_set_swap(s->png);
    }
    png_set_interlace_handling(s->png);
    png_read_update_info(s->png, s->info);
    const size_t rowBytes = png_get_rowbytes(s->png, s->info);
    if (rowBytes != static_cast<size_t>(*width) * 4 * (*bits / 8)) {
        std::snprintf(s->message, sizeof(s->message), "unexpected PNG layout");
        return false;
    }
    pixels->resize(rowBytes * *height);
    rows->resize(*height);
    for (png_uint_32 y = 0; y < *height; ++y) {
        (*rows)[y] = pixels->data() + rowBytes * y;
    }
    png_read_image(s->png, rows->data());
    png_read_end(s->png, nullptr);
    return true;
}

bool PngHeader(std::FILE* file, PngState* s) {
    if (setjmp(png_jmpbuf(s->png))) {
        return false;
    }
    png_init_io(s->png, file);
    png_read_info(s->png, s->info);
    return true;
}

std::string NotReadablePng(const std::string& path, const PngState& s) {
    return path + ": not a readable PNG (" + s.message + ")";
}

// Opens `path` and makes libpng's read structures for it, both released by
// their owners (*file, *s); false with the reason in *error when either fails.
bool OpenPngForReading(const std::string& path, File* file, PngState* s, std::string* error) {
    file->reset(std::fopen(path.c_str(), "rb"));
    if (!*file) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, s, PngError, PngWarning);
    s->info = s->png != nullptr ? png_create_info_struct(s->png) : nullptr;
    if (s->info == nullptr) {
        *error = NotReadablePng(path, *s);
        return false;
    }
    return true;
}

bool ReadPNG(const std::string& path, int bpc, ReadResult* result, std::string* error) {
    File file;
    PngState s;
    if (!OpenPngForReading(path, &file, &s, error)) {
        return false;
    }
    std::vector<unsigned char> pixels;
    std::vector<png_bytep> rows;
    png_uint_32 w = 0, h = 0;
    int bits = 8;
    if (!DecodePng(file.get(), &s, &pixels, &rows, &w, &h, &bits)) {
        *error = NotReadablePng(path, s);
        return false;
    }
    const A_long width = static_cast<A_long>(w), height = static_cast<A_long>(h);
    result->fileBits = bits;
    const int target = bpc != 0 ? bpc : bits;
    result->image = simhost::Image::Make(width, height, simhost::FormatOfDepth(target));
    const double full = bits == 16 ? 65535.0 : 255.0;
    for (A_long y = 0; y < height; ++y) {
        const unsigned char* row = rows[static_cast<size_t>(y)];
        for (A_long x = 0; x < width; ++x) {
            if (bits == 8 && target == 8) {
                const unsigned char* p = row + x * 4;
                result->image.At8(x, y) = PF_Pixel{p[3], p[0], p[1], p[2]};
                continue;
            }
            double rgba[4];
            for (int c = 0; c < 4; ++c) {
                std::uint16_t v = row[x * 4 + c];
                if (bits == 16) {
                    std::memcpy(&v, row + x * 8 + c * 2, sizeof(v));
                }
                rgba[c] = v / full;
            }
            SetPixelRGBA(&result->image, x, y, rgba);
        }
    }
    return true;
}

bool WritePNG(const std::string& path, const simhost::Image& image, const WriteOptions& o,
              std::string* error) {
    PngRows rows;
    const bool bytesAsTheyAre = o.bits == 8 && image.format == PF_PixelFormat_ARGB32;
    rows.fill = [&image, &o, bytesAsTheyAre](int y, unsigned char* row) {
        const unsigned maximum = o.bits == 16 ? 65535 : 255;
        for (A_long x = 0; x < image.width; ++x, row += o.bits / 2) {
            if (bytesAsTheyAre) {
                const PF_Pixel& p = image.At8(x, y);
                row[0] = p.red, row[1] = p.green, row[2] = p.blue, row[3] = p.alpha;
                continue;
            }
            double v[4];
            PixelRGBA(image, x, y, v);
            for (int c = 0; c < 4; ++c) {
                const unsigned n = ToInteger(v[c], maximum);
                if (o.bits == 16) {
                    row[c * 2] = static_cast<unsigned char>(n >> 8);
                    row[c * 2 + 1] = static_cast<unsigned char>(n);
                } else {
                    row[c] = static_cast<unsigned char>(n);
                }
            }
        }
    };
    rows.width = image.width;
    rows.height = image.height;
    rows.bits = o.bits;
    rows.originX = o.originX;
    rows.originY = o.originY;
    const File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    std::string reason;
    if (!WritePngRows(file.get(), rows, &reason)) {
        *error = path + ": writing the PNG failed (" + reason + ")";
        return false;
    }
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

const char* const kExrChannels[4] = {"R", "G", "B", "A"};

// Bits per channel of the R, G, B and A channels (16 when all are half, else
// 32), or 0 with a reason when the file has none of them.
int ExrBits(const Imf::Header& header, const std::string& path, std::string* error) {
    int bits = 0;
    std::string present;
    for (Imf::ChannelList::ConstIterator c = header.channels().begin();
         c != header.channels().end(); ++c) {
        present += std::string(present.empty() ? "" : ", ") + c.name();
        for (const char* name : kExrChannels) {
            if (std::strcmp(c.name(), name) == 0) {
                bits = std::max(bits, c.channel().type == Imf::HALF ? 16 : 32);
            }
        }
    }
    if (bits == 0) {
        *error = path + ": no R, G, B or A channel to read (the file has " + present + ")";
    }
    return bits;
}

bool ReadEXR(const std::string& path, int bpc, ReadResult* result, std::string* error) {
    try {
        Imf::InputFile file(path.c_str());
        const Imf::Header& header = file.header();
        const Imath::Box2i dw = header.dataWindow();
        const Imath::Box2i display = header.displayWindow();
        const int w = dw.max.x - dw.min.x + 1;
        const int h = dw.max.y - dw.min.y + 1;
        result->fileBits = ExrBits(header, path, error);
        if (result->fileBits == 0) {
            return false;
        }
        // Read as RGBA floats; the frame buffer is addressed in data-window
        // coordinates.
        std::vector<float> rgba(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
        const size_t xStride = 4 * sizeof(float);
        const size_t yStride = xStride * static_cast<size_t>(w);
        // Slice::Make places the buffer at the data window's origin without
        // forming an out-of-range pointer.
        Imf::FrameBuffer frame;
        for (int c = 0; c < 4; ++c) {
            frame.insert(kExrChannels[c], Imf::Slice::Make(Imf::FLOAT, rgba.data() + c, dw, xStride,
                                                           yStride, 1, 1, c == 3 ? 1.0 : 0.0));
        }
        file.setFrameBuffer(frame);
        file.readPixels(dw.min.y, dw.max.y);
        // The layer is the display window; the data window's pixels keep
        // their place in it, those outside it are not part of the layer.
        const int layerW = display.max.x - display.min.x + 1;
        const int layerH = display.max.y - display.min.y + 1;
        result->image =
            simhost::Image::Make(layerW, layerH, simhost::FormatOfDepth(bpc != 0 ? bpc : 32));
        for (int y = std::max(dw.min.y, display.min.y); y <= std::min(dw.max.y, display.max.y);
             ++y) {
            for (int x = std::max(dw.min.x, display.min.x); x <= std::min(dw.max.x, display.max.x);
                 ++x) {
                const float* s =
                    &rgba[(static_cast<size_t>(y - dw.min.y) * w + (x - dw.min.x)) * 4];
                // OpenEXR colour is premultiplied; the layer's is straight.
                const double a = s[3];
                const double k = a > 0.0 ? 1.0 / a : 1.0;
                const double straight[4] = {s[0] * k, s[1] * k, s[2] * k, a};
                SetPixelRGBA(&result->image, x - display.min.x, y - display.min.y, straight);
            }
        }
        return true;
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
        return false;
    }
}

bool WriteEXR(const std::string& path, const simhost::Image& image, const WriteOptions& o,
              std::string* error) {
    const bool half = o.bits == 16;
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4;
    std::vector<float> full(half ? 0 : count);
    std::vector<Imath::half> halves(half ? count : 0);
    for (A_long y = 0; y < image.height; ++y) {
        for (A_long x = 0; x < image.width; ++x) {
            double v[4];
            PixelRGBA(image, x, y, v);
            // OpenEXR colour is premultiplied by alpha.
            v[0] *= v[3], v[1] *= v[3], v[2] *= v[3];
            const size_t at = (static_cast<size_t>(y) * image.width + x) * 4;
            for (int c = 0; c < 4; ++c) {
                if (half) {
                    halves[at + c] = Imath::half(static_cast<float>(v[c]));
                } else {
                    full[at + c] = static_cast<float>(v[c]);
                }
            }
        }
    }
    try {
        const Imath::Box2i display(Imath::V2i(0, 0),
                                   Imath::V2i(o.layerWidth - 1, o.layerHeight - 1));
        const Imath::Box2i data(
            Imath::V2i(o.originX, o.originY),
            Imath::V2i(o.originX + image.width - 1, o.originY + image.height - 1));
        Imf::Header header(display, data);
        const Imf::PixelType type = half ? Imf::HALF : Imf::FLOAT;
        const size_t size = half ? sizeof(Imath::half) : sizeof(float);
        const size_t xStride = 4 * size;
        const size_t yStride = xStride * static_cast<size_t>(image.width);
        const char* const base = half ? reinterpret_cast<const char*>(halves.data())
                                      : reinterpret_cast<const char*>(full.data());
        Imf::FrameBuffer frame;
        for (int c = 0; c < 4; ++c) {
            header.channels().insert(kExrChannels[c], Imf::Channel(type));
            frame.insert(kExrChannels[c],
                         Imf::Slice::Make(type, base + c * size, data, xStride, yStride));
        }
        Imf::OutputFile file(path.c_str(), header);
        file.setFrameBuffer(frame);
        file.writePixels(image.height);
        return true;
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
        return false;
    }
}

}  // namespace

bool HasExtension(const std::string& path, const char* extension) {
    const size_t n = std::strlen(extension);
    return path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0;
}

ImageKind KindOf(const std::string& path) {
    if (HasExtension(path, ".png")) {
        return ImageKind::kPng;
    }
    if (HasExtension(path, ".exr")) {
        return ImageKind::kExr;
    }
    return ImageKind::kNone;
}

bool CheckImageFile(const std::string& path, ImageHeader* header, std::string* error) {
    if (KindOf(path) == ImageKind::kExr) {
        try {
            const Imf::InputFile file(path.c_str());
            const Imath::Box2i dw = file.header().dataWindow();
            const Imath::Box2i display = file.header().displayWindow();
            header->width = int64_t{display.max.x} - display.min.x + 1;
            header->height = int64_t{display.max.y} - display.min.y + 1;
            header->storedPixels =
                (int64_t{dw.max.x} - dw.min.x + 1) * (int64_t{dw.max.y} - dw.min.y + 1);
            header->fileBits = ExrBits(file.header(), path, error);
            return header->fileBits != 0;
        } catch (const std::exception& e) {
            *error = path + ": " + e.what();
            return false;
        }
    }
    if (KindOf(path) == ImageKind::kPng) {
        File file;
        PngState s;
        if (!OpenPngForReading(path, &file, &s, error)) {
            return false;
        }
        if (!PngHeader(file.get(), &s)) {
            *error = NotReadablePng(path, s);
            return false;
        }
        header->width = png_get_image_width(s.png, s.info);
        header->height = png_get_image_height(s.png, s.info);
        header->storedPixels = header->width * header->height;
        header->fileBits = png_get_bit_depth(s.png, s.info) == 16 ? 16 : 8;
        return true;
    }
    *error = path + ": not a .png or .exr file";
    return false;
}

namespace {

bool ReadImage(const std::string& path, int bpc, ReadResult* result, std::string* error) {
    switch (KindOf(path)) {
        case ImageKind::kPng:
            return ReadPNG(path, bpc, result, error);
        case ImageKind::kExr:
            return ReadEXR(path, bpc, result, error);
        case ImageKind::kNone:
            break;
    }
    *error = path + ": not a .png or .exr file";
    return false;
}

}  // namespace

bool ReadImageFile(const std::string& path, int bpc, ReadResult* result, std::string* error) {
    try {
        return ReadImage(path, bpc, result, error);
    } catch (const std::bad_alloc&) {
        *error = path + ": not enough memory to read the image";
        return false;
    }
}

bool WriteImageFile(const std::string& path, ImageKind kind, const simhost::Image& image,
                    const WriteOptions& options, std::string* error) {
    switch (kind) {
        case ImageKind::kPng:
            return WritePNG(path, image, options, error);
        case ImageKind::kExr:
            return WriteEXR(path, image, options, error);
        case ImageKind::kNone:
            break;
    }
    *error = path + ": the output must be a .png or .exr file";
    return false;
}
