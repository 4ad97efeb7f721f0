#include "tests/support/GLTestContext.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "tests/support/GLStdoutCapture.h"

std::string GLUnavailableReason() {
    static std::once_flag once;
    static std::string reason;
    std::call_once(once, [] {
        // Taken first: on Windows CreateContext leaves the new context current.
        ScopedCurrentContext keep;
        GLContextHandle probe = nullptr;
        const std::string printed = CaptureStdout([&] { probe = CreateContext(nullptr); });
        if (!probe) {
            reason = printed.empty() ? "CreateContext gave no context" : printed;
            while (!reason.empty() && reason.back() == '\n') {
                reason.pop_back();
            }
            return;
        }
        SetCurrentContext(probe);
        GLint major = 0;
        GLint minor = 0;
        GLint profile = 0;
        glGetIntegerv(GL_MAJOR_VERSION, &major);
        glGetIntegerv(GL_MINOR_VERSION, &minor);
        glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
        if (major * 10 + minor < 32 || (profile & GL_CONTEXT_CORE_PROFILE_BIT) == 0) {
            reason = "the context is GL " + std::to_string(major) + "." + std::to_string(minor) +
                     " without the core profile";
        }
        SetCurrentContext(nullptr);
        DeleteContext(probe);
    });
    return reason;
}

void GLTest::SetUp() {
    HLV3_REQUIRE_GL();
    context = CreateContext(nullptr);
    ASSERT_NE(context, nullptr) << "CreateContext failed after the probe succeeded";
    SetCurrentContext(context);
    before = CountLiveGLObjects();
}

void GLTest::TearDown() {
    if (!context) {
        return;
    }
    if (checkLeaks) {
        EXPECT_EQ(CountLiveGLObjects(), before) << "GL objects leaked or released twice";
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "GL error left pending";
    SetCurrentContext(nullptr);
    DeleteContext(context);
    context = nullptr;
}

GLRenderBuffer MakeTextureRGBA32F(uint32_t width, uint32_t height, const std::vector<float>& rgba,
                                  GLenum wrapMode) {
    GLRenderBuffer texture =
        FBOHelper::CreateTextureRenderBuffer(width, height, GL_RGBA32F, wrapMode);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, static_cast<GLsizei>(width),
                    static_cast<GLsizei>(height), GL_RGBA, GL_FLOAT, rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

std::vector<float> ReadTextureRGBA32F(GLuint texture, uint32_t width, uint32_t height) {
    std::vector<float> rgba(static_cast<size_t>(width) * height * 4);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return rgba;
}
