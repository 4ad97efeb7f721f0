// The generated Windows PiPL and macOS resource file, decoded property by
// property against the layouts written out by hand, and against each other.
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
    std::string key;       // in reading order, e.g. "kind"
    std::uint32_t length;  // stored data length
    Bytes data;            // data followed by its padding, as in the file
};

// Windows: little-endian; keys appear in the file in reverse reading order
// (little-endian value of the multi-character constant).
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

// macOS: big-endian, keys in reading order; a counted string's length leaves
// its padding out; two counted entry points in place of 8664.
const std::vector<Property> kExpectedMac = {
    {"kind", 4, {'e', 'F', 'K', 'T'}},
    {"name", 10, {9, 'H', 'a', 'l', 'v', 'a', 'n', 'e', ' ', '3', 0, 0}},
    {"catg", 8, {7, 'K', 'o', 'r', 'v', 'a', 'n', 'a'}},
    {"mi64", 11, {10, 'E', 'f', 'f', 'e', 'c', 't', 'M', 'a', 'i', 'n', 0}},
    {"ma64", 11, {10, 'E', 'f', 'f', 'e', 'c', 't', 'M', 'a', 'i', 'n', 0}},
    {"ePVR", 4, {0, 2, 0, 0}},
    {"eSVR", 4, {0, 13, 0, 25}},
    {"eVER", 4, {0x00, 0x18, 0x00, 0x01}},
    {"eINF", 2, {0, 0, 0, 0}},
    {"eGLO", 4, {0x06, 0x00, 0x80, 0x00}},
    {"eGL2", 4, {0x08, 0x20, 0x14, 0x08}},
    {"eMNA", 8, {7, 'K', 'V', 'H', 'L', 'V', 'G', 'L'}},
    {"aeFL", 4, {0, 0, 0, 8}},
};

Bytes ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Field(const Bytes& b, std::size_t at, std::size_t width, bool big_endian) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::uint32_t(b.at(at + i)) << 8 * (big_endian ? width - 1 - i : i);
    }
    return value;
}

std::string KeyAt(const Bytes& b, std::size_t at, bool big_endian) {
    const std::string raw = {char(b.at(at)), char(b.at(at + 1)), char(b.at(at + 2)),
                             char(b.at(at + 3))};
    return big_endian ? raw : std::string(raw.rbegin(), raw.rend());
}

// Reads the PiPL at `at`: version 0, then its properties, each checked for
// vendor 8BIM and id 0. `end` receives the offset after the last one.
std::vector<Property> ReadProperties(const Bytes& file, std::size_t at, bool big_endian,
                                     std::size_t* end) {
    EXPECT_EQ(Field(file, at, 4, big_endian), 0u);  // PiPL version
    std::vector<Property> properties(Field(file, at + 4, 4, big_endian));
    at += 8;
    for (Property& p : properties) {
        EXPECT_EQ(KeyAt(file, at, true), big_endian ? "8BIM" : "MIB8");  // as stored
        p.key = KeyAt(file, at + 4, big_endian);
        EXPECT_EQ(Field(file, at + 8, 4, big_endian), 0u) << p.key;  // property id
        p.length = Field(file, at + 12, 4, big_endian);
        const std::size_t padded = (p.length + 3) / 4 * 4;
        p.data.assign(file.begin() + long(at + 16),
                      file.begin() + long(std::min(file.size(), at + 16 + padded)));
        at += 16 + padded;
    }
    *end = at;
    return properties;
}

void ExpectProperties(const std::vector<Property>& read, const std::vector<Property>& expected) {
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].key, expected[i].key);
        EXPECT_EQ(read[i].length, expected[i].length) << expected[i].key;
        EXPECT_EQ(read[i].data, expected[i].data) << expected[i].key;
    }
}

// The offset of the PiPL 16000's data (its 32-bit length) in a resource
// file, found through the map as the host's resource reader does: the map
// offset in the header, the type list, type 'PiPL', reference 16000.
std::size_t MacPiPLData(const Bytes& file) {
    const std::size_t map = Field(file, 4, 4, true);
    const std::size_t types = map + Field(file, map + 24, 2, true);
    EXPECT_EQ(Field(file, types, 2, true), 0u);  // one type
    EXPECT_EQ(KeyAt(file, types + 2, true), "PiPL");
    const std::size_t reference = types + Field(file, types + 8, 2, true);
    EXPECT_EQ(Field(file, reference, 2, true), 16000u);
    return Field(file, 0, 4, true) + (Field(file, reference + 4, 4, true) & 0xFFFFFF);
}

TEST(PiPL, GeneratedFileMatchesTheResourceLayout) {
    const Bytes file = ReadFile(HLV3_PIPL_PATH);
    ASSERT_EQ(file.size(), 274u) << HLV3_PIPL_PATH;
    EXPECT_EQ(Field(file, 0, 2, false), 1u);
    std::size_t end = 0;
    ExpectProperties(ReadProperties(file, 2, false, &end), kExpected);
    EXPECT_EQ(end, file.size()) << "bytes after the last property";
    EXPECT_EQ(BuildPiPL(), file);
}

TEST(PiPL, MacResourceFileHoldsThePiPLThroughItsMap) {
    const Bytes file = ReadFile(HLV3_MAC_RSRC_PATH);
    ASSERT_EQ(file.size(), 610u) << HLV3_MAC_RSRC_PATH;  // data at 256: 4 + 300, map 50
    const Bytes header = {0, 0, 1, 0, 0, 0, 2, 0x30, 0, 0, 1, 0x30, 0, 0, 0, 50};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 16), header);
    EXPECT_EQ(Bytes(file.begin() + 16, file.begin() + 256), Bytes(240, 0));
    Bytes map = header;
    map.insert(map.end(), {0,    0,    0,    0,    0,   0,   0, 0, 0, 28, 0, 50,  //
                           0,    0,    'P',  'i',  'P', 'L', 0, 0, 0, 10,         //
                           0x3E, 0x80, 0xFF, 0xFF, 0,   0,   0, 0, 0, 0,  0, 0});
    EXPECT_EQ(Bytes(file.begin() + 560, file.end()), map);

    const std::size_t data = MacPiPLData(file);
    ASSERT_EQ(data, 256u);
    std::size_t end = 0;
    ExpectProperties(ReadProperties(file, data + 4, true, &end), kExpectedMac);
    EXPECT_EQ(end, data + 4 + Field(file, data, 4, true));
    EXPECT_EQ(BuildMacResourceFile(), file);
}

// Each file's properties carry the other's values, the entry points aside:
// counted strings, and numbers in 16- or 32-bit fields in the file's order.
TEST(PiPL, BothFormsCarryTheSameValues) {
    const auto value = [](const Property& p, bool big_endian) {
        if (p.key == "name" || p.key == "catg" || p.key == "eMNA") {
            return std::string(p.data.begin() + 1, p.data.begin() + 1 + p.data.at(0));
        }
        const std::size_t width = p.key == "ePVR" || p.key == "eSVR" || p.key == "eINF" ? 2 : 4;
        std::string fields;
        for (std::size_t at = 0; at < p.length; at += width) {
            fields += std::to_string(Field(p.data, at, width, big_endian)) + " ";
        }
        return fields;
    };
    const Bytes windows_file = ReadFile(HLV3_PIPL_PATH), mac_file = ReadFile(HLV3_MAC_RSRC_PATH);
    std::size_t end = 0;
    std::vector<Property> windows = ReadProperties(windows_file, 2, false, &end);
    std::vector<Property> mac = ReadProperties(mac_file, MacPiPLData(mac_file) + 4, true, &end);
    ASSERT_EQ(windows.size() + 1, mac.size());
    windows.erase(windows.begin() + 3);           // 8664
    mac.erase(mac.begin() + 3, mac.begin() + 5);  // mi64, ma64
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(windows[i].key, mac[i].key);
        EXPECT_EQ(value(windows[i], false), value(mac[i], true)) << windows[i].key;
    }
}

}  // namespace
