#pragma once

#include <OpenGL/OpenGL.h>

#include "context/Context.h"

// The macOS form of CreateContext: the pixel format comes from `attributes`, a
// list ended by 0 that the caller keeps (it is read during the call only), or
// from the default list (the 3.2 core profile, nothing else) when it is null.
// The one-argument CreateContext of context/Context.h passes null.
GLContextHandle CreateContext(GLContextHandle share, const CGLPixelFormatAttribute* attributes);
