#pragma once

// The one place the system reaches OpenGL from. Every file under gl/,
// render/ and context/ includes GL through this header and nothing else, so
// the platform's way of obtaining the core-profile entry points is decided
// here once:
//   Windows: GLEW loads the entry points for the context that is current
//            when glewInit runs (done by the Windows context layer);
//   macOS:   the OpenGL framework links the 3.2 core functions directly;
//   Linux:   the system's GL library exports the core functions, and EGL
//            hands out extension entry points.
#if defined(_WIN32)
#include <GL/glew.h>
#include <windows.h>
#elif defined(__APPLE__)
#include <OpenGL/gl3.h>
#include <OpenGL/gl3ext.h>
#include <dlfcn.h>
#else
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include <GL/glcorearb.h>
#include <EGL/egl.h>
#endif

// Apple's headers leave the calling-convention macro undefined.
#ifndef APIENTRY
#define APIENTRY
#endif

// Lets the compiler check printf-style format strings where it can.
#if defined(__GNUC__) || defined(__clang__)
#define HLV3_PRINTF_FORMAT(format_index, first_arg) \
    __attribute__((format(printf, format_index, first_arg)))
#else
#define HLV3_PRINTF_FORMAT(format_index, first_arg)
#endif

// Extension entry point by name for the GL of the calling thread, or nullptr
// when the platform does not know it. Whether the current context supports
// the extension is a separate question the caller must ask GL.
inline void* GetGLProcAddress(const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(wglGetProcAddress(name));
#elif defined(__APPLE__)
    return dlsym(RTLD_DEFAULT, name);
#else
    return reinterpret_cast<void*>(eglGetProcAddress(name));
#endif
}
