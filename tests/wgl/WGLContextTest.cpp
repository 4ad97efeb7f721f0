// The Windows context operations, run under Windows or Wine: observed through
// WGL and user32 themselves, with failures injected by swapping entries of
// this program's import address table (the context code is linked in, so its
// calls go through those entries).
#include <algorithm>
#include <string>
#include <thread>

#include "context/win/WGLContext.h"
#include "gl/Programs.h"
#include "host/EntryPoints.h"
#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tests/context/ContextContract.h"
#include "tests/support/GLTestContext.h"

extern "C" {
extern void* __imp_RegisterClassExA;
extern void* __imp_CreateWindowExA;
extern void* __imp_GetDC;
extern void* __imp_SetPixelFormat;
extern void* __imp_wglCreateContext;
extern void* __imp_wglMakeCurrent;
extern void* __imp_wglGetProcAddress;
}

namespace {

// Replaces one import address table entry for its lifetime.
struct ImportPatch {
    void** slot;
    void* saved;
    ImportPatch(void** entry, void* replacement) : slot(entry), saved(*entry) {
        Write(replacement);
    }
    ~ImportPatch() { Write(saved); }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    void Write(void* value) {
        DWORD old = 0;
        VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
        *slot = value;
        VirtualProtect(slot, sizeof(void*), old, &old);
    }
};

void* g_realGetProcAddress = nullptr;

ATOM WINAPI RefuseClass(const WNDCLASSEXA*) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
}
HWND WINAPI RefuseWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                         LPVOID) {
    return nullptr;
}
HDC WINAPI RefuseDC(HWND) {
    return nullptr;
}
BOOL WINAPI RefusePixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR*) {
    return FALSE;
}
HGLRC WINAPI RefuseContext(HDC) {
    return nullptr;
}
BOOL WINAPI RefuseMakeCurrent(HDC, HGLRC) {
    return FALSE;
}
// A driver without WGL_ARB_create_context: everything else is found.
PROC WINAPI HideCreateContextAttribs(LPCSTR name) {
    if (std::string(name) == "wglCreateContextAttribsARB") {
        return nullptr;
    }
    return reinterpret_cast<PROC(WINAPI*)(LPCSTR)>(g_realGetProcAddress)(name);
}

// Counting pass-throughs, to see deletions the system would not do by itself.
void* g_realDeleteContext = nullptr;
void* g_realDestroyWindow = nullptr;
LONG g_contextsDeleted = 0;
LONG g_windowsDestroyed = 0;
BOOL WINAPI CountDeleteContext(HGLRC context) {
    InterlockedIncrement(&g_contextsDeleted);
    return reinterpret_cast<BOOL(WINAPI*)(HGLRC)>(g_realDeleteContext)(context);
}
BOOL WINAPI CountDestroyWindow(HWND window) {
    InterlockedIncrement(&g_windowsDestroyed);
    return reinterpret_cast<BOOL(WINAPI*)(HWND)>(g_realDestroyWindow)(window);
}

// The import address table entry of `function` from `dll` in a loaded
// module, or null.
void** ImportSlot(HMODULE module, const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->Name != 0; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0) {
            continue;
        }
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

bool ClassRegistered() {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    return GetClassInfoExA(nullptr, HLVkGLClassStrZ, &info) != 0;
}

HWND AnyHiddenWindow() {
    return FindWindowA(HLVkGLClassStrZ, nullptr);
}

int HiddenWindowCount() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            // Other programs on the same desktop may have windows of the class.
            *reinterpret_cast<int*>(counter) +=
                std::string(name) == HLVkGLClassStrZ && process == GetCurrentProcessId() ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

struct WGLPlatform {
    static const void* Current() { return wglGetCurrentContext(); }
    static std::string Unavailable() { return GLUnavailableReason(); }
    static constexpr bool kCreateLeavesCurrent = true;
    static void Begin() {}
    static void End() {
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
        EXPECT_EQ(AnyHiddenWindow(), nullptr);
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(WGL, ContextContract, WGLPlatform);

TEST(WGLContext, EachContextHasItsOwnHiddenWindowThatGoesWithIt) {
    HLV3_REQUIRE_GL();
    GLContextHandle context = CreateContext(nullptr);
    ASSERT_NE(context, nullptr);
    const WinGLContext* record = static_cast<const WinGLContext*>(context);
    EXPECT_EQ(wglGetCurrentContext(), record->context);
    EXPECT_NE(record->window, nullptr);
    EXPECT_NE(record->device, nullptr);
    EXPECT_FALSE(IsWindowVisible(record->window));
    char title[64] = {};
    GetWindowTextA(record->window, title, sizeof title);
    EXPECT_STREQ(title, "OpenGL-using FBOs in AE");

    DeleteContext(context);
    EXPECT_EQ(AnyHiddenWindow(), nullptr);
    EXPECT_FALSE(ClassRegistered());
}

TEST(WGLContext, ContextsComeAndGoIndependently) {
    HLV3_REQUIRE_GL();
    // The second registration finds the class already there, which is fine.
    GLContextHandle first = CreateContext(nullptr);
    GLContextHandle second = CreateContext(nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const HGLRC secondGL = static_cast<const WinGLContext*>(second)->context;
    EXPECT_EQ(wglGetCurrentContext(), secondGL);

    // Deleting a context that is not current leaves the current one alone.
    // (Its class unregistration fails on Windows while the other window
    // uses the class; either way the next creation registers or finds it.)
    DeleteContext(first);
    EXPECT_EQ(wglGetCurrentContext(), secondGL);
    const GLuint program = glCreateProgram();
    EXPECT_NE(program, 0u);
    glDeleteProgram(program);

    GLContextHandle third = CreateContext(nullptr);
    ASSERT_NE(third, nullptr);
    SetCurrentContext(second);
    EXPECT_EQ(wglGetCurrentContext(), secondGL);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    DeleteContext(third);
    DeleteContext(second);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(AnyHiddenWindow(), nullptr);
}

TEST(WGLContext, ARecordWithoutAContextIsNotValidAndMakesNothingCurrent) {
    HLV3_REQUIRE_GL();
    WinGLContext empty = {nullptr, nullptr, nullptr, false};
    EXPECT_FALSE(IsContextValid(&empty));
    SetCurrentContext(&empty);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST(WGLContext, EveryFailedStepPrintsItsLineAndLeavesNothingBehind) {
    HLV3_REQUIRE_GL();
    g_realGetProcAddress = __imp_wglGetProcAddress;
    struct Row {
        const char* step;
        void** entry;
        void* replacement;
        const char* message;
    };
    const Row rows[] = {
        {"class", &__imp_RegisterClassExA, reinterpret_cast<void*>(&RefuseClass),
         "Can't Register Window Class\n"},
        {"window", &__imp_CreateWindowExA, reinterpret_cast<void*>(&RefuseWindow),
         "Window Creation Failed\n"},
        {"device context", &__imp_GetDC, reinterpret_cast<void*>(&RefuseDC),
         "Cannot create Drawing Context.\n"},
        {"refused pixel format", &__imp_SetPixelFormat, reinterpret_cast<void*>(&RefusePixelFormat),
         "Cannot create OPENGL Context.\n"},
        {"legacy context", &__imp_wglCreateContext, reinterpret_cast<void*>(&RefuseContext),
         "Cannot create OPENGL Context.\n"},
        {"make current", &__imp_wglMakeCurrent, reinterpret_cast<void*>(&RefuseMakeCurrent),
         "Cannot Make Temp Context Current.\n"},
        {"no wglCreateContextAttribsARB", &__imp_wglGetProcAddress,
         reinterpret_cast<void*>(&HideCreateContextAttribs),
         "WGL Create Context Attrib isn't supported.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        GLContextHandle context = nullptr;
        std::string printed;
        {
            const ImportPatch patch(row.entry, row.replacement);
            printed = CaptureStdout([&] { context = CreateContext(nullptr); });
        }
        EXPECT_EQ(context, nullptr);
        EXPECT_EQ(printed, row.message);
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
        EXPECT_EQ(AnyHiddenWindow(), nullptr);
        EXPECT_FALSE(ClassRegistered());
    }
    // The real entries are back: creation works again.
    GLContextHandle context = CreateContext(nullptr);
    EXPECT_NE(context, nullptr);
    DeleteContext(context);
}

TEST(WGLContext, TheFiveProgramsBuildInACoreContext) {
    HLV3_REQUIRE_GL();
    GLContextHandle context = CreateContext(nullptr);
    ASSERT_NE(context, nullptr);
    GLPrograms programs = {};
    std::string printed = CaptureStdout([&] { CreateGLPrograms(&programs); });
    for (const GLuint name :
         {programs.preProc, programs.aberrate, programs.postProc, programs.blurW, programs.blurH}) {
        ASSERT_NE(name, 0u) << printed;
        GLint linked = GL_FALSE;
        glGetProgramiv(name, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked, GL_TRUE);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    DeleteGLPrograms(&programs);
    EXPECT_EQ(programs.preProc, 0u);
    EXPECT_EQ(programs.blurH, 0u);
    DeleteContext(context);
}

TEST(WGLContext, ARenderThreadWithoutAContextRendersOnTheCpu) {
    HLV3_REQUIRE_GL();
    g_realGetProcAddress = __imp_wglGetProcAddress;
    simhost::Host host;
    host.SetEntry(EffectMain);
    host.settings.layerWidth = 16;
    host.settings.layerHeight = 12;
    ASSERT_EQ(host.Setup(), PF_Err_NONE);
    EXPECT_EQ(HiddenWindowCount(), 1);  // global set-up's context
    simhost::Image layer = simhost::Image::Make8(16, 12);
    for (unsigned char& byte : layer.bytes) {
        byte = 200;
    }
    host.SetInputLayer(layer);

    simhost::RenderedFrame frame;
    std::string printed;
    std::thread([&] {
        const ImportPatch patch(&__imp_wglGetProcAddress,
                                reinterpret_cast<void*>(&HideCreateContextAttribs));
        printed = CaptureStdout([&] { frame = host.RenderFrame(); });
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
    }).join();
    EXPECT_EQ(printed.rfind("WGL Create Context Attrib isn't supported.\nHalvane: rendering on "
                            "the CPU",
                            0),
              0u)
        << printed;
    EXPECT_EQ(frame.err, PF_Err_NONE);
    ASSERT_TRUE(frame.hasOutput);
    EXPECT_NE(std::count(frame.output.bytes.begin(), frame.output.bytes.end(), 0),
              static_cast<std::ptrdiff_t>(frame.output.bytes.size()));
    EXPECT_EQ(HiddenWindowCount(), 1);

    host.GlobalSetdown();
    EXPECT_TRUE(host.Finish().empty());
    EXPECT_EQ(HiddenWindowCount(), 0);
}

TEST(WGLContext, AHostThreadsContextGoesWhenTheThreadEnds) {
    HLV3_REQUIRE_GL();
    // Through the module as the host loads it: the module's runtime ends the
    // thread's render record at thread detach, before user32 tears the
    // thread's windows down.
    const simhost::Module module(HLV3_MODULE_PATH);
    ASSERT_TRUE(module.Loaded()) << module.Error();
    const HMODULE aex = GetModuleHandleA("HLV3.aex");
    void** const deleteSlot = ImportSlot(aex, "opengl32.dll", "wglDeleteContext");
    void** const destroySlot = ImportSlot(aex, "user32.dll", "DestroyWindow");
    ASSERT_NE(deleteSlot, nullptr);
    ASSERT_NE(destroySlot, nullptr);
    simhost::Host host;
    host.SetEntry(module.EffectMain());
    host.settings.layerWidth = 16;
    host.settings.layerHeight = 12;
    ASSERT_EQ(host.Setup(), PF_Err_NONE);
    host.SetInputLayer(simhost::Image::Make8(16, 12));

    // A thread the host makes itself, not through the C++ runtime: its
    // context and window must still be deleted when it ends (Windows would
    // destroy the window by itself, but not the GL context).
    g_realDeleteContext = *deleteSlot;
    g_realDestroyWindow = *destroySlot;
    g_contextsDeleted = 0;
    g_windowsDestroyed = 0;
    struct Job {
        simhost::Host* host;
        PF_Err err;
        int windowsWhileAlive;
    } job = {&host, -1, 0};
    std::string printed;
    {
        const ImportPatch countContexts(deleteSlot, reinterpret_cast<void*>(&CountDeleteContext));
        const ImportPatch countWindows(destroySlot, reinterpret_cast<void*>(&CountDestroyWindow));
        printed = CaptureStdout([&] {
            const HANDLE thread = CreateThread(
                nullptr, 0,
                [](LPVOID data) -> DWORD {
                    Job* j = static_cast<Job*>(data);
                    j->err = j->host->RenderFrame().err;
                    j->windowsWhileAlive = HiddenWindowCount();
                    return 0;
                },
                &job, 0, nullptr);
            ASSERT_NE(thread, nullptr);
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        });
    }
    EXPECT_EQ(printed, "Halvane: rendering on the GPU (OpenGL 3.2 core)\n");
    EXPECT_EQ(job.err, PF_Err_NONE);
    EXPECT_EQ(job.windowsWhileAlive, 2);
    EXPECT_EQ(HiddenWindowCount(), 1);
    // The temporary legacy context at creation, the core context at the end.
    EXPECT_EQ(g_contextsDeleted, 2);
    EXPECT_EQ(g_windowsDestroyed, 1);

    host.GlobalSetdown();
    EXPECT_TRUE(host.Finish().empty());
    EXPECT_EQ(HiddenWindowCount(), 0);
}
