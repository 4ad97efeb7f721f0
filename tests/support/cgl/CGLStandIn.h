#pragma once

// Test controls of the CGL stand-in (OpenGL/OpenGL.h in this folder): what it
// counts and which of its calls fail on purpose. All functions are
// thread-safe; the state is per process (one stand-in per linked copy).

#include <OpenGL/OpenGL.h>

#include <vector>

namespace cglstandin {

// The stand-in calls whose failure a test can ask for.
enum class Call { ChoosePixelFormat, CreateContext, DestroyContext, SetCurrentContext };

// The next call of `call` (on any thread) returns `error` and changes
// nothing; later calls behave normally again.
void FailNext(Call call, CGLError error);

// Forgets failures that were asked for and never happened, and the misuse
// count. Live objects are kept.
void Reset();

// Context and pixel-format objects made and not yet freed.
int LiveContexts();
int LivePixelFormats();

// Calls that named an object that does not exist (never made, or already
// freed), including a reference given back once too often.
int Misuses();

// The attribute list of the latest CGLChoosePixelFormat call, up to and
// including its terminating 0.
std::vector<int> LastAttributes();

}  // namespace cglstandin
