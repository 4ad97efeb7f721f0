// Uniform and attribute binding by name, with every report checked against
// the exact line written.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gl/Geometry.h"
#include "gl/Uniforms.h"
#include "tests/gl/GLCallSpy.h"
#include "tests/gl/TestPrograms.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

GLint CurrentProgram() {
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    return program;
}

}  // namespace

TEST(UniformValues, TagsAndComponentOrder) {
    EXPECT_EQ(UIVEC(7u).type, 0);
    EXPECT_EQ(UIVEC(7u).value.u[0], 7u);
    EXPECT_EQ(IVEC(-3).type, 1);
    EXPECT_EQ(IVEC(-3).value.i[0], -3);
    const uniform_t i4 = IVEC4({1, 2, 3, 4});
    EXPECT_EQ(IVEC2({1, 2}).type, 2);
    EXPECT_EQ(IVEC3({1, 2, 3}).type, 3);
    EXPECT_EQ(i4.type, 4);
    EXPECT_EQ(i4.value.i[0], 1);
    EXPECT_EQ(i4.value.i[3], 4);
    EXPECT_EQ(VEC(0.5f).type, 5);
    EXPECT_EQ(VEC2({0.5f, 1.5f}).type, 6);
    EXPECT_EQ(VEC2({0.5f, 1.5f}).value.f[1], 1.5f);
    EXPECT_EQ(VEC3({1, 2, 3}).type, 7);
    const uniform_t v4 = VEC4({1, 2, 3, 4});
    EXPECT_EQ(v4.type, 8);
    EXPECT_EQ(v4.value.f[2], 3.0f);
    Matrix44f m;
    for (int i = 0; i < 16; ++i) {
        m.m[i] = static_cast<float>(i) * 0.25f;
    }
    const uniform_t mat = MAT44(m);
    EXPECT_EQ(mat.type, 9);
    EXPECT_EQ(std::memcmp(mat.value.f, m.m, sizeof(m.m)), 0);
    EXPECT_EQ(TEX1D(5).type, 10);
    EXPECT_EQ(TEX2D(6).type, 11);
    EXPECT_EQ(TEX2D(6).value.u[0], 6u);
}

TEST(AttributeValues, MakersKeepOnlyTheFourFields) {
    const AttributeType a = make_attrib(3, 4, GL_FLOAT, 16, 999, 7);
    EXPECT_EQ(a.buffer, 3u);
    EXPECT_EQ(a.size, 4);
    EXPECT_EQ(a.type, static_cast<GLenum>(GL_FLOAT));
    EXPECT_EQ(a.stride, 16);
    const GLuint buffer = 9;
    const AttributeType b = CreateAttribute(buffer, 2, GL_FLOAT);
    EXPECT_EQ(b.buffer, 9u);
    EXPECT_EQ(b.size, 2);
    EXPECT_EQ(b.stride, 0);
}

TEST_F(GLTest, UniformsOfProgramZeroAreReportedAndNothingIsInUse) {
    glUseProgram(0);
    const std::string out = CaptureStdout([] { SetProgramUniforms(0, {{"x", IVEC(1)}}); });
    EXPECT_EQ(out, "Program Not Linked : 0\nNo Active Uniforms for prog: 0\n");
    EXPECT_EQ(CurrentProgram(), 0);
}

TEST_F(GLTest, FloatUniformGivenAsIntegerWritesThreeErrorLines) {
    constexpr char frag[] = R"(
#version 330
uniform float strengthF;
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(strengthF); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    const GLint location = glGetUniformLocation(program, "strengthF");
    const std::string out = CaptureStdout([&] {
        SetProgramUniforms(program, {{"strengthF", IVEC(3)}});
    });
    EXPECT_EQ(out, "Uniform Error: strengthF:" + std::to_string(location) + ":1282\n" +
                       "Uni Index: 0\nUni Value: 3\n");
    EXPECT_EQ(CurrentProgram(), static_cast<GLint>(program));
    GLfloat value = -1.0f;
    glGetUniformfv(program, location, &value);
    EXPECT_EQ(value, 0.0f);  // unchanged default
    glUseProgram(0);
    DeleteProgram(&program);
}

TEST_F(GLTest, ValuesReachTheirUniformsAndStrangersAreIgnored) {
    constexpr char frag[] = R"(
#version 330
uniform float aspectF;
uniform int iterationsL;
uniform vec2 resV;
uniform float declaredButUnusedF;
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(aspectF, float(iterationsL), resV); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    const UniformMap uniforms = {{"aspectF", VEC(1.25f)},
                                 {"iterationsL", IVEC(12)},
                                 {"resV", VEC2({640.0f, 480.0f})},
                                 {"declaredButUnusedF", VEC(2.0f)},
                                 {"notInTheProgram", IVEC(1)}};
    const std::string out = CaptureStdout([&] { SetProgramUniforms(program, uniforms); });
    EXPECT_EQ(out, "");
    GLfloat aspect = 0, res[2] = {0, 0};
    GLint iterations = 0;
    glGetUniformfv(program, glGetUniformLocation(program, "aspectF"), &aspect);
    glGetUniformiv(program, glGetUniformLocation(program, "iterationsL"), &iterations);
    glGetUniformfv(program, glGetUniformLocation(program, "resV"), res);
    EXPECT_EQ(aspect, 1.25f);
    EXPECT_EQ(iterations, 12);
    EXPECT_EQ(res[0], 640.0f);
    EXPECT_EQ(res[1], 480.0f);
    glUseProgram(0);
    DeleteProgram(&program);
}

TEST_F(GLTest, MissingUniformsAreListed) {
    constexpr char frag[] = R"(
#version 330
uniform float aF;
uniform float bF;
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(aF, bF, 0.0, 1.0); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    const std::string out = CaptureStdout([&] { SetProgramUniforms(program, {{"aF", VEC(1)}}); });
    EXPECT_EQ(out, "Num Uniforms: 2\nThe Following Uniforms are not set:\nbF\n");
    glUseProgram(0);
    DeleteProgram(&program);
}

TEST_F(GLTest, TwoSamplersGetUnitsZeroAndOneAndReadTheirOwnTextures) {
    constexpr char frag[] = R"(
#version 330
uniform sampler2D firstTex;
uniform sampler2D secondTex;
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(texture(firstTex, uv).r, texture(secondTex, uv).r, 0.0, 1.0); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    GLRenderBuffer first = MakeTextureRGBA32F(1, 1, {0.25f, 0.0f, 0.0f, 1.0f}, GL_CLAMP_TO_EDGE);
    GLRenderBuffer second = MakeTextureRGBA32F(1, 1, {0.75f, 0.0f, 0.0f, 1.0f}, GL_CLAMP_TO_EDGE);
    PX_FBO target =
        FBOHelper::CreateTextureFBO(2, 2, GL_CLAMP_TO_BORDER, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    ASSERT_NE(target.fbo, 0u);

    const UniformMap uniforms = {{"firstTex", TEX2D(first.id)}, {"secondTex", TEX2D(second.id)}};
    int units = -1;
    const std::string out = CaptureStdout([&] { units = SetProgramUniforms(program, uniforms); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(units, 2);
    GLint unitFirst = -1, unitSecond = -1;
    glGetUniformiv(program, glGetUniformLocation(program, "firstTex"), &unitFirst);
    glGetUniformiv(program, glGetUniformLocation(program, "secondTex"), &unitSecond);
    EXPECT_EQ(unitFirst + unitSecond, 1);
    EXPECT_NE(unitFirst, unitSecond);

    GL_Pod pod = CreateQuadFromVertices(program, uniforms, quad_vertices, quad_tex);
    RenderPOD(target.fbo, {0, 0, 2, 2}, pod);
    DeletePodBuffers(&pod);
    const std::vector<float> pixels = ReadTextureRGBA32F(target.renderBuffer.id, 2, 2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pixels[i * 4 + 0], 0.25f);
        EXPECT_EQ(pixels[i * 4 + 1], 0.75f);
    }
    FBOHelper::DeleteGenericFBO(&target);
    FBOHelper::DeleteRenderBuffer(&first);
    FBOHelper::DeleteRenderBuffer(&second);
    DeleteProgram(&program);
}

TEST_F(GLTest, TextureGivenToANonSamplerIsReportedAndStillTakesAUnit) {
    constexpr char frag[] = R"(
#version 330
uniform float notASamplerF;
in vec2 uv;
out vec4 colour;
void main() { colour = vec4(notASamplerF); }
)";
    GLuint program = BuildProgram(kQuadVert, frag);
    ASSERT_NE(program, 0u);
    GLRenderBuffer texture = MakeTextureRGBA32F(1, 1, {0, 0, 0, 0});
    const GLint location = glGetUniformLocation(program, "notASamplerF");
    int units = -1;
    const std::string out = CaptureStdout([&] {
        units = SetProgramUniforms(program, {{"notASamplerF", TEX2D(texture.id)}});
    });
    EXPECT_EQ(units, 1);
    EXPECT_EQ(out, "Uniform Error: notASamplerF:" + std::to_string(location) + ":1282\n" +
                       "Uni Index: 0\nUni Value: " + std::to_string(texture.id) + "\n");
    glUseProgram(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    FBOHelper::DeleteRenderBuffer(&texture);
    DeleteProgram(&program);
}

TEST_F(GLTest, AttributesOfProgramZeroAreReported) {
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    const std::string out = CaptureStdout([&] { SetProgramAttributes(vertexArray, 0, {}); });
    EXPECT_EQ(out, "Active Attrib Error: 501\nNo Active Attribs shader: 0\n");
    glDeleteVertexArrays(1, &vertexArray);
}

TEST_F(GLTest, MissingAttributesAreListedAndAliasesIgnored) {
    constexpr char vert[] = R"(
#version 330
in vec4 vertex;
in vec2 extraIn;
out vec2 uv;
void main() { uv = extraIn; gl_Position = vertex + vec4(float(gl_VertexID) * 0.0); }
)";
    GLuint program = BuildProgram(vert, kCopyFrag);
    ASSERT_NE(program, 0u);
    GL_Pod pod = CreateQuadFromVertices(program, {}, quad_vertices, quad_tex);
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    // The quad offers "vertex", "tex" and "texCoordIn": only "vertex" is
    // used; "extraIn" is missing.
    const std::string out =
        CaptureStdout([&] { SetProgramAttributes(vertexArray, program, pod.attributes); });
    EXPECT_EQ(out, "The Following Attributes are not set:\nextraIn\n");

    GLint boundArray = -1, boundBuffer = -1;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &boundArray);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &boundBuffer);
    EXPECT_EQ(boundArray, 0);
    EXPECT_EQ(boundBuffer, 0);

    // The vertex array recorded "vertex" (enabled, 4 floats, the position
    // buffer) and left "extraIn" disabled.
    glBindVertexArray(vertexArray);
    const GLuint vertexLocation = static_cast<GLuint>(glGetAttribLocation(program, "vertex"));
    const GLuint extraLocation = static_cast<GLuint>(glGetAttribLocation(program, "extraIn"));
    GLint enabled = 0, size = 0, buffer = 0;
    glGetVertexAttribiv(vertexLocation, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    glGetVertexAttribiv(vertexLocation, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
    glGetVertexAttribiv(vertexLocation, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
    EXPECT_EQ(enabled, GL_TRUE);
    EXPECT_EQ(size, 4);
    EXPECT_EQ(static_cast<GLuint>(buffer), pod.buffers[0]);
    glGetVertexAttribiv(extraLocation, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
    EXPECT_EQ(enabled, GL_FALSE);
    glBindVertexArray(0);

    glDeleteVertexArrays(1, &vertexArray);
    DeletePodBuffers(&pod);
    DeleteProgram(&program);
}

TEST_F(GLTest, ClearAttribBuffersDeletesEachBufferOnceAndEmptiesTheMap) {
    GL_Pod pod = CreateQuadFromVertices(0, {}, quad_vertices, quad_tex);
    const int buffersBefore = CountLiveGLObjects().buffers;
    const int calls = GLCalls().deleteBuffers;
    ClearAttribBuffers(&pod.attributes);
    EXPECT_TRUE(pod.attributes.empty());
    // "tex" and "texCoordIn" share one buffer: two buffers, two deletions.
    EXPECT_EQ(GLCalls().deleteBuffers - calls, 2);
    EXPECT_EQ(CountLiveGLObjects().buffers, buffersBefore - 2);
    pod.buffers.clear();
}
