#pragma once

#include "gl/GLApi.h"
#include "gl/GLPrograms.h"

// One stage of a program: a GL shader type (GL_VERTEX_SHADER,
// GL_FRAGMENT_SHADER or GL_GEOMETRY_SHADER) and its NUL-terminated source.
// A list of stages ends with an entry whose stage is 0; entries of any other
// type are skipped. Lists and sources are static and read-only.
struct ShaderParam {
    GLenum stage;
    const char* source;
};

// The stage lists of the five effect programs: the shared vertex stage, the
// program's fragment stage, the end entry.
extern const ShaderParam preProc_params[3];
extern const ShaderParam aberrate_params[3];
extern const ShaderParam blurW_params[3];
extern const ShaderParam blurH_params[3];
extern const ShaderParam postProc_params[3];

// Compiles every stage of `list` with `prefix` placed ahead of its source (as
// a separate first source string) and links them into a new program in the
// current context. Returns the program name, owned by the caller (release it
// with DeleteProgram in the same context), or 0 when linking failed. Stages
// that fail to compile are reported and left out; nothing of a failed build
// is kept.
GLuint CreateProgram(const ShaderParam* list, const char* prefix);

// Deletes *name in the current context (its owning one) and sets it to 0.
// A null pointer or a name of 0 does nothing, so deleting twice is harmless.
void DeleteProgram(GLuint* name);

// Builds the five effect programs into *programs, in the order preProc,
// aberrate, blurW, blurH, postProc, each 0 when its build failed. Needs the
// owning context current. A null pointer does nothing.
void CreateGLPrograms(GLPrograms* programs);

// Deletes the five programs, in the order preProc, aberrate, blurW, blurH,
// postProc, clearing each name. Needs the owning context current. A null
// pointer does nothing.
void DeleteGLPrograms(GLPrograms* programs);
