// Program building: compile and link reports, what survives a build, the
// effect's program set.

#include <gtest/gtest.h>

#include <string>

#include "gl/Programs.h"
#include "tests/gl/GLCallSpy.h"
#include "tests/gl/TestPrograms.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

constexpr char kBrokenFrag[] = R"(
#version 330
out vec4 colour;
void main() { colour = undefinedThing; }
)";

// The info log GL gives for compiling `source` as `stage`, in full.
std::string FullCompileLog(GLenum stage, const char* source) {
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length), '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    glDeleteShader(shader);
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
    return log;
}

bool HasStage(GLuint program, GLenum stage) {
    GLuint shaders[8];
    GLsizei count = 0;
    glGetAttachedShaders(program, 8, &count, shaders);
    for (GLsizei i = 0; i < count; ++i) {
        GLint type = 0;
        glGetShaderiv(shaders[i], GL_SHADER_TYPE, &type);
        if (static_cast<GLenum>(type) == stage) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(GLTest, CreateProgramLinksAndKeepsNoShaderObjects) {
    const int shadersBefore = CountLiveGLObjects().shaders;
    GLuint program = 0;
    const std::string out = CaptureStdout([&] { program = BuildProgram(kQuadVert, kCopyFrag); });
    EXPECT_EQ(out, "");
    ASSERT_NE(program, 0u);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    GLint attached = -1;
    glGetProgramiv(program, GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(attached, 0);
    EXPECT_EQ(CountLiveGLObjects().shaders, shadersBefore);
    DeleteProgram(&program);
    EXPECT_EQ(program, 0u);
}

TEST_F(GLTest, FailedFragmentStageIsReportedOnceAndLeftOut) {
    const std::string log = FullCompileLog(GL_FRAGMENT_SHADER, kBrokenFrag);
    ASSERT_FALSE(log.empty());
    GLuint program = 0;
    const std::string out = CaptureStdout([&] { program = BuildProgram(kQuadVert, kBrokenFrag); });
    // The vertex stage alone still links.
    EXPECT_EQ(out, "Compile Shader Failed - " + log.substr(0, 255) + "\n");
    ASSERT_NE(program, 0u);
    DeleteProgram(&program);
}

TEST_F(GLTest, CompileLogIsCutTo255Characters) {
    std::string source = "\n#version 330\nout vec4 colour;\nvoid main() {\n";
    for (int i = 0; i < 40; ++i) {
        source += "colour = missing" + std::to_string(i) + ";\n";
    }
    source += "}\n";
    const std::string log = FullCompileLog(GL_FRAGMENT_SHADER, source.c_str());
    ASSERT_GT(log.size(), 255u);
    GLuint program = 0;
    const std::string out =
        CaptureStdout([&] { program = BuildProgram(kQuadVert, source.c_str()); });
    EXPECT_EQ(out, "Compile Shader Failed - " + log.substr(0, 255) + "\n");
    DeleteProgram(&program);
}

TEST_F(GLTest, LinkFailureGivesZeroAndReleasesEverything) {
    // The fragment stage reads a varying the vertex stage never writes with
    // that type: each compiles, the pair does not link.
    constexpr char mismatchedFrag[] = R"(
#version 330
in vec3 uv;
out vec4 colour;
void main() { colour = vec4(uv, 1.0); }
)";
    GLuint program = 1234;
    const std::string out =
        CaptureStdout([&] { program = BuildProgram(kQuadVert, mismatchedFrag); });
    EXPECT_EQ(program, 0u);
    EXPECT_EQ(out.rfind("Link Program Failed - ", 0), 0u) << out;
    EXPECT_EQ(out.find("Compile Shader Failed"), std::string::npos);
    EXPECT_EQ(out.back(), '\n');
    // The fixture's leak check confirms no program or shader survived.
}

TEST_F(GLTest, EmptyListCreatesNoShaderAndLinkStatusDecides) {
    const ShaderParam empty[] = {{0, nullptr}};
    const int shaderCalls = GLCalls().createShader;
    GLuint program = 0;
    const std::string out = CaptureStdout([&] { program = CreateProgram(empty, ""); });
    EXPECT_EQ(GLCalls().createShader, shaderCalls);
    if (program == 0) {
        EXPECT_EQ(out.rfind("Link Program Failed - ", 0), 0u) << out;
    } else {
        EXPECT_EQ(out, "");
        DeleteProgram(&program);
    }
}

TEST_F(GLTest, UnknownStagesAreSkippedAndGeometryStagesBuilt) {
    constexpr char geometry[] = R"(
#version 330
layout(triangles) in;
layout(triangle_strip, max_vertices = 4) out;
in vec2 uv[];
out vec2 uvG;
void main() {
    for (int i = 0; i < 3; ++i) { uvG = uv[i]; gl_Position = gl_in[i].gl_Position; EmitVertex(); }
    EndPrimitive();
}
)";
    constexpr char fragment[] = R"(
#version 330
in vec2 uvG;
out vec4 colour;
void main() { colour = vec4(uvG, 0.0, 1.0); }
)";
    const ShaderParam list[] = {{0x1234, "not a shader"},
                                {GL_VERTEX_SHADER, kQuadVert},
                                {GL_GEOMETRY_SHADER, geometry},
                                {GL_FRAGMENT_SHADER, fragment},
                                {0, nullptr}};
    const int shaderCalls = GLCalls().createShader;
    GLuint program = 0;
    const std::string out = CaptureStdout([&] { program = CreateProgram(list, ""); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(GLCalls().createShader - shaderCalls, 3);
    ASSERT_NE(program, 0u);
    GLint verticesOut = 0;
    glGetProgramiv(program, GL_GEOMETRY_VERTICES_OUT, &verticesOut);
    EXPECT_EQ(verticesOut, 4);
    EXPECT_FALSE(HasStage(program, GL_GEOMETRY_SHADER));  // detached after linking
    DeleteProgram(&program);
}

TEST_F(GLTest, PrefixIsPlacedAheadOfEverySource) {
    // Neither stage compiles on its own: the version line and the colour
    // both come from the prefix.
    constexpr char vert[] = "in vec4 vertex;\nvoid main() { gl_Position = vertex; }\n";
    constexpr char frag[] = "out vec4 colour;\nvoid main() { colour = PREFIX_COLOUR; }\n";
    const ShaderParam list[] = {{GL_VERTEX_SHADER, vert}, {GL_FRAGMENT_SHADER, frag}, {0, nullptr}};
    GLuint program = 0;
    std::string out = CaptureStdout(
        [&] { program = CreateProgram(list, "#version 330\n#define PREFIX_COLOUR vec4(1.0)\n"); });
    EXPECT_EQ(out, "");
    EXPECT_NE(program, 0u);
    DeleteProgram(&program);

    out = CaptureStdout([&] { program = CreateProgram(list, ""); });
    EXPECT_EQ(out.rfind("Compile Shader Failed - ", 0), 0u) << out;
    EXPECT_EQ(program, 0u);
}

TEST_F(GLTest, DeleteProgramTwiceOrOnNullMakesNoSecondCall) {
    GLuint program = BuildProgram(kQuadVert, kCopyFrag);
    ASSERT_NE(program, 0u);
    const int calls = GLCalls().deleteProgram;
    DeleteProgram(&program);
    EXPECT_EQ(program, 0u);
    DeleteProgram(&program);
    DeleteProgram(nullptr);
    EXPECT_EQ(GLCalls().deleteProgram - calls, 1);
}

TEST_F(GLTest, EffectProgramSetBuildsAllFiveAndDeletesThemInOrder) {
    GLPrograms programs = {};
    const std::string out = CaptureStdout([&] { CreateGLPrograms(&programs); });
    EXPECT_EQ(out, "");
    const GLuint names[] = {programs.preProc, programs.aberrate, programs.blurW, programs.blurH,
                            programs.postProc};
    for (const GLuint name : names) {
        EXPECT_NE(name, 0u);
    }
    // Built in the order preProc, aberrate, blurW, blurH, postProc: names
    // from a fresh context rise in creation order.
    EXPECT_LT(programs.preProc, programs.aberrate);
    EXPECT_LT(programs.aberrate, programs.blurW);
    EXPECT_LT(programs.blurW, programs.blurH);
    EXPECT_LT(programs.blurH, programs.postProc);

    const int calls = GLCalls().deleteProgram;
    DeleteGLPrograms(&programs);
    EXPECT_EQ(GLCalls().deleteProgram - calls, 5);
    EXPECT_EQ(
        programs.preProc | programs.aberrate | programs.postProc | programs.blurW | programs.blurH,
        0u);
    DeleteGLPrograms(&programs);
    EXPECT_EQ(GLCalls().deleteProgram - calls, 5);
}

TEST_F(GLTest, NullProgramSetMakesNoGLCall) {
    const GLCallCounts before = GLCalls();
    CreateGLPrograms(nullptr);
    DeleteGLPrograms(nullptr);
    EXPECT_EQ(GLCalls().createProgram, before.createProgram);
    EXPECT_EQ(GLCalls().createShader, before.createShader);
    EXPECT_EQ(GLCalls().deleteProgram, before.deleteProgram);
}

TEST(EffectProgramLists, EachIsSharedVertexThenItsFragmentThenEnd) {
    const ShaderParam* lists[] = {preProc_params, aberrate_params, blurW_params, blurH_params,
                                  postProc_params};
    for (const ShaderParam* list : lists) {
        EXPECT_EQ(list[0].stage, static_cast<GLenum>(GL_VERTEX_SHADER));
        EXPECT_EQ(list[0].source, preProc_params[0].source);
        EXPECT_EQ(list[1].stage, static_cast<GLenum>(GL_FRAGMENT_SHADER));
        EXPECT_EQ(list[2].stage, 0u);
    }
}
