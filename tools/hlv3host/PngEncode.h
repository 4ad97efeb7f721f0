#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// An RGBA PNG file, 8 or 16 bits per channel, not interlaced.
struct PngRows {
    // Writes row `y` (`width` * 4 samples in the file's byte order, 16-bit
    // samples big-endian) to `out`. Called on several threads at once, for
    // every row once and for the row above each stripe once more, so it may
    // only read what it shares.
    std::function<void(int y, unsigned char* out)> fill;
    int width = 0;
    int height = 0;
    int bits = 8;
    // Where the top-left pixel lies in layer coordinates: the oFFs chunk.
    int originX = 0;
    int originY = 0;
};

// Writes signature, IHDR, oFFs, IDAT and IEND to `file`. Each row gets the
// filter with the smallest sum of absolute differences, as libpng chooses
// it; the rows are deflated at zlib's default level in stripes of whole rows
// of about kPngStripeBytes, one stripe per thread at a time, joined by sync
// flushes into the single zlib stream the format asks for. The stripes
// follow from the image alone, so an image gives the same file on every
// machine. False with a short reason in *error, in libpng's words ("Invalid
// IHDR data" for an empty image, "zlib error", "Write Error"), when the image
// is empty or compressing or writing fails; what was written stays in `file`
// for the caller to remove.
bool WritePngRows(std::FILE* file, const PngRows& rows, std::string* error);

// Raw (filtered) bytes per stripe, at least one row.
constexpr size_t kPngStripeBytes = size_t{2} << 20;
