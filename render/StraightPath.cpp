#include "render/StraightPath.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/DrawBudget.h"

namespace {

// Reads per cell and channel (the cell's four texels), two channels.
constexpr int64_t kReadsPerCell = 8;
// Cells a walk may cross beyond samples x step: the cells of both ends on
// both axes, and a correction of one cell at each end where a sample lies
// within rounding of a cell edge.
constexpr double kExtraCells = 8.0;

float Sent(double v) {
    return static_cast<float>(v);
}

}  // namespace

bool PathIsStraight(const RenderSettings& s) {
    const bool still =
        Sent(s.rotationRadians) == 0.0f && Sent(s.scale) == 1.0f && Sent(s.shearY) == 0.0f;
    const bool constantFactor = Sent(s.uniformDistort) == 0.0f && Sent(s.aberrateDistort) == 0.0f;
    return still && (Sent(s.shearX) == 0.0f || constantFactor);
}

bool TakesStraightPath(const RenderSettings& s, int width, int height) {
    return PathIsStraight(s) && StraightStepTexels(s, width, height) <= kMaxStraightStep;
}

int StraightPathUniform(const RenderSettings& s, int width, int height) {
    if (!TakesStraightPath(s, width, height)) {
        return 0;
    }
    return s.repeatEdges ? 2 : 1;
}

double StraightStepTexels(const RenderSettings& s, int width, int height) {
    const double m = 1.0 / std::max(s.sampleCount, 1);
    const double aspect = s.aspect;
    // The largest radial term: a corner, t = (0.5, 0.5) about the centre.
    const double radial = (0.25 / aspect + 0.25 * aspect) *
                          std::min(s.inputResolution[0], s.inputResolution[1]) / 1000.0;
    const double uniform = std::fabs(Sent(s.uniformDistort));
    const double aberrate = std::fabs(Sent(s.aberrateDistort));
    // Channel B takes the aberration twice; |t| <= 0.5 on each axis.
    const double distort = 0.5 * radial * m * (0.1 * uniform + 2.0 * aberrate);
    const double factor = 1.0 + radial * 0.9 * uniform;
    const double skew = 0.5 * factor * 2.0 * m * std::fabs(Sent(s.shearX)) *
                        std::fabs(s.normaliseExp[0] / s.normaliseExp[1]);
    const double x = width * (distort + m * std::fabs(s.positionOffset[0]) + skew);
    const double y = height * (distort + m * std::fabs(s.positionOffset[1]));
    return (x + y) * (1.0 + 1e-3);
}

int StraightSamplesPerDraw(const RenderSettings& s, int width, int height) {
    const int64_t fragments = std::max<int64_t>(int64_t{width} * height, 1);
    const int64_t cells =
        std::clamp<int64_t>(kMaxReadsPerDraw / (fragments * kReadsPerCell), 1, kMaxSamplesPerDraw);
    const double step = StraightStepTexels(s, width, height);
    const double byLength =
        step > 0.0 ? std::floor((static_cast<double>(cells) - kExtraCells) / step) : 1e300;
    const double samples = std::max(static_cast<double>(cells), byLength);
    return static_cast<int>(std::min<double>(samples, std::numeric_limits<int32_t>::max()));
}
