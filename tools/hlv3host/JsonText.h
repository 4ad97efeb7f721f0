#pragma once

#include <cstdio>
#include <string>

// The length of the well-formed UTF-8 sequence at text[at] (2 to 4 bytes,
// no overlong forms, surrogates or values past U+10FFFF), or 0.
inline size_t Utf8Sequence(const std::string& text, size_t at) {
    const auto byte = [&text](size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned c = byte(at);
    const size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : (c >= 0xE0 ? 3 : (c >= 0xC2 ? 2 : 0));
    if (n == 0 || c > 0xF4) {
        return 0;
    }
    // The second byte's range narrows where a shorter form or a surrogate
    // would otherwise pass.
    const unsigned lo = c == 0xE0 ? 0xA0 : (c == 0xF0 ? 0x90 : 0x80);
    const unsigned hi = c == 0xED ? 0x9F : (c == 0xF4 ? 0x8F : 0xBF);
    if (byte(at + 1) < lo || byte(at + 1) > hi) {
        return 0;
    }
    for (size_t i = 2; i < n; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) {
            return 0;
        }
    }
    return n;
}

// `text` as a JSON string literal, quotes included. A byte that is not part
// of well-formed UTF-8 (a file name in another encoding) is written as the
// code point of the same number, \u0080 to \u00ff, so that the document
// stays valid and a Latin-1 name reads as it was meant.
inline std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (c >= 0x80) {
                    const size_t n = Utf8Sequence(text, i);
                    if (n > 0) {
                        out.append(text, i, n);
                        i += n - 1;
                        break;
                    }
                }
                if (c < 0x20 || c >= 0x80) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}
