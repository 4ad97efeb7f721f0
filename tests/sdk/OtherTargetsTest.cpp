// The layer must hold on targets this machine does not run: the Windows
// branch under MSVC record-layout rules and under mingw-w64, macOS, and
// plain C. Each case compiles the headers (with their layout pins) for that
// target with whichever compiler is installed; a compiler that is missing
// skips its case with the reason.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kSource = HLV3_SOURCE_DIR;

bool HaveTool(const std::string& tool) {
    const std::string probe = "command -v " + tool + " >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

std::string IncludeFlags() {
    return " -I" + kSource + " -I" + kSource + "/sdk -I" + kSource + "/sdk/SP -I" + kSource +
           "/sdk/adobesdk";
}

// A source file of its own under the temporary directory, removed with its
// folder when the case ends.
struct ScratchSource {
    fs::path dir;
    fs::path path;
    ScratchSource(const std::string& name, const std::string& text)
        : dir(fs::temp_directory_path() / ("hlv3_sdk_" + std::to_string(::getpid()))),
          path(dir / name) {
        fs::create_directories(dir);
        std::ofstream(path) << text;
    }
    ~ScratchSource() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    ScratchSource(const ScratchSource&) = delete;
    ScratchSource& operator=(const ScratchSource&) = delete;
};

// Runs a compiler command; returns its exit status and keeps its output.
int Compile(const std::string& command, std::string* output) {
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        return -1;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        output->append(buffer);
    }
    return ::pclose(pipe);
}

const char* const kAllHeaders =
    "#include \"AE_Effect.h\"\n#include \"AE_EffectCB.h\"\n#include \"AE_EffectCBSuites.h\"\n"
    "#include \"AE_EffectSuites.h\"\n#include \"AE_EffectUI.h\"\n#include "
    "\"AE_EffectPixelFormat.h\"\n#include \"AE_GeneralPlug.h\"\n#include \"AE_Macros.h\"\n"
    "#include \"AE_PluginData.h\"\n#include \"SPBasic.h\"\n#include \"DrawbotSuite.h\"\n";

TEST(SdkOtherTargets, CompilesAsStrictC) {
    if (!HaveTool("cc")) {
        GTEST_SKIP() << "no C compiler (cc) on PATH";
    }
    const ScratchSource file("all.c", std::string(kAllHeaders) + "int main(void) { return 0; }\n");
    std::string out;
    const int rc = Compile("cc -std=c11 -Wall -Wextra -Werror -Wpedantic -fsyntax-only" +
                               IncludeFlags() + " " + file.path.string(),
                           &out);
    EXPECT_EQ(rc, 0) << out;
}

// Clang can lay records out by MSVC rules without any Windows headers: the
// layer needs only the compiler's own stddef.h and stdint.h.
TEST(SdkOtherTargets, WindowsMsvcAndMacLayoutsWithClang) {
    if (!HaveTool("clang++")) {
        GTEST_SKIP() << "clang++ is not installed";
    }
    const ScratchSource file("all_targets.cpp", "#include \"host/HostInterface.h\"\n");
    for (const char* target :
         {"x86_64-pc-windows-msvc", "x86_64-apple-macos", "arm64-apple-macos"}) {
        std::string out;
        const int rc = Compile(std::string("clang++ --target=") + target +
                                   " -std=c++17 -ffreestanding -nostdinc++ -Wall -Wextra -Werror "
                                   "-fsyntax-only" +
                                   IncludeFlags() + " " + file.path.string(),
                               &out);
        EXPECT_EQ(rc, 0) << target << ":\n" << out;
    }
}

// Layout pins and every member's type, compiled for Windows x64 by mingw-w64.
TEST(SdkOtherTargets, WindowsMingw) {
    const std::string compiler = "x86_64-w64-mingw32-g++";
    if (!HaveTool(compiler)) {
        GTEST_SKIP() << compiler << " is not installed";
    }
    std::string out;
    const int rc = Compile(compiler + " -std=c++17 -Wall -Wextra -Werror -fsyntax-only" +
                               IncludeFlags() + " " + kSource + "/tests/sdk/MemberTypesTest.cpp",
                           &out);
    EXPECT_EQ(rc, 0) << out;
}

// The published headers write the SP error codes as multi-character
// constants, which GCC and Clang warn about by default: the simulated host,
// compiled with its own options, must take them.
TEST(SdkOtherTargets, SimulatedHostTakesMultiCharacterErrorCodes) {
    const ScratchSource header("SPBasic.h", "#pragma once\n#include \"" + kSource +
                                                "/sdk/SP/SPBasic.h\"\n#undef kSPBadParameterError\n"
                                                "#define kSPBadParameterError 'Parm'\n");
    std::string out;
    const int rc = Compile(std::string(HLV3_CXX_COMPILER) + " -std=c++17 -fsyntax-only " +
                               HLV3_SIMHOST_OPTIONS + " -I" + header.dir.string() + IncludeFlags() +
                               " " + kSource + "/simhost/ui/Drawbot.cpp",
                           &out);
    EXPECT_EQ(rc, 0) << out;
}

}  // namespace
