#if defined(_WIN32)
#include <windows.h>

#include "simhost/Platform.h"

namespace simhost {

void* LoadModuleFile(const std::string& path, std::string* error) {
    const HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        *error =
            "LoadLibrary failed for " + path + " (error " + std::to_string(GetLastError()) + ")";
    }
    return reinterpret_cast<void*>(module);
}

void* ModuleFileSymbol(void* module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void UnloadModuleFile(void* module) {
    FreeLibrary(static_cast<HMODULE>(module));
}

void* CurrentGLContextOfThread() {
    const HMODULE gl = GetModuleHandleA("opengl32.dll");
    if (gl == nullptr)
        return nullptr;
    using GetCurrent = void*(WINAPI*)();
    const auto get = reinterpret_cast<GetCurrent>(
        reinterpret_cast<void*>(GetProcAddress(gl, "wglGetCurrentContext")));
    return get != nullptr ? get() : nullptr;
}

bool RefuseGLContexts() {
    return false;  // opengl32.dll offers no way to hide its drivers in-process
}

}  // namespace simhost
#endif
