#include "gl/Quad.h"

#include <cstring>

namespace {

bool HasGLExtension(const char* name) {
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const auto* extension =
            reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        if (extension && std::strcmp(extension, name) == 0) {
            return true;
        }
    }
    return false;
}

// The barrier is an extension entry point: looked up in the GL of the
// current context each time, never assumed.
void TextureBarrier() {
    using TextureBarrierProc = void(APIENTRY*)();
    if (!HasGLExtension("GL_NV_texture_barrier")) {
        return;
    }
    const auto barrier =
        reinterpret_cast<TextureBarrierProc>(GetGLProcAddress("glTextureBarrierNV"));
    if (barrier) {
        barrier();
    }
}

void RectTexcoords(const RectF& rect, float out[8]) {
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    const float right = static_cast<float>(rect.right);
    const float bottom = static_cast<float>(rect.bottom);
    const float corners[8] = {left, top, right, top, left, bottom, right, bottom};
    std::memcpy(out, corners, sizeof(corners));
}

}  // namespace

GL_Pod CreateQuad(GLuint program, const UniformMap& uniforms, int useRect, const RectF& rect) {
    float texcoords[8];
    if (useRect) {
        RectTexcoords(rect, texcoords);
    } else {
        std::memcpy(texcoords, quad_tex, sizeof(texcoords));
    }
    return CreateQuadFromVertices(program, uniforms, quad_vertices, texcoords);
}

void RenderQuad(const PX_FBO* target, GLuint program, const UniformMap& uniforms, int useRect,
                const RectF& rect, int textureBarrier) {
    if (!target) {
        return;
    }
    GL_Pod pod = CreateQuad(program, uniforms, useRect, rect);
    if (textureBarrier) {
        TextureBarrier();
    }
    const Vec4i viewport = {0, 0, static_cast<int32_t>(target->renderBuffer.width),
                            static_cast<int32_t>(target->renderBuffer.height)};
    RenderPOD(target->fbo, viewport, pod);
    DeletePodBuffers(&pod);
}
