#pragma once

#include <cstdint>

// Bounds on the work of one draw of a sampling loop (the aberrate pass and
// the post-process pass's distortion average), so that no setting, however
// large its sample count, makes a draw that a driver cuts short or that trips
// an operating system's GPU watchdog (Windows resets a driver whose GPU is
// busy for 2 s).
//
// Iterations: a draw runs at most kMaxSamplesPerDraw samples per fragment,
// far below the 65,535 loop iterations after which some drivers stop a loop
// without any error.
//
// Reads: a draw makes at most kMaxReadsPerDraw bilinear RGBA32F texture reads
// (fragments x samples x reads per sample), about 2.1e9. A modest GPU filters
// RGBA32F at 10 Gtexel/s or more (a quarter of its 8-bit rate), so such a
// draw takes 0.2 s or less there: a tenth of the 2 s watchdog.
constexpr int kMaxSamplesPerDraw = 4096;
constexpr int64_t kMaxReadsPerDraw = int64_t{1} << 31;

// Samples per draw for a pass over `fragments` fragments that reads
// `readsPerSample` texels per sample: as many as both bounds allow, at least
// 1. Pure function.
int SamplesPerDraw(int64_t fragments, int readsPerSample);

// Draws needed to cover `samples` samples (at least 1) at `perDraw` per draw.
int DrawsFor(int samples, int perDraw);
