#pragma once

#include <string>

#include "simhost/Image.h"

// Still images on disk for the host tool. PNG in and out is 8 bits per
// channel (any PNG is expanded to 8-bit RGBA on reading); OpenEXR is read and
// written as 32-bit float RGBA. Pixels are kept straight (unassociated), as
// the files hold them. On failure the functions return false and leave a
// one-line reason in *error.

bool ReadPNG(const std::string& path, simhost::Image* image, std::string* error);
bool ReadEXR(const std::string& path, simhost::Image* image, std::string* error);
// Picks the reader by the file name's extension (.png, .exr).
bool ReadImageFile(const std::string& path, simhost::Image* image, std::string* error);

// 8-bit images are written as they are; float images are clamped to [0, 1]
// and rounded to 8 bits.
bool WritePNG(const std::string& path, const simhost::Image& image, std::string* error);
// Float images are written as they are; 8-bit images are divided by 255.
bool WriteEXR(const std::string& path, const simhost::Image& image, std::string* error);
// Picks the writer by the file name's extension (.png, .exr).
bool WriteImageFile(const std::string& path, const simhost::Image& image, std::string* error);

bool HasExtension(const std::string& path, const char* extension);
