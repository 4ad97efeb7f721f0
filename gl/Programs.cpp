#include "gl/Programs.h"

#include <cstdio>
#include <vector>

namespace {

constexpr GLsizei kInfoLogSize = 256;

bool IsShaderStage(GLenum stage) {
    return stage == GL_VERTEX_SHADER || stage == GL_FRAGMENT_SHADER || stage == GL_GEOMETRY_SHADER;
}

// Compiles one stage; returns the shader, or 0 after reporting a failure.
GLuint CompileStage(const ShaderParam& entry, const char* prefix) {
    const GLuint shader = glCreateShader(entry.stage);
    const GLchar* sources[2] = {prefix ? prefix : "", entry.source ? entry.source : ""};
    glShaderSource(shader, 2, sources, nullptr);
    glCompileShader(shader);
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == GL_TRUE) {
        return shader;
    }
    char log[kInfoLogSize] = {};
    glGetShaderInfoLog(shader, kInfoLogSize, nullptr, log);
    std::printf("Compile Shader Failed - %s\n", log);
    std::fflush(stdout);
    glDeleteShader(shader);
    return 0;
}

}  // namespace

GLuint CreateProgram(const ShaderParam* list, const char* prefix) {
    std::vector<GLuint> kept;
    if (list) {
        for (const ShaderParam* entry = list; entry->stage != 0; ++entry) {
            if (!IsShaderStage(entry->stage)) {
                continue;
            }
            const GLuint shader = CompileStage(*entry, prefix);
            if (shader != 0) {
                kept.push_back(shader);
            }
        }
    }

    GLuint program = glCreateProgram();
    for (const GLuint shader : kept) {
        glAttachShader(program, shader);
    }
    glLinkProgram(program);
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    GLuint result = program;
    if (status != GL_TRUE) {
        char log[kInfoLogSize] = {};
        glGetProgramInfoLog(program, kInfoLogSize, nullptr, log);
        std::printf("Link Program Failed - %s\n", log);
        std::fflush(stdout);
        result = 0;
    }

    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::printf("Prog Error: %i\n", static_cast<int>(error));
        std::fflush(stdout);
    }

    // A linked program keeps its code without the shader objects; a failed
    // one is of no use to anybody, so neither survives the build.
    for (const GLuint shader : kept) {
        glDetachShader(program, shader);
        glDeleteShader(shader);
    }
    if (result == 0) {
        DeleteProgram(&program);
    }
    return result;
}

void DeleteProgram(GLuint* name) {
    if (!name || *name == 0) {
        return;
    }
    glDeleteProgram(*name);
    *name = 0;
}

void DeleteGLPrograms(GLPrograms* programs) {
    if (!programs) {
        return;
    }
    DeleteProgram(&programs->preProc);
    DeleteProgram(&programs->aberrate);
    DeleteProgram(&programs->blurW);
    DeleteProgram(&programs->blurH);
    DeleteProgram(&programs->postProc);
}
