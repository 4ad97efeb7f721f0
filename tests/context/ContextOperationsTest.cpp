// The context operations on this platform, observed through EGL itself.

#include <EGL/egl.h>
#include <gtest/gtest.h>

#include <string>

#include "context/Context.h"
#include "gl/GLApi.h"
#include "tests/support/GLCoreVersion.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

EGLContext CurrentEGLContext() {
    eglBindAPI(EGL_OPENGL_API);
    return eglGetCurrentContext();
}

// The EGL context a handle stands for, found by making it current.
EGLContext EGLContextOf(GLContextHandle handle) {
    ScopedCurrentContext keep;
    SetCurrentContext(handle);
    return CurrentEGLContext();
}

}  // namespace

TEST(ContextOperations, CreateGivesCoreContextAndLeavesCurrentUnchanged) {
    HLV3_REQUIRE_GL();
    ASSERT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);
    GLContextHandle context = nullptr;
    const std::string printed = CaptureStdout([&] { context = CreateContext(nullptr); });
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(printed, "");
    EXPECT_TRUE(IsContextValid(context));
    EXPECT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);

    SetCurrentContext(context);
    ASSERT_NE(CurrentEGLContext(), EGL_NO_CONTEXT);
    EXPECT_TRUE(CurrentContextIsCore32OrLater());

    // Deleting the current context leaves none current.
    DeleteContext(context);
    EXPECT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);
}

TEST(ContextOperations, NoneIsHandledQuietly) {
    HLV3_REQUIRE_GL();
    EXPECT_FALSE(IsContextValid(nullptr));
    const std::string printed = CaptureStdout([] {
        DeleteContext(nullptr);
        SetCurrentContext(nullptr);
    });
    EXPECT_EQ(printed, "");
    EXPECT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);
    // Nothing current: the saved state is none, and restoring it keeps none.
    GLContextHandle saved = GetCurrentContext();
    EXPECT_EQ(saved, nullptr);
    SetCurrentContext(saved);
    EXPECT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);
}

TEST(ContextOperations, SavedContextRestoresTheHostsAndStaysItsOwners) {
    HLV3_REQUIRE_GL();
    GLContextHandle host = CreateContext(nullptr);
    GLContextHandle ours = CreateContext(nullptr);
    ASSERT_NE(host, nullptr);
    ASSERT_NE(ours, nullptr);
    const EGLContext hostEGL = EGLContextOf(host);
    const EGLContext oursEGL = EGLContextOf(ours);
    EXPECT_NE(hostEGL, oursEGL);

    SetCurrentContext(host);
    GLContextHandle saved = GetCurrentContext();
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(IsContextValid(saved));
    SetCurrentContext(ours);
    EXPECT_EQ(CurrentEGLContext(), oursEGL);
    SetCurrentContext(saved);
    EXPECT_EQ(CurrentEGLContext(), hostEGL);

    // Handing the saved handle back frees the record only: the host's
    // context stays current and usable.
    DeleteContext(saved);
    EXPECT_EQ(CurrentEGLContext(), hostEGL);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // Deleting a context that is not current leaves the current one alone.
    DeleteContext(ours);
    EXPECT_EQ(CurrentEGLContext(), hostEGL);
    SetCurrentContext(nullptr);
    DeleteContext(host);
}

TEST(ContextOperations, ScopedCurrentContextPutsBackWhatWasCurrent) {
    HLV3_REQUIRE_GL();
    GLContextHandle host = CreateContext(nullptr);
    GLContextHandle ours = CreateContext(nullptr);
    ASSERT_NE(host, nullptr);
    ASSERT_NE(ours, nullptr);
    SetCurrentContext(host);
    const EGLContext hostEGL = CurrentEGLContext();
    {
        ScopedCurrentContext keep;
        SetCurrentContext(ours);
        EXPECT_NE(CurrentEGLContext(), hostEGL);
    }
    EXPECT_EQ(CurrentEGLContext(), hostEGL);
    SetCurrentContext(nullptr);
    {
        ScopedCurrentContext keep;
        SetCurrentContext(ours);
    }
    EXPECT_EQ(CurrentEGLContext(), EGL_NO_CONTEXT);
    DeleteContext(ours);
    DeleteContext(host);
}

TEST(ContextOperations, ContextsDoNotShareObjects) {
    HLV3_REQUIRE_GL();
    GLContextHandle a = CreateContext(nullptr);
    GLContextHandle b = CreateContext(nullptr);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    SetCurrentContext(a);
    GLuint program = glCreateProgram();
    EXPECT_TRUE(glIsProgram(program));
    SetCurrentContext(b);
    EXPECT_FALSE(glIsProgram(program));
    SetCurrentContext(a);
    glDeleteProgram(program);
    SetCurrentContext(nullptr);
    DeleteContext(a);
    DeleteContext(b);
}
