// The cross-built Windows module, checked from the Linux side: its export,
// import and resource tables as the host and Windows' loader read them, the
// host tool's listing of it under Wine, and whole frames rendered through its
// EffectMain under Wine (on the GPU, and on the CPU where no context can be
// made) against the same frames from the Linux module.
//
// Frames are compared with the whole-frame tests' tolerances (4e-3 for float,
// two 8-bit steps); both sides run Mesa here, so the GPU frames agree far
// closer.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "tests/support/GLTestContext.h"
#include "tests/windows/FrameCases.h"
#include "tools/pecheck/PEFile.h"
#include "tools/pecheck/VersionInfo.h"

namespace fs = std::filesystem;

namespace {

const fs::path kWindowsBuild = HLV3_WINDOWS_BUILD_DIR;
const fs::path kAex = kWindowsBuild / "HLV3.aex";

// Skips (fails under CI=true) when the Windows build or Wine is missing.
#define REQUIRE_WINDOWS_BUILD()                                                                  \
    do {                                                                                         \
        const std::string why = !fs::exists(kAex)                                                \
                                    ? kAex.string() + " is not built (scripts/build-windows.sh)" \
                                : std::system("command -v wine > /dev/null") != 0                \
                                    ? std::string("wine is not installed")                       \
                                    : std::string();                                             \
        if (!why.empty()) {                                                                      \
            if (RunningInCI()) {                                                                 \
                GTEST_FAIL() << why;                                                             \
            }                                                                                    \
            GTEST_SKIP() << why;                                                                 \
        }                                                                                        \
    } while (0)

// The path as a Windows program under Wine sees it (drive Z: is /).
std::string WinePath(const fs::path& path) {
    return "Z:" + fs::absolute(path).string();
}

struct ProcessResult {
    int status = -1;
    std::string out;
};

// Runs `command` with its standard output captured, carriage returns (from
// the Windows C runtime's text mode) removed.
ProcessResult Capture(const std::string& command) {
    ProcessResult run;
    std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) {
        run.out.append(buf, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out.erase(std::remove(run.out.begin(), run.out.end(), '\r'), run.out.end());
    return run;
}

std::string Wine(const std::string& program, const std::string& args) {
    return "WINEPREFIX='" + (kWindowsBuild / "wineprefix").string() + "' '" + HLV3_SOURCE_DIR +
           "/scripts/wine-run.sh' '" + (kWindowsBuild / program).string() + "' " + args;
}

void ReplaceAll(std::string* text, const std::string& from, const std::string& to) {
    for (std::size_t at = text->find(from); at != std::string::npos;
         at = text->find(from, at + to.size())) {
        text->replace(at, from.size(), to);
    }
}

// Alpha (c = 0), or a colour times alpha, as the frame tests compare them:
// the host's un-premultiply magnifies the rounding of small alphas, and a
// CPU frame rounds differently from a GL one.
float Component(const simhost::Image& image, A_long x, A_long y, int c) {
    float v[4];
    if (image.format == PF_PixelFormat_ARGB128) {
        const PF_PixelFloat& p = image.AtFloat(x, y);
        v[0] = p.alpha, v[1] = p.red, v[2] = p.green, v[3] = p.blue;
    } else {
        const PF_Pixel& p = image.At8(x, y);
        v[0] = p.alpha / 255.0f, v[1] = p.red / 255.0f, v[2] = p.green / 255.0f;
        v[3] = p.blue / 255.0f;
    }
    return c == 0 ? v[0] : v[c] * v[0];
}

}  // namespace

TEST(WindowsModule, TablesHoldExactlyWhatTheHostAndLoaderNeed) {
    REQUIRE_WINDOWS_BUILD();
    PEImage image;
    std::string error;
    ASSERT_TRUE(ReadPEFile(kAex.string(), &image, &error)) << error;
    EXPECT_EQ(image.machine, 0x8664);
    EXPECT_TRUE(image.isDll);
    EXPECT_EQ(std::set<std::string>(image.exports.begin(), image.exports.end()),
              (std::set<std::string>{"EffectMain", "PluginDataEntryFunction"}));
    EXPECT_EQ(image.exports.size(), 2u);

    const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll",
                                          "opengl32.dll", "shell32.dll", "msvcrt.dll"};
    std::set<std::string> imported;
    for (std::string dll : image.importedDlls) {
        std::transform(dll.begin(), dll.end(), dll.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(system.count(dll), 1u) << dll << " is not a system DLL";
        imported.insert(dll);
    }
    EXPECT_EQ(imported.count("opengl32.dll"), 1u);

    // Two resources, both English (United States): type "PIPL", id 16000,
    // with the generator's bytes, then the version resource (type 16, id 1).
    ASSERT_EQ(image.resources.size(), 2u);
    const PEResource& pipl = image.resources[0];
    EXPECT_EQ(pipl.type.text, "PIPL");
    EXPECT_EQ(PEResourceKeyText(pipl.name), "#16000");
    EXPECT_EQ(pipl.language, 1033u);
    std::FILE* file = std::fopen(HLV3_PIPL_PATH, "rb");
    ASSERT_NE(file, nullptr);
    std::vector<uint8_t> bytes(1024);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    EXPECT_EQ(bytes.size(), 274u);
    EXPECT_EQ(pipl.data, bytes);

    const PEResource& version = image.resources[1];
    EXPECT_EQ(PEResourceKeyText(version.type) + PEResourceKeyText(version.name), "#16#1");
    EXPECT_EQ(version.language, 1033u);
    PEVersionInfo info;
    ASSERT_TRUE(ParseVersionInfo(version.data, &info, &error)) << error;
    EXPECT_EQ(VersionText(info.fileVersion), "3.0.0.1");  // 0x00180001
    EXPECT_EQ(VersionText(info.productVersion), "3.0.0.1");
    EXPECT_EQ(info.translations, std::vector<uint32_t>{0x04B00409});
    const std::map<std::string, std::string> strings = {
        {"CompanyName", "Korvana"},       {"FileDescription", "Halvane 3 effect plug-in"},
        {"FileVersion", "3.0.0.1"},       {"LegalCopyright", "Copyright (C) 2026 Korvana"},
        {"OriginalFilename", "HLV3.aex"}, {"ProductName", "Halvane 3"},
        {"ProductVersion", "3.0.0"}};
    EXPECT_EQ(info.strings, strings);
    // Every cut of the resource, its outer length made to match so that the
    // inner blocks run past it, is read no further than the cut and loses
    // what lay beyond (the sanitizer stages catch a read past the end).
    for (std::size_t size = 0; size < version.data.size(); ++size) {
        std::vector<uint8_t> cut(version.data.begin(), version.data.begin() + long(size));
        if (size >= 2) {
            cut[0] = uint8_t(size);
            cut[1] = uint8_t(size >> 8);
        }
        EXPECT_FALSE(ParseVersionInfo(cut, &info, &error) && info.strings == strings &&
                     !info.translations.empty())
            << size;
    }
}

TEST(WindowsModule, HostToolListsTheAexAsTheLinuxModule) {
    REQUIRE_WINDOWS_BUILD();
    const std::string pipl = (kWindowsBuild / "generated" / "HLV3.pipl").string();
    ProcessResult windows = Capture(Wine(
        "hlv3host.exe", "list --json --module " + WinePath(kAex) + " --pipl " + WinePath(pipl)));
    ProcessResult linux = Capture(std::string(HLV3_HOSTTOOL_PATH) + " list --json --module " +
                                  HLV3_MODULE_PATH + " --pipl " + HLV3_PIPL_PATH);
    ASSERT_EQ(windows.status, 0) << windows.out;
    ASSERT_EQ(linux.status, 0) << linux.out;
    ReplaceAll(&windows.out, WinePath(kAex), "MODULE");
    ReplaceAll(&windows.out, WinePath(pipl), "PIPL");
    ReplaceAll(&linux.out, HLV3_MODULE_PATH, "MODULE");
    ReplaceAll(&linux.out, HLV3_PIPL_PATH, "PIPL");
    EXPECT_NE(linux.out.find("\"KVHLVGL\""), std::string::npos);
    EXPECT_EQ(windows.out, linux.out);
}

// Once with Wine's GL, once on a display without GL, where every context
// creation of the module fails and it renders on the CPU: both against the
// Linux module's GPU frames.
class WineFrames : public ::testing::TestWithParam<bool> {};

TEST_P(WineFrames, MatchTheLinuxModule) {
    REQUIRE_WINDOWS_BUILD();
    HLV3_REQUIRE_GL();
    const bool noGL = GetParam();
    const fs::path out = fs::path(HLV3_BINARY_DIR) / (noGL ? "wine-frames-cpu" : "wine-frames");
    fs::remove_all(out);
    fs::create_directories(out);
    const ProcessResult wine =
        Capture((noGL ? "HLV3_WINE_NO_GL=1 " : "") +
                Wine("tests/hlv3_wineframes.exe", WinePath(kAex) + " " + WinePath(out)));
    ASSERT_EQ(wine.status, 0) << wine.out;
    EXPECT_NE(wine.out.find(noGL ? "rendering on the CPU" : "rendering on the GPU"),
              std::string::npos)
        << wine.out;

    const simhost::Module linuxModule(HLV3_MODULE_PATH);
    ASSERT_TRUE(linuxModule.Loaded()) << linuxModule.Error();
    for (const WineFrameCase& c : kWineFrameCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> violations;
        const simhost::RenderedFrame expected =
            RenderWineFrameCase(linuxModule.EffectMain(), c, &violations);
        EXPECT_TRUE(violations.empty());
        ASSERT_EQ(expected.err, PF_Err_NONE);
        ASSERT_TRUE(expected.hasOutput);

        simhost::Image actual;
        PF_LRect rect = {};
        ASSERT_TRUE(ReadFrameFile((out / (std::string(c.name) + ".raw")).string(), &actual, &rect));
        ASSERT_EQ(actual.format, expected.output.format);
        EXPECT_EQ(actual.format == PF_PixelFormat_ARGB128, c.isFloat);
        ASSERT_EQ(actual.width, expected.output.width);
        ASSERT_EQ(actual.height, expected.output.height);
        EXPECT_EQ(rect.left, expected.rect.left);
        EXPECT_EQ(rect.top, expected.rect.top);

        const float tolerance = c.isFloat ? 4e-3f : 2.0f / 255.0f;
        float worst = 0.0f;
        float opaque = 0.0f;
        for (A_long y = 0; y < actual.height; ++y) {
            for (A_long x = 0; x < actual.width; ++x) {
                for (int ch = 0; ch < 4; ++ch) {
                    worst = std::max(worst, std::fabs(Component(actual, x, y, ch) -
                                                      Component(expected.output, x, y, ch)));
                }
                opaque += Component(expected.output, x, y, 0);
            }
        }
        EXPECT_LE(worst, tolerance);
        std::printf("%s: worst difference %g\n", c.name, static_cast<double>(worst));
        // Not two empty frames agreeing.
        EXPECT_GT(opaque, 0.25f * static_cast<float>(actual.width * actual.height));
    }
    // The grown case really grew.
    simhost::Image grown;
    PF_LRect rect = {};
    ASSERT_TRUE(ReadFrameFile((out / "float_blur_grown.raw").string(), &grown, &rect));
    EXPECT_LT(rect.left, 0);
    EXPECT_GT(grown.width, 48);
}

INSTANTIATE_TEST_SUITE_P(GpuAndCpu, WineFrames, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithoutGLOnTheCpu" : "WithGL";
                         });
