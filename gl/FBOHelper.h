#pragma once

#include <cstdint>

#include "gl/GLApi.h"

// The image behind a render target: a two-dimensional texture. A plain
// value; the texture it names belongs to the context current at creation and
// is released with FBOHelper::DeleteRenderBuffer (or DeleteGenericFBO).
struct GLRenderBuffer {
    uint32_t width;
    uint32_t height;
    uint32_t depth;
    GLenum internalFormat;
    GLuint id;
    GLenum target;
    bool isTexture;
};

// One render target: a framebuffer with a texture as colour attachment 0.
// Zero-initialise before filling; fbo 0 means "no framebuffer". Owned by its
// holder, who releases it with FBOHelper::DeleteGenericFBO in the same context.
struct PX_FBO {
    GLuint fbo;
    GLRenderBuffer renderBuffer;
};

// Render targets. Every function needs the owning context current and writes
// its diagnostics to standard output; none throws.
namespace FBOHelper {

// A width x height texture of `internalFormat` with both axes wrapped by
// `wrapMode`, filtered linearly (nearest for integer and depth formats),
// contents undefined. Leaves GL_TEXTURE_2D unbound.
GLRenderBuffer CreateTextureRenderBuffer(uint32_t width, uint32_t height, GLenum internalFormat,
                                         GLenum wrapMode);

// A framebuffer with `renderBuffer`'s texture as colour attachment 0, left
// bound, or 0 (after reporting the status) when it is not complete. The
// texture is not touched either way.
GLuint CreateFBO(const GLRenderBuffer& renderBuffer);

// A complete render target, or one whose fbo is 0 when the framebuffer could
// not be completed; then its texture is released as well and its id is 0.
// `depthFormat` is accepted and not used: no depth attachment is made.
PX_FBO CreateTextureFBO(uint32_t width, uint32_t height, GLenum wrapMode, GLenum internalFormat,
                        GLenum depthFormat);

// The name of a framebuffer status, or "" for a value that is none of them.
const char* getFrameBufferError(GLenum status);

// Deletes the texture and sets id to 0; warns when there is none.
void DeleteRenderBuffer(GLRenderBuffer* renderBuffer);

// Deletes the texture and the framebuffer and sets fbo to 0. Does nothing for
// a null pointer or a record whose fbo is 0, so deleting twice is harmless.
void DeleteGenericFBO(PX_FBO* target);

// Clears the target to (0, 0, 0, 0) with all colour channels writable and
// leaves framebuffer 0 bound. Does nothing for a null pointer or fbo 0.
void ClearFBO(const PX_FBO* target);

}  // namespace FBOHelper
