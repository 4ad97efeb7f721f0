#pragma once

#include <cstdint>

#include "gl/FBOHelper.h"

// The render targets of one frame: F0 holds the uploaded input (input size),
// F1 to F3 are output-sized; F4 (output-sized, made only for frames whose
// untouched channel is distorted) gathers that channel's average; `bytes`
// (GL_RGBA8, output-sized, made only for 8-bit frames where `byteReadback`
// is 1) takes the post-process pass of frames whose `writeBytes` is set, so
// their read-back is a copy. All share `wrap` on both axes. A plain record, zero-initialised when
// empty; whoever holds it (a rendering thread's record, between its frames) releases it with
// ReleaseFrameTargets in the context that made it.
struct FrameTargets {
    PX_FBO f0;
    PX_FBO f1;
    PX_FBO f2;
    PX_FBO f3;
    PX_FBO f4;
    PX_FBO bytes;
    GLenum wrap;
    int byteReadback;  // 0: not checked yet in this context; 1: allowed; -1: not
    int writeBytes;    // this frame's post-process pass writes `bytes`
};

// A thread keeps its frame targets for its next frame only while they take
// at most this much texture memory: 192 MiB holds a 1920 x 1080 frame's five
// RGBA32F targets (166 MB); larger frames make and release theirs per frame,
// which costs little against their passes.
constexpr uint64_t kMaxKeptTargetBytes = uint64_t{192} << 20;

// Texture memory of the targets in *t (16 bytes per texel of the float
// textures, 4 of `bytes`).
uint64_t FrameTargetBytes(const FrameTargets& t);

// Deletes every GL object of the targets and zeroes their names (`wrap` and
// `byteReadback` stay). Needs their context current; safe to call twice or
// on an empty record.
void ReleaseFrameTargets(FrameTargets* t);
