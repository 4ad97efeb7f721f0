// Context operations on CGL, the window-less context interface of the OpenGL
// framework: a pixel format that asks for the 3.2 core profile gives a core
// context directly, with no window, no temporary context and no entry-point
// loader. Failures are printed with the platform's own error text.

#include "context/mac/CGLContext.h"

#include <cstdio>
#include <new>

namespace {

// What a handle points to. A handle from GetCurrentContext describes a
// context someone else owns; DeleteContext frees only the record then, so
// restoring the host's context never destroys it.
struct CGLContextRecord {
    CGLContextObj context;
    bool owned;
};

CGLContextRecord* Record(GLContextHandle handle) {
    return static_cast<CGLContextRecord*>(handle);
}

// The pixel format used when the caller gives none: the core profile and
// nothing else (no colour, depth or stencil sizes, no renderer choice),
// since everything is drawn into framebuffer objects.
const CGLPixelFormatAttribute attributes_default[] = {
    kCGLPFAOpenGLProfile, static_cast<CGLPixelFormatAttribute>(kCGLOGLPVersion_3_2_Core),
    static_cast<CGLPixelFormatAttribute>(0)};

void PrintScreensAndError(GLint virtualScreens, CGLError error) {
    std::printf("%i - %s\n", virtualScreens, CGLErrorString(error));
    std::fflush(stdout);
}

}  // namespace

GLContextHandle CreateContext(GLContextHandle share, const CGLPixelFormatAttribute* attributes) {
    // A failed choice is printed and creation goes on: it then fails for want
    // of a pixel format and is printed again.
    CGLPixelFormatObj pixelFormat = nullptr;
    GLint virtualScreens = 0;
    CGLError error = CGLChoosePixelFormat(attributes ? attributes : attributes_default,
                                          &pixelFormat, &virtualScreens);
    if (error != kCGLNoError) {
        PrintScreensAndError(virtualScreens, error);
    }

    const CGLContextRecord* shared = Record(share);
    CGLContextObj context = nullptr;
    error = CGLCreateContext(pixelFormat, shared ? shared->context : nullptr, &context);
    // The context keeps what it needs of the pixel format.
    if (pixelFormat) {
        CGLDestroyPixelFormat(pixelFormat);
    }
    if (error != kCGLNoError) {
        PrintScreensAndError(virtualScreens, error);
        return nullptr;
    }
    if (!context) {
        return nullptr;
    }

    // The retain is the handle's own reference, given back by DeleteContext
    // together with the creation reference.
    CGLRetainContext(context);
    auto* record = new (std::nothrow) CGLContextRecord{context, true};
    if (!record) {
        CGLReleaseContext(context);
        CGLDestroyContext(context);
        std::printf("OpenGL 3.2 Core Ctx can't be initialized: out of memory.\n");
        std::fflush(stdout);
    }
    return record;
}

GLContextHandle CreateContext(GLContextHandle share) {
    return CreateContext(share, nullptr);
}

void DeleteContext(GLContextHandle handle) {
    CGLContextRecord* record = Record(handle);
    if (!record) {
        return;
    }
    if (record->owned && record->context) {
        if (CGLGetCurrentContext() == record->context) {
            CGLSetCurrentContext(nullptr);
        }
        CGLReleaseContext(record->context);
        const CGLError error = CGLDestroyContext(record->context);
        if (error != kCGLNoError) {
            std::printf("Destroy CTX Failed-%s\n", CGLErrorString(error));
            std::fflush(stdout);
        }
    }
    delete record;
}

void SetCurrentContext(GLContextHandle handle) {
    const CGLContextRecord* record = Record(handle);
    const CGLError error = CGLSetCurrentContext(record ? record->context : nullptr);
    if (error != kCGLNoError) {
        std::printf("Cannot Set CTX - %s\n", CGLErrorString(error));
        std::fflush(stdout);
    }
}

GLContextHandle GetCurrentContext() {
    const CGLContextObj context = CGLGetCurrentContext();
    if (!context) {
        return nullptr;
    }
    auto* record = new (std::nothrow) CGLContextRecord{context, false};
    if (!record) {
        std::printf("Cannot save the current OpenGL context: out of memory.\n");
        std::fflush(stdout);
    }
    return record;
}

bool IsContextCurrent(GLContextHandle handle) {
    const CGLContextRecord* record = Record(handle);
    return record && record->context && CGLGetCurrentContext() == record->context;
}

bool IsContextValid(GLContextHandle handle) {
    const CGLContextRecord* record = Record(handle);
    return record && record->context;
}
