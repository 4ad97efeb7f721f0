#pragma once

// Whether an 8-bit output may be read back from a GL_RGBA8 target (a copy)
// instead of converting the float target on the way out: true only when a
// GL_RGBA8 target stores exactly the bytes that an 8-bit read of a
// GL_RGBA32F target gives, for values at, just below and just above every
// rounding boundary and out of range (negative, above 1, infinite, NaN). GL
// prefers round-to-nearest for both conversions but does not require it, so
// the answer belongs to the GL at hand. Makes and deletes its own program and
// targets; needs a current context and leaves nothing bound.
bool ByteTargetMatchesFloatReadBack();
