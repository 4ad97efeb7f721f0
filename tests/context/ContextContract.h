#pragma once

// What every platform's context operations (context/Context.h) promise,
// written once and run by each platform's test program against its own layer
// (EGL here, WGL under Wine, CGL through its stand-in), observed through the
// platform's own API. A program describes its platform:
//
//   struct Platform {
//       // The context the platform itself reports current on this thread,
//       // null when none is.
//       static const void* Current();
//       // Why no context can be made in this process, or "" when one can.
//       static std::string Unavailable();
//       // Whether CreateContext leaves the new context current (Windows).
//       static constexpr bool kCreateLeavesCurrent = false;
//       // Before and after every test: resets and end checks of its own.
//       static void Begin();
//       static void End();
//   };
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, ContextContract, Platform);
//
// Every test leaves nothing current and deletes what it made.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "context/Context.h"
#include "gl/GLApi.h"
#include "tests/support/GLCoreVersion.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/RunningInCI.h"

template <typename Platform>
class ContextContract : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string reason = Platform::Unavailable();
        if (!reason.empty()) {
            if (RunningInCI()) {
                GTEST_FAIL() << "no OpenGL 3.2 core context: " << reason;
            }
            GTEST_SKIP() << "no OpenGL 3.2 core context: " << reason;
        }
        Platform::Begin();
    }
    void TearDown() override {
        if (!IsSkipped()) {
            Platform::End();
        }
    }

    // Two contexts, deleted with none current when the test ends however it
    // ends; a test that deletes one itself sets it to none.
    struct ContextPair {
        GLContextHandle host = CreateContext(nullptr);
        GLContextHandle ours = CreateContext(nullptr);
        ContextPair() = default;
        ContextPair(const ContextPair&) = delete;
        ContextPair& operator=(const ContextPair&) = delete;
        ~ContextPair() {
            SetCurrentContext(nullptr);
            DeleteContext(ours);
            DeleteContext(host);
        }
        bool Made() const { return host != nullptr && ours != nullptr; }
    };

    // The platform's context behind a handle, found by making it current.
    static const void* NativeOf(GLContextHandle handle) {
        ScopedCurrentContext keep;
        SetCurrentContext(handle);
        return Platform::Current();
    }
};

TYPED_TEST_SUITE_P(ContextContract);

TYPED_TEST_P(ContextContract, CreateGivesACoreContextThatDeletingWhileCurrentLeavesNoneCurrent) {
    ASSERT_EQ(TypeParam::Current(), nullptr);
    GLContextHandle context = nullptr;
    const std::string printed = CaptureStdout([&] { context = CreateContext(nullptr); });
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(printed, "");
    EXPECT_TRUE(IsContextValid(context));
    const void* const afterCreate = TypeParam::Current();
    EXPECT_EQ(afterCreate != nullptr, TypeParam::kCreateLeavesCurrent);

    SetCurrentContext(context);
    ASSERT_NE(TypeParam::Current(), nullptr);
    if (TypeParam::kCreateLeavesCurrent) {
        EXPECT_EQ(TypeParam::Current(), afterCreate);
    }
    EXPECT_TRUE(IsContextCurrent(context));
    EXPECT_TRUE(CurrentContextIsCore32OrLater());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    DeleteContext(context);
    EXPECT_EQ(TypeParam::Current(), nullptr);
}

TYPED_TEST_P(ContextContract, NoneIsHandledQuietly) {
    EXPECT_FALSE(IsContextValid(nullptr));
    GLContextHandle saved = &saved;  // anything but none
    const std::string printed = CaptureStdout([&] {
        DeleteContext(nullptr);
        SetCurrentContext(nullptr);
        // Nothing current: the saved state is none, and restoring it keeps none.
        saved = GetCurrentContext();
        SetCurrentContext(saved);
    });
    EXPECT_EQ(printed, "");
    EXPECT_EQ(saved, nullptr);
    EXPECT_EQ(TypeParam::Current(), nullptr);
}

TYPED_TEST_P(ContextContract, SavedContextRestoresTheHostsAndStaysItsOwners) {
    typename TestFixture::ContextPair pair;
    ASSERT_TRUE(pair.Made());
    const void* const hostNative = this->NativeOf(pair.host);
    const void* const oursNative = this->NativeOf(pair.ours);
    EXPECT_NE(hostNative, oursNative);

    SetCurrentContext(pair.host);
    GLContextHandle saved = GetCurrentContext();
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(IsContextValid(saved));
    SetCurrentContext(pair.ours);
    EXPECT_EQ(TypeParam::Current(), oursNative);
    SetCurrentContext(saved);
    EXPECT_EQ(TypeParam::Current(), hostNative);

    // Handing the saved handle back frees the record only: the host's
    // context stays current and usable.
    DeleteContext(saved);
    EXPECT_EQ(TypeParam::Current(), hostNative);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // Deleting a context that is not current leaves the current one alone.
    DeleteContext(pair.ours);
    pair.ours = nullptr;
    EXPECT_EQ(TypeParam::Current(), hostNative);
}

TYPED_TEST_P(ContextContract, ScopedCurrentContextPutsBackWhatWasCurrent) {
    typename TestFixture::ContextPair pair;
    ASSERT_TRUE(pair.Made());
    SetCurrentContext(pair.host);
    const void* const hostNative = TypeParam::Current();
    {
        ScopedCurrentContext keep;
        SetCurrentContext(pair.ours);
        EXPECT_NE(TypeParam::Current(), hostNative);
    }
    EXPECT_EQ(TypeParam::Current(), hostNative);
    SetCurrentContext(nullptr);
    {
        ScopedCurrentContext keep;
        SetCurrentContext(pair.ours);
    }
    EXPECT_EQ(TypeParam::Current(), nullptr);
}

TYPED_TEST_P(ContextContract, ContextsDoNotShareObjects) {
    typename TestFixture::ContextPair pair;
    ASSERT_TRUE(pair.Made());
    SetCurrentContext(pair.host);
    const GLuint program = glCreateProgram();
    EXPECT_TRUE(glIsProgram(program));
    SetCurrentContext(pair.ours);
    EXPECT_FALSE(glIsProgram(program));
    SetCurrentContext(pair.host);
    glDeleteProgram(program);
}

REGISTER_TYPED_TEST_SUITE_P(ContextContract,
                            CreateGivesACoreContextThatDeletingWhileCurrentLeavesNoneCurrent,
                            NoneIsHandledQuietly, SavedContextRestoresTheHostsAndStaysItsOwners,
                            ScopedCurrentContextPutsBackWhatWasCurrent, ContextsDoNotShareObjects);
