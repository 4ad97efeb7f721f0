#if !defined(_WIN32)
#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <cstring>

#include "simhost/Platform.h"

namespace simhost {

void* LoadModuleFile(const std::string& path, std::string* error) {
    void* const module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* const message = dlerror();
        *error = message != nullptr ? message : "dlopen failed";
    }
    return module;
}

void* ModuleFileSymbol(void* module, const char* name) {
    dlerror();
    return dlsym(module, name);
}

void UnloadModuleFile(void* module) {
    dlclose(module);
}

void* CurrentGLContextOfThread() {
    void* const egl = dlopen("libEGL.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (egl == nullptr)
        return nullptr;
    using GetCurrent = void* (*)();
    const GetCurrent get = reinterpret_cast<GetCurrent>(dlsym(egl, "eglGetCurrentContext"));
    void* const context = get != nullptr ? get() : nullptr;
    dlclose(egl);
    return context;
}

bool RefuseGLContexts() {
    // glvnd loads its vendors (libEGL_mesa, libEGL_nvidia, ...) on the first
    // EGL call: once one is loaded, the list below is no longer read.
    const auto vendorLoaded = [](dl_phdr_info* info, size_t, void*) {
        return info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "libEGL_") != nullptr ? 1
                                                                                                : 0;
    };
    if (dl_iterate_phdr(vendorLoaded, nullptr) != 0) {
        return false;
    }
    setenv("__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent/no-vendor.json", 1);
    setenv("__EGL_VENDOR_LIBRARY_DIRS", "/nonexistent", 1);
    return true;
}

}  // namespace simhost
#endif
