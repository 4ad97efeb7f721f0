#pragma once

#include <cstddef>

#include "gl/FrameTargets.h"
#include "gl/GLPrograms.h"

// Opaque, pointer-sized platform context: a WinGLContext* on Windows, a small
// record holding the CGLContextObj on macOS, an EGL-backed record on Linux.
// nullptr means none.
using GLContextHandle = void*;

// One record type serves both as a rendering thread's render data and as the
// effect's global data block (GlobalData). The four texts are filled only in
// the global block, by global set-up, and never change afterwards. `targets`
// are a rendering thread's frame targets, kept between its frames in its own
// context and released with it; always empty in the global block.
struct LocalGLStruct {
    GLContextHandle context;
    GLPrograms programs;
    char glVersion[100];
    char glVendor[100];
    char glRenderer[100];
    char glslVersion[100];
    FrameTargets targets;
};

// The global data block lives in a host handle allocated at global set-up; a
// non-empty context in it is what tells renders that a GPU is usable at all.
using GlobalData = LocalGLStruct;

static_assert(offsetof(LocalGLStruct, context) == 0, "context first");
static_assert(offsetof(LocalGLStruct, programs) == sizeof(void*), "programs follow the context");
static_assert(offsetof(LocalGLStruct, glVersion) == sizeof(void*) + sizeof(GLPrograms),
              "texts follow the programs");
