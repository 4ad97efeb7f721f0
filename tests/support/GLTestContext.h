#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <vector>

#include "context/Context.h"
#include "gl/FBOHelper.h"
#include "gl/GLApi.h"
#include "tests/support/GLObjectCounter.h"
#include "tests/support/RunningInCI.h"

// GL test support.
//
// GPU tests need an OpenGL 3.2 core context; they get it the way the plug-in
// does, through CreateContext. Where none can be made the test is skipped
// with the reason, except when the environment has CI=true: then it fails.
//
//   class MyGLTest : public GLTest {};          // or use GLTest directly
//   TEST_F(GLTest, Something) { ... }           // context current, leak-checked
//
//   TEST(Threads, Something) {                  // tests that make their own
//       HLV3_REQUIRE_GL();                      // contexts just ask first
//       ...
//   }

// Why no GL 3.2 core context can be made in this process (the line that
// CreateContext printed), or "" when one can. Probed once, then remembered.
std::string GLUnavailableReason();

// Skips the calling test (returns from the calling void function) when no GL
// context can be made, or fails it under CI=true.
#define HLV3_REQUIRE_GL()                                                         \
    do {                                                                          \
        const std::string hlv3_gl_reason = GLUnavailableReason();                 \
        if (!hlv3_gl_reason.empty()) {                                            \
            if (RunningInCI()) {                                                  \
                GTEST_FAIL() << "no OpenGL 3.2 core context: " << hlv3_gl_reason; \
            }                                                                     \
            GTEST_SKIP() << "no OpenGL 3.2 core context: " << hlv3_gl_reason;     \
        }                                                                         \
    } while (0)

// Fixture: SetUp makes a fresh context with CreateContext and makes it
// current on the test's thread, then counts the live GL objects; TearDown
// expects the same counts (so every test fails on a leak), makes no context
// current and deletes the context. A test that deliberately keeps objects
// sets `checkLeaks` to false.
class GLTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    GLContextHandle context = nullptr;
    GLObjectCounts before;
    bool checkLeaks = true;
};

// A width x height GL_RGBA32F texture (made with
// FBOHelper::CreateTextureRenderBuffer, so linear filtering and `wrapMode` on
// both axes) holding `rgba`: width * height * 4 floats, row 0 first. Release
// it with FBOHelper::DeleteRenderBuffer.
GLRenderBuffer MakeTextureRGBA32F(uint32_t width, uint32_t height, const std::vector<float>& rgba,
                                  GLenum wrapMode = GL_CLAMP_TO_BORDER);

// Level 0 of an RGBA texture as floats: width * height * 4 values, row 0
// first. Leaves GL_TEXTURE_2D unbound.
std::vector<float> ReadTextureRGBA32F(GLuint texture, uint32_t width, uint32_t height);
