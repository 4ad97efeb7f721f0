#pragma once

#include "gl/FBOHelper.h"
#include "gl/GLPrograms.h"
#include "gl/Uniforms.h"
#include "render/RenderSettings.h"

// The four render targets of one frame: F0 holds the uploaded input (input
// size), F1 to F3 are output-sized. Owned by the frame, which releases them
// with ReleaseFrameTargets on every path out.
struct FrameTargets {
    PX_FBO f0 = {};
    PX_FBO f1 = {};
    PX_FBO f2 = {};
    PX_FBO f3 = {};
};

// Creates the four targets (texture wrap mode from the edge option) and clears
// them. Returns false, with whatever was made left in *t for
// ReleaseFrameTargets and no GL error left pending, when any target is not a
// complete framebuffer. Needs the frame's context current.
bool CreateFrameTargets(const RenderSettings& s, int inputWidth, int inputHeight, int outputWidth,
                        int outputHeight, FrameTargets* t);

// Deletes every GL object of the four targets. Safe to call twice.
void ReleaseFrameTargets(FrameTargets* t);

// The passes of one frame, in the only order they may run: pre-process (F0 ->
// F1), aberrate (F1 -> F2), horizontal blur (F2 -> F3) and vertical blur
// (F3 -> F2) when the blur is on, post-process (F2 + F1 -> F3). `uniforms` is
// the frame's map: each pass adds its values and leaves them for later passes.
// Each needs the frame's context current and leaves no program, vertex array
// or framebuffer bound.
void RunPreProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                       UniformMap* uniforms);
void RunAberratePass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                     UniformMap* uniforms);
void RunBlurWPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                  UniformMap* uniforms);
void RunBlurHPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                  UniformMap* uniforms);
void RunPostProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                        UniformMap* uniforms);

// All passes of a frame in order, the blur passes only when the blur is on.
void RunAllPasses(const GLPrograms& p, const RenderSettings& s, FrameTargets* t);
