#pragma once

#include "simhost/Image.h"

// What the tool does to a layer's pixels on their way to and from the
// module, as a host would. All return new images and leave the source as it
// is; 8-bit, 16-bit (0 to 32768) and float images.

// One pixel as straight red, green, blue, alpha, where 1 is full: 8-bit
// values / 255, 16-bit values / 32768, float values as they are.
void PixelRGBA(const simhost::Image& image, A_long x, A_long y, double rgba[4]);

// Stores straight red, green, blue, alpha (1 is full) into one pixel: 8-bit
// round(clamp(v, 0, 1) x 255), 16-bit round(clamp(v, 0, 1) x 32768), float
// values as they are.
void SetPixelRGBA(simhost::Image* image, A_long x, A_long y, const double rgba[4]);

// Box-filters `full` down by an integer factor (1 or less: a copy), as a host hands
// the layer at a lower resolution: each pixel is the mean of the source
// pixels it covers, the last row and column covering what is left.
simhost::Image Downsampled(const simhost::Image& full, int factor);

// The part of `output` (whose top-left lies at `left`, `top` in layer
// coordinates) that covers the layer (0, 0) to (width, height); pixels the
// output does not cover stay transparent.
simhost::Image Cropped(const simhost::Image& output, A_long left, A_long top, A_long width,
                       A_long height);
