#include "tools/hlv3host/ModuleFile.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#if defined(_WIN32)
const char* const kModuleName = "HLV3.aex";

std::string SelfPath() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}
#else
const char* const kModuleName = "HLV3.so";

std::string SelfPath() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}
#endif

}  // namespace

std::string ModuleFilePath(const std::string& given) {
    if (given.empty()) {
        const std::string self = SelfPath();
        const size_t slash = self.find_last_of("/\\");
        return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/" +
               kModuleName;
    }
    if (given.find_first_of("/\\") == std::string::npos) {
        return "./" + given;
    }
    return given;
}

std::string ModuleProblem(const simhost::Module& module, const std::string& path) {
    if (!module.Loaded()) {
        const std::string reason = module.Error().empty() ? "cannot be loaded" : module.Error();
        return "cannot load the module " + path + ": " + reason;
    }
    if (module.EffectMain() == nullptr) {
        return path + " is not an effect module: it exports no EffectMain";
    }
    return "";
}
