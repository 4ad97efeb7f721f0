// Context operations on WGL: each context gets its own hidden window, and a
// throw-away legacy context lets GLEW find wglCreateContextAttribsARB, which
// makes the 3.2 core-profile context. GLEW is initialised again with the core
// context current, loading the GL 3.x entry points. GLEW keeps them in
// process-wide storage, so creations must not overlap (tls_mutex and global
// set-up's single thread see to that).

#include "context/win/WGLContext.h"

#include <GL/wglew.h>

#include <cstdio>
#include <new>

#include "context/Context.h"

const char HLVkGLClassStrZ[] = "KVHLV_OpenGL_Win_Class";

namespace {

void Report(const char* message) {
    std::printf("%s", message);
    std::fflush(stdout);
}

void ReportLine(const char* message) {
    std::printf("%s\n", message);
    std::fflush(stdout);
}

WinGLContext* Record(GLContextHandle handle) {
    return static_cast<WinGLContext*>(handle);
}

bool RegisterWindowClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = HLVkGLClassStrZ;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void ChoosePixelFormatFor(HDC device) {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 32;
    request.cDepthBits = 8;
    request.iLayerType = PFD_MAIN_PLANE;
    // A refused format shows up as a failure to create the legacy context.
    SetPixelFormat(device, ChoosePixelFormat(device, &request), &request);
}

// What a creation made so far; whatever is still held when it goes out of
// scope is released, so a failed CreateContext leaves no window, device
// context or GL context behind, and nothing current.
struct PartialContext {
    bool registered = true;
    HWND window = nullptr;
    HDC device = nullptr;
    HGLRC legacy = nullptr;
    HGLRC core = nullptr;

    PartialContext() = default;
    PartialContext(const PartialContext&) = delete;
    PartialContext& operator=(const PartialContext&) = delete;
    ~PartialContext() {
        if (legacy || core) {
            wglMakeCurrent(nullptr, nullptr);
        }
        if (legacy) {
            wglDeleteContext(legacy);
        }
        if (core) {
            wglDeleteContext(core);
        }
        if (device) {
            ReleaseDC(window, device);
        }
        if (window) {
            DestroyWindow(window);
        }
        if (registered) {
            // Fails harmlessly while other contexts' windows use the class.
            UnregisterClassA(HLVkGLClassStrZ, nullptr);
        }
    }
};

}  // namespace

GLContextHandle CreateContext(GLContextHandle share) {
    if (!RegisterWindowClass()) {
        Report("Can't Register Window Class\n");
        return nullptr;
    }
    PartialContext made;
    made.window = CreateWindowExA(0, HLVkGLClassStrZ, "OpenGL-using FBOs in AE", 0, 0, 0, 50, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    if (!made.window) {
        ReportLine("Window Creation Failed");
        return nullptr;
    }
    made.device = GetDC(made.window);
    if (!made.device) {
        Report("Cannot create Drawing Context.\n");
        return nullptr;
    }
    ChoosePixelFormatFor(made.device);
    made.legacy = wglCreateContext(made.device);
    if (!made.legacy) {
        Report("Cannot create OPENGL Context.\n");
        return nullptr;
    }
    if (!wglMakeCurrent(made.device, made.legacy)) {
        Report("Cannot Make Temp Context Current.\n");
        return nullptr;
    }
    if (glewInit() != GLEW_OK) {
        Report("Glew isn't initialized.\n");
        return nullptr;
    }
    if (!wglCreateContextAttribsARB) {
        Report("WGL Create Context Attrib isn't supported.\n");
        return nullptr;
    }
    const int attributes[] = {WGL_CONTEXT_MAJOR_VERSION_ARB,
                              3,
                              WGL_CONTEXT_MINOR_VERSION_ARB,
                              2,
                              WGL_CONTEXT_PROFILE_MASK_ARB,
                              WGL_CONTEXT_CORE_PROFILE_BIT_ARB,
                              0};
    const WinGLContext* shared = Record(share);
    made.core =
        wglCreateContextAttribsARB(made.device, shared ? shared->context : nullptr, attributes);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(made.legacy);
    made.legacy = nullptr;
    if (!made.core) {
        Report("OpenGL 4.1/3.2 Ctx can't be initialized.\n");
        return nullptr;
    }
    if (!wglMakeCurrent(made.device, made.core) || glewInit() != GLEW_OK) {
        Report("Core Profile Glew isn't initialized.\n");
        return nullptr;
    }
    // Some drivers leave an error from GLEW's probing pending; the render's
    // error checks must not inherit it.
    while (glGetError() != GL_NO_ERROR) {
    }
    auto* record = new (std::nothrow) WinGLContext{made.window, made.core, made.device, true};
    if (!record) {
        Report("OpenGL 4.1/3.2 Ctx can't be initialized.\n");
        return nullptr;
    }
    made.registered = false;
    made.window = nullptr;
    made.device = nullptr;
    made.core = nullptr;
    return record;
}

void DeleteContext(GLContextHandle handle) {
    WinGLContext* record = Record(handle);
    if (!record) {
        return;
    }
    if (record->owned) {
        if (record->context) {
            // Only our own context is let go of: a host context current on
            // this thread stays current.
            if (wglGetCurrentContext() == record->context) {
                wglMakeCurrent(nullptr, nullptr);
            }
            if (!wglDeleteContext(record->context)) {
                ReportLine("GL Context Destruction Failed");
            }
            record->context = nullptr;
        }
        // At thread end the system may have destroyed the thread's window
        // already (Wine does); its device context went with it.
        const bool windowAlive = record->window && IsWindow(record->window);
        if (record->device && windowAlive) {
            ReleaseDC(record->window, record->device);
        }
        record->device = nullptr;
        if (windowAlive) {
            DestroyWindow(record->window);
        }
        record->window = nullptr;
        // Fails harmlessly while other contexts' windows still use the class.
        UnregisterClassA(HLVkGLClassStrZ, nullptr);
    }
    delete record;
}

void SetCurrentContext(GLContextHandle handle) {
    const WinGLContext* record = Record(handle);
    if (record && record->context) {
        if (!wglMakeCurrent(record->device, record->context)) {
            ReportLine("Cannot Set OpenGL Context");
        }
        return;
    }
    wglMakeCurrent(nullptr, nullptr);
}

GLContextHandle GetCurrentContext() {
    const HGLRC context = wglGetCurrentContext();
    if (!context) {
        return nullptr;
    }
    auto* record = new (std::nothrow) WinGLContext{nullptr, context, wglGetCurrentDC(), false};
    if (!record) {
        Report("Cannot save the current OpenGL context: out of memory.\n");
    }
    return record;
}

bool IsContextCurrent(GLContextHandle handle) {
    const WinGLContext* record = Record(handle);
    return record && record->context && wglGetCurrentContext() == record->context;
}

bool IsContextValid(GLContextHandle handle) {
    const WinGLContext* record = Record(handle);
    return record && record->context;
}
