// The host tool's render and demo commands, run as a user runs them: the
// module loaded from disk, stills read and written, the pre-render report.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "tests/support/GLTestContext.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun RunTool(const std::string& args) {
    ToolRun r;
    const std::string cmd = std::string(HLV3_HOSTTOOL_PATH) + " " + args + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) {
        return r;
    }
    std::array<char, 512> buf;
    while (fgets(buf.data(), buf.size(), pipe)) {
        r.out += buf.data();
    }
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string TempPath(const char* name) {
    return "/tmp/hlv3-tooltest-" + std::to_string(getpid()) + "-" + name;
}

bool FileStartsWith(const std::string& path, const std::string& magic) {
    std::ifstream f(path, std::ios::binary);
    std::string head(magic.size(), '\0');
    f.read(&head[0], static_cast<std::streamsize>(head.size()));
    return f && head == magic;
}

}  // namespace

TEST(HostTool, DemoRendersTheTestCardAndReportsThePreRender) {
    HLV3_REQUIRE_GL();
    const std::string png = TempPath("demo.png");
    const ToolRun r = RunTool("demo --8bit --json --out " + png);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"render_error\": 0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"host_request\": [0, 0, 640, 360]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"returns_extra_pixels\": true"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("progress 100 %"), std::string::npos) << r.out;
    EXPECT_TRUE(FileStartsWith(png, "\x89PNG"));

    // The demo's output as the input of a render: a 752 x 472 still.
    const std::string exr = TempPath("out.exr");
    const ToolRun r2 = RunTool("render --json --in " + png + " --out " + exr +
                               " --set Position=50 --set \"Channels=Red & Green\" --set Blur=0");
    ASSERT_EQ(r2.status, 0) << r2.out;
    EXPECT_NE(r2.out.find("\"input_request\": [-50, -50, 802, 522]"), std::string::npos) << r2.out;
    EXPECT_NE(r2.out.find("\"result_rect\": [-50, -50, 802, 522]"), std::string::npos) << r2.out;
    EXPECT_NE(r2.out.find("\"layer_x\": -50, \"layer_y\": -50, \"bits\": 8"), std::string::npos)
        << r2.out;
    EXPECT_TRUE(FileStartsWith(exr, "\x76\x2f\x31\x01"));  // OpenEXR magic

    // Float in (the 852 x 572 result above), half resolution: 426 x 286, and
    // the margins halve.
    const ToolRun r3 = RunTool("render --json --in " + exr + " --out " + TempPath("half.png") +
                               " --set Position=50 --downsample 2");
    ASSERT_EQ(r3.status, 0) << r3.out;
    EXPECT_NE(r3.out.find("\"input_request\": [-25, -25, 451, 311]"), std::string::npos) << r3.out;
    EXPECT_NE(r3.out.find("\"bits\": 32"), std::string::npos) << r3.out;
    std::remove(png.c_str());
    std::remove(exr.c_str());
    std::remove(TempPath("half.png").c_str());
}

TEST(HostTool, BadSettingsAreRefusedWithAReason) {
    HLV3_REQUIRE_GL();
    const std::string png = TempPath("card.png");
    ASSERT_EQ(RunTool("demo --8bit --out " + png).status, 0);
    const ToolRun a = RunTool("render --in " + png + " --out " + TempPath("x.png") +
                              " --set \"Channels=Purple\"");
    EXPECT_EQ(a.status, 2);
    EXPECT_NE(a.out.find("'Purple' is not a choice of Channels"), std::string::npos) << a.out;
    const ToolRun b =
        RunTool("render --in " + png + " --out " + TempPath("x.png") + " --set Nope=1");
    EXPECT_EQ(b.status, 2);
    EXPECT_NE(b.out.find("no parameter is named 'Nope'"), std::string::npos) << b.out;
    const ToolRun c =
        RunTool("render --in " + png + " --out " + TempPath("x.png") + " --set Position=far");
    EXPECT_EQ(c.status, 2);
    EXPECT_NE(c.out.find("not a valid value for Position"), std::string::npos) << c.out;
    // A missing input is found before anything renders: a bad argument.
    const ToolRun d = RunTool("render --in /nonexistent/x.png --out y.png");
    EXPECT_EQ(d.status, 2);
    EXPECT_NE(d.out.find("/nonexistent/x.png"), std::string::npos) << d.out;
    const ToolRun e = RunTool("render --in x.png");
    EXPECT_EQ(e.status, 2);
    EXPECT_NE(e.out.find("usage"), std::string::npos) << e.out;
    std::remove(png.c_str());
    std::remove(TempPath("x.png").c_str());
}
