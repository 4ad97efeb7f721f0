#pragma once

#include "gl/GLApi.h"
#include "render/ImageView.h"

struct PX_FBO;

// Copies the whole buffer (RGBA in memory order; 16-bit values v become
// v / 32768) into
// level 0 of `texture` at (0, 0). The texture must be at least as large as the
// buffer. Needs the texture's context current; leaves no texture bound and the
// unpack row length at 0.
void UploadToTexture(GLuint texture, const ImageView& view);

namespace FBOHelper {

// Waits for every pass, then reads width x height pixels of `attachment` of
// `fbo` straight into `view`, byte for byte (16-bit: round(clamp(x, 0, 1) x
// 32768)): the last program already wrote them in the host's channel order. The framebuffer must
// be at least as large as the buffer. Leaves framebuffer 0 bound, no pack
// buffer bound and the pack row length at 0.
void FBOtoEffectWorld(const PX_FBO* fbo, const ImageView& view, GLenum attachment);

}  // namespace FBOHelper
