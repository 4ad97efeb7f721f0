#pragma once

// A strict little JSON reader for checking the host tool's --json output:
// objects, arrays, strings (UTF-8 only; \uXXXX up to U+07FF), numbers,
// true/false/null.
// Parse() throws std::runtime_error with the offset on any malformed input or
// trailing text.

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace minijson {

struct Value {
    enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Value> items;
    std::map<std::string, Value> members;

    const Value& operator[](const std::string& key) const {
        const auto it = members.find(key);
        if (kind != kObject || it == members.end()) {
            throw std::runtime_error("no member " + key);
        }
        return it->second;
    }
    const Value& operator[](std::size_t i) const {
        if (kind != kArray || i >= items.size()) {
            throw std::runtime_error("no item " + std::to_string(i));
        }
        return items[i];
    }
};

class Parser {
  public:
    explicit Parser(const std::string& text) : s_(text) {}

    Value ParseDocument() {
        Value v = ParseValue();
        SkipSpace();
        if (pos_ != s_.size())
            Fail("trailing text");
        return v;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
    }
    void SkipSpace() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\t' || s_[pos_] == '\r')) {
            ++pos_;
        }
    }
    char Peek() {
        SkipSpace();
        if (pos_ >= s_.size())
            Fail("unexpected end");
        return s_[pos_];
    }
    void Expect(char c) {
        if (Peek() != c)
            Fail(std::string("expected '") + c + "'");
        ++pos_;
    }
    bool Literal(const char* word) {
        const std::string w = word;
        if (s_.compare(pos_, w.size(), w) == 0) {
            pos_ += w.size();
            return true;
        }
        return false;
    }
    std::string ParseString() {
        Expect('"');
        std::string out;
        while (true) {
            if (pos_ >= s_.size())
                Fail("unterminated string");
            const char c = s_[pos_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("control character in string");
            if (static_cast<unsigned char>(c) >= 0x80) {
                SkipUtf8(static_cast<unsigned char>(c), &out);
                continue;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= s_.size())
                Fail("unterminated escape");
            const char e = s_[pos_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (pos_ + 4 > s_.size())
                        Fail("short \\u escape");
                    const long code = std::strtol(s_.substr(pos_, 4).c_str(), nullptr, 16);
                    pos_ += 4;
                    if (code > 0x7FF)
                        Fail("\\u escape beyond U+07FF");
                    if (code > 0x7F) {
                        out += char(0xC0 | (code >> 6));
                        out += char(0x80 | (code & 0x3F));
                    } else {
                        out += char(code);
                    }
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
    }
    // Takes the rest of the UTF-8 sequence that `lead` starts, checking the
    // decoded code point: not overlong, no surrogate, at most U+10FFFF.
    void SkipUtf8(unsigned char lead, std::string* out) {
        const int more = lead >= 0xF0 ? 3 : (lead >= 0xE0 ? 2 : (lead >= 0xC0 ? 1 : -1));
        if (more < 0 || lead > 0xF7)
            Fail("not UTF-8");
        unsigned long code = lead & (0x3F >> more);
        *out += char(lead);
        for (int i = 0; i < more; ++i) {
            if (pos_ >= s_.size() || (static_cast<unsigned char>(s_[pos_]) & 0xC0) != 0x80)
                Fail("not UTF-8");
            code = code << 6 | (static_cast<unsigned char>(s_[pos_]) & 0x3F);
            *out += s_[pos_++];
        }
        const unsigned long least[] = {0x80, 0x800, 0x10000};
        if (code < least[more - 1] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            Fail("not UTF-8");
    }
    Value ParseValue() {
        Value v;
        const char c = Peek();
        if (c == '{') {
            ++pos_;
            v.kind = Value::kObject;
            if (Peek() == '}') {
                ++pos_;
                return v;
            }
            while (true) {
                const std::string key = ParseString();
                Expect(':');
                if (v.members.count(key))
                    Fail("duplicate key " + key);
                v.members[key] = ParseValue();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect('}');
                return v;
            }
        }
        if (c == '[') {
            ++pos_;
            v.kind = Value::kArray;
            if (Peek() == ']') {
                ++pos_;
                return v;
            }
            while (true) {
                v.items.push_back(ParseValue());
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = Value::kString;
            v.text = ParseString();
            return v;
        }
        if (Literal("true")) {
            v.kind = Value::kBool;
            v.boolean = true;
            return v;
        }
        if (Literal("false")) {
            v.kind = Value::kBool;
            return v;
        }
        if (Literal("null"))
            return v;
        const char* start = s_.c_str() + pos_;
        char* end = nullptr;
        v.number = std::strtod(start, &end);
        if (end == start)
            Fail("unexpected character");
        v.kind = Value::kNumber;
        pos_ += std::size_t(end - start);
        return v;
    }

    const std::string& s_;
    std::size_t pos_ = 0;
};

inline Value Parse(const std::string& text) {
    return Parser(text).ParseDocument();
}

}  // namespace minijson
