#pragma once

#include "gl/GLApi.h"

// True when the context current on this thread reports OpenGL 3.2 or later
// with the core profile. Header-only, so that test programs that link a
// context layer of their own can use it without the support library.
inline bool CurrentContextIsCore32OrLater() {
    GLint major = 0, minor = 0, profile = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    return major * 10 + minor >= 32 && (profile & GL_CONTEXT_CORE_PROFILE_BIT) != 0;
}
