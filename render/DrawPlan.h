#pragma once

#include <cstdint>

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
