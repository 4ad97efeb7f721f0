#include "gl/Buffers.h"

#include "gl/Diagnostics.h"

GLuint CreateBuffer(const void* data, GLsizeiptr size, GLenum target, GLenum usage) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    glBufferData(target, size, data, usage);
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        DebugLog("create buffer error: ", error);
    }
    return buffer;
}

void DeleteBuffer(GLuint* buffer) {
    if (!buffer || *buffer == 0) {
        return;
    }
    glDeleteBuffers(1, buffer);
    *buffer = 0;
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        WriteLine(" Delete Buffer Error: %u", error);
    }
}
