#include "gl/Diagnostics.h"

#include <cstdarg>
#include <cstdio>

namespace {
constexpr const char kDebugTag[] = "KV_DEBUG_HLV3 ";
}  // namespace

void DebugLog(const char* message) {
    std::printf("%s%s\n", kDebugTag, message);
    std::fflush(stdout);
}

void DebugLog(const char* message, long long number) {
    std::printf("%s%s%lld\n", kDebugTag, message, number);
    std::fflush(stdout);
}

void WriteLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void CheckOpenGLError(const char* what, const char* file, int line) {
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) {
        return;
    }
    // Long paths are cut rather than overflowing; the message stays one line.
    char text[512];
    std::snprintf(text, sizeof(text), "OpenGL error %08x, at %s:%i - for %s\n", error,
                  file ? file : "", line, what ? what : "");
    std::printf("%s\n", text);
    std::fflush(stdout);
}
