#pragma once

#include <cstdint>

#include "render/RenderSettings.h"

// The aberrate pass's straight-path branch: when nothing turns or scales the
// path and no skew bends it, every sample of a channel lies on one straight
// line, equally spaced, and the program averages them cell by cell in closed
// form instead of sample by sample ("straightL"). Its cost follows the cells
// the path crosses, the loop's the samples: the pass takes the branch where
// the path crosses fewer cells than it has samples, by a margin.

// True when the values the aberrate program receives (as single precision)
// make both channels' paths straight: rotation 0, scale 1, skew Y 0, and skew
// X either 0 or without any distortion (a skew with a changing distortion
// factor bends the path into a parabola). Pure.
bool PathIsStraight(const RenderSettings& s);

// The most cells per sample (StraightStepTexels) for which the branch is
// taken: a cell costs about 1.6 bilinear reads on llvmpipe (four texel reads
// and the walk's arithmetic), so beyond about 0.6 cells per sample the walk
// is slower than the loop's one read per sample.
constexpr double kMaxStraightStep = 0.5;

// True when the straight-path branch renders a width x height frame: the
// path is straight and moves at most kMaxStraightStep texels per sample.
bool TakesStraightPath(const RenderSettings& s, int width, int height);

// The value of "straightL" for a width x height frame: 0 for the sample loop,
// else 1 (transparent border) or 2 (mirrored repeat), the frame targets' wrap
// mode.
int StraightPathUniform(const RenderSettings& s, int width, int height);

// An upper bound, over every fragment of a width x height target and both
// channels, on how far one sample moves along the straight path, in texels
// (x and y added), with a margin for single-precision rounding. Pure.
double StraightStepTexels(const RenderSettings& s, int width, int height);

// Samples per draw of the straight branch over a width x height target: as
// many as keep every fragment's walk within min(kMaxSamplesPerDraw, the cells
// whose four reads per channel fit kMaxReadsPerDraw) cells (a walk crosses at
// most min(samples, ceil(samples x step) + 8) cells); at least 1, and
// INT32_MAX when the path does not move. Pure.
int StraightSamplesPerDraw(const RenderSettings& s, int width, int height);
