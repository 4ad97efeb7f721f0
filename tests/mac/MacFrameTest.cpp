// A whole frame through EffectMain of the module built with the macOS context
// layer (over the CGL stand-in) in place of the Linux one: the same pixels as
// the Linux module's frame, since only the way contexts are made differs.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>

#include "host/Params.h"
#include "simhost/Module.h"
#include "simhost/SimHostTesting.h"

namespace {

// A smooth layer with a soft alpha edge, so that a channel moved by a wrong
// amount or swapped shows.
simhost::Image MakeLayer(bool isFloat) {
    constexpr A_long kWidth = 40;
    constexpr A_long kHeight = 24;
    simhost::Image img = isFloat ? simhost::Image::MakeFloat(kWidth, kHeight)
                                 : simhost::Image::Make8(kWidth, kHeight);
    for (A_long y = 0; y < kHeight; ++y) {
        for (A_long x = 0; x < kWidth; ++x) {
            const float u = (x + 0.5f) / kWidth, v = (y + 0.5f) / kHeight;
            const PF_PixelFloat p{0.3f + 0.7f * std::sin(3.14159f * u), 0.2f + 0.7f * u,
                                  0.9f - 0.6f * v, 0.3f + 0.5f * u * v};
            if (isFloat) {
                img.AtFloat(x, y) = p;
            } else {
                const auto byte = [](float c) {
                    return static_cast<A_u_char>(std::lround(c * 255));
                };
                img.At8(x, y) = PF_Pixel{byte(p.alpha), byte(p.red), byte(p.green), byte(p.blue)};
            }
        }
    }
    return img;
}

// One frame through the module at `path`, rendered on a thread of its own so
// that the thread's context is made and released inside the module's life.
simhost::RenderedFrame RenderThrough(const char* path, const simhost::Image& layer) {
    simhost::RenderedFrame frame;
    simhost::Module module(path);
    EXPECT_TRUE(module.Loaded()) << module.Error();
    if (!module.Loaded()) {
        return frame;
    }
    simhost::Host host;
    host.SetEntry(module.EffectMain());
    EXPECT_EQ(host.Setup(), PF_Err_NONE);
    host.Param(PARAM_SAMPLES).u.pd.value = SAMPLES_FIXED;
    host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = 6;
    host.Param(PARAM_POSITION).u.fs_d.value = 3;
    host.Param(PARAM_BLUR).u.fs_d.value = 1.5;
    host.Param(PARAM_ROTATION).u.ad.value = 5 * 65536;
    host.SetInputLayer(layer);
    std::thread([&] { frame = host.RenderFrame(); }).join();
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    EXPECT_HOST_FINISHES_CLEAN(host);
    return frame;
}

}  // namespace

TEST(MacModuleFrame, MatchesTheLinuxModulesFrame) {
    for (const bool isFloat : {false, true}) {
        SCOPED_TRACE(isFloat ? "32-bit float" : "8-bit");
        const simhost::Image layer = MakeLayer(isFloat);
        const simhost::RenderedFrame linuxFrame = RenderThrough(HLV3_MODULE_PATH, layer);
        const simhost::RenderedFrame macFrame = RenderThrough(HLV3_MAC_STANDIN_MODULE_PATH, layer);
        ASSERT_EQ(linuxFrame.err, PF_Err_NONE);
        ASSERT_TRUE(linuxFrame.hasOutput);
        // The displacement grew the frame, so it went through every pass.
        EXPECT_GT(linuxFrame.output.width, layer.width);
        EXPECT_EQ(macFrame.err, PF_Err_NONE);
        ASSERT_TRUE(macFrame.hasOutput);
        EXPECT_EQ(macFrame.rect.left, linuxFrame.rect.left);
        EXPECT_EQ(macFrame.rect.top, linuxFrame.rect.top);
        EXPECT_TRUE(macFrame.output.SamePixels(linuxFrame.output));
    }
}
