#pragma once

#include "gl/GLApi.h"

// Diagnostics of the GL toolkit. Every line goes to standard output and is
// flushed before the call returns, so a host's console (or a test reading the
// stream) sees it even when the process dies right after. None of these
// functions throws or touches GL state other than reading the error flag.

// The toolkit's debug log line: "KV_DEBUG_HLV3 " + message + '\n'.
void DebugLog(const char* message);
// Same, with a decimal number right after the message.
void DebugLog(const char* message, long long number);

// printf-style line: the formatted text, then '\n', then a flush.
void WriteLine(const char* format, ...) HLV3_PRINTF_FORMAT(1, 2);

// Reads the GL error flag; if one is set, writes
// "OpenGL error %08x, at <file>:<line> - for <what>" followed by an empty line.
void CheckOpenGLError(const char* what, const char* file, int line);
