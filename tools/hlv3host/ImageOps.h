#pragma once

#include "simhost/Image.h"

// What the tool does to a layer's pixels on their way to and from the
// module, as a host would. Both return new images and leave the source as it
// is; 8-bit and float images only.

// Box-filters `full` down by an integer factor (1 or less: a copy), as a host hands
// the layer at a lower resolution: each pixel is the mean of the source
// pixels it covers, the last row and column covering what is left.
simhost::Image Downsampled(const simhost::Image& full, int factor);

// The part of `output` (whose top-left lies at `left`, `top` in layer
// coordinates) that covers the layer (0, 0) to (width, height); pixels the
// output does not cover stay transparent.
simhost::Image Cropped(const simhost::Image& output, A_long left, A_long top, A_long width,
                       A_long height);
