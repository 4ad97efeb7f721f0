// The macOS context operations, compiled unchanged against the CGL stand-in
// and observed through CGL itself: what is current, how many references a
// context holds, and which objects are still alive.

#include <string>
#include <vector>

#include "context/mac/CGLContext.h"
#include "tests/context/ContextContract.h"
#include "tests/support/cgl/CGLStandIn.h"

namespace {

bool StandInMakesContexts() {
    const CGLPixelFormatAttribute core[] = {
        kCGLPFAOpenGLProfile, static_cast<CGLPixelFormatAttribute>(kCGLOGLPVersion_3_2_Core),
        static_cast<CGLPixelFormatAttribute>(0)};
    CGLPixelFormatObj pix = nullptr;
    GLint screens = 0;
    CGLContextObj ctx = nullptr;
    if (CGLChoosePixelFormat(core, &pix, &screens) == kCGLNoError) {
        CGLCreateContext(pix, nullptr, &ctx);
        CGLDestroyPixelFormat(pix);
    }
    if (ctx) {
        CGLDestroyContext(ctx);
    }
    return ctx != nullptr;
}

// Every test starts with nothing injected and ends with nothing alive,
// nothing current and no call that named a dead object.
struct CGLPlatform {
    static const void* Current() { return CGLGetCurrentContext(); }
    static std::string Unavailable() {
        return StandInMakesContexts() ? "" : "none through the CGL stand-in over EGL";
    }
    static constexpr bool kCreateLeavesCurrent = false;
    static void Begin() { cglstandin::Reset(); }
    static void End() {
        EXPECT_EQ(CGLGetCurrentContext(), nullptr);
        EXPECT_EQ(cglstandin::LiveContexts(), 0);
        EXPECT_EQ(cglstandin::LivePixelFormats(), 0);
        EXPECT_EQ(cglstandin::Misuses(), 0);
        cglstandin::Reset();
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(CGL, ContextContract, CGLPlatform);

using CGLContextTest = ContextContract<CGLPlatform>;

// The CGL object behind a handle, found by making it current.
CGLContextObj CGLObjectOf(GLContextHandle handle) {
    SetCurrentContext(handle);
    const CGLContextObj object = CGLGetCurrentContext();
    SetCurrentContext(nullptr);
    return object;
}

}  // namespace

TEST_F(CGLContextTest, DefaultAttributesAskForACoreProfileAndThePixelFormatGoes) {
    GLContextHandle context = CreateContext(nullptr);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(cglstandin::LastAttributes(), (std::vector<int>{99, 0x3200, 0}));
    EXPECT_EQ(cglstandin::LivePixelFormats(), 0);
    DeleteContext(context);
}

// Each row makes a context, makes it current, releases it and deletes it,
// with one CGL call failing (or a bad attribute list); the printed text is
// exactly what the row says, the handle is none exactly when creation failed,
// and nothing stays current.
TEST_F(CGLContextTest, FailuresPrintThePlatformsTextAndCreationFailuresLeaveNothing) {
    const CGLPixelFormatAttribute unknownAttribute[] = {static_cast<CGLPixelFormatAttribute>(42),
                                                        static_cast<CGLPixelFormatAttribute>(0)};
    struct Row {
        const char* name;
        const CGLPixelFormatAttribute* attributes;
        bool inject;
        cglstandin::Call call;
        CGLError error;
        bool created;
        const char* printed;
        GLuint referencesLeft;  // after DeleteContext, on a context that was made
    };
    const Row rows[] = {
        // A failed choice goes on to creation, which fails for want of a
        // pixel format: two lines, the screen count 0 in both.
        {"choice fails", nullptr, true, cglstandin::Call::ChoosePixelFormat, kCGLBadDisplay, false,
         "0 - invalid graphics device\n0 - invalid pixel format\n", 0},
        {"unknown attribute",
         unknownAttribute,
         false,
         {},
         kCGLNoError,
         false,
         "0 - invalid pixel format attribute\n0 - invalid pixel format\n",
         0},
        {"creation fails", nullptr, true, cglstandin::Call::CreateContext, kCGLBadAlloc, false,
         "1 - invalid memory allocation\n", 0},
        {"make-current fails", nullptr, true, cglstandin::Call::SetCurrentContext, kCGLBadState,
         true, "Cannot Set CTX - invalid context state\n", 0},
        // The release went through before the destruction failed: one
        // reference is left, and the handle is gone all the same.
        {"destruction fails", nullptr, true, cglstandin::Call::DestroyContext, kCGLBadContext, true,
         "Destroy CTX Failed-invalid context\n", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.inject) {
            cglstandin::FailNext(row.call, row.error);
        }
        GLContextHandle context = nullptr;
        CGLContextObj object = nullptr;
        bool currentAfterCreate = true;
        const std::string printed = CaptureStdout([&] {
            context = CreateContext(nullptr, row.attributes);
            currentAfterCreate = CGLGetCurrentContext() != nullptr;
            SetCurrentContext(context);
            object = CGLGetCurrentContext();
            SetCurrentContext(nullptr);
            DeleteContext(context);
        });
        EXPECT_EQ(printed, row.printed);
        EXPECT_EQ(context != nullptr, row.created);
        EXPECT_FALSE(currentAfterCreate);
        EXPECT_EQ(CGLGetCurrentContext(), nullptr);
        EXPECT_EQ(cglstandin::LivePixelFormats(), 0);
        EXPECT_EQ(cglstandin::LiveContexts(), row.referencesLeft > 0 ? 1 : 0);
        if (row.referencesLeft > 0 && object) {
            EXPECT_EQ(CGLGetContextRetainCount(object), row.referencesLeft);
            CGLDestroyContext(object);
        }
    }
}

// Created contexts hold the creation reference and the retain; however the
// context was used, DeleteContext gives both back and frees it, while a saved
// handle for the current context frees nothing but itself.
TEST_F(CGLContextTest, RetainAndReleaseAreBalancedAfterDelete) {
    struct Row {
        const char* name;
        bool currentWhenDeleted;
        bool savedAndRestored;
    };
    const Row rows[] = {
        {"never current", false, false},
        {"deleted while current", true, false},
        {"saved, restored and handed back first", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GLContextHandle context = CreateContext(nullptr);
        ASSERT_NE(context, nullptr);
        const CGLContextObj object = CGLObjectOf(context);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(CGLGetContextRetainCount(object), 2u);
        if (row.currentWhenDeleted) {
            SetCurrentContext(context);
        }
        if (row.savedAndRestored) {
            GLContextHandle saved = GetCurrentContext();
            ASSERT_NE(saved, nullptr);
            SetCurrentContext(nullptr);
            SetCurrentContext(saved);
            DeleteContext(saved);
            EXPECT_EQ(CGLGetCurrentContext(), object);
            EXPECT_EQ(CGLGetContextRetainCount(object), 2u);
        }
        DeleteContext(context);
        EXPECT_EQ(cglstandin::LiveContexts(), 0);
        EXPECT_EQ(CGLGetCurrentContext(), nullptr);
        EXPECT_EQ(cglstandin::Misuses(), 0);
    }
}
