// Context operations on EGL, without any window: the GL of a Linux machine,
// whether Mesa (surfaceless platform) or a vendor driver (device platform).

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "context/Context.h"

namespace {

// What a handle points to. Displays are process-wide EGL objects: they are
// initialised on first use and never terminated, because terminating one
// would pull the contexts of every other thread (and of the host) with it.
struct EGLContextRecord {
    EGLDisplay display;
    EGLSurface draw;
    EGLSurface read;
    EGLContext context;
    // True for a context made by CreateContext (DeleteContext destroys it);
    // false for a description of someone else's state (GetCurrentContext).
    bool owned;
};

EGLContextRecord* Record(GLContextHandle handle) {
    return static_cast<EGLContextRecord*>(handle);
}

bool HasExtension(const char* list, const char* name) {
    if (!list) {
        return false;
    }
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(list, name); at; at = std::strstr(at + 1, name)) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

// Displays to try, best first: Mesa's surfaceless platform, then every
// device of the device platform, then the default display.
std::vector<EGLDisplay> CandidateDisplays() {
    std::vector<EGLDisplay> displays;
    const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay && HasExtension(client, "EGL_MESA_platform_surfaceless")) {
        const EGLDisplay display =
            getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display != EGL_NO_DISPLAY) {
            displays.push_back(display);
        }
    }
    const auto queryDevices =
        reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    if (getPlatformDisplay && queryDevices && HasExtension(client, "EGL_EXT_platform_device")) {
        EGLDeviceEXT devices[16];
        EGLint count = 0;
        if (queryDevices(16, devices, &count) == EGL_TRUE) {
            for (EGLint i = 0; i < count; ++i) {
                const EGLDisplay display =
                    getPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr);
                if (display != EGL_NO_DISPLAY) {
                    displays.push_back(display);
                }
            }
        }
    }
    const EGLDisplay fallback = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (fallback != EGL_NO_DISPLAY) {
        displays.push_back(fallback);
    }
    return displays;
}

// A 3.2 core context on `display`, or EGL_NO_CONTEXT.
EGLContext CreateCoreContext(EGLDisplay display, EGLContext share) {
    EGLint major = 0;
    EGLint minor = 0;
    if (eglInitialize(display, &major, &minor) != EGL_TRUE) {
        return EGL_NO_CONTEXT;
    }
    const char* extensions = eglQueryString(display, EGL_EXTENSIONS);
    // Without a window there is nothing to draw to but framebuffer objects,
    // so the context must be usable with no surface at all.
    if (!HasExtension(extensions, "EGL_KHR_surfaceless_context")) {
        return EGL_NO_CONTEXT;
    }
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) {
        return EGL_NO_CONTEXT;
    }
    EGLConfig config = static_cast<EGLConfig>(nullptr);
    if (!HasExtension(extensions, "EGL_KHR_no_config_context")) {
        const EGLint wanted[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLint found = 0;
        if (eglChooseConfig(display, wanted, &config, 1, &found) != EGL_TRUE || found < 1) {
            return EGL_NO_CONTEXT;
        }
    }
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                 3,
                                 EGL_CONTEXT_MINOR_VERSION,
                                 2,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                 EGL_NONE};
    return eglCreateContext(display, config, share, attributes);
}

}  // namespace

GLContextHandle CreateContext(GLContextHandle share) {
    const EGLContextRecord* shared = Record(share);
    std::vector<EGLDisplay> displays;
    if (shared && shared->context != EGL_NO_CONTEXT) {
        displays.push_back(shared->display);
    } else {
        displays = CandidateDisplays();
    }
    const EGLContext shareContext = shared ? shared->context : EGL_NO_CONTEXT;

    for (const EGLDisplay display : displays) {
        const EGLContext context = CreateCoreContext(display, shareContext);
        if (context == EGL_NO_CONTEXT) {
            continue;
        }
        auto* record = new (std::nothrow)
            EGLContextRecord{display, EGL_NO_SURFACE, EGL_NO_SURFACE, context, true};
        if (!record) {
            eglDestroyContext(display, context);
            std::printf("OpenGL 3.2 Core Ctx can't be initialized: out of memory.\n");
            std::fflush(stdout);
            return nullptr;
        }
        return record;
    }
    std::printf("OpenGL 3.2 Core Ctx can't be initialized (EGL error 0x%04x).\n", eglGetError());
    std::fflush(stdout);
    return nullptr;
}

void DeleteContext(GLContextHandle handle) {
    EGLContextRecord* record = Record(handle);
    if (!record) {
        return;
    }
    if (record->owned && record->context != EGL_NO_CONTEXT) {
        eglBindAPI(EGL_OPENGL_API);
        if (eglGetCurrentContext() == record->context) {
            eglMakeCurrent(record->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }
        if (eglDestroyContext(record->display, record->context) != EGL_TRUE) {
            std::printf("%s\n", "GL Context Destruction Failed");
            std::fflush(stdout);
        }
    }
    delete record;
}

void SetCurrentContext(GLContextHandle handle) {
    const EGLContextRecord* record = Record(handle);
    eglBindAPI(EGL_OPENGL_API);
    if (record && record->context != EGL_NO_CONTEXT) {
        if (eglMakeCurrent(record->display, record->draw, record->read, record->context) !=
            EGL_TRUE) {
            std::printf("%s\n", "Cannot Set OpenGL Context");
            std::fflush(stdout);
        }
        return;
    }
    const EGLDisplay current = eglGetCurrentDisplay();
    if (current != EGL_NO_DISPLAY) {
        eglMakeCurrent(current, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
}

GLContextHandle GetCurrentContext() {
    eglBindAPI(EGL_OPENGL_API);
    const EGLContext context = eglGetCurrentContext();
    if (context == EGL_NO_CONTEXT) {
        return nullptr;
    }
    auto* record =
        new (std::nothrow) EGLContextRecord{eglGetCurrentDisplay(), eglGetCurrentSurface(EGL_DRAW),
                                            eglGetCurrentSurface(EGL_READ), context, false};
    if (!record) {
        std::printf("Cannot save the current OpenGL context: out of memory.\n");
        std::fflush(stdout);
    }
    return record;
}

bool IsContextCurrent(GLContextHandle handle) {
    const EGLContextRecord* record = Record(handle);
    eglBindAPI(EGL_OPENGL_API);
    return record && record->context != EGL_NO_CONTEXT && eglGetCurrentContext() == record->context;
}

bool IsContextValid(GLContextHandle handle) {
    const EGLContextRecord* record = Record(handle);
    return record && record->context != EGL_NO_CONTEXT;
}
