#pragma once

#include <string>

#include "simhost/Image.h"

// Still images on disk for the host tool. Pixels are kept straight
// (unassociated), as the files hold them, and no colour conversion is made:
// the values in the file are the values rendered.
//
// PNG: 8-bit files are read into 8-bit images; 16-bit files into float images
// (value / 65535), since the effect renders 8-bit and 32-bit float only. Grey
// and palette files are expanded to RGBA; a missing alpha is opaque.
// OpenEXR: R, G, B and A of any pixel type are read into float images (a
// missing A is opaque, missing colour is 0); a file with none of the four is
// refused. The data window is the image.
//
// On failure the functions return false and leave a one-line reason in *error.

enum class ImageKind { kNone, kPng, kExr };

// By the file name's extension (.png, .exr; any case).
ImageKind KindOf(const std::string& path);

struct ReadResult {
    simhost::Image image;
    int fileBits = 0;  // bits per channel in the file: 8 or 16 (PNG), 16 or 32 (EXR)
};

bool ReadImageFile(const std::string& path, ReadResult* result, std::string* error);

// Reads only the file's header: true when it is a PNG or an OpenEXR file
// with something to read. Cheap enough to run over a whole sequence before
// its first frame renders.
bool CheckImageFile(const std::string& path, std::string* error);

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
// they are (half turns values beyond 65504 into infinities, so it is only
// used on request).
bool WriteImageFile(const std::string& path, ImageKind kind, const simhost::Image& image,
                    const WriteOptions& options, std::string* error);

bool HasExtension(const std::string& path, const char* extension);
