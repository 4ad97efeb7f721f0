#include "render/Expansion.h"

#include <algorithm>
#include <cmath>

#include "render/ParamValues.h"
#include "render/RectMath.h"

ExpansionValues DeriveExpansion(const ParamValues& p, double s) {
    ExpansionValues e;
    e.positionPixels = p.position * s;
    e.rotationDegrees = p.rotation / 65536.0;
    e.blurMargin = TruncToInt(std::ceil(p.blur * s));
    e.limit = TruncToInt(std::ceil(p.expansionLimit * s));
    e.aux = std::ceil(p.auxExpansion * s);
    double k = std::max(std::fabs(p.scale * 0.01), 0.00001);
    if (k < 1.0) {
        k = 1.0 / k;
    }
    e.scaleExtent = k;
    return e;
}

int32_t InputMargin(const ParamValues& p, const ExpansionValues& e, bool adjustmentLayer) {
    if (adjustmentLayer) {
        return 0;
    }
    switch (p.expansionMode) {
        case EXPANSION_AUTO:
            return TruncToInt(
                std::min(static_cast<double>(e.limit), std::ceil(std::fabs(e.positionPixels))));
        case EXPANSION_MANUAL:
            return TruncToInt(e.aux);
        default:
            return 0;
    }
}

int32_t OutputMargin(const ParamValues& p, const ExpansionValues& e, int32_t w, int32_t h) {
    switch (p.expansionMode) {
        case EXPANSION_AUTO: {
            const PointF corners[4] = {{0.0, 0.0},
                                       {static_cast<double>(w), 0.0},
                                       {0.0, static_cast<double>(h)},
                                       {static_cast<double>(w), static_cast<double>(h)}};
            const PointF centre = {w * 0.5, h * 0.5};
            const IntRect r1 =
                Coords2Rect(corners, e.positionPixels, e.rotationDegrees, e.scaleExtent, centre);
            IntRect u =
                Coords2Rect(corners, -e.positionPixels, -e.rotationDegrees, e.scaleExtent, centre);
            UnionLRect(r1, &u);
            // A tiny scale of a huge layer spans more than 32 bits: widths and
            // the margin sum are taken in double.
            const double ex = std::ceil((static_cast<double>(u.right) - u.left - w) * 0.5);
            const double ey = std::ceil((static_cast<double>(u.bottom) - u.top - h) * 0.5);
            // Both channels' union never lies inside the layer; only values
            // no host sends (NaN, infinities, a negative blur) could make the
            // margin negative, and the output must still cover the layer.
            const double m =
                std::max(0.0, static_cast<double>(TruncToInt(std::max(ex, ey))) + e.blurMargin);
            return TruncToInt(std::min(m, static_cast<double>(e.limit)) + e.aux);
        }
        case EXPANSION_MANUAL:
            return TruncToInt(e.aux);
        default:
            return 0;
    }
}

IntRect AdjustmentLayerRect(int32_t width, int32_t height, const Ratio& downsampleX) {
    const double s = static_cast<double>(downsampleX.num) / static_cast<double>(downsampleX.den);
    IntRect r;
    r.left = 0;
    r.top = 0;
    r.right = TruncToInt(std::ceil(width * s));
    r.bottom = TruncToInt(std::ceil(height * s));
    return r;
}
