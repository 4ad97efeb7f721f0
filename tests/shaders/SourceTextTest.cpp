#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shaders/ShaderSources.h"
#include "tests/support/RunningInCI.h"

namespace {

struct NamedSource {
    const char* name;
    const char* text;
};

const NamedSource kSources[] = {
    {"quad_vert", quad_vert},           {"preProc_frag", preProc_frag},
    {"aberrate_frag", aberrate_frag},   {"blurW_frag", blurW_frag},
    {"blurH_frag", blurH_frag},         {"postProc_frag", postProc_frag},
    {"copyTexel_frag", copyTexel_frag},
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

// The offline reference compiler checks the files against the GLSL 3.30
// grammar and rules, independently of the GL driver the GPU tests run on
// (drivers accept things the language forbids). Its stage comes from the
// file name: *_vert is a vertex stage, everything else a fragment stage.
TEST(ShaderSourceText, ReferenceCompilerAcceptsEveryFile) {
    if (std::system("command -v glslangValidator >/dev/null 2>&1") != 0) {
        if (RunningInCI()) {
            FAIL() << "glslangValidator is missing (scripts/install-deps.sh installs it)";
        }
        GTEST_SKIP() << "glslangValidator is not installed (package glslang-tools)";
    }
    std::vector<std::string> files;
    for (const NamedSource& s : kSources) {
        files.push_back(std::string("shaders/") + s.name);
    }
    // The benchmark's own passes are held to the same rules.
    for (const char* name : {"pathFloor_frag", "pointFloor_frag"}) {
        files.push_back(std::string("tools/hlv3host/shaders/") + name);
    }
    for (const std::string& file : files) {
        const char* stage =
            file.size() > 5 && file.substr(file.size() - 5) == "_vert" ? "vert" : "frag";
        const std::string command = std::string("glslangValidator -S ") + stage + " '" +
                                    HLV3_SOURCE_DIR + "/" + file + ".glsl'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
}

}  // namespace
