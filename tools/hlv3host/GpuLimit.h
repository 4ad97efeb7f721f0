#pragma once

#include <cstdint>
#include <string>

// What frame sizes this machine can render, known before any pixel is read
// or buffer allocated.

// The largest texture side (GL_MAX_TEXTURE_SIZE) of the GL the effect will
// render with, asked of a context made and destroyed for the question; 0 when
// no context can be made. The calling thread's current context is kept.
int GpuTextureLimit();

// Bytes a frame takes per pixel of its layer, at most: the decoded file, the
// layer, the host's input and output worlds, the effect's copy-in and its
// five float render targets (which a software rasteriser keeps in memory).
constexpr int64_t kFrameBytesPerPixel = 160;

// Why a `width` x `height` frame (`what` names it) cannot be a texture of a
// GPU whose largest texture side is `textureLimit` (0: not checked): a side
// beyond it. Empty when it can.
std::string TextureProblem(const std::string& what, int64_t width, int64_t height,
                           int textureLimit);

// Why a `width` x `height` frame (`what` names it: "the layer", "the
// output") cannot render here: a side beyond `textureLimit` (0: not
// checked) or more memory than the machine has. Empty when it can.
std::string FrameSizeProblem(const std::string& what, int64_t width, int64_t height,
                             int textureLimit);
