// The host tool's render command run as a user runs it: checks before any
// rendering, honest reports, values through the files unchanged, the output
// position kept in the file, sequences.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <dlfcn.h>
#include <zlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <OpenEXR/ImfChannelList.h>
#include <OpenEXR/ImfFrameBuffer.h>
#include <OpenEXR/ImfHeader.h>
#include <OpenEXR/ImfInputFile.h>
#include <OpenEXR/ImfOutputFile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "render/ScopeGuard.h"
#include "tests/support/GLTestContext.h"
#include "tests/tool/MiniJson.h"
#include "tools/hlv3host/ImageFiles.h"
#include "tools/hlv3host/PngEncode.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;  // standard output only
    std::string err;  // standard error only
};

std::string Temp(const std::string& name) {
    return ::testing::TempDir() + "hlv3-render-" + std::to_string(getpid()) + "-" + name;
}

std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// Runs the tool with `args`, and `environment` (NAME=VALUE ...) added.
ToolRun RunTool(const std::string& args, const std::string& environment = "") {
    const std::string errPath = Temp("stderr.txt");
    const std::string cmd = environment + " " + std::string(HLV3_HOSTTOOL_PATH) + " " + args +
                            " 2>'" + errPath + "' </dev/null";
    ToolRun r;
    std::FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << cmd;
        return r;
    }
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
        r.out.append(buf, n);
    }
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadAll(errPath);
    std::remove(errPath.c_str());
    return r;
}

// A still with every channel different: 8-bit when `bits` is 8, else a
// 16-bit PNG or a float EXR, as the name says.
void WriteStill(const std::string& path, int width, int height, int bits) {
    simhost::Image image =
        bits == 8 ? simhost::Image::Make8(width, height) : simhost::Image::MakeFloat(width, height);
    for (A_long y = 0; y < height; ++y) {
        for (A_long x = 0; x < width; ++x) {
            if (bits == 8) {
                image.At8(x, y) =
                    PF_Pixel{255, static_cast<A_u_char>(x * 7), static_cast<A_u_char>(y * 5), 90};
            } else {
                image.AtFloat(x, y) =
                    PF_PixelFloat{1.f, x / float(width), y / float(height), 0.25f};
            }
        }
    }
    WriteOptions w;
    w.bits = bits;
    w.layerWidth = width;
    w.layerHeight = height;
    std::string error;
    ASSERT_TRUE(WriteImageFile(path, KindOf(path), image, w, &error)) << error;
}

// The big-endian 32-bit numbers after a chunk's name.
std::vector<std::int32_t> PngChunk(const std::string& png, const char* name, int count) {
    std::vector<std::int32_t> values;
    const size_t at = png.find(name);
    for (int i = 0; i < count && at != std::string::npos; ++i) {
        const unsigned char* p =
            reinterpret_cast<const unsigned char*>(png.data() + at + 4 + i * 4);
        values.push_back(static_cast<std::int32_t>(std::uint32_t(p[0]) << 24 |
                                                   std::uint32_t(p[1]) << 16 |
                                                   std::uint32_t(p[2]) << 8 | p[3]));
    }
    return values;
}

// A library that loads but is no effect module: zlib, which libpng brought
// into this process.
std::string ZlibPath() {
    Dl_info info = {};
    dladdr(reinterpret_cast<void*>(&zlibVersion), &info);
    return info.dli_fname != nullptr ? info.dli_fname : "libz-not-found";
}

// A PNG that is a header only: IHDR claims width x height (8-bit RGBA), and
// the image data stops after a few bytes.
void WriteHeaderOnlyPng(const std::string& path, std::uint32_t width, std::uint32_t height) {
    const auto be = [](std::uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    const std::string ihdr = "IHDR" + be(width) + be(height) + std::string("\x08\x06\0\0\0", 5);
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(ihdr.data()), static_cast<uInt>(ihdr.size())));
    std::ofstream(path, std::ios::binary)
        << "\x89PNG\r\n\x1a\n"
        << be(13) << ihdr << be(crc) << be(100000) << "IDAT\x78\x9c" << std::string(900, '\0');
}

// Temporary files of this test process that a run left behind. A folder
// that cannot be read fails the test rather than showing nothing left.
std::vector<std::string> LeftoverPartials() {
    std::vector<std::string> left;
    DIR* dir = opendir(::testing::TempDir().c_str());
    if (dir == nullptr) {
        ADD_FAILURE() << ::testing::TempDir() << ": " << std::strerror(errno);
        return {"(the folder cannot be read)"};
    }
    const std::string prefix = "hlv3-render-" + std::to_string(getpid());
    for (dirent* e = readdir(dir); e != nullptr; e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.rfind(prefix, 0) == 0 && name.find(".partial") != std::string::npos) {
            left.push_back(name);
        }
    }
    closedir(dir);
    return left;
}

TEST(RenderTool, BadCommandLinesFailBeforeRenderingAndClaimNoFile) {
    HLV3_REQUIRE_GL();
    const std::string card = Temp("card.png");
    WriteStill(card, 32, 16, 8);
    const std::string zOnly = Temp("z.exr");
    {
        Imf::Header header(4, 4);
        header.channels().insert("Z", Imf::Channel(Imf::FLOAT));
        std::vector<float> z(16, 2.f);
        Imf::FrameBuffer frame;
        frame.insert("Z", Imf::Slice(Imf::FLOAT, reinterpret_cast<char*>(z.data()), 4, 16));
        Imf::OutputFile file(zOnly.c_str(), header);
        file.setFrameBuffer(frame);
        file.writePixels(4);
    }
    const std::string wide = Temp("wide.png");  // wider than any GPU's textures
    WriteStill(wide, 70000, 1, 8);
    const std::string out = Temp("out.png");
    const std::string in = " --in " + card + " --out " + out;
    // Hostile inputs: sizes no machine holds, a range whose outputs are its
    // own inputs, names too long, a folder where the file goes, a frame
    // that breaks in the middle of a sequence.
    WriteHeaderOnlyPng(Temp("huge.png"), 100000, 100000);
    WriteHeaderOnlyPng(Temp("big.png"), 40000, 40000);
    for (int n = 5; n <= 15; ++n) {
        WriteStill(Temp("x" + std::to_string(n) + ".png"), 4, 4, 8);
    }
    WriteStill(Temp("mid.1.png"), 8, 8, 8);
    const std::string cut = ReadAll(card);
    std::ofstream(Temp("mid.2.png"), std::ios::binary) << cut.substr(0, cut.size() - 30);
    mkdir(Temp("folder.png").c_str(), 0700);
    const std::string longName = Temp(std::string(260, 'n') + ".png");
    struct Row {
        std::string args;
        int status;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"render --in " + card + " --out " + Temp("x.jpg"), 2, "must be a .png or .exr file"},
        {"render --in " + card + " --out /nonexistent-dir/x.png", 2,
         "the folder /nonexistent-dir does not exist"},
        {"render --in " + card + " --out " + card, 2, "the output would overwrite the input"},
        {"render --in /nonexistent/x.png --out " + out, 2, "/nonexistent/x.png: No such file"},
        {"render --in " + zOnly + " --out " + out, 2,
         "no R, G, B or A channel to read (the file has Z)"},
        {"render" + in + " --set Position=99999", 2, "Position=99999 is outside its valid range"},
        {"render" + in + " --set Blur=-3", 2, "Blur=-3 is outside its valid range"},
        {"render" + in + " --set \"Sample Count=0\"", 2, "Sample Count=0 is outside"},
        {"render" + in + " --set Samples=\"(-\"", 2, "is not a choice of Samples"},
        {"render" + in + " --set Postion=10", 2, "did you mean 'Position'?"},
        {"render" + in + " --set Nope=1", 2, "no parameter is named 'Nope'"},
        {"render" + in + " --set Channels=Purple", 2, "'Purple' is not a choice of Channels"},
        {"render" + in + " --set Position=far", 2, "not a valid value for Position"},
        {"render" + in + " --module libz.so.1", 2, "cannot load the module ./libz.so.1: "},
        {"render" + in + " --module " + ZlibPath(), 2,
         "is not an effect module: it exports no EffectMain"},
        {"render" + in + " --frames 1-3", 2, "--frames needs a frame number field"},
        {"render --in " + card + " --out " + Temp("x.exr") + " --depth 8", 2,
         "--depth for .exr is 16 or 32"},
        {"render --in " + card + " --out " + Temp("f%04d.png"), 2, "needs --frames"},
        {"render" + in + " --frames -5", 2, "--frames takes FIRST-LAST"},
        {"render --renderer gpu --in " + wide + " --out " + out, 2,
         "exceeds this GPU's largest texture"},
        {"render" + in + " --renderer vulkan", 2, "--renderer takes auto, gpu or cpu"},
        {"render --in " + Temp("huge.png") + " --out " + out, 2,
         "100000 x 100000 pixels, needs about 1600 GB of memory"},
        {"render --in " + Temp("big.png") + " --out " + out, 2, "40000 x 40000 pixels, "},
        {"render --in " + Temp("x%d.png") + " --out " + Temp("x1%d.png") + " --frames 5-15", 2,
         "x15.png: the output of frame 5 is the input of another frame"},
        {"render --in " + Temp("mid.%d.png") + " --out " + Temp("mid-out.%d.png") + " --frames 1-2",
         2, "mid.2.png: not a readable PNG"},
        {"render --in " + card + " --out " + longName, 2, "this folder takes at most 255"},
        {"render --in " + card + " --out " + Temp("folder.png"), 2, "folder.png: is a folder"},
        {"render --in " + Temp("caf\xe9.png") + " --out " + out, 2, "No such file"},
        {"render" + in + " --set Rotation=40000", 2, "Rotation=40000 is outside its valid range"},
        {"render" + in + " --set \"Sample Count=2.5\"", 2, "(a whole number from 1 to 9999)"},
        {"render" + in + " --set View=1", 2, "View is a debug control that changes nothing"},
        {"render" + in + " --bpc 12", 2, "--bpc takes 8, 16 or 32"},
        {"bench --sizes 100000x100000", 2, "100000 x 100000 pixels"},
    };
    for (const Row& row : rows) {
        const bool render = row.args.rfind("render", 0) == 0;
        const ToolRun r = RunTool(row.args + (render ? " --json -q" : ""));
        EXPECT_EQ(r.status, row.status) << row.args << "\n" << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << row.args << "\n" << r.err;
        EXPECT_EQ(r.err.find("note"), std::string::npos) << r.err;
        EXPECT_FALSE(Exists(out)) << row.args;
        if (render) {  // one document of one shape, whatever went wrong
            const minijson::Value doc = minijson::Parse(r.out);
            EXPECT_NE(doc["error"].text.find(row.message), std::string::npos) << r.out;
            EXPECT_EQ(doc["frames"].kind, minijson::Value::kArray) << r.out;
        }
    }
    EXPECT_EQ(LeftoverPartials(), std::vector<std::string>{});
    for (int n = 5; n <= 15; ++n) {
        std::remove(Temp("x" + std::to_string(n) + ".png").c_str());
    }
    for (const char* name : {"huge.png", "big.png", "mid.1.png", "mid.2.png", "mid-out.1.png"}) {
        std::remove(Temp(name).c_str());
    }
    rmdir(Temp("folder.png").c_str());
    // The input is as it was, and an earlier output survives a failed run
    // untouched and unclaimed.
    EXPECT_EQ(ReadAll(card).substr(1, 3), "PNG");
    std::ofstream(out) << "earlier";
    const ToolRun stale = RunTool("render" + in + " --json --set Blur=2000");
    EXPECT_EQ(stale.status, 2);
    EXPECT_EQ(ReadAll(out), "earlier");
    EXPECT_EQ(stale.out.find("\"written\": true"), std::string::npos) << stale.out;
    for (const std::string& p : {card, zOnly, wide, out}) {
        std::remove(p.c_str());
    }
}

TEST(RenderTool, HelpVersionAndUsageAnswerWithoutSideEffects) {
    struct Row {
        const char* args;
        int status;
        const char* text;  // on standard output for status 0, else standard error
    };
    const Row rows[] = {
        {"--version", 0, "hlv3host 3.0.0"},
        {"banner --help", 0, "usage: hlv3host banner OUT.png"},
        {"banner", 2, "usage: hlv3host banner OUT.png"},
        {"demo --help", 0, "usage: hlv3host demo"},
        {"render --help", 0, "'hlv3host params' lists names, units and valid ranges"},
        {"params --help", 0, "usage: hlv3host params"},
        {"render --in x.png", 2, "usage: hlv3host render"},
        {"banner b.exr", 2, "the banner is written as PNG"},
        {"bench --cases nope", 2, "'nope' is no case"},
        {"bench --depths 8,12", 2, "'12' is no depth"},
    };
    for (const Row& row : rows) {
        const ToolRun r = RunTool(row.args);
        EXPECT_EQ(r.status, row.status) << row.args;
        EXPECT_NE((row.status == 0 ? r.out : r.err).find(row.text), std::string::npos)
            << row.args << "\n"
            << r.out << r.err;
    }
    EXPECT_FALSE(Exists("--help"));
    EXPECT_FALSE(Exists("b.exr"));
}

TEST(RenderTool, ParamsListsTheSettableParametersWithoutNotes) {
    HLV3_REQUIRE_GL();
    const ToolRun r = RunTool("params --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const minijson::Value rows = minijson::Parse(r.out)["parameters"];
    std::set<std::string> names;
    for (const minijson::Value& row : rows.items) {
        names.insert(row["name"].text);
        if (row["name"].text == "Position") {
            EXPECT_EQ(row["range"].text, "-2000 to 2000");
            EXPECT_EQ(row["unit"].text, "px");
            EXPECT_EQ(row["default"].text, "0.5");
        }
        if (row["name"].text == "Samples") {
            EXPECT_EQ(row["choices"].text, "Single | Auto | Fixed");
        }
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(names.count("Vendor") + names.count("Left") + names.count("View"), 0u);
    // A bare module name is the file in the current folder; list shows no
    // note about the disk id two parameters share.
    const std::string module = HLV3_MODULE_PATH;
    const std::string folder = "cd '" + module.substr(0, module.rfind('/')) + "' &&";
    const ToolRun bare = RunTool("list --module " + module.substr(module.rfind('/') + 1), folder);
    EXPECT_EQ(bare.status, 0) << bare.err;
    EXPECT_EQ(bare.err, "");
    const ToolRun all = RunTool("params --all --json");
    // The GPU popups are read-only, the Debug group's controls change nothing.
    EXPECT_EQ(minijson::Parse(all.out)["parameters"].items.size(), 20u);
}

TEST(RenderTool, WithoutGLOrWithTheCpuChosenTheFrameEqualsTheGpuFrame) {
    HLV3_REQUIRE_GL();
    const std::string card = Temp("diag.exr");
    WriteStill(card, 24, 16, 32);
    const std::string args =
        "render --json -q --set Position=3 --set Blur=2 --in " + card + " --out ";
    const std::string gpuOut = Temp("gpu.exr"), cpuOut = Temp("cpu.exr");
    const ToolRun g = RunTool(args + gpuOut);
    ASSERT_EQ(g.status, 0) << g.err;
    EXPECT_EQ(minijson::Parse(g.out)["frames"][0]["renderer"].text, "gpu");
    ReadResult a;
    std::string error;
    ASSERT_TRUE(ReadImageFile(gpuOut, 32, &a, &error)) << error;
    // No EGL vendor in the environment, or the tool refusing GL itself: the
    // module's global set-up says why on its standard output, which the tool
    // sends to standard error; the report stays JSON.
    const std::string noGL = "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json";
    const ScopeGuard removeFiles([&] {
        for (const std::string& p : {card, gpuOut, cpuOut}) {
            std::remove(p.c_str());
        }
    });
    for (const auto& [environment, choice] :
         {std::pair<std::string, std::string>{"", " --renderer cpu"}, {noGL, ""}}) {
        SCOPED_TRACE(environment + choice);
        const ToolRun c = RunTool(args + cpuOut + choice, environment);
        ASSERT_EQ(c.status, 0) << c.err;
        if (!environment.empty() && c.err.find("rendering on the GPU") != std::string::npos) {
            GTEST_SKIP() << "this EGL library does not let the vendor be chosen";
        }
        EXPECT_NE(c.err.find("can't be initialized"), std::string::npos) << c.err;
        EXPECT_NE(c.err.find("rendering on the CPU"), std::string::npos) << c.err;
        EXPECT_EQ(minijson::Parse(c.out)["frames"][0]["renderer"].text, "cpu");
        ReadResult b;
        ASSERT_TRUE(ReadImageFile(cpuOut, 32, &b, &error)) << error;
        ASSERT_EQ(a.image.width, b.image.width);
        ASSERT_EQ(a.image.height, b.image.height);
        float worst = 0.f;
        for (A_long y = 0; y < a.image.height; ++y) {
            for (A_long x = 0; x < a.image.width; ++x) {
                const PF_PixelFloat p = a.image.AtFloat(x, y), q = b.image.AtFloat(x, y);
                worst = std::max({worst, std::fabs(p.alpha - q.alpha),
                                  std::fabs(p.red * p.alpha - q.red * q.alpha),
                                  std::fabs(p.green * p.alpha - q.green * q.alpha),
                                  std::fabs(p.blue * p.alpha - q.blue * q.alpha)});
            }
        }
        EXPECT_LT(worst, 4e-3f);  // the frame tests' float tolerance
    }
    // The GPU demanded: refused before rendering, nothing written.
    const ToolRun refused = RunTool(args + Temp("refused.exr") + " --renderer gpu", noGL);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(minijson::Parse(refused.out)["error"].text.find("no OpenGL 3.2 core-profile context"),
              std::string::npos);
    EXPECT_FALSE(Exists(Temp("refused.exr")));
}

TEST(RenderTool, DemoRendersTheTestCardAndItsOutputRendersAgain) {
    HLV3_REQUIRE_GL();
    const std::string png = Temp("demo.png"), exr = Temp("demo-out.exr"), half = Temp("half.png");
    const ToolRun r = RunTool("demo --8bit --json --out " + png);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"render_error\": 0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"host_request\": [0, 0, 640, 360]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"returns_extra_pixels\": true"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("progress 100 %"), std::string::npos) << r.err;
    EXPECT_EQ(ReadAll(png).substr(0, 4), "\x89PNG");
    // The demo's output as the input of a render: a 752 x 472 still.
    const ToolRun r2 = RunTool("render --json --in " + png + " --out " + exr +
                               " --set Position=50 --set \"Channels=Red & Green\" --set Blur=0");
    ASSERT_EQ(r2.status, 0) << r2.err;
    EXPECT_NE(r2.out.find("\"input_request\": [-50, -50, 802, 522]"), std::string::npos) << r2.out;
    EXPECT_NE(r2.out.find("\"result_rect\": [-50, -50, 802, 522]"), std::string::npos) << r2.out;
    EXPECT_NE(r2.out.find("\"layer_x\": -50, \"layer_y\": -50, \"bits\": 8"), std::string::npos)
        << r2.out;
    EXPECT_EQ(ReadAll(exr).substr(0, 4), "\x76\x2f\x31\x01");  // OpenEXR magic
    // Float in (the 852 x 572 result above, whose layer is its display
    // window, 752 x 472), half resolution: 376 x 236, and the margins halve.
    const ToolRun r3 = RunTool("render --json --in " + exr + " --out " + half +
                               " --set Position=50 --downsample 2");
    ASSERT_EQ(r3.status, 0) << r3.err;
    EXPECT_NE(r3.out.find("\"input_request\": [-25, -25, 401, 261]"), std::string::npos) << r3.out;
    EXPECT_NE(r3.out.find("\"bits\": 32"), std::string::npos) << r3.out;
    for (const std::string& p : {png, exr, half}) {
        std::remove(p.c_str());
    }
}

// The settings under which the effect hands every pixel through unchanged.
const char* const kIdentity = " --set Position=0 --set Samples=Single";

TEST(RenderTool, SixteenBitPngAndFloatExrKeepTheirValuesThroughAnIdentitySetting) {
    HLV3_REQUIRE_GL();
    // 16-bit PNG: every 16-bit level from 0 to 65535 in steps of 257 + 1.
    const int w = 64, h = 4;
    simhost::Image ramp = simhost::Image::MakeFloat(w, h);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            const float v = static_cast<float>((y * w + x) * 258 % 65536) / 65535.f;
            ramp.AtFloat(x, y) = PF_PixelFloat{1.f, v, 32768 / 65535.f, 1.f - v};
        }
    }
    WriteOptions w16;
    w16.bits = 16;
    w16.layerWidth = w;
    w16.layerHeight = h;
    std::string error;
    const std::string png16 = Temp("ramp16.png");
    ASSERT_TRUE(WriteImageFile(png16, ImageKind::kPng, ramp, w16, &error)) << error;
    EXPECT_EQ(static_cast<int>(ReadAll(png16)[24]), 16);  // IHDR bit depth
    const std::string out16 = Temp("out16.png");
    ReadResult back;
    // A 16-bit PNG renders at 16 bpc unless asked otherwise: each value v
    // becomes round(v x 32768 / 65535) in the host's range and
    // round(u x 65535 / 32768) on its way out. A float project keeps v.
    const auto through16 = [](long v) {
        const long u = (v * 32768 * 2 + 65535) / (2 * 65535);
        return (u * 65535 * 2 + 32768) / 65536;
    };
    struct Row {
        const char* bpc;
        int renderBits;
    };
    for (const Row& row : {Row{"", 16}, Row{" --bpc 32", 32}}) {
        const ToolRun r =
            RunTool("render --json -q --in " + png16 + " --out " + out16 + kIdentity + row.bpc);
        ASSERT_EQ(r.status, 0) << r.err;
        const minijson::Value doc = minijson::Parse(r.out)["frames"][0];
        EXPECT_EQ(doc["input_bits"].number, 16);
        EXPECT_EQ(doc["render_bits"].number, row.renderBits);
        EXPECT_EQ(doc["output"]["bits"].number, row.renderBits);
        EXPECT_EQ(doc["file_image"]["bits"].number, 16);
        ASSERT_TRUE(ReadImageFile(out16, 32, &back, &error)) << error;
        EXPECT_EQ(back.fileBits, 16);
        ASSERT_EQ(back.image.width, w);
        int differing = 0;
        for (A_long y = 0; y < h; ++y) {
            for (A_long x = 0; x < w; ++x) {
                const PF_PixelFloat a = ramp.AtFloat(x, y), b = back.image.AtFloat(x, y);
                for (const auto& [in, got] : {std::pair{a.red, b.red}, std::pair{a.green, b.green},
                                              std::pair{a.blue, b.blue}}) {
                    const long v = std::lround(in * 65535.f);
                    differing +=
                        std::lround(got * 65535.f) != (row.renderBits == 16 ? through16(v) : v);
                }
            }
        }
        EXPECT_EQ(differing, 0) << row.bpc;
        EXPECT_EQ(std::lround(back.image.AtFloat(0, 0).green * 65535.f), 32768);  // not 186 * 257
    }

    // Float EXR: a ramp from 1.0 to 1.001 in single-precision steps, and
    // values beyond half precision's 65504.
    simhost::Image fine = simhost::Image::MakeFloat(w, h);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            const float v = 1.f + (y * w + x) * (0.001f / (w * h));
            fine.AtFloat(x, y) = PF_PixelFloat{1.f, v, 70000.f + x, 0.5f};
        }
    }
    WriteOptions w32 = w16;
    w32.bits = 32;
    const std::string exr = Temp("fine.exr");
    const std::string outExr = Temp("fine-out.exr");
    ASSERT_TRUE(WriteImageFile(exr, ImageKind::kExr, fine, w32, &error)) << error;
    const ToolRun e = RunTool("render --json -q --in " + exr + " --out " + outExr + kIdentity);
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(minijson::Parse(e.out)["frames"][0]["file_image"]["bits"].number, 32);
    ASSERT_TRUE(ReadImageFile(outExr, 0, &back, &error)) << error;
    EXPECT_EQ(back.fileBits, 32);
    std::set<float> levels;
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            EXPECT_EQ(back.image.AtFloat(x, y).red, fine.AtFloat(x, y).red) << x << "," << y;
            EXPECT_EQ(back.image.AtFloat(x, y).green, fine.AtFloat(x, y).green) << x << "," << y;
            levels.insert(back.image.AtFloat(x, y).red);
        }
    }
    EXPECT_GT(levels.size(), 200u);
    // Half on request: the same file with 16-bit channels.
    const ToolRun half =
        RunTool("render --json -q --depth 16 --in " + exr + " --out " + outExr + kIdentity);
    ASSERT_EQ(half.status, 0) << half.err;
    ASSERT_TRUE(ReadImageFile(outExr, 0, &back, &error)) << error;
    EXPECT_EQ(back.fileBits, 16);
    for (const std::string& p : {png16, out16, exr, outExr}) {
        std::remove(p.c_str());
    }
}

// PNG files are deflated in stripes of rows on several threads: every value
// of a frame larger than one stripe reads back through libpng unchanged, at
// 8 and 16 bits, with its offset. Rows that alternate 200 and 100 take the
// Average filter, which reads the row above: so on the first row and where
// stripes meet (at 8 and at 16 bits), which must see zeros and the real row
// above.
TEST(RenderTool, PngFilesOfManyStripesReadBackUnchanged) {
    const int w = 701, rows8 = int(kPngStripeBytes / (w * 4 + 1)), h = 2 * rows8 + 3;
    const int rows16 = int(kPngStripeBytes / (w * 8 + 1));
    simhost::Image image = simhost::Image::Make8(w, h);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {  // smooth where y is even, noise where odd
            const unsigned n = y % 2 == 0 ? unsigned(x + y) : (unsigned(x) * 2654435761u ^ y) >> 7;
            const A_u_char alternate = x % 2 == 0 ? 200 : 100;
            image.At8(x, y) =
                y % rows8 == 0 || y % rows16 == 0
                    ? PF_Pixel{alternate, alternate, alternate, alternate}
                    : PF_Pixel{A_u_char(n >> 8), A_u_char(n), A_u_char(n * 3), A_u_char(y)};
        }
    }
    const std::string path = Temp("stripes.png");
    for (const int bits : {8, 16}) {
        WriteOptions o;
        o.bits = bits;
        o.originX = -7;
        o.originY = 3;
        std::string error;
        ASSERT_TRUE(WriteImageFile(path, ImageKind::kPng, image, o, &error)) << error;
        EXPECT_EQ(PngChunk(ReadAll(path), "oFFs", 2), (std::vector<std::int32_t>{-7, 3}));
        ReadResult back;
        ASSERT_TRUE(ReadImageFile(path, bits == 16 ? 32 : 8, &back, &error)) << error;
        ASSERT_EQ(back.fileBits, bits);
        ASSERT_EQ(back.image.height, h);
        int differing = 0;
        for (A_long y = 0; y < h; ++y) {
            for (A_long x = 0; x < w; ++x) {
                const PF_Pixel a = image.At8(x, y);
                const PF_PixelFloat f = bits == 16 ? back.image.AtFloat(x, y) : PF_PixelFloat{};
                const PF_Pixel b = bits == 8 ? back.image.At8(x, y)
                                             : PF_Pixel{A_u_char(std::lround(f.alpha * 255)),
                                                        A_u_char(std::lround(f.red * 255)),
                                                        A_u_char(std::lround(f.green * 255)),
                                                        A_u_char(std::lround(f.blue * 255))};
                differing += std::memcmp(&a, &b, sizeof a) != 0;
            }
        }
        EXPECT_EQ(differing, 0) << bits;
    }
    std::remove(path.c_str());
}

TEST(RenderTool, TheOutputPositionIsStoredInTheFileAndCropReturnsTheLayer) {
    HLV3_REQUIRE_GL();
    const std::string card = Temp("pos.png");
    WriteStill(card, 40, 20, 8);
    const std::string png = Temp("pos-out.png"), exr = Temp("pos-out.exr"),
                      crop = Temp("pos-crop.png");
    const std::string look = " -q --set Position=5 --set Samples=Single";
    ASSERT_EQ(RunTool("render --in " + card + " --out " + png + look).status, 0);
    EXPECT_EQ(PngChunk(ReadAll(png), "oFFs", 2), (std::vector<std::int32_t>{-5, -5}));
    EXPECT_EQ(PngChunk(ReadAll(png), "IHDR", 2), (std::vector<std::int32_t>{50, 30}));
    ASSERT_EQ(RunTool("render --in " + card + " --out " + exr + look).status, 0);
    {
        Imf::InputFile file(exr.c_str());
        const Imath::Box2i data = file.header().dataWindow();
        const Imath::Box2i display = file.header().displayWindow();
        EXPECT_EQ(data.min, Imath::V2i(-5, -5));
        EXPECT_EQ(data.max, Imath::V2i(44, 24));
        EXPECT_EQ(display.min, Imath::V2i(0, 0));
        EXPECT_EQ(display.max, Imath::V2i(39, 19));
    }
    ASSERT_EQ(RunTool("render --crop --in " + card + " --out " + crop + look).status, 0);
    EXPECT_EQ(PngChunk(ReadAll(crop), "oFFs", 2), (std::vector<std::int32_t>{0, 0}));
    EXPECT_EQ(PngChunk(ReadAll(crop), "IHDR", 2), (std::vector<std::int32_t>{40, 20}));
    for (const std::string& p : {card, png, exr, crop}) {
        std::remove(p.c_str());
    }
}

TEST(RenderTool, SequencesRenderInOrderWithProgressAndLeaveNoPartialFiles) {
    HLV3_REQUIRE_GL();
    for (int n = 3; n <= 5; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "seq.%04d.png", n);
        WriteStill(Temp(name), 24 + n, 12, 8);  // frame n is 24 + n wide
    }
    const ToolRun r =
        RunTool("render --json --in " + Temp("seq.%04d.png") + " --out " +
                Temp("seq-out.%03d.exr") + " --frames 3-5 --set Samples=Fixed --set Position=0");
    ASSERT_EQ(r.status, 0) << r.err;
    const minijson::Value doc = minijson::Parse(r.out);
    EXPECT_EQ(doc["frames_written"].number, 3);
    ASSERT_EQ(doc["frames"].items.size(), 3u);
    for (int n = 3; n <= 5; ++n) {
        const minijson::Value& frame = doc["frames"][static_cast<size_t>(n - 3)];
        EXPECT_EQ(frame["frame"].number, n);
        char name[32];
        std::snprintf(name, sizeof name, "seq-out.%03d.exr", n);
        EXPECT_EQ(frame["file"].text, Temp(name));
        ReadResult back;
        std::string error;
        ASSERT_TRUE(ReadImageFile(Temp(name), 0, &back, &error)) << error;
        EXPECT_EQ(back.image.width, 24 + n);
        const std::string line =
            "frame " + std::to_string(n) + " (" + std::to_string(n - 2) + " of 3)";
        EXPECT_NE(r.err.find(line), std::string::npos) << r.err;
        std::remove(Temp(name).c_str());
        std::snprintf(name, sizeof name, "seq.%04d.png", n);
        std::remove(Temp(name).c_str());
    }
    EXPECT_NE(r.err.find("about 0 s left"), std::string::npos) << r.err;
    // -q: no progress on standard error, only the module's one line on its
    // renderer.
    WriteStill(Temp("q.0001.png"), 8, 8, 8);
    const ToolRun q = RunTool("render -q --in " + Temp("q.%04d.png") + " --out " +
                              Temp("q-out.%04d.png") + " --frames 1");
    EXPECT_EQ(q.status, 0);
    EXPECT_EQ(q.err, "Halvane: rendering on the GPU (OpenGL 3.2 core)\n");
    EXPECT_NE(q.out.find("frames written      1"), std::string::npos) << q.out;
    std::remove(Temp("q.0001.png").c_str());
    std::remove(Temp("q-out.0001.png").c_str());
    // A frame that is no image is found before the first is rendered.
    WriteStill(Temp("bad.0001.png"), 8, 8, 8);
    std::ofstream(Temp("bad.0002.png")) << "not a PNG";
    const ToolRun bad = RunTool("render -q --in " + Temp("bad.%04d.png") + " --out " +
                                Temp("bad-out.%04d.png") + " --frames 1-2");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.0002.png: not a readable PNG"), std::string::npos) << bad.err;
    EXPECT_FALSE(Exists(Temp("bad-out.0001.png")));
    std::remove(Temp("bad.0001.png").c_str());
    std::remove(Temp("bad.0002.png").c_str());
    // A missing frame is found before the first is rendered.
    const ToolRun missing = RunTool("render -q --in " + Temp("none.%04d.png") + " --out " +
                                    Temp("n.%04d.png") + " --frames 1-2");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none.0001.png"), std::string::npos) << missing.err;
    // No temporary file survives the runs.
    EXPECT_EQ(LeftoverPartials(), std::vector<std::string>{});
}

// SIGINT, SIGTERM and SIGHUP stop a sequence after the frame in flight;
// a second signal ends the run at once. Either way only whole files stay,
// and no temporary one.
TEST(RenderTool, SignalsStopASequenceLeavingWholeFilesOnly) {
    HLV3_REQUIRE_GL();
    const int frames = 40;
    const auto frameFile = [](const char* pattern, int n) {
        char name[32];
        std::snprintf(name, sizeof name, pattern, n);
        return Temp(name);
    };
    // The frames go on every path out, a failed assertion's too.
    const ScopeGuard removeFrames([&] {
        for (int n = 1; n <= frames; ++n) {
            std::remove(frameFile("int.%04d.png", n).c_str());
            std::remove(frameFile("int-out.%04d.exr", n).c_str());
        }
    });
    for (int n = 1; n <= frames; ++n) {
        WriteStill(frameFile("int.%04d.png", n), 160, 90, 8);
    }
    int stopped = 0;  // rows whose run ended before its last frame
    struct Row {
        int signal;
        int count;
    };
    for (const Row& row : {Row{SIGINT, 1}, Row{SIGTERM, 1}, Row{SIGHUP, 2}}) {
        // Run the tool with its standard error on a pipe, and signal it once
        // the first frame is reported.
        int err[2];
        ASSERT_EQ(pipe(err), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> args = {HLV3_HOSTTOOL_PATH,
                                         "render",
                                         "--in",
                                         Temp("int.%04d.png"),
                                         "--out",
                                         Temp("int-out.%04d.exr"),
                                         "--frames",
                                         "1-" + std::to_string(frames),
                                         "--set",
                                         "Samples=Fixed",
                                         "--set",
                                         "Sample Count=300"};
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(&a[0]);
        }
        argv.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(err[1]);
        std::string text;
        char buf[512];
        ssize_t n = 0;
        int sent = 0;
        while ((n = read(err[0], buf, sizeof buf)) > 0) {
            text.append(buf, static_cast<size_t>(n));
            // Two signals sent at once would merge into one pending signal.
            const bool heard = text.find("stopping after the frame") != std::string::npos;
            if ((sent == 0 && text.find("frame 1 (1 of") != std::string::npos) ||
                (sent == 1 && heard && row.count == 2)) {
                kill(pid, row.signal);
                ++sent;
            }
        }
        const bool signalled = sent == row.count;
        close(err[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        int written = 0;
        for (int f = 1; f <= frames; ++f) {
            const std::string name = frameFile("int-out.%04d.exr", f);
            if (Exists(name)) {
                ++written;
                ReadResult back;
                std::string error;
                EXPECT_TRUE(ReadImageFile(name, 0, &back, &error)) << error;  // whole files
                std::remove(name.c_str());
            }
        }
        EXPECT_EQ(LeftoverPartials(), std::vector<std::string>{}) << row.signal;
        ASSERT_TRUE(signalled) << text;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            continue;  // every frame was done before the signal arrived
        }
        ++stopped;
        EXPECT_GE(written, 1);
        EXPECT_LT(written, frames);
        if (row.count == 2) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.signal) << text;
            continue;
        }
        ASSERT_TRUE(WIFEXITED(status)) << text;
        EXPECT_EQ(WEXITSTATUS(status), 130) << text;
        EXPECT_NE(text.find("stopping after the frame in flight"), std::string::npos) << text;
        EXPECT_NE(text.find("interrupted: frames " + std::to_string(written + 1) + " to " +
                            std::to_string(frames) + " were not rendered"),
                  std::string::npos)
            << text;
    }
    if (stopped == 0) {
        GTEST_SKIP() << "every run finished all " << frames
                     << " frames before its signal arrived; nothing was stopped";
    }
}

// OpenEXR holds premultiplied colour and places its pixels by the data
// window within the display window, which is the layer.
TEST(RenderTool, ExrColourIsPremultipliedAndTheDataWindowKeepsItsPlace) {
    const std::string in = Temp("premul.exr"), out = Temp("premul-out.exr");
    // 8 x 6 pixels at (4, 2) of a 16 x 10 display window: straight colour
    // (0.8, 0.4, 0.2) under alpha 0.25 to 1, stored premultiplied.
    const Imath::Box2i display(Imath::V2i(0, 0), Imath::V2i(15, 9));
    const Imath::Box2i data(Imath::V2i(4, 2), Imath::V2i(11, 7));
    std::vector<float> stored(8 * 6 * 4);
    for (size_t i = 0; i < 48; ++i) {
        const float a = 0.25f + 0.75f * static_cast<float>(i) / 47.f;
        const float straight[4] = {0.8f, 0.4f, 0.2f, 1.f};
        for (size_t c = 0; c < 4; ++c) {
            stored[i * 4 + c] = straight[c] * a;
        }
    }
    const char* const channels[4] = {"R", "G", "B", "A"};
    {
        Imf::Header header(display, data);
        Imf::FrameBuffer frame;
        for (size_t c = 0; c < 4; ++c) {
            header.channels().insert(channels[c], Imf::Channel(Imf::FLOAT));
            frame.insert(channels[c], Imf::Slice::Make(Imf::FLOAT, stored.data() + c, data,
                                                       4 * sizeof(float), 32 * sizeof(float)));
        }
        Imf::OutputFile file(in.c_str(), header);
        file.setFrameBuffer(frame);
        file.writePixels(6);
    }
    std::string error;
    ReadResult layer, deep;
    ASSERT_TRUE(ReadImageFile(in, 0, &layer, &error)) << error;
    ASSERT_TRUE(ReadImageFile(in, 16, &deep, &error)) << error;
    ASSERT_EQ(layer.image.width, 16);
    ASSERT_EQ(layer.image.height, 10);
    EXPECT_EQ(layer.image.AtFloat(3, 2).alpha, 0.f);  // beside the data window
    EXPECT_NEAR(layer.image.AtFloat(4, 2).red, 0.8f, 1e-6);
    EXPECT_NEAR(layer.image.AtFloat(4, 2).alpha, 0.25f, 1e-6);
    // In the host's 16-bit range: alpha 0.25, colour 0.8, 0.4, 0.2 of 32768.
    EXPECT_EQ(deep.image.At16(4, 2).alpha, 8192);
    EXPECT_EQ(deep.image.At16(4, 2).red, 26214);
    EXPECT_EQ(deep.image.At16(4, 2).green, 13107);
    EXPECT_EQ(deep.image.At16(4, 2).blue, 6554);
    // Written back: premultiplied again, the data window the whole layer.
    WriteOptions w;
    w.bits = 32;
    w.layerWidth = 16;
    w.layerHeight = 10;
    ASSERT_TRUE(WriteImageFile(out, ImageKind::kExr, layer.image, w, &error)) << error;
    Imf::InputFile file(out.c_str());
    ASSERT_EQ(file.header().dataWindow(), display);
    std::vector<float> back(16 * 10 * 4, -1.f);
    Imf::FrameBuffer frame;
    for (size_t c = 0; c < 4; ++c) {
        frame.insert(channels[c], Imf::Slice::Make(Imf::FLOAT, back.data() + c, display,
                                                   4 * sizeof(float), 64 * sizeof(float)));
    }
    file.setFrameBuffer(frame);
    file.readPixels(0, 9);
    int differing = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 4 && x <= 11 && y >= 2 && y <= 7;
            for (size_t c = 0; c < 4; ++c) {
                const float expected = inside ? stored[((y - 2) * 8 + (x - 4)) * 4 + c] : 0.f;
                differing += std::fabs(back[(y * 16 + x) * 4 + c] - expected) > 1e-6f;
            }
        }
    }
    EXPECT_EQ(differing, 0);
    std::remove(in.c_str());
    std::remove(out.c_str());
}

}  // namespace
