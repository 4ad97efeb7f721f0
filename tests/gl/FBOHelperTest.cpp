// Render targets: creation, status reports, clearing, deletion, filtering
// and the two wrap modes of the effect.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gl/FBOHelper.h"
#include "gl/Quad.h"
#include "tests/gl/GLCallSpy.h"
#include "tests/gl/TestPrograms.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

GLint BoundFramebuffer() {
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    return bound;
}

GLint TextureParameter(GLuint texture, GLenum name) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

}  // namespace

TEST(FramebufferStatusNames, EveryStatusHasItsNameAndOthersNone) {
    const std::pair<GLenum, const char*> table[] = {
        {0x8219, "GL_FRAMEBUFFER_UNDEFINED"},
        {0x8CD6, "GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT"},
        {0x8CD7, "GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT"},
        {0x8CDB, "GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER"},
        {0x8CDC, "GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER"},
        {0x8CDD, "GL_FRAMEBUFFER_UNSUPPORTED"},
        {0x8D56, "GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE"},
        {0x8DA8, "GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS"},
    };
    for (const auto& [status, name] : table) {
        EXPECT_STREQ(FBOHelper::getFrameBufferError(status), name);
    }
    EXPECT_STREQ(FBOHelper::getFrameBufferError(0x8CD5), "");  // complete is no error name
    EXPECT_STREQ(FBOHelper::getFrameBufferError(0), "");
    EXPECT_STREQ(FBOHelper::getFrameBufferError(0x1234), "");
}

TEST_F(GLTest, TextureFBOIsCompleteFloatRGBAWithTheWrapMode) {
    PX_FBO target = {};
    const std::string out = CaptureStdout([&] {
        target = FBOHelper::CreateTextureFBO(7, 5, GL_MIRRORED_REPEAT, GL_RGBA32F,
                                             GL_DEPTH_COMPONENT32F);
    });
    EXPECT_EQ(out, "");
    ASSERT_NE(target.fbo, 0u);
    const GLRenderBuffer& rb = target.renderBuffer;
    EXPECT_EQ(rb.width, 7u);
    EXPECT_EQ(rb.height, 5u);
    EXPECT_EQ(rb.depth, 1u);
    EXPECT_EQ(rb.internalFormat, static_cast<GLenum>(GL_RGBA32F));
    EXPECT_EQ(rb.target, static_cast<GLenum>(GL_TEXTURE_2D));
    EXPECT_TRUE(rb.isTexture);
    EXPECT_EQ(TextureParameter(rb.id, GL_TEXTURE_WRAP_S), GL_MIRRORED_REPEAT);
    EXPECT_EQ(TextureParameter(rb.id, GL_TEXTURE_WRAP_T), GL_MIRRORED_REPEAT);
    EXPECT_EQ(TextureParameter(rb.id, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(TextureParameter(rb.id, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    // Left bound, and the texture is its colour attachment.
    EXPECT_EQ(BoundFramebuffer(), static_cast<GLint>(target.fbo));
    GLint attached = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &attached);
    EXPECT_EQ(static_cast<GLuint>(attached), rb.id);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    FBOHelper::DeleteGenericFBO(&target);
    EXPECT_EQ(target.fbo, 0u);
    EXPECT_EQ(target.renderBuffer.id, 0u);
}

TEST_F(GLTest, IntegerAndDepthTexturesSampleNearest) {
    GLRenderBuffer integer = {};
    const std::string out = CaptureStdout(
        [&] { integer = FBOHelper::CreateTextureRenderBuffer(2, 2, GL_RGBA32I, GL_REPEAT); });
    EXPECT_EQ(out, "Image Type is INT\n");
    EXPECT_EQ(TextureParameter(integer.id, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(TextureParameter(integer.id, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    GLRenderBuffer depth =
        FBOHelper::CreateTextureRenderBuffer(2, 2, GL_DEPTH_COMPONENT32F, GL_REPEAT);
    EXPECT_EQ(TextureParameter(depth.id, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    GLRenderBuffer depthStencil =
        FBOHelper::CreateTextureRenderBuffer(2, 2, GL_DEPTH32F_STENCIL8, GL_REPEAT);
    EXPECT_EQ(TextureParameter(depthStencil.id, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    FBOHelper::DeleteRenderBuffer(&integer);
    FBOHelper::DeleteRenderBuffer(&depth);
    FBOHelper::DeleteRenderBuffer(&depthStencil);
}

TEST_F(GLTest, FramebufferWithoutAttachmentIsReportedAndNotKept) {
    const GLRenderBuffer none = {4, 4, 1, GL_RGBA32F, 0, GL_TEXTURE_2D, false};
    GLuint fbo = 99;
    const std::string out = CaptureStdout([&] { fbo = FBOHelper::CreateFBO(none); });
    EXPECT_EQ(fbo, 0u);
    EXPECT_EQ(out, "Framebuffer Error - GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENTCode: 36055\n");
    EXPECT_EQ(BoundFramebuffer(), 0);
}

TEST_F(GLTest, IncompleteTargetReleasesItsTexture) {
    // A depth texture cannot be a colour attachment.
    PX_FBO target = {};
    const std::string out = CaptureStdout([&] {
        target = FBOHelper::CreateTextureFBO(4, 4, GL_CLAMP_TO_BORDER, GL_DEPTH_COMPONENT32F,
                                             GL_DEPTH_COMPONENT32F);
    });
    EXPECT_EQ(out, "Framebuffer Error - GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENTCode: 36054\n");
    EXPECT_EQ(target.fbo, 0u);
    EXPECT_EQ(target.renderBuffer.id, 0u);
    // The fixture's leak check confirms the texture is gone.
}

TEST_F(GLTest, DeletingNothingOrTwiceMakesNoGLCall) {
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    ASSERT_NE(target.fbo, 0u);
    const GLCallCounts before = GLCalls();
    FBOHelper::DeleteGenericFBO(&target);
    EXPECT_EQ(GLCalls().deleteFramebuffers - before.deleteFramebuffers, 1);
    EXPECT_EQ(GLCalls().deleteTextures - before.deleteTextures, 1);
    const std::string out = CaptureStdout([&] {
        FBOHelper::DeleteGenericFBO(&target);
        FBOHelper::DeleteGenericFBO(nullptr);
    });
    EXPECT_EQ(out, "");
    EXPECT_EQ(GLCalls().deleteFramebuffers - before.deleteFramebuffers, 1);
    EXPECT_EQ(GLCalls().deleteTextures - before.deleteTextures, 1);
}

TEST_F(GLTest, DeletingARenderBufferWithoutTextureWarns) {
    GLRenderBuffer none = {};
    const int calls = GLCalls().deleteTextures;
    const std::string out = CaptureStdout([&] { FBOHelper::DeleteRenderBuffer(&none); });
    EXPECT_EQ(out,
              "Warning: Requested FBO be deleted but it was never init (may not be an issue but "
              "just in case)\n");
    EXPECT_EQ(GLCalls().deleteTextures, calls);
}

TEST_F(GLTest, ClearFBOGivesExactZerosAndLeavesFramebufferZeroBound) {
    PX_FBO target =
        FBOHelper::CreateTextureFBO(3, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    ASSERT_NE(target.fbo, 0u);
    glBindFramebuffer(GL_FRAMEBUFFER, target.fbo);
    glClearColor(0.5f, -2.0f, 7.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColorMask(GL_FALSE, GL_TRUE, GL_FALSE, GL_FALSE);  // a mask left by someone else
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    FBOHelper::ClearFBO(&target);
    EXPECT_EQ(BoundFramebuffer(), 0);
    for (const float value : ReadTextureRGBA32F(target.renderBuffer.id, 3, 2)) {
        EXPECT_EQ(value, 0.0f);
    }
    FBOHelper::ClearFBO(nullptr);
    PX_FBO empty = {};
    FBOHelper::ClearFBO(&empty);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    FBOHelper::DeleteGenericFBO(&target);
}

TEST_F(GLTest, SamplingBeforeTheEdgeFollowsTheWrapMode) {
    // A 5-texel row sampled at u = -0.1: that is the centre of the texel just
    // before texel 0, so linear filtering reads it alone.
    constexpr char frag[] = R"(
#version 330
uniform sampler2D videoTexture;
uniform vec2 atV;
in vec2 uv;
out vec4 colour;
void main() { colour = texture(videoTexture, atV); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    const std::vector<float> row = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f,
                                    0.0f, 0.5f, 0.2f, 0.2f, 0.2f, 0.2f, 0.3f, 0.3f, 0.3f, 0.3f};
    PX_FBO out =
        FBOHelper::CreateTextureFBO(1, 1, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    const RectF unused = {};
    struct Case {
        GLenum wrap;
        std::vector<float> expected;
    };
    const Case cases[] = {{GL_CLAMP_TO_BORDER, {0.0f, 0.0f, 0.0f, 0.0f}},
                          {GL_MIRRORED_REPEAT, {0.1f, 0.2f, 0.3f, 0.4f}}};
    for (const Case& c : cases) {
        GLRenderBuffer source = MakeTextureRGBA32F(5, 1, row, c.wrap);
        const UniformMap uniforms = {{"videoTexture", TEX2D(source.id)},
                                     {"atV", VEC2({-0.1f, 0.5f})}};
        RenderQuad(&out, program, uniforms, 0, unused, 0);
        const std::vector<float> pixel = ReadTextureRGBA32F(out.renderBuffer.id, 1, 1);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(pixel[k], c.expected[k], 1e-6) << "wrap " << c.wrap << " channel " << k;
        }
        FBOHelper::DeleteRenderBuffer(&source);
    }
    FBOHelper::DeleteGenericFBO(&out);
    DeleteProgram(&program);
}
