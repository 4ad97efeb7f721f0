#include "simhost/Module.h"

#include "simhost/Platform.h"

namespace simhost {

Module::Module(const std::string& path) {
    handle_ = LoadModuleFile(path, &error_);
    if (handle_ == nullptr) {
        return;
    }
    effectMain_ = reinterpret_cast<PF_FilterProc>(Symbol("EffectMain"));
    pluginDataEntry_ =
        reinterpret_cast<PluginDataEntryFunctionPtr>(Symbol("PluginDataEntryFunction"));
}

Module::~Module() {
    if (handle_ != nullptr)
        UnloadModuleFile(handle_);
}

void* Module::Symbol(const char* name) const {
    if (handle_ == nullptr)
        return nullptr;
    return ModuleFileSymbol(handle_, name);
}

A_Err PluginDataRecorder::Callback(PF_PluginDataPtr inPtr, const A_u_char* name,
                                   const A_u_char* matchName, const A_u_char* category,
                                   const A_u_char* entryPoint, A_long kind, A_long major,
                                   A_long minor, A_long reserved) {
    PluginDataRecorder* const self = reinterpret_cast<PluginDataRecorder*>(inPtr);
    auto text = [](const A_u_char* s) {
        return s != nullptr ? std::string(reinterpret_cast<const char*>(s)) : std::string();
    };
    PluginDataRecord& r = self->record;
    ++r.calls;
    r.inPtr = inPtr;
    r.name = text(name);
    r.matchName = text(matchName);
    r.category = text(category);
    r.entryPoint = text(entryPoint);
    r.kind = kind;
    r.apiMajor = major;
    r.apiMinor = minor;
    r.reserved = reserved;
    return self->answer;
}

A_Err CallPluginDataEntry(PluginDataEntryFunctionPtr entry, PluginDataRecorder& recorder,
                          SPBasicSuite* basicSuite) {
    return entry(recorder.InPtr(), &PluginDataRecorder::Callback, basicSuite, "After Effects",
                 "13.25");
}

}  // namespace simhost
