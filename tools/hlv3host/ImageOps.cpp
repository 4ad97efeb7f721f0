#include "tools/hlv3host/ImageOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A pixel's channels alpha, red, green, blue in the format's own units.
void RawChannels(const simhost::Image& image, A_long x, A_long y, double argb[4]) {
    if (image.format == PF_PixelFormat_ARGB128) {
        const PF_PixelFloat& p = image.AtFloat(x, y);
        argb[0] = p.alpha, argb[1] = p.red, argb[2] = p.green, argb[3] = p.blue;
    } else if (image.format == PF_PixelFormat_ARGB64) {
        const PF_Pixel16& p = image.At16(x, y);
        argb[0] = p.alpha, argb[1] = p.red, argb[2] = p.green, argb[3] = p.blue;
    } else {
        const PF_Pixel& p = image.At8(x, y);
        argb[0] = p.alpha, argb[1] = p.red, argb[2] = p.green, argb[3] = p.blue;
    }
}

// Stores channels in the format's own units, rounded for the integer ones.
void SetRawChannels(simhost::Image* image, A_long x, A_long y, const double argb[4]) {
    if (image->format == PF_PixelFormat_ARGB128) {
        image->AtFloat(x, y) =
            PF_PixelFloat{static_cast<float>(argb[0]), static_cast<float>(argb[1]),
                          static_cast<float>(argb[2]), static_cast<float>(argb[3])};
        return;
    }
    long n[4];
    for (int c = 0; c < 4; ++c) {
        n[c] = std::lround(argb[c]);
    }
    if (image->format == PF_PixelFormat_ARGB64) {
        image->At16(x, y) = PF_Pixel16{static_cast<A_u_short>(n[0]), static_cast<A_u_short>(n[1]),
                                       static_cast<A_u_short>(n[2]), static_cast<A_u_short>(n[3])};
    } else {
        image->At8(x, y) = PF_Pixel{static_cast<A_u_char>(n[0]), static_cast<A_u_char>(n[1]),
                                    static_cast<A_u_char>(n[2]), static_cast<A_u_char>(n[3])};
    }
}

// The value of a full channel in the format's own units.
double FullOf(PF_PixelFormat format) {
    return format == PF_PixelFormat_ARGB128
               ? 1.0
               : (format == PF_PixelFormat_ARGB64 ? PF_MAX_CHAN16 : 255.0);
}

}  // namespace

void PixelRGBA(const simhost::Image& image, A_long x, A_long y, double rgba[4]) {
    double argb[4];
    RawChannels(image, x, y, argb);
    const double full = FullOf(image.format);
    rgba[0] = argb[1] / full, rgba[1] = argb[2] / full, rgba[2] = argb[3] / full;
    rgba[3] = argb[0] / full;
}

void SetPixelRGBA(simhost::Image* image, A_long x, A_long y, const double rgba[4]) {
    const double full = FullOf(image->format);
    const bool clamp = image->format != PF_PixelFormat_ARGB128;
    const auto v = [full, clamp](double c) { return clamp ? std::clamp(c, 0.0, 1.0) * full : c; };
    const double argb[4] = {v(rgba[3]), v(rgba[0]), v(rgba[1]), v(rgba[2])};
    SetRawChannels(image, x, y, argb);
}

simhost::Image Downsampled(const simhost::Image& full, int factor) {
    if (factor <= 1) {
        return full;
    }
    const A_long w = (full.width + factor - 1) / factor;
    const A_long h = (full.height + factor - 1) / factor;
    simhost::Image out = simhost::Image::Make(w, h, full.format);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            double sum[4] = {0, 0, 0, 0};
            int n = 0;
            for (A_long sy = y * factor; sy < std::min<A_long>((y + 1) * factor, full.height);
                 ++sy) {
                for (A_long sx = x * factor; sx < std::min<A_long>((x + 1) * factor, full.width);
                     ++sx) {
                    double p[4];
                    RawChannels(full, sx, sy, p);
                    for (int c = 0; c < 4; ++c) {
                        sum[c] += p[c];
                    }
                    ++n;
                }
            }
            for (double& c : sum) {
                c /= n;
            }
            SetRawChannels(&out, x, y, sum);
        }
    }
    return out;
}

simhost::Image Cropped(const simhost::Image& output, A_long left, A_long top, A_long width,
                       A_long height) {
    simhost::Image out = simhost::Image::Make(width, height, output.format);
    const A_long bytes = simhost::BytesPerPixel(output.format);
    for (A_long y = 0; y < height; ++y) {
        const A_long sy = y - top;
        if (sy < 0 || sy >= output.height) {
            continue;
        }
        const A_long x0 = std::max<A_long>(0, left), x1 = std::min(width, left + output.width);
        if (x0 < x1) {
            std::memcpy(out.Row(y) + x0 * bytes, output.Row(sy) + (x0 - left) * bytes,
                        static_cast<size_t>((x1 - x0) * bytes));
        }
    }
    return out;
}
