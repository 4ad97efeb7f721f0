#include "tests/support/GLObjectCounter.h"

GLObjectCounts CountLiveGLObjects(GLuint maxName) {
    GLObjectCounts counts;
    for (GLuint name = 1; name <= maxName; ++name) {
        counts.textures += glIsTexture(name) == GL_TRUE;
        counts.framebuffers += glIsFramebuffer(name) == GL_TRUE;
        counts.buffers += glIsBuffer(name) == GL_TRUE;
        counts.vertexArrays += glIsVertexArray(name) == GL_TRUE;
        counts.programs += glIsProgram(name) == GL_TRUE;
        counts.shaders += glIsShader(name) == GL_TRUE;
    }
    return counts;
}

bool operator==(const GLObjectCounts& a, const GLObjectCounts& b) {
    return a.textures == b.textures && a.framebuffers == b.framebuffers && a.buffers == b.buffers &&
           a.vertexArrays == b.vertexArrays && a.programs == b.programs && a.shaders == b.shaders;
}

std::ostream& operator<<(std::ostream& out, const GLObjectCounts& c) {
    return out << "{textures " << c.textures << ", framebuffers " << c.framebuffers << ", buffers "
               << c.buffers << ", vertex arrays " << c.vertexArrays << ", programs " << c.programs
               << ", shaders " << c.shaders << "}";
}
