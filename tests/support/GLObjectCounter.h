#pragma once

#include <ostream>

#include "gl/GLApi.h"

// How many GL objects of each kind exist in the current context, found by
// probing every name from 1 to `maxName` with glIsTexture, glIsFramebuffer,
// glIsBuffer, glIsVertexArray, glIsProgram and glIsShader. A name counts once
// it was bound (or, for programs and shaders, created) and until it is
// deleted; a program flagged for deletion while still in use also counts.
// Take one snapshot before and one after the code under test and compare them
// with EXPECT_EQ: a difference is a leak (or a double release).
struct GLObjectCounts {
    int textures = 0;
    int framebuffers = 0;
    int buffers = 0;
    int vertexArrays = 0;
    int programs = 0;
    int shaders = 0;
};

// Names beyond this are not probed; a fresh context hands out small names.
constexpr GLuint kGLObjectProbeLimit = 4096;

GLObjectCounts CountLiveGLObjects(GLuint maxName = kGLObjectProbeLimit);

bool operator==(const GLObjectCounts& a, const GLObjectCounts& b);
inline bool operator!=(const GLObjectCounts& a, const GLObjectCounts& b) {
    return !(a == b);
}
// Lets gtest print both sides of a failed comparison.
std::ostream& operator<<(std::ostream& out, const GLObjectCounts& counts);
