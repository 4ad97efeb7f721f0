// The split of the sampling loops into draws, against numbers worked out by
// hand: 2^31 reads per draw divided by fragments x reads per sample, clamped
// to 1 .. 4096 samples.
#include <gtest/gtest.h>

#include "render/DrawBudget.h"
#include "render/Passes.h"

namespace {

struct BudgetCase {
    const char* name;
    int64_t fragments;
    int readsPerSample;
    int samplesPerDraw;
};

const BudgetCase kBudgetCases[] = {
    // 2^31 / (2,073,600 x 2) = 517.8
    {"1080pAberrate", int64_t{1920} * 1080, 2, 517},
    // 2^31 / 2,073,600 = 1035.6
    {"1080pSourceSum", int64_t{1920} * 1080, 1, 1035},
    // 2^31 / (8,294,400 x 2) = 129.5
    {"2160pAberrate", int64_t{3840} * 2160, 2, 129},
    // 2^31 / 768: far more than the iteration bound
    {"TinyFrame", 24 * 16, 2, 4096},
    // 2^31 / (16384^2 x 2) = 4
    {"LargestTexture", int64_t{16384} * 16384, 2, 4},
    // a single sample is over the budget: still one per draw
    {"OverBudgetEvenForOneSample", int64_t{1} << 31, 2, 1},
};

struct DrawCountCase {
    const char* name;
    int width;
    int height;
    int sampleCount;
    bool blur;
    double uniformDistort;
    int draws;
};

const DrawCountCase kDrawCountCases[] = {
    // pre-process, aberrate, post-process
    {"SingleSample", 1920, 1080, 1, false, 0.0, 3},
    // 708 samples at 517 per draw: 2 aberrate draws
    {"Auto1080p", 1920, 1080, 708, false, 0.0, 4},
    {"Auto1080pBlur", 1920, 1080, 708, true, 0.0, 6},
    // 203,540 / 4096 = 49.7: 50 draws for the aberrate pass and 50 more for
    // the distortion average of the untouched channel
    {"HugeCountTinyFrame", 24, 16, 203540, false, 0.0, 52},
    {"HugeCountTinyFrameDistorted", 24, 16, 203540, false, -15.0, 102},
    // exactly two full draws
    {"ExactMultiple", 24, 16, 8192, false, 0.0, 4},
};

}  // namespace

TEST(DrawBudget, SamplesPerDrawStayWithinBothBounds) {
    for (const BudgetCase& c : kBudgetCases) {
        SCOPED_TRACE(c.name);
        const int perDraw = SamplesPerDraw(c.fragments, c.readsPerSample);
        EXPECT_EQ(perDraw, c.samplesPerDraw);
        EXPECT_LE(perDraw, kMaxSamplesPerDraw);
        if (perDraw > 1) {
            EXPECT_LE(c.fragments * c.readsPerSample * perDraw, kMaxReadsPerDraw);
        }
    }
}

TEST(DrawBudget, FramesCountEveryDrawTheyMake) {
    for (const DrawCountCase& c : kDrawCountCases) {
        SCOPED_TRACE(c.name);
        RenderSettings s{};
        s.sampleCount = c.sampleCount;
        s.blurEnabled = c.blur;
        s.uniformDistort = c.uniformDistort;
        // A turning path, so that the aberrate pass runs the sample loop (the
        // straight-path branch splits by cells: tests/render/StraightPathTest).
        s.rotationRadians = 0.5;
        EXPECT_EQ(CountFrameDraws(s, c.width, c.height), c.draws);
    }
}
