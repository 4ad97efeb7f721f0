#pragma once

#include "context/LocalGLStruct.h"

// Platform context operations. Each platform folder (context/linux/,
// context/win/, context/mac/) implements them; failures print one line to
// standard output and yield none, nothing throws. All are safe to call from
// any thread; a context is current on at most one thread at a time.

// A new OpenGL 3.2 (or later) core-profile context, sharing objects with
// `share` when it is not none, or none on failure. The caller owns it and
// releases it with DeleteContext. Whether the new context is left current is
// platform-specific (Windows: yes; macOS, Linux: the thread's current context
// is unchanged), so callers make it current themselves.
GLContextHandle CreateContext(GLContextHandle share = nullptr);

// Destroys a context made by CreateContext, or frees a handle returned by
// GetCurrentContext without touching the context it describes. If the
// destroyed context was current on this thread, none is current afterwards.
// None is ignored.
void DeleteContext(GLContextHandle context);

// Makes `context` current on the calling thread; none (or a handle describing
// "nothing current") makes no context current.
void SetCurrentContext(GLContextHandle context);

// Describes whatever is current on the calling thread so that
// SetCurrentContext can restore it later: none when nothing is current.
// Otherwise the handle is the caller's to give back with DeleteContext, which
// frees only the handle (a small heap record); the described
// context stays its owner's.
GLContextHandle GetCurrentContext();

// True when `context` refers to a created context.
bool IsContextValid(GLContextHandle context);

// True when `context` is the context current on the calling thread. GL calls
// without a current context crash some drivers, so code that cannot be sure a
// make-current worked (a thread ending after the system took its window, a
// driver refusing) asks before it touches GL.
bool IsContextCurrent(GLContextHandle context);

// Saves the calling thread's current context on construction and restores it
// (then frees the saved handle) on destruction, so code that borrows a host
// thread leaves the host's GL state as it found it.
struct ScopedCurrentContext {
    ScopedCurrentContext() : saved(GetCurrentContext()) {}
    ~ScopedCurrentContext() {
        SetCurrentContext(saved);
        DeleteContext(saved);
    }
    ScopedCurrentContext(const ScopedCurrentContext&) = delete;
    ScopedCurrentContext& operator=(const ScopedCurrentContext&) = delete;

    GLContextHandle saved;
};
