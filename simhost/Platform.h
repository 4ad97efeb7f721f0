#pragma once

// The few things the simulated host asks of the operating system: loading a
// module file as the host does (dlopen on POSIX, LoadLibrary on Windows),
// finding out whether an effect left a GL context current on a thread, and
// playing a machine on which no GL context can be made.

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

// From now on no GL context can be made in this process, as on a render node
// whose GL offers no 3.2 core profile: the system's GL stays installed, but
// its loader is pointed at no driver (on Linux, glvnd's EGL vendor list).
// Works only before the process first touches GL (the loader reads the list
// once): false, and nothing changed, when a driver is loaded already, and on
// Windows, where the test runs the process on a display without GL instead.
bool RefuseGLContexts();

}  // namespace simhost
