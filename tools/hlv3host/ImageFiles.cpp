#include "tools/hlv3host/ImageFiles.h"

#include <png.h>

#include <OpenEXR/ImfArray.h>
#include <OpenEXR/ImfRgbaFile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <strings.h>
#include <vector>

namespace {

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) {
            std::fclose(f);
        }
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

unsigned char ToByte(float v) {
    if (!(v > 0.f)) {
        return 0;
    }
    if (v >= 1.f) {
        return 255;
    }
    return static_cast<unsigned char>(std::lround(v * 255.f));
}

}  // namespace

bool HasExtension(const std::string& path, const char* extension) {
    const size_t n = std::strlen(extension);
    return path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0;
}

bool ReadPNG(const std::string& path, simhost::Image* image, std::string* error) {
    png_image png;
    std::memset(&png, 0, sizeof(png));
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        *error = path + ": " + png.message;
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
        *error = path + ": " + png.message;
        png_image_free(&png);
        return false;
    }
    *image = simhost::Image::Make8(static_cast<A_long>(png.width), static_cast<A_long>(png.height));
    for (A_long y = 0; y < image->height; ++y) {
        for (A_long x = 0; x < image->width; ++x) {
            const unsigned char* s = &rgba[(static_cast<size_t>(y) * image->width + x) * 4];
            PF_Pixel& d = image->At8(x, y);
            d.red = s[0];
            d.green = s[1];
            d.blue = s[2];
            d.alpha = s[3];
        }
    }
    return true;
}

bool ReadEXR(const std::string& path, simhost::Image* image, std::string* error) {
    try {
        Imf::RgbaInputFile file(path.c_str());
        const Imath::Box2i dw = file.dataWindow();
        const int w = dw.max.x - dw.min.x + 1;
        const int h = dw.max.y - dw.min.y + 1;
        Imf::Array2D<Imf::Rgba> pixels(h, w);
        file.setFrameBuffer(&pixels[0][0] - dw.min.x - dw.min.y * w, 1, w);
        file.readPixels(dw.min.y, dw.max.y);
        *image = simhost::Image::MakeFloat(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const Imf::Rgba& s = pixels[y][x];
                PF_PixelFloat& d = image->AtFloat(x, y);
                d.red = s.r;
                d.green = s.g;
                d.blue = s.b;
                d.alpha = s.a;
            }
        }
        return true;
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
        return false;
    }
}

bool ReadImageFile(const std::string& path, simhost::Image* image, std::string* error) {
    if (HasExtension(path, ".png")) {
        return ReadPNG(path, image, error);
    }
    if (HasExtension(path, ".exr")) {
        return ReadEXR(path, image, error);
    }
    *error = path + ": not a .png or .exr file";
    return false;
}

bool WritePNG(const std::string& path, const simhost::Image& image, std::string* error) {
    const bool isFloat = image.format == PF_PixelFormat_ARGB128;
    if (!isFloat && image.format != PF_PixelFormat_ARGB32) {
        *error = "only 8-bit and float images can be written";
        return false;
    }
    std::vector<unsigned char> rgba(static_cast<size_t>(image.width) * image.height * 4);
    for (A_long y = 0; y < image.height; ++y) {
        for (A_long x = 0; x < image.width; ++x) {
            unsigned char* d = &rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            if (isFloat) {
                const PF_PixelFloat& s = image.AtFloat(x, y);
                d[0] = ToByte(s.red);
                d[1] = ToByte(s.green);
                d[2] = ToByte(s.blue);
                d[3] = ToByte(s.alpha);
            } else {
                const PF_Pixel& s = image.At8(x, y);
                d[0] = s.red;
                d[1] = s.green;
                d[2] = s.blue;
                d[3] = s.alpha;
            }
        }
    }
    png_image png;
    std::memset(&png, 0, sizeof(png));
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        *error = path + ": " + png.message;
        return false;
    }
    return true;
}

bool WriteEXR(const std::string& path, const simhost::Image& image, std::string* error) {
    const bool isFloat = image.format == PF_PixelFormat_ARGB128;
    if (!isFloat && image.format != PF_PixelFormat_ARGB32) {
        *error = "only 8-bit and float images can be written";
        return false;
    }
    try {
        Imf::Array2D<Imf::Rgba> pixels(image.height, image.width);
        for (A_long y = 0; y < image.height; ++y) {
            for (A_long x = 0; x < image.width; ++x) {
                Imf::Rgba& d = pixels[y][x];
                if (isFloat) {
                    const PF_PixelFloat& s = image.AtFloat(x, y);
                    d = Imf::Rgba(s.red, s.green, s.blue, s.alpha);
                } else {
                    const PF_Pixel& s = image.At8(x, y);
                    d = Imf::Rgba(s.red / 255.f, s.green / 255.f, s.blue / 255.f, s.alpha / 255.f);
                }
            }
        }
        Imf::RgbaOutputFile file(path.c_str(), image.width, image.height, Imf::WRITE_RGBA);
        file.setFrameBuffer(&pixels[0][0], 1, static_cast<size_t>(image.width));
        file.writePixels(image.height);
        return true;
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
        return false;
    }
}

bool WriteImageFile(const std::string& path, const simhost::Image& image, std::string* error) {
    if (HasExtension(path, ".png")) {
        return WritePNG(path, image, error);
    }
    if (HasExtension(path, ".exr")) {
        return WriteEXR(path, image, error);
    }
    *error = path + ": the output must be a .png or .exr file";
    return false;
}
