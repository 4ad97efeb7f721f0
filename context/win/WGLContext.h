#pragma once

// The Windows context handle behind GLContextHandle. Exposed so that tests
// can see what a handle holds; the rest of the system treats it as opaque.
#include "gl/GLApi.h"

// The window class every context's hidden window belongs to.
extern const char HLVkGLClassStrZ[];

// Made by CreateContext (owned: window, device context and core-profile
// context are released by DeleteContext) or by GetCurrentContext (not owned:
// it only describes another owner's context, and DeleteContext frees the
// record alone). Used on the thread that created it.
struct WinGLContext {
    HWND window;
    HGLRC context;
    HDC device;
    bool owned;
};
