#include "render/RenderSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;

int32_t AutomaticSampleCount(const RenderSettings& s, double multiplier) {
    const int32_t a = TruncToInt(std::fabs(s.positionPixels) + 1.0);
    const int32_t b = TruncToInt(a + 2.0 * std::fabs(s.rotationDegrees));
    double m = std::max(std::fabs(s.shearX), std::fabs(s.shearY));
    const double q = std::sqrt(std::fabs(s.aberrateDistort * 0.1 + 50.0));
    if (!(m > q)) {
        m = q;
    }
    const int32_t n = TruncToInt(m * 100.0 + b);
    const int32_t d = TruncToInt(n + 2.0 * std::fabs((1.0 - s.scale) * 100.0));
    return TruncToInt(std::ceil(static_cast<double>(static_cast<float>(d)) * multiplier));
}

int32_t SampleCount(const ParamValues& p, const RenderSettings& s) {
    switch (p.samples) {
        case 1:
            return 1;
        case 4: {
            const int32_t n = TruncToInt(std::ceil(p.sampleCount));
            return TruncToInt(
                std::ceil(static_cast<double>(static_cast<float>(n)) * p.sampleMultiplier));
        }
        default:
            return AutomaticSampleCount(s, p.sampleMultiplier);
    }
}

// Reciprocal of a buffer dimension as the programs' offsets are scaled by it:
// the dimension goes through single precision first.
double Reciprocal(int32_t length) {
    return 1.0 / static_cast<double>(static_cast<float>(length));
}

}  // namespace

BufferGeometry GeometryOf(const ImageView& view) {
    return BufferGeometry{view.width, view.height, view.originX, view.originY};
}

double DownsampleFactor(const Ratio& downsampleX) {
    const float q = static_cast<float>(downsampleX.num) / static_cast<float>(downsampleX.den);
    return static_cast<double>(q);
}

int32_t TruncToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}

float BlurStrideUniform(float stridePixels, int32_t axisLength) {
    return static_cast<float>(static_cast<double>(stridePixels) * Reciprocal(axisLength));
}

RenderSettings DeriveRenderSettings(const ParamValues& p, const Ratio& downsampleX,
                                    const BufferGeometry& input, const BufferGeometry& output) {
    RenderSettings s;
    const double ds = DownsampleFactor(downsampleX);
    s.downsample = ds;

    s.hueOffset = std::fmod((p.hueShift / 65536.0) / 360.0, 1.0);
    s.rotationDegrees = p.rotation / 65536.0;
    s.rotationRadians = s.rotationDegrees * kDegreesToRadians;
    s.scale = std::max(p.scale * 0.01, 0.001);
    s.shearX = p.skewX * 0.01;
    s.shearY = p.skewY * 0.01;
    // Inverted, and larger at lower resolutions: the programs multiply these
    // by the buffer size.
    s.aberrateDistort = p.distortAberrate * -0.025 / ds;
    s.uniformDistort = p.distortUniform * -0.025 / ds;

    s.positionPixels = p.position * ds;
    s.positionOffset[0] = static_cast<float>(s.positionPixels * Reciprocal(output.width));
    s.positionOffset[1] = static_cast<float>(s.positionPixels * Reciprocal(output.height));

    const float inW = static_cast<float>(input.width);
    const float inH = static_cast<float>(input.height);
    const float outW = static_cast<float>(output.width);
    const float outH = static_cast<float>(output.height);
    s.aspect = outH / outW;
    s.normaliseExp[0] = inW / outW;
    s.normaliseExp[1] = inW / outH;  // the input width in both, by design
    s.inputResolution[0] = inW;
    s.inputResolution[1] = inH;

    s.blurPixels = p.blur * ds;
    s.blurEnabled = s.blurPixels > 0.0;
    if (s.blurEnabled) {
        s.blurStepsA = TruncToInt(std::max(std::ceil(s.blurPixels), 1.0));
        s.blurStrideA = static_cast<float>(s.blurPixels /
                                           static_cast<double>(static_cast<float>(s.blurStepsA)));
        s.blurStepsB = TruncToInt(std::max(std::ceil(s.blurPixels * 0.5), 1.0));
        s.blurStrideB = static_cast<float>(s.blurPixels * 0.5 /
                                           static_cast<double>(static_cast<float>(s.blurStepsB)));
    }

    s.mixStrength = p.mix * 0.01;
    s.channelMode = p.channels;
    s.preserveAlpha = p.preserveAlpha ? 1 : 0;
    s.unmult = p.unmult ? 1 : 0;
    s.repeatEdges = p.repeatEdges;
    s.sampleCount = SampleCount(p, s);

    // Maps the output buffer onto the input texture so that a layer pixel
    // keeps its layer position; right and bottom use the unrounded corner.
    const double left =
        -(static_cast<double>(input.originX) - static_cast<double>(output.originX)) /
        static_cast<double>(input.width);
    const double top = -(static_cast<double>(input.originY) - static_cast<double>(output.originY)) /
                       static_cast<double>(input.height);
    const double right = static_cast<double>(output.width) / input.width + left;
    const double bottom = static_cast<double>(output.height) / input.height + top;
    s.sourceRect.left = static_cast<float>(left);
    s.sourceRect.top = static_cast<float>(top);
    s.sourceRect.right = static_cast<float>(right);
    s.sourceRect.bottom = static_cast<float>(bottom);
    return s;
}
