#include "tools/hlv3host/ImageOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

simhost::Image Downsampled(const simhost::Image& full, int factor) {
    if (factor <= 1) {
        return full;
    }
    const A_long w = (full.width + factor - 1) / factor;
    const A_long h = (full.height + factor - 1) / factor;
    simhost::Image out = simhost::Image::Make(w, h, full.format);
    const bool isFloat = full.format == PF_PixelFormat_ARGB128;
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            double sum[4] = {0, 0, 0, 0};
            int n = 0;
            for (A_long sy = y * factor; sy < std::min<A_long>((y + 1) * factor, full.height);
                 ++sy) {
                for (A_long sx = x * factor; sx < std::min<A_long>((x + 1) * factor, full.width);
                     ++sx) {
                    if (isFloat) {
                        const PF_PixelFloat& p = full.AtFloat(sx, sy);
                        sum[0] += p.alpha, sum[1] += p.red, sum[2] += p.green, sum[3] += p.blue;
                    } else {
                        const PF_Pixel& p = full.At8(sx, sy);
                        sum[0] += p.alpha, sum[1] += p.red, sum[2] += p.green, sum[3] += p.blue;
                    }
                    ++n;
                }
            }
            if (isFloat) {
                PF_PixelFloat& d = out.AtFloat(x, y);
                d.alpha = static_cast<float>(sum[0] / n);
                d.red = static_cast<float>(sum[1] / n);
                d.green = static_cast<float>(sum[2] / n);
                d.blue = static_cast<float>(sum[3] / n);
            } else {
                PF_Pixel& d = out.At8(x, y);
                d.alpha = static_cast<A_u_char>(std::lround(sum[0] / n));
                d.red = static_cast<A_u_char>(std::lround(sum[1] / n));
                d.green = static_cast<A_u_char>(std::lround(sum[2] / n));
                d.blue = static_cast<A_u_char>(std::lround(sum[3] / n));
            }
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
