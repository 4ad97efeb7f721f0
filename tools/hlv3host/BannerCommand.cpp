// `hlv3host banner OUT.png`: writes the effect-controls banner as a PNG so it
// can be looked at outside the host.

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "host/Banner.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/ImageFiles.h"

namespace {

// Owns the open file and the libpng write state; closes both on every path.
struct PngWriter {
    std::FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;

    ~PngWriter() {
        if (png != nullptr) {
            png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        }
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

// The banner rows as PNG wants them: red, green, blue, alpha. The banner's
// alpha is straight, as is PNG's, so the colour bytes are only reordered.
std::vector<png_byte> BannerAsRgba() {
    std::vector<png_byte> rgba(kBannerBytes);
    for (std::size_t i = 0; i < kBannerBytes; i += 4) {
        rgba[i + 0] = kBannerImage[i + 2];
        rgba[i + 1] = kBannerImage[i + 1];
        rgba[i + 2] = kBannerImage[i + 0];
        rgba[i + 3] = kBannerImage[i + 3];
    }
    return rgba;
}

// Returns true when the whole file was written. libpng reports errors by
// longjmp, so nothing with a destructor lives inside this function.
bool WritePng(PngWriter* w, png_byte* rows[]) {
    if (setjmp(png_jmpbuf(w->png))) {
        return false;
    }
    png_init_io(w->png, w->file);
    png_set_IHDR(w->png, w->info, kBannerWidth, kBannerHeight, 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(w->png, w->info);
    png_write_image(w->png, rows);
    png_write_end(w->png, nullptr);
    return true;
}

}  // namespace

int RunBanner(int argc, char** argv) {
    const char* const usage =
        "usage: hlv3host banner OUT.png\n"
        "  writes the effect-controls header image as a PNG\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(usage, stderr);
        return 2;
    }
    const char* path = argv[1];
    if (!HasExtension(path, ".png")) {
        std::fprintf(stderr,
                     "hlv3host banner: %s: the banner is written as PNG; name a .png file\n", path);
        return 2;
    }
    std::vector<png_byte> rgba = BannerAsRgba();
    std::vector<png_byte*> rows(kBannerHeight);
    for (int y = 0; y < kBannerHeight; ++y) {
        rows[y] = rgba.data() + static_cast<std::size_t>(y) * kBannerRowBytes;
    }

    PngWriter w;
    w.file = std::fopen(path, "wb");
    if (w.file == nullptr) {
        std::perror(path);
        return 1;
    }
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (w.png != nullptr) {
        w.info = png_create_info_struct(w.png);
    }
    if (w.info == nullptr || !WritePng(&w, rows.data())) {
        std::fprintf(stderr, "%s: could not write the PNG\n", path);
        return 1;
    }
    if (std::fflush(w.file) != 0) {
        std::perror(path);
        return 1;
    }
    std::printf("wrote %s (%d x %d, straight alpha)\n", path, kBannerWidth, kBannerHeight);
    return 0;
}
