#include "gl/FBOHelper.h"

#include "gl/Diagnostics.h"

namespace FBOHelper {

GLRenderBuffer CreateTextureRenderBuffer(uint32_t width, uint32_t height, GLenum internalFormat,
                                         GLenum wrapMode) {
    GLenum pixelFormat = GL_RGBA;
    GLenum componentType = GL_FLOAT;
    GLint filter = GL_LINEAR;
    if (internalFormat == GL_DEPTH_COMPONENT32F) {
        pixelFormat = GL_DEPTH_COMPONENT;
        filter = GL_NEAREST;
    } else if (internalFormat == GL_DEPTH32F_STENCIL8) {
        // Depth-stencil storage takes depth-stencil pixels.
        pixelFormat = GL_DEPTH_STENCIL;
        componentType = GL_FLOAT_32_UNSIGNED_INT_24_8_REV;
        filter = GL_NEAREST;
    } else if (internalFormat == GL_RGBA32I) {
        pixelFormat = GL_RGBA_INTEGER;
        componentType = GL_INT;
        filter = GL_NEAREST;
        WriteLine("Image Type is INT");
    }

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(wrapMode));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(wrapMode));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internalFormat), static_cast<GLsizei>(width),
                 static_cast<GLsizei>(height), 0, pixelFormat, componentType, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);

    return {width, height, 1, internalFormat, texture, GL_TEXTURE_2D, true};
}

GLuint CreateFBO(const GLRenderBuffer& renderBuffer) {
    GLuint fbo = 0;
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    if (renderBuffer.id != 0) {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, renderBuffer.target,
                               renderBuffer.id, 0);
    }
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status == GL_FRAMEBUFFER_COMPLETE) {
        return fbo;
    }
    WriteLine("Framebuffer Error - %sCode: %u", getFrameBufferError(status), status);
    glDeleteFramebuffers(1, &fbo);
    return 0;
}

PX_FBO CreateTextureFBO(uint32_t width, uint32_t height, GLenum wrapMode, GLenum internalFormat,
                        GLenum /*depthFormat*/) {
    PX_FBO target = {};
    target.renderBuffer = CreateTextureRenderBuffer(width, height, internalFormat, wrapMode);
    target.fbo = CreateFBO(target.renderBuffer);
    if (target.fbo == 0) {
        // Nothing can delete a target without a framebuffer later, so its
        // texture must not outlive this call.
        DeleteRenderBuffer(&target.renderBuffer);
    }
    return target;
}

const char* getFrameBufferError(GLenum status) {
    switch (status) {
        case GL_FRAMEBUFFER_UNDEFINED:
            return "GL_FRAMEBUFFER_UNDEFINED";
        case GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT:
            return "GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT";
        case GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT:
            return "GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT";
        case GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER:
            return "GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER";
        case GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER:
            return "GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER";
        case GL_FRAMEBUFFER_UNSUPPORTED:
            return "GL_FRAMEBUFFER_UNSUPPORTED";
        case GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE:
            return "GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE";
        case GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS:
            return "GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS";
        default:
            return "";
    }
}

void DeleteRenderBuffer(GLRenderBuffer* renderBuffer) {
    if (!renderBuffer || renderBuffer->id == 0) {
        WriteLine(
            "Warning: Requested FBO be deleted but it was never init (may not be an issue but just "
            "in case)");
        return;
    }
    glDeleteTextures(1, &renderBuffer->id);
    renderBuffer->id = 0;
}

void DeleteGenericFBO(PX_FBO* target) {
    if (!target || target->fbo == 0) {
        return;
    }
    DeleteRenderBuffer(&target->renderBuffer);
    glDeleteFramebuffers(1, &target->fbo);
    target->fbo = 0;
}

void ClearFBO(const PX_FBO* target) {
    if (!target || target->fbo == 0) {
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, target->fbo);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace FBOHelper
