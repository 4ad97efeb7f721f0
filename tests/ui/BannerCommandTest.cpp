// `hlv3host banner` writes the banner as a PNG anyone can open.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t BigEndian32(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | std::uint32_t{b[at + 3]};
}

TEST(BannerCommand, WritesA400By33RgbaPng) {
    const std::string path = ::testing::TempDir() + "hlv3_banner_test.png";
    std::remove(path.c_str());
    const std::string command =
        std::string(HLV3_HOSTTOOL_PATH) + " banner '" + path + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 33u);
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, bytes.begin()));
    // The first chunk is IHDR: width, height, bit depth 8, colour type 6 (RGBA).
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndian32(bytes, 16), 400u);
    EXPECT_EQ(BigEndian32(bytes, 20), 33u);
    EXPECT_EQ(bytes[24], 8);
    EXPECT_EQ(bytes[25], 6);
    std::remove(path.c_str());
}

TEST(BannerCommand, RejectsAMissingPath) {
    const std::string command = std::string(HLV3_HOSTTOOL_PATH) + " banner 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
