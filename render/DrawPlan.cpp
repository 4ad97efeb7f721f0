#include "render/DrawPlan.h"

#include <algorithm>

#include "render/DrawBudget.h"
#include "render/StraightPath.h"

namespace {

// Reads per sample of the two split loops.
constexpr int kAberrateReads = 2;
constexpr int kSourceSumReads = 1;

}  // namespace

bool UsesSourceSum(const RenderSettings& s) {
    return static_cast<float>(s.uniformDistort) != 0.0f;
}

int AberrateSamplesPerDraw(const RenderSettings& s, int width, int height) {
    return TakesStraightPath(s, width, height)
               ? StraightSamplesPerDraw(s, width, height)
               : SamplesPerDraw(int64_t{width} * height, kAberrateReads);
}

int SourceSumSamplesPerDraw(int width, int height) {
    return SamplesPerDraw(int64_t{width} * height, kSourceSumReads);
}

int CountFrameDraws(const RenderSettings& s, int outputWidth, int outputHeight) {
    int draws = 1;  // pre-process
    draws += DrawsFor(s.sampleCount, AberrateSamplesPerDraw(s, outputWidth, outputHeight));
    draws += s.blurEnabled ? 2 : 0;
    if (UsesSourceSum(s)) {
        draws += DrawsFor(s.sampleCount, SourceSumSamplesPerDraw(outputWidth, outputHeight));
    }
    return draws + 1;  // post-process
}

int64_t CountFrameSamples(const RenderSettings& s) {
    const int64_t n = std::max(0, s.sampleCount);
    return 1 + n + (s.blurEnabled ? 2 : 0) + (UsesSourceSum(s) ? n : 0) + 1;
}

int ReportDraw(DrawProgress* p, int samples, const std::function<int(int, int)>& check) {
    p->done += samples;
    if (!check) {
        return 0;
    }
    const int64_t unit = p->total / INT32_MAX + 1;
    return check(static_cast<int>(std::min(p->done, p->total) / unit),
                 static_cast<int>(p->total / unit));
}
