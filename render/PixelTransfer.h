#pragma once

#include "gl/GLApi.h"
#include "host/HostInterface.h"

struct PX_FBO;

// Iterate callbacks of the copy-in: reorder one alpha-first host pixel into
// RGBA memory order in the destination. Stateless (refcon unused), so the host
// may run them in any order and in parallel; the source is only read.
// 8-bit: bytes are copied as they are.
PF_Err CopyPixel8In(void* refcon, A_long x, A_long y, PF_Pixel* in, PF_Pixel* out);
// Float: red, green and blue become 0 unless greater than 0 (negatives and
// NaN); values above 1 and the alpha pass unchanged.
PF_Err CopyPixelFloatIn(void* refcon, A_long x, A_long y, PF_PixelFloat* in, PF_PixelFloat* out);

// Bytes per pixel of a host buffer of the given bit depth (8 or 32).
int BytesPerPixel(short bitdepth);

// Copies the whole buffer (RGBA in memory order, rows `rowbytes` apart) into
// level 0 of `texture` at (0, 0). The texture must be at least as large as the
// buffer. Needs the texture's context current; leaves no texture bound and the
// unpack row length at 0.
void UploadToTexture(GLuint texture, const PF_EffectWorld* world, short bitdepth);

namespace FBOHelper {

// Waits for every pass, then reads width x height pixels of `attachment` of
// `fbo` straight into `world` (rows `rowbytes` apart), byte for byte: the last
// program already wrote them in the host's channel order. The framebuffer must
// be at least as large as the buffer. Leaves framebuffer 0 bound, no pack
// buffer bound and the pack row length at 0.
void FBOtoEffectWorld(const PX_FBO* fbo, PF_EffectWorld* world, short bitdepth, GLenum attachment);

}  // namespace FBOHelper
