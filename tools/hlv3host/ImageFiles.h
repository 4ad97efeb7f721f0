#pragma once

#include <cstdint>
#include <string>

#include "simhost/Image.h"

// Still images on disk for the host tool. Layer pixels are straight
// (unassociated) and no colour conversion is made: the values in the file are
// the values rendered.
//
// PNG (straight colour): 8- and 16-bit files; grey and palette files are
// expanded to RGBA, a missing alpha is opaque. File values v of 0 to 65535
// (or 255) become round(v x 32768 / 65535) in a 16-bit image, v / 65535 in a
// float one; written back as round(v x 65535 / 32768).
// OpenEXR (premultiplied colour, as OpenEXR defines it): R, G, B and A of any
// pixel type (a missing A is opaque, missing colour is 0); a file with none
// of the four is refused. The layer is the display window; the data window's
// pixels keep their place in it. Colour is divided by alpha on reading
// (where alpha > 0) and multiplied by it on writing.
//
// On failure the functions return false and leave a one-line reason in *error.

enum class ImageKind { kNone, kPng, kExr };

// By the file name's extension (.png, .exr; any case).
ImageKind KindOf(const std::string& path);

struct ReadResult {
    simhost::Image image;
    int fileBits = 0;  // bits per channel in the file: 8 or 16 (PNG), 16 or 32 (EXR)
};

// Reads the file into an image of `bpc` bits per channel (8, 16 or 32); 0
// takes the file's own: 8 or 16 for PNG, 32 for OpenEXR.
bool ReadImageFile(const std::string& path, int bpc, ReadResult* result, std::string* error);

// What a file's header says, before any pixel is read.
struct ImageHeader {
    int fileBits = 0;
    // The layer's size, and the pixels the reader holds at once while reading.
    int64_t width = 0;
    int64_t height = 0;
    int64_t storedPixels = 0;
};

// Reads only the file's header: true when it is a PNG or an OpenEXR file
// with something to read. Cheap enough to run over a whole sequence before
// its first frame renders.
bool CheckImageFile(const std::string& path, ImageHeader* header, std::string* error);

struct WriteOptions {
    // Bits per channel in the file: PNG 8 or 16, EXR 16 (half) or 32 (float).
    int bits = 0;
    // Where the image's top-left pixel lies in layer coordinates (PNG oFFs
    // chunk, EXR data window), and the layer's size (EXR display window).
    int originX = 0;
    int originY = 0;
    int layerWidth = 0;
    int layerHeight = 0;
};

// The file is written at `path` in the format `kind` (the caller names a
// temporary file and renames it). PNG clamps to [0, 1]; EXR stores values as
// they are, premultiplied (half turns values beyond 65504 into infinities,
// so it is only used on request).
bool WriteImageFile(const std::string& path, ImageKind kind, const simhost::Image& image,
                    const WriteOptions& options, std::string* error);

bool HasExtension(const std::string& path, const char* extension);
