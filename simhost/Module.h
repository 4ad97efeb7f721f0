#pragma once

// Loading an effect module the way the host does, and recording what its
// registration function reports.

#include "host/HostInterface.h"

#include <string>

namespace simhost {

// A loaded module file (dlopen, RTLD_NOW | RTLD_LOCAL). Not copyable; the
// module is unloaded when the object goes. Function pointers taken from it
// are valid only while it lives.
class Module {
  public:
    explicit Module(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    // The loader's message when loading or a lookup failed.
    const std::string& Error() const { return error_; }
    // "EffectMain" and "PluginDataEntryFunction"; null when not exported.
    PF_FilterProc EffectMain() const { return effectMain_; }
    PluginDataEntryFunctionPtr PluginDataEntry() const { return pluginDataEntry_; }
    // Any other exported symbol; null when absent.
    void* Symbol(const char* name) const;

  private:
    void* handle_ = nullptr;
    std::string error_;
    PF_FilterProc effectMain_ = nullptr;
    PluginDataEntryFunctionPtr pluginDataEntry_ = nullptr;
};

// Everything one registration call reported.
struct PluginDataRecord {
    int calls = 0;
    PF_PluginDataPtr inPtr = nullptr;  // as passed back by the module
    std::string name;
    std::string matchName;
    std::string category;
    std::string entryPoint;
    A_long kind = 0;
    A_long apiMajor = 0;
    A_long apiMinor = 0;
    A_long reserved = 0;
};

// A PF_PluginDataCB that records into the PluginDataRecord its inPtr points
// at, and returns that record's `answer` (0 unless a test sets it).
struct PluginDataRecorder {
    PluginDataRecord record;
    A_Err answer = 0;
    PF_PluginDataPtr InPtr() { return reinterpret_cast<PF_PluginDataPtr>(this); }
    static A_Err Callback(PF_PluginDataPtr inPtr, const A_u_char* name, const A_u_char* matchName,
                          const A_u_char* category, const A_u_char* entryPoint, A_long kind,
                          A_long major, A_long minor, A_long reserved);
};

// Calls `entry` as the host does when it scans plug-ins (host name "After
// Effects", version "13.25"), recording into `recorder`. Returns the result.
A_Err CallPluginDataEntry(PluginDataEntryFunctionPtr entry, PluginDataRecorder& recorder,
                          SPBasicSuite* basicSuite = nullptr);

}  // namespace simhost
