#include "tools/hlv3host/TestCard.h"

#include <algorithm>
#include <cmath>

namespace {

struct Rgba {
    float r, g, b, a;
};

float Coverage(float signedDistance) {
    // One pixel of anti-aliasing across the edge.
    return std::min(std::max(0.5f - signedDistance, 0.f), 1.f);
}

Rgba Over(const Rgba& top, const Rgba& under) {
    const float a = top.a + under.a * (1.f - top.a);
    if (a <= 0.f) {
        return {0, 0, 0, 0};
    }
    auto mix = [&](float t, float u) { return (t * top.a + u * under.a * (1.f - top.a)) / a; };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), a};
}

Rgba CardPixel(float x, float y, float w, float h) {
    const float margin = std::min(w, h) * 0.1f;
    const float radius = std::min(w, h) * 0.08f;
    // Rounded panel.
    const float qx = std::max(std::fabs(x - w * 0.5f) - (w * 0.5f - margin - radius), 0.f);
    const float qy = std::max(std::fabs(y - h * 0.5f) - (h * 0.5f - margin - radius), 0.f);
    const float panelDist = std::sqrt(qx * qx + qy * qy) - radius;
    const float u = x / w;
    const float v = y / h;
    Rgba c = {0.05f + 0.10f * u, 0.06f + 0.05f * v, 0.16f + 0.12f * (1.f - u), Coverage(panelDist)};
    // White bars, upper left.
    for (int i = 0; i < 4; ++i) {
        const float bx0 = w * (0.18f + 0.05f * i);
        const float bx1 = bx0 + w * (0.012f + 0.006f * i);
        const float inside = (x >= bx0 && x < bx1 && y >= h * 0.22f && y < h * 0.58f) ? 1.f : 0.f;
        c = Over({1, 1, 1, inside * c.a}, c);
    }
    // Ring, right half.
    const float cx = w * 0.66f, cy = h * 0.45f, rr = std::min(w, h) * 0.2f;
    const float d = std::fabs(std::hypot(x - cx, y - cy) - rr) - std::min(w, h) * 0.018f;
    c = Over({0.95f, 0.95f, 0.92f, Coverage(d) * c.a}, c);
    // Colour patches along the bottom.
    const Rgba patches[6] = {{1, 0.1f, 0.1f, 1}, {1, 0.8f, 0.1f, 1}, {0.2f, 0.9f, 0.2f, 1},
                             {0.1f, 0.8f, 1, 1}, {0.2f, 0.3f, 1, 1}, {0.9f, 0.2f, 0.9f, 1}};
    for (int i = 0; i < 6; ++i) {
        const float px0 = w * (0.2f + 0.1f * i);
        const bool inside = x >= px0 && x < px0 + w * 0.08f && y >= h * 0.7f && y < h * 0.8f;
        if (inside) {
            c = Over({patches[i].r, patches[i].g, patches[i].b, c.a}, c);
        }
    }
    return c;
}

}  // namespace

simhost::Image MakeTestCard(A_long width, A_long height, int depth) {
    simhost::Image img = simhost::Image::Make(width, height, simhost::FormatOfDepth(depth));
    for (A_long y = 0; y < height; ++y) {
        for (A_long x = 0; x < width; ++x) {
            const Rgba c = CardPixel(x + 0.5f, y + 0.5f, static_cast<float>(width),
                                     static_cast<float>(height));
            if (depth == 32) {
                img.AtFloat(x, y) = PF_PixelFloat{c.a, c.r, c.g, c.b};
            } else if (depth == 16) {
                const auto q = [](float v) {
                    return static_cast<A_u_short>(std::lround(v * 32768.f));
                };
                img.At16(x, y) = PF_Pixel16{q(c.a), q(c.r), q(c.g), q(c.b)};
            } else {
                const auto q = [](float v) {
                    return static_cast<A_u_char>(std::lround(v * 255.f));
                };
                img.At8(x, y) = PF_Pixel{q(c.a), q(c.r), q(c.g), q(c.b)};
            }
        }
    }
    return img;
}
