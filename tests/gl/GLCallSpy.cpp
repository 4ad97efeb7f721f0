#include "tests/gl/GLCallSpy.h"

#include <dlfcn.h>

#include <atomic>

#include "gl/GLApi.h"

namespace {

std::atomic<int> createProgramCalls{0};
std::atomic<int> deleteProgramCalls{0};
std::atomic<int> createShaderCalls{0};
std::atomic<int> deleteBuffersCalls{0};
std::atomic<int> deleteFramebuffersCalls{0};
std::atomic<int> deleteTexturesCalls{0};
std::atomic<int> drawArraysCalls{0};
std::atomic<int> drawElementsCalls{0};

template <typename Proc>
Proc Next(const char* name) {
    return reinterpret_cast<Proc>(dlsym(RTLD_NEXT, name));
}

}  // namespace

GLCallCounts GLCalls() {
    return {createProgramCalls,      deleteProgramCalls,  createShaderCalls, deleteBuffersCalls,
            deleteFramebuffersCalls, deleteTexturesCalls, drawArraysCalls,   drawElementsCalls};
}

extern "C" {

GLuint APIENTRY glCreateProgram(void) {
    static const auto next = Next<PFNGLCREATEPROGRAMPROC>("glCreateProgram");
    ++createProgramCalls;
    return next();
}

void APIENTRY glDeleteProgram(GLuint program) {
    static const auto next = Next<PFNGLDELETEPROGRAMPROC>("glDeleteProgram");
    ++deleteProgramCalls;
    next(program);
}

GLuint APIENTRY glCreateShader(GLenum type) {
    static const auto next = Next<PFNGLCREATESHADERPROC>("glCreateShader");
    ++createShaderCalls;
    return next(type);
}

void APIENTRY glDeleteBuffers(GLsizei n, const GLuint* buffers) {
    static const auto next = Next<PFNGLDELETEBUFFERSPROC>("glDeleteBuffers");
    ++deleteBuffersCalls;
    next(n, buffers);
}

void APIENTRY glDeleteFramebuffers(GLsizei n, const GLuint* framebuffers) {
    static const auto next = Next<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers");
    ++deleteFramebuffersCalls;
    next(n, framebuffers);
}

void APIENTRY glDeleteTextures(GLsizei n, const GLuint* textures) {
    static const auto next = Next<PFNGLDELETETEXTURESPROC>("glDeleteTextures");
    ++deleteTexturesCalls;
    next(n, textures);
}

void APIENTRY glDrawArraysInstanced(GLenum mode, GLint first, GLsizei count, GLsizei instances) {
    static const auto next = Next<PFNGLDRAWARRAYSINSTANCEDPROC>("glDrawArraysInstanced");
    ++drawArraysCalls;
    next(mode, first, count, instances);
}

void APIENTRY glDrawElementsInstanced(GLenum mode, GLsizei count, GLenum type, const void* indices,
                                      GLsizei instances) {
    static const auto next = Next<PFNGLDRAWELEMENTSINSTANCEDPROC>("glDrawElementsInstanced");
    ++drawElementsCalls;
    next(mode, count, type, indices, instances);
}

}  // extern "C"
