#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shaders/ShaderSources.h"

namespace {

struct NamedSource {
    const char* name;
    const char* text;
};

const NamedSource kSources[] = {
    {"quad_vert", quad_vert},   {"preProc_frag", preProc_frag}, {"aberrate_frag", aberrate_frag},
    {"blurW_frag", blurW_frag}, {"blurH_frag", blurH_frag},     {"postProc_frag", postProc_frag},
};

// The program builder hands every text to GL after an empty prefix string,
// so each one must carry its own version line, right after a line break.
TEST(ShaderSourceText, EachStartsWithLineBreakAndVersion330) {
    for (const NamedSource& s : kSources) {
        ASSERT_NE(s.text, nullptr) << s.name;
        EXPECT_EQ(std::strncmp(s.text, "\n#version 330\n", 14), 0)
            << s.name << " starts with: "
            << std::string(s.text, std::strlen(s.text) < 20 ? std::strlen(s.text) : 20);
    }
}

// Names the passes bind must be spelt in the text exactly.
TEST(ShaderSourceText, DeclaresTheBoundNames) {
    const auto declares = [](const char* text, const char* decl) {
        return std::string(text).find(decl) != std::string::npos;
    };
    EXPECT_TRUE(declares(quad_vert, "in vec4 vertex;"));
    EXPECT_TRUE(declares(quad_vert, "in vec2 tex;"));
    EXPECT_TRUE(declares(quad_vert, "out vec2 out_uvs;"));
    EXPECT_TRUE(declares(preProc_frag, "out vec4 colourOut;"));
    for (const char* text : {aberrate_frag, blurW_frag, blurH_frag, postProc_frag}) {
        EXPECT_TRUE(declares(text, "out vec4 FragColour;"));
    }
    EXPECT_TRUE(declares(postProc_frag, "uniform sampler2D inputFrameTexture;"));
}

}  // namespace
