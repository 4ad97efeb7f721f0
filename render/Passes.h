#pragma once

#include <cstdint>
#include <functional>

#include "gl/FrameTargets.h"
#include "gl/GLPrograms.h"
#include "gl/Uniforms.h"
#include "render/DrawPlan.h"
#include "render/Frame.h"
#include "render/RenderSettings.h"

// Asked after every draw of a frame, once the GPU has finished it, with the
// frame's work done so far and its whole (see FrameHooks::check); a non-zero
// result ends the frame with that error before the next draw. May be empty.
using DrawCheck = std::function<int(int done, int total)>;

// The draws of one frame as they are made. Owned by the frame's caller; the
// pass functions count the samples of each draw into it (one for a draw
// without a sample loop) and make no draw once `err` is set.
struct FrameDraws {
    DrawCheck check;
    DrawProgress progress;
    int err = 0;
};

// Makes *t ready for a frame: the targets already in it are kept when their
// sizes and wrap mode (from the edge option) are the frame's, F4 and `bytes`
// added when the frame needs them; otherwise they are released and new ones
// made. An 8-bit frame (`bitdepth` 8) writes `bytes` when the context's GL
// passes ByteTargetMatchesFloatReadBack (asked once per record). Nothing is
// cleared: every pass writes each texel of its target before any is read.
// Returns false, with whatever was made left in *t for ReleaseFrameTargets
// and no GL error left pending, when any target is not a complete
// framebuffer. Needs the frame's context current.
bool PrepareFrameTargets(const RenderSettings& s, int inputWidth, int inputHeight, int outputWidth,
                         int outputHeight, short bitdepth, FrameTargets* t);

// Runs a sampling loop of `samples` samples of `program` over `target` in
// draws of at most `perDraw` samples ("firstL", "countL"), each adding its
// share of the average: the first draw writes, the later ones add by
// blending, so the target needs no clear. Counts its draws into *d and stops
// when d->err is set; leaves blending off.
void DrawInShares(const PX_FBO* target, GLuint program, UniformMap* u, int samples, int perDraw,
                  FrameDraws* d);

// The target the frame's post-process pass writes and the read-back reads:
// `bytes` when t.writeBytes is set, else F3.
const PX_FBO* FrameOutput(const FrameTargets& t);

// Told right before (finished false) and after (true) each pass. May be empty.
using StepTimer = std::function<void(FrameStep step, bool finished)>;

// The passes of one frame, in the only order they may run: pre-process (F0 ->
// F1), aberrate (F1 -> F2), horizontal blur (F2 -> F3) and vertical blur
// (F3 -> F2) when the blur is on, post-process (F2 + F1 -> FrameOutput,
// through F4 when the uniform distortion is on). The aberrate pass and the
// distortion average sum their draws by additive blending. Needs the frame's
// context current; leaves no program, vertex array or framebuffer bound and
// blending off.
// Returns 0, or the first non-zero answer of `check`, after which no further
// draw was made.
int RunAllPasses(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                 const DrawCheck& check, const StepTimer& timing = nullptr);
