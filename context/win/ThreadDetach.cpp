// Per-thread contexts on Windows end at thread detach. The host makes its
// render threads with CreateThread, and the C++ runtime runs thread_local
// destructors only for threads it started itself, so a thread's context,
// programs and hidden window would outlive it. A TLS callback sees every
// thread's detach, in a module and in a program alike.

#include <windows.h>

#include "context/ThreadContext.h"

namespace {

void NTAPI ReleaseOnDetach(PVOID /*module*/, DWORD reason, PVOID reserved) {
    // At process exit (reserved set) the other threads are gone and the GL
    // driver may be torn down already: nothing is released then. When the
    // module is unloaded, the unloading thread's own record goes with it.
    if (reason == DLL_THREAD_DETACH || (reason == DLL_PROCESS_DETACH && reserved == nullptr)) {
        ReleaseThreadLocalRenderData();
    }
}

}  // namespace

#if defined(_MSC_VER)
#pragma comment(linker, "/INCLUDE:_tls_used")
#pragma comment(linker, "/INCLUDE:hlv3_release_on_detach")
#pragma section(".CRT$XLB", read)
extern "C" __declspec(allocate(".CRT$XLB")) const PIMAGE_TLS_CALLBACK hlv3_release_on_detach =
    ReleaseOnDetach;
#else
extern "C" __attribute__((section(".CRT$XLB"), used))
const PIMAGE_TLS_CALLBACK hlv3_release_on_detach = ReleaseOnDetach;
#endif
