#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>

#include "render/RenderSettings.h"

// How a frame's sampling loops are cut into draws, shared by both backends so
// that a frame sums the same shares and reports the same progress whichever
// renders it. Pure functions.

// True when the post-process pass averages the distorted source first (the
// uniform distortion, as the programs receive it, is not 0).
bool UsesSourceSum(const RenderSettings& s);

// Samples per draw of the aberrate pass over a width x height target: the
// straight branch walks cells instead of reading every sample.
int AberrateSamplesPerDraw(const RenderSettings& s, int width, int height);

// Samples per draw of the distortion average over a width x height target.
int SourceSumSamplesPerDraw(int width, int height);

// Draws a frame of these settings makes at the given output size: one per
// pass, the aberrate pass and the distortion average split into draws within
// the bounds of render/DrawBudget.h.
int CountFrameDraws(const RenderSettings& s, int outputWidth, int outputHeight);

// The samples a frame of these settings draws per pixel, over all its
// passes: the aberrate loop's and the distortion average's, and one for each
// other pass. The frame's work in the unit progress is reported in.
int64_t CountFrameSamples(const RenderSettings& s);

// A frame's progress as both backends report it: the samples of its finished
// draws (one for a draw without a sample loop) out of CountFrameSamples.
struct DrawProgress {
    int64_t done = 0;
    int64_t total = 0;
};

// Adds a finished draw of `samples` samples to *p and asks `check` (may be
// empty: answers 0) whether to go on, with done and total in units that fit
// an int (coarser for a frame of more than INT_MAX samples).
int ReportDraw(DrawProgress* p, int samples, const std::function<int(int done, int total)>& check);

// Calls share(first, count) for each share of a sampling loop of `samples`
// in draws of at most `perDraw` samples, in order, while it answers true;
// stops before the counter could wrap near INT_MAX.
template <typename Share>
void ForEachShare(int samples, int perDraw, Share share) {
    for (int first = 1; first <= samples; first += perDraw) {
        if (!share(first, std::min(perDraw, samples - first + 1)) || samples - first < perDraw) {
            return;
        }
    }
}
