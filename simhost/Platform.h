#pragma once

// The few things the simulated host asks of the operating system: loading a
// module file as the host does (dlopen on POSIX, LoadLibrary on Windows) and
// finding out whether an effect left a GL context current on a thread.

#include <string>

namespace simhost {

// The loaded module, or null with the loader's message in *error. Release it
// with UnloadModuleFile.
void* LoadModuleFile(const std::string& path, std::string* error);
void* ModuleFileSymbol(void* module, const char* name);
void UnloadModuleFile(void* module);

// The GL context current on the calling thread, looked up only when the
// process already has the platform's GL loaded (an effect that never touched
// GL cannot have left a context current). Null when none.
void* CurrentGLContextOfThread();

}  // namespace simhost
