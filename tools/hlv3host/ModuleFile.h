#pragma once

#include <string>

#include "simhost/Module.h"

// Where the tool finds the effect module. A bare file name ("HLV3.so") means
// the file in the current folder, as it does for every other path the tool
// takes; the loader would otherwise search the library path for it. No
// --module at all means the module built next to the tool.
std::string ModuleFilePath(const std::string& given);

// Why `module`, loaded from `path`, cannot be driven as an effect; empty
// when it can. Names the path and the missing piece.
std::string ModuleProblem(const simhost::Module& module, const std::string& path);
