#include "tools/hlv3host/FramePattern.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Finds the field: its start and length in `path`, and its width (0 for
// "%d"). Returns false when there is no valid field at `at`.
bool FieldAt(const std::string& path, size_t at, size_t* length, int* width) {
    size_t i = at + 1;
    *width = 0;
    if (i < path.size() && path[i] == '0') {
        ++i;
        if (i >= path.size() || path[i] < '1' || path[i] > '9') {
            return false;
        }
        *width = path[i] - '0';
        ++i;
    }
    if (i >= path.size() || path[i] != 'd') {
        return false;
    }
    *length = i + 1 - at;
    return true;
}

}  // namespace

bool IsFramePattern(const std::string& path, std::string* error) {
    int fields = 0;
    for (size_t at = path.find('%'); at != std::string::npos; at = path.find('%', at + 1)) {
        size_t length = 0;
        int width = 0;
        if (!FieldAt(path, at, &length, &width)) {
            *error = path + ": a frame number is written %d or %04d";
            return false;
        }
        ++fields;
    }
    if (fields > 1) {
        *error = path + ": more than one frame number field";
        return false;
    }
    error->clear();
    return fields == 1;
}

std::string FrameFileName(const std::string& pattern, int frame) {
    const size_t at = pattern.find('%');
    size_t length = 0;
    int width = 0;
    if (at == std::string::npos || !FieldAt(pattern, at, &length, &width)) {
        return pattern;
    }
    char number[32];
    std::snprintf(number, sizeof(number), "%0*d", width, frame);
    return pattern.substr(0, at) + number + pattern.substr(at + length);
}

bool ParseFrameRange(const std::string& text, int* first, int* last) {
    const char* s = text.c_str();
    char* end = nullptr;
    const long a = std::strtol(s, &end, 10);
    if (end == s || *s == '-' || *s == '+' || a < 0 || a > 9999999) {
        return false;
    }
    long b = a;
    if (*end == '-') {
        const char* t = end + 1;
        if (*t < '0' || *t > '9') {
            return false;
        }
        b = std::strtol(t, &end, 10);
    }
    if (*end != '\0' || b < a || b > 9999999) {
        return false;
    }
    *first = static_cast<int>(a);
    *last = static_cast<int>(b);
    return true;
}
