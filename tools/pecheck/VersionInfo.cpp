#include "tools/pecheck/VersionInfo.h"

namespace {

constexpr uint32_t kFixedInfoSignature = 0xFEEF04BDu;
constexpr int kMaxDepth = 4;  // root, StringFileInfo, table, string

// One block of the tree: WORD length, WORD value length, WORD type, a
// NUL-terminated UTF-16 key, the value and the children, each starting on a
// four-byte boundary of the resource.
struct Block {
    std::string key;
    uint64_t value = 0;  // offset of the value
    uint64_t valueBytes = 0;
    bool text = false;
    uint64_t children = 0;  // offset of the first child
    uint64_t end = 0;
};

struct Parser {
    const std::vector<uint8_t>& bytes;
    std::string* error;

    uint32_t U(uint64_t at, int size) const {
        uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | bytes[at + static_cast<uint64_t>(i)];
        }
        return value;
    }
    static uint64_t Align(uint64_t at) { return (at + 3) & ~uint64_t(3); }

    bool Fail(const std::string& why) const {
        *error = why;
        return false;
    }

    // Reads the UTF-16 text of `units` code units at `at`, up to a NUL.
    std::string Text(uint64_t at, uint64_t units) const {
        std::string text;
        for (uint64_t i = 0; i < units; ++i) {
            const uint32_t unit = U(at + 2 * i, 2);
            if (unit == 0) {
                break;
            }
            text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
        }
        return text;
    }

    bool Read(uint64_t at, uint64_t limit, Block* block) const {
        if (at + 6 > limit) {
            return Fail("version block header past its parent's end");
        }
        const uint32_t length = U(at, 2);
        const uint32_t valueLength = U(at + 2, 2);
        block->text = U(at + 4, 2) == 1;
        block->end = at + length;
        if (length < 6 || block->end > limit) {
            return Fail("version block length " + std::to_string(length) + " out of range");
        }
        uint64_t key = at + 6;
        for (; key + 2 <= block->end && U(key, 2) != 0; key += 2) {
        }
        if (key + 2 > block->end) {
            return Fail("version block key without its end");
        }
        block->key = Text(at + 6, (key - at - 6) / 2);
        block->value = Align(key + 2);
        // A text value's length counts UTF-16 units, a binary one bytes.
        block->valueBytes = block->text ? 2ull * valueLength : valueLength;
        if (block->value + block->valueBytes > block->end) {
            return Fail("value of version block '" + block->key + "' past its end");
        }
        block->children = Align(block->value + block->valueBytes);
        return true;
    }

    bool Children(const Block& parent, int depth, PEVersionInfo* info) const {
        if (depth >= kMaxDepth) {
            return Fail("version blocks nested too deep");
        }
        for (uint64_t at = parent.children; at < parent.end;) {
            Block block;
            if (!Read(at, parent.end, &block) || !Visit(parent, block, depth, info)) {
                return false;
            }
            at = Align(block.end);
        }
        return true;
    }

    bool Visit(const Block& parent, const Block& block, int depth, PEVersionInfo* info) const {
        if (depth == 1 && (block.key == "StringFileInfo" || block.key == "VarFileInfo")) {
            return Children(block, depth + 1, info);
        }
        if (depth == 2 && parent.key == "StringFileInfo") {
            info->stringTable = block.key;
            return Children(block, depth + 1, info);
        }
        if (depth == 3) {
            info->strings[block.key] = Text(block.value, block.valueBytes / 2);
        } else if (depth == 2 && parent.key == "VarFileInfo" && block.key == "Translation") {
            for (uint64_t i = 0; i + 4 <= block.valueBytes; i += 4) {
                info->translations.push_back(U(block.value + i, 4));
            }
        }
        return true;
    }
};

}  // namespace

bool ParseVersionInfo(const std::vector<uint8_t>& bytes, PEVersionInfo* info, std::string* error) {
    *info = PEVersionInfo{};
    const Parser parser{bytes, error};
    Block root;
    if (!parser.Read(0, bytes.size(), &root)) {
        return false;
    }
    if (root.key != "VS_VERSION_INFO" || root.valueBytes < 52 ||
        parser.U(root.value, 4) != kFixedInfoSignature) {
        *error = "no VS_VERSION_INFO block with a fixed file information";
        return false;
    }
    // Each version is two DWORDs, the most significant pair first.
    for (int i = 0; i < 2; ++i) {
        const uint32_t fileWord = parser.U(root.value + 8 + 4 * i, 4);
        const uint32_t productWord = parser.U(root.value + 16 + 4 * i, 4);
        info->fileVersion[2 * i] = static_cast<uint16_t>(fileWord >> 16);
        info->fileVersion[2 * i + 1] = static_cast<uint16_t>(fileWord);
        info->productVersion[2 * i] = static_cast<uint16_t>(productWord >> 16);
        info->productVersion[2 * i + 1] = static_cast<uint16_t>(productWord);
    }
    return parser.Children(root, 1, info);
}

std::string VersionText(const uint16_t (&parts)[4]) {
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + "." + std::to_string(parts[3]);
}
