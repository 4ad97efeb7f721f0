// The generated PiPL file, decoded property by property against the resource
// layout written out by hand: header, order, keys, lengths, data and padding.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/PiPL.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Property {
    const char* key;       // as read, e.g. "kind"
    std::uint32_t length;  // stored data length
    Bytes data;            // data followed by its padding, as in the file
};

// Keys appear in the file in reverse reading order (little-endian value of
// the multi-character constant).
const std::vector<Property> kExpected = {
    {"kind", 4, {'T', 'K', 'F', 'e'}},
    {"name", 12, {9, 'H', 'a', 'l', 'v', 'a', 'n', 'e', ' ', '3', 0, 0}},
    {"catg", 8, {7, 'K', 'o', 'r', 'v', 'a', 'n', 'a'}},
    {"8664", 12, {'E', 'f', 'f', 'e', 'c', 't', 'M', 'a', 'i', 'n', 0, 0}},
    {"ePVR", 4, {2, 0, 0, 0}},
    {"eSVR", 4, {13, 0, 25, 0}},
    {"eVER", 4, {0x01, 0x00, 0x18, 0x00}},
    {"eINF", 2, {0, 0, 0, 0}},
    {"eGLO", 4, {0x00, 0x80, 0x00, 0x06}},
    {"eGL2", 4, {0x08, 0x14, 0x20, 0x08}},
    {"eMNA", 8, {7, 'K', 'V', 'H', 'L', 'V', 'G', 'L'}},
    {"aeFL", 4, {8, 0, 0, 0}},
};

Bytes ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::string ReversedKey(const Bytes& b, std::size_t at) {
    return {char(b[at + 3]), char(b[at + 2]), char(b[at + 1]), char(b[at])};
}

void CheckLayout(const Bytes& file) {
    ASSERT_GE(file.size(), 10u);
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file[1], 0);
    EXPECT_EQ(U32At(file, 2), 0u);   // PiPL version
    EXPECT_EQ(U32At(file, 6), 12u);  // property count
    std::size_t at = 10;
    for (const Property& p : kExpected) {
        SCOPED_TRACE(p.key);
        ASSERT_LE(at + 16 + p.data.size(), file.size());
        EXPECT_EQ(ReversedKey(file, at), "8BIM");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[at]), 4), "MIB8");
        EXPECT_EQ(ReversedKey(file, at + 4), p.key);
        EXPECT_EQ(U32At(file, at + 8), 0u);  // property id
        EXPECT_EQ(U32At(file, at + 12), p.length);
        const Bytes data(file.begin() + long(at + 16),
                         file.begin() + long(at + 16 + p.data.size()));
        EXPECT_EQ(data, p.data);
        at += 16 + p.data.size();
    }
    EXPECT_EQ(at, file.size()) << "bytes after the last property";
    EXPECT_EQ(file.size(), 274u);
}

TEST(PiPL, GeneratedFileMatchesTheResourceLayout) {
    const Bytes file = ReadFile(HLV3_PIPL_PATH);
    ASSERT_FALSE(file.empty()) << HLV3_PIPL_PATH;
    CheckLayout(file);
}

TEST(PiPL, BuilderAndGeneratedFileAgree) {
    EXPECT_EQ(BuildPiPL(), ReadFile(HLV3_PIPL_PATH));
}

}  // namespace
