#pragma once

#include <functional>

#include "gl/FBOHelper.h"
#include "gl/GLPrograms.h"
#include "gl/Uniforms.h"
#include "render/RenderSettings.h"

// The render targets of one frame: F0 holds the uploaded input (input size),
// F1 to F3 are output-sized; F4 (output-sized, made only when the uniform
// distortion is on) gathers the distorted source of the post-process pass.
// Owned by the frame, which releases them with ReleaseFrameTargets on every
// path out.
struct FrameTargets {
    PX_FBO f0 = {};
    PX_FBO f1 = {};
    PX_FBO f2 = {};
    PX_FBO f3 = {};
    PX_FBO f4 = {};
};

// Asked after every draw of a frame, once the GPU has finished it, with the
// draws done so far and the frame's total; a non-zero result ends the frame
// with that error before the next draw. May be empty.
using DrawCheck = std::function<PF_Err(int done, int total)>;

// The draws of one frame as they are made. Owned by the frame's caller; the
// pass functions count into it and make no draw once `err` is set.
struct FrameDraws {
    DrawCheck check;
    int done = 0;
    int total = 0;
    PF_Err err = PF_Err_NONE;
};

// Draws a frame of these settings makes at the given output size: one per
// pass, the aberrate pass and the distortion average split into draws within
// the bounds of render/DrawBudget.h.
int CountFrameDraws(const RenderSettings& s, int outputWidth, int outputHeight);

// Creates the targets (texture wrap mode from the edge option) and clears
// them. Returns false, with whatever was made left in *t for
// ReleaseFrameTargets and no GL error left pending, when any target is not a
// complete framebuffer. Needs the frame's context current.
bool CreateFrameTargets(const RenderSettings& s, int inputWidth, int inputHeight, int outputWidth,
                        int outputHeight, FrameTargets* t);

// Deletes every GL object of the targets. Safe to call twice.
void ReleaseFrameTargets(FrameTargets* t);

// The passes of one frame, in the only order they may run: pre-process (F0 ->
// F1), aberrate (F1 -> F2), horizontal blur (F2 -> F3) and vertical blur
// (F3 -> F2) when the blur is on, post-process (F2 + F1 -> F3, through F4
// when the uniform distortion is on). `uniforms` is the frame's map: each
// pass adds its values and leaves them for later passes. The aberrate pass
// and the distortion average sum their draws by additive blending. Each
// needs the frame's context current, makes no draw once d->err is set, and
// leaves no program, vertex array or framebuffer bound and blending off.
void RunPreProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                       UniformMap* uniforms, FrameDraws* d);
void RunAberratePass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                     UniformMap* uniforms, FrameDraws* d);
void RunBlurWPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                  UniformMap* uniforms, FrameDraws* d);
void RunBlurHPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                  UniformMap* uniforms, FrameDraws* d);
void RunPostProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                        UniformMap* uniforms, FrameDraws* d);

// All passes of a frame in order, the blur passes only when the blur is on.
// Returns 0, or the first non-zero answer of `check`, after which no further
// draw was made.
PF_Err RunAllPasses(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                    const DrawCheck& check);
