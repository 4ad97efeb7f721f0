#include "host/CopyIn.h"

namespace {

// The host's ARGB members, written in RGBA memory order.
template <typename Pixel>
PF_Err ToRGBAOrder(const Pixel* in, Pixel* out) {
    const Pixel src = *in;
    out->alpha = src.red;
    out->red = src.green;
    out->green = src.blue;
    out->blue = src.alpha;
    return PF_Err_NONE;
}

}  // namespace

PF_Err CopyPixel8In(void* /*refcon*/, A_long /*x*/, A_long /*y*/, PF_Pixel* in, PF_Pixel* out) {
    return ToRGBAOrder(in, out);
}

PF_Err CopyPixelFloatIn(void* /*refcon*/, A_long /*x*/, A_long /*y*/, PF_PixelFloat* in,
                        PF_PixelFloat* out) {
    const PF_PixelFloat src = *in;
    const PF_FpShort r = src.red > 0.f ? src.red : 0.f;
    const PF_FpShort g = src.green > 0.f ? src.green : 0.f;
    const PF_FpShort b = src.blue > 0.f ? src.blue : 0.f;
    out->alpha = r;
    out->red = g;
    out->green = b;
    out->blue = src.alpha;
    return PF_Err_NONE;
}

PF_Err CopyPixel16In(void* /*refcon*/, A_long /*x*/, A_long /*y*/, PF_Pixel16* in,
                     PF_Pixel16* out) {
    return ToRGBAOrder(in, out);
}
