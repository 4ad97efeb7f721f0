#pragma once

#include "host/HostInterface.h"

// Iterate callbacks of the copy-in: reorder one alpha-first host pixel into
// RGBA memory order in the destination. Stateless (refcon unused), so the host
// may run them in any order and in parallel; the source is only read.
// 8-bit: bytes are copied as they are.
PF_Err CopyPixel8In(void* refcon, A_long x, A_long y, PF_Pixel* in, PF_Pixel* out);
// Float: red, green and blue become 0 unless greater than 0 (negatives and
// NaN); values above 1 and the alpha pass unchanged.
PF_Err CopyPixelFloatIn(void* refcon, A_long x, A_long y, PF_PixelFloat* in, PF_PixelFloat* out);
// 16-bit: values are copied as they are (0 to 32768).
PF_Err CopyPixel16In(void* refcon, A_long x, A_long y, PF_Pixel16* in, PF_Pixel16* out);
