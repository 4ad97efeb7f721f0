// The context operations on this platform, observed through EGL itself.

#include <EGL/egl.h>

#include "tests/context/ContextContract.h"
#include "tests/support/GLTestContext.h"

namespace {

struct EGLPlatform {
    static const void* Current() {
        eglBindAPI(EGL_OPENGL_API);
        return eglGetCurrentContext();
    }
    static std::string Unavailable() { return GLUnavailableReason(); }
    static constexpr bool kCreateLeavesCurrent = false;
    static void Begin() {}
    static void End() { EXPECT_EQ(Current(), nullptr); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(EGL, ContextContract, EGLPlatform);

}  // namespace
