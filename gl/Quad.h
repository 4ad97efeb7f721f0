#pragma once

#include "gl/FBOHelper.h"
#include "gl/Geometry.h"
#include "gl/Uniforms.h"

// The quad pod of `program`: texture coordinates from `rect` (left, top),
// (right, top), (left, bottom), (right, bottom) when `useRect` is non-zero,
// else quad_tex. The caller draws it and releases its buffers
// (DeletePodBuffers).
GL_Pod CreateQuad(GLuint program, const UniformMap& uniforms, int useRect, const RectF& rect);

// One full pass: runs `program` over the whole of `target` (framebuffer 0
// when its fbo is 0), with the uniforms of `uniforms` and texture coordinates
// as in CreateQuad. A rectangle's top edge maps to row 0 of the target. With
// `textureBarrier` set, texels written by earlier draws become readable first
// (when the GL offers GL_NV_texture_barrier). Every GL object of the pass is
// released, and no vertex array, program, framebuffer or texture is left
// bound, texture unit 0 active. A null target does nothing.
void RenderQuad(const PX_FBO* target, GLuint program, const UniformMap& uniforms, int useRect,
                const RectF& rect, int textureBarrier);
