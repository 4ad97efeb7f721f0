#pragma once

#include <vector>

#include "render/ImageView.h"
#include "render/RenderSettings.h"
#include "render/cpu/CpuImage.h"
#include "render/cpu/PairPlane.h"

// The CPU backend's passes: what the five programs compute, fragment for
// fragment, in single precision. Each writes rows [y0, y1) of its target and
// reads only its sources, so bands of rows may run on several threads at
// once; none allocates or throws.

namespace cpu {

// Pre-process: the input placed through the source rectangle, premultiplied
// unless alpha is preserved, the hue turned back. f0 -> f1.
void PreProcessRows(const RenderSettings& s, const CpuImage& f0, CpuImage* f1, int y0, int y1);

// One draw of the aberrate pass: samples first .. first + count - 1 of the
// average, written into f2 (add false) or added to it (add true), packed as
// (A colour, A alpha, B colour, B alpha). `straight` is the straight-path
// branch's value (StraightPathUniform).
struct AberrateShare {
    int first = 1;
    int count = 1;
    int straight = 0;
    bool add = false;
};
// The sample loop reads the pair planes (channel A's and channel B's colour
// with alpha, from f1; AberrateColourChannel says which colour), the
// straight path f1 itself.
void AberrateRows(const RenderSettings& s, const AberrateShare& share, const CpuImage& f1,
                  const PairPlane& planeA, const PairPlane& planeB, CpuImage* f2, int y0, int y1);
int AberrateColourChannel(const RenderSettings& s, bool channelB);

// A blur kernel along one axis as taps at whole texel offsets first ..
// first + count - 1, each with four weights (kernel A on the first two
// channels, kernel B on the last two), already divided by the kernel's sum:
// the programs' fractional tap positions fall between two texels, whose
// bilinear weights are folded in.
struct BlurTaps {
    int first = 0;
    int count = 0;
    std::vector<float> weights;  // count x 4
};
// The taps of the blur along an axis of `length` texels (the frame's width
// for BlurWRows, its height for BlurHRows).
BlurTaps MakeBlurTaps(const RenderSettings& s, int length);
void BlurWRows(const BlurTaps& taps, const CpuImage& src, CpuImage* dst, int y0, int y1);
void BlurHRows(const BlurTaps& taps, const CpuImage& src, CpuImage* dst, int y0, int y1);

// One draw of the distortion average of the post-process pass into f4,
// from f1 as two pair planes: (red, green) and (blue, alpha).
void SourceSumRows(const RenderSettings& s, const AberrateShare& share, const PairPlane& rg,
                   const PairPlane& ba, CpuImage* f4, int y0, int y1);

// Post-process: f2 (aberrated, maybe blurred), f1 (pre-processed) and the
// untouched channel's source (f4, or f1 without distortion) into `out` in the
// host's alpha-first order at out's depth, as the read-back converts it.
void PostProcessRows(const RenderSettings& s, const CpuImage& f2, const CpuImage& f1,
                     const CpuImage& source, const ImageView& out, int y0, int y1);

// The input view (RGBA memory order) as floats into f0, as the upload
// converts it.
void ConvertInputRows(const ImageView& in, CpuImage* f0, int y0, int y1);

}  // namespace cpu
