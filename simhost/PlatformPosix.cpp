#if !defined(_WIN32)
#include <dlfcn.h>

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

}  // namespace simhost
#endif
