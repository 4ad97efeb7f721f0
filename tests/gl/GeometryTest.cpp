// Buffers, quad pods, the draw routines, the full-target pass and the
// diagnostics lines.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl/Diagnostics.h"
#include "gl/Geometry.h"
#include "gl/Quad.h"
#include "tests/gl/GLCallSpy.h"
#include "tests/gl/TestPrograms.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

// A 4x4 source whose texel (x, y) holds (x, y, 1, 1) / 4 + 1/8: each texel
// tells where it came from.
std::vector<float> PositionTexels() {
    std::vector<float> rgba;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            rgba.insert(rgba.end(), {x / 4.0f + 0.125f, y / 4.0f + 0.125f, 1.0f, 1.0f});
        }
    }
    return rgba;
}

}  // namespace

TEST(QuadTables, CornersInStripOrder) {
    const float vertices[16] = {-1, -1, 0, 1, 1, -1, 0, 1, -1, 1, 0, 1, 1, 1, 0, 1};
    const float tex[8] = {0, 0, 1, 0, 0, 1, 1, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(quad_vertices[i], vertices[i]);
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(quad_tex[i], tex[i]);
    }
}

TEST_F(GLTest, DeleteBufferOfZeroMakesNoGLCall) {
    const int calls = GLCalls().deleteBuffers;
    GLuint none = 0;
    const std::string out = CaptureStdout([&] {
        DeleteBuffer(&none);
        DeleteBuffer(nullptr);
    });
    EXPECT_EQ(out, "");
    EXPECT_EQ(GLCalls().deleteBuffers, calls);
}

TEST_F(GLTest, CreateBufferHoldsTheDataAndReportsErrors) {
    const float data[3] = {1.5f, -2.0f, 3.25f};
    GLuint buffer = CreateBuffer(data, sizeof(data), GL_ARRAY_BUFFER, GL_STATIC_DRAW);
    ASSERT_NE(buffer, 0u);
    EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), static_cast<GLint>(buffer));
    float back[3] = {};
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(back), back);
    EXPECT_EQ(back[0], 1.5f);
    EXPECT_EQ(back[2], 3.25f);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    DeleteBuffer(&buffer);
    EXPECT_EQ(buffer, 0u);

    // An unknown usage is GL_INVALID_ENUM (1280); the name is still returned.
    GLuint bad = 0;
    const std::string out =
        CaptureStdout([&] { bad = CreateBuffer(data, sizeof(data), GL_ARRAY_BUFFER, 0x1234); });
    EXPECT_EQ(out, "KV_DEBUG_HLV3 create buffer error: 1280\n");
    EXPECT_NE(bad, 0u);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    DeleteBuffer(&bad);
}

TEST_F(GLTest, QuadPodDescribesOneStripWithItsBuffers) {
    const UniformMap uniforms = {{"aspectF", VEC(2.0f)}};
    GL_Pod pod = CreateQuadFromVertices(42, uniforms, quad_vertices, quad_tex);
    const std::array<uint32_t, 11> words = {GL_TRIANGLE_STRIP, 0, 4, 0, 0, 0, 1, 0, 0, 0, 42};
    EXPECT_EQ(pod.drawParams, words);
    ASSERT_EQ(pod.buffers.size(), 2u);
    EXPECT_EQ(pod.uniforms.size(), 1u);
    EXPECT_EQ(pod.uniforms.at("aspectF").value.f[0], 2.0f);
    ASSERT_EQ(pod.attributes.size(), 3u);
    const AttributeType vertex = pod.attributes.at("vertex");
    const AttributeType tex = pod.attributes.at("tex");
    const AttributeType alias = pod.attributes.at("texCoordIn");
    EXPECT_EQ(vertex.buffer, pod.buffers[0]);
    EXPECT_EQ(vertex.size, 4);
    EXPECT_EQ(vertex.stride, 16);
    EXPECT_EQ(tex.buffer, pod.buffers[1]);
    EXPECT_EQ(tex.size, 2);
    EXPECT_EQ(tex.stride, 8);
    EXPECT_EQ(alias.buffer, tex.buffer);
    EXPECT_EQ(vertex.type, static_cast<GLenum>(GL_FLOAT));

    float back[8] = {};
    glBindBuffer(GL_ARRAY_BUFFER, pod.buffers[1]);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(back), back);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(back[i], quad_tex[i]);
    }
    const int calls = GLCalls().deleteBuffers;
    DeletePodBuffers(&pod);
    EXPECT_EQ(GLCalls().deleteBuffers - calls, 1);  // one call for the list
    EXPECT_TRUE(pod.buffers.empty());
}

TEST_F(GLTest, RenderQuadCopiesTheSourceAndIgnoresAnUnusedRectangle) {
    GLuint program = BuildProgram(kQuadVert, kCopyFrag);
    ASSERT_NE(program, 0u);
    GLRenderBuffer source = MakeTextureRGBA32F(4, 4, PositionTexels());
    PX_FBO target =
        FBOHelper::CreateTextureFBO(4, 4, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    const RectF ignored = {0.5, 0.5, 0.6, 0.6};
    const std::string out = CaptureStdout([&] {
        RenderQuad(&target, program, {{"videoTexture", TEX2D(source.id)}}, 0, ignored, 0);
    });
    EXPECT_EQ(out, "");
    const std::vector<float> expected = PositionTexels();
    const std::vector<float> pixels = ReadTextureRGBA32F(target.renderBuffer.id, 4, 4);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(pixels[i], expected[i], 1e-6) << "value " << i;
    }
    FBOHelper::DeleteGenericFBO(&target);
    FBOHelper::DeleteRenderBuffer(&source);
    DeleteProgram(&program);
}

TEST_F(GLTest, RectangleShrinksTheSourceToTheMiddle) {
    GLuint program = BuildProgram(kQuadVert, kCopyFrag);
    ASSERT_NE(program, 0u);
    // A 2x2 source of distinct texels, drawn into a 6x6 target through the
    // rectangle (-0.25, -0.25, 1.25, 1.25): pixel centres (i + 0.5) / 6 map
    // to texture coordinates -0.25 + 1.5 (i + 0.5) / 6, i.e. -0.125, 0.125,
    // 0.375, 0.625, 0.875, 1.125. The outer band lies outside the texture
    // (fading into the transparent border); the middle 4x4 holds the source.
    const std::vector<float> texels = {1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, 1, 1, 1};
    GLRenderBuffer source = MakeTextureRGBA32F(2, 2, texels);
    PX_FBO target =
        FBOHelper::CreateTextureFBO(6, 6, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    const RectF rect = {-0.25, -0.25, 1.25, 1.25};
    RenderQuad(&target, program, {{"videoTexture", TEX2D(source.id)}}, 1, rect, 0);
    const std::vector<float> pixels = ReadTextureRGBA32F(target.renderBuffer.id, 6, 6);

    // Bilinear reference: the texture coordinate of pixel i, read at texel
    // positions with the border wrap (outside = 0).
    auto texel = [&](int x, int y, int c) -> float {
        if (x < 0 || y < 0 || x > 1 || y > 1) {
            return 0.0f;
        }
        return texels[static_cast<size_t>((y * 2 + x) * 4 + c)];
    };
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const double u = (-0.25 + 1.5 * (x + 0.5) / 6.0) * 2.0 - 0.5;
            const double v = (-0.25 + 1.5 * (y + 0.5) / 6.0) * 2.0 - 0.5;
            const int x0 = static_cast<int>(std::floor(u));
            const int y0 = static_cast<int>(std::floor(v));
            const double fx = u - x0;
            const double fy = v - y0;
            for (int c = 0; c < 4; ++c) {
                const double expected =
                    (1 - fx) * (1 - fy) * texel(x0, y0, c) + fx * (1 - fy) * texel(x0 + 1, y0, c) +
                    (1 - fx) * fy * texel(x0, y0 + 1, c) + fx * fy * texel(x0 + 1, y0 + 1, c);
                EXPECT_NEAR(pixels[static_cast<size_t>((y * 6 + x) * 4 + c)], expected, 2e-3)
                    << "pixel " << x << "," << y << " channel " << c;
            }
        }
    }
    // The outer band is mostly border: the corner keeps a sixteenth of texel
    // (0, 0). Row 0 of the target reads from row 0 of the source (no flip):
    // pixel (2, 2) is mostly texel (0, 0), which is red.
    EXPECT_NEAR(pixels[3], 0.0625f, 2e-3);
    EXPECT_GT(pixels[(2 * 6 + 2) * 4 + 0], pixels[(2 * 6 + 2) * 4 + 2]);
    FBOHelper::DeleteGenericFBO(&target);
    FBOHelper::DeleteRenderBuffer(&source);
    DeleteProgram(&program);
}

TEST_F(GLTest, PassLeavesEveryBindingAtItsDefault) {
    constexpr char frag[] = R"(
#version 330
uniform sampler2D firstTex;
uniform sampler2D secondTex;
in vec2 uv;
out vec4 colour;
void main() { colour = texture(firstTex, uv) + texture(secondTex, uv); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    GLRenderBuffer a = MakeTextureRGBA32F(1, 1, {0.5f, 0, 0, 0});
    GLRenderBuffer b = MakeTextureRGBA32F(1, 1, {0, 0.5f, 0, 0});
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    const int buffersBefore = CountLiveGLObjects().buffers;
    const RectF unused = {};
    RenderQuad(&target, program, {{"firstTex", TEX2D(a.id)}, {"secondTex", TEX2D(b.id)}}, 0, unused,
               1);

    EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(Integer(GL_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), 0);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    for (GLenum unit = 0; unit < 2; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0) << "unit " << unit;
    }
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(CountLiveGLObjects().buffers, buffersBefore);  // both quad buffers gone
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    FBOHelper::DeleteGenericFBO(&target);
    FBOHelper::DeleteRenderBuffer(&a);
    FBOHelper::DeleteRenderBuffer(&b);
    DeleteProgram(&program);
}

TEST_F(GLTest, RenderQuadWithFailedProgramReportsItAndDrawsNothingBound) {
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    const RectF unused = {};
    const std::string out = CaptureStdout([&] { RenderQuad(&target, 0, {}, 0, unused, 0); });
    EXPECT_EQ(out,
              "Active Attrib Error: 501\nNo Active Attribs shader: 0\n"
              "Program Not Linked : 0\nNo Active Uniforms for prog: 0\n");
    EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    FBOHelper::DeleteGenericFBO(&target);
    RenderQuad(nullptr, 0, {}, 0, unused, 0);  // no target: nothing at all
}

TEST_F(GLTest, IndexedPodDrawsElementsAndArrayPodDrawsArrays) {
    constexpr char frag[] = R"(
#version 330
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(uv, 1.0, 1.0); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    GL_Pod pod = CreateQuadFromVertices(program, {}, quad_vertices, quad_tex);
    const uint32_t indices[4] = {0, 1, 2, 3};
    GLuint indexBuffer =
        CreateBuffer(indices, sizeof(indices), GL_ELEMENT_ARRAY_BUFFER, GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    const GLCallCounts before = GLCalls();
    RenderPOD(target.fbo, {0, 0, 2, 2}, pod);
    EXPECT_EQ(GLCalls().drawArraysInstanced - before.drawArraysInstanced, 1);
    EXPECT_EQ(GLCalls().drawElementsInstanced - before.drawElementsInstanced, 0);

    FBOHelper::ClearFBO(&target);
    pod.drawParams[POD_INDEX_BUFFER] = indexBuffer;
    RenderPOD(target.fbo, {0, 0, 2, 2}, pod);
    EXPECT_EQ(GLCalls().drawArraysInstanced - before.drawArraysInstanced, 1);
    EXPECT_EQ(GLCalls().drawElementsInstanced - before.drawElementsInstanced, 1);
    // The indexed strip covers the target just like the array one.
    const std::vector<float> pixels = ReadTextureRGBA32F(target.renderBuffer.id, 2, 2);
    EXPECT_NEAR(pixels[0], 0.25f, 1e-6);
    EXPECT_NEAR(pixels[1], 0.25f, 1e-6);
    EXPECT_NEAR(pixels[3 * 4 + 0], 0.75f, 1e-6);
    EXPECT_EQ(pixels[3 * 4 + 3], 1.0f);
    EXPECT_EQ(Integer(GL_ELEMENT_ARRAY_BUFFER_BINDING), 0);

    DeleteBuffer(&indexBuffer);
    DeletePodBuffers(&pod);
    FBOHelper::DeleteGenericFBO(&target);
    DeleteProgram(&program);
}

TEST_F(GLTest, DrawLeavesCullingRestartAndDiscardAsFound) {
    GLuint program = BuildProgram(kQuadVert, kCopyFrag);
    ASSERT_NE(program, 0u);
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    GL_Pod pod = CreateQuadFromVertices(program, {}, quad_vertices, quad_tex);
    const GLenum caps[] = {GL_CULL_FACE, GL_PRIMITIVE_RESTART, GL_RASTERIZER_DISCARD};
    for (const bool enabled : {true, false}) {
        for (const GLenum cap : caps) {
            enabled ? glEnable(cap) : glDisable(cap);
        }
        CaptureStdout([&] { RenderPOD(target.fbo, {0, 0, 2, 2}, pod); });
        for (const GLenum cap : caps) {
            EXPECT_EQ(glIsEnabled(cap), enabled ? GL_TRUE : GL_FALSE) << "capability " << cap;
        }
    }
    // Words that ask for culling and restart switch them off again.
    pod.drawParams[POD_CULL_FACE] = GL_BACK;
    pod.drawParams[POD_RESTART_INDEX] = 0xFFFF;
    CaptureStdout([&] { RenderPOD(target.fbo, {0, 0, 2, 2}, pod); });
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_PRIMITIVE_RESTART));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    DeletePodBuffers(&pod);
    FBOHelper::DeleteGenericFBO(&target);
    DeleteProgram(&program);
}

TEST_F(GLTest, CheckOpenGLErrorWritesThePendingErrorOnly) {
    std::string out = CaptureStdout([] { CheckOpenGLError("nothing wrong", "Somewhere.cpp", 12); });
    EXPECT_EQ(out, "");
    glEnable(0x1234);  // GL_INVALID_ENUM
    out = CaptureStdout([] { CheckOpenGLError("enable", "Somewhere.cpp", 34); });
    EXPECT_EQ(out, "OpenGL error 00000500, at Somewhere.cpp:34 - for enable\n\n");
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(DebugLog, TaggedLineWithOptionalNumber) {
    EXPECT_EQ(CaptureStdout([] { DebugLog("UploadToTexture() called without valid texture"); }),
              "KV_DEBUG_HLV3 UploadToTexture() called without valid texture\n");
    EXPECT_EQ(CaptureStdout([] { DebugLog("create buffer error: ", 1285); }),
              "KV_DEBUG_HLV3 create buffer error: 1285\n");
}
