// Whole frames through EffectMain in the simulated host, compared with the
// CPU reference of the full chain, and every failure row of the render.
//
// Tolerances. The reference computes in single precision in the programs'
// order; a GPU differs by its own rounding: bilinear weights quantised to a
// few bits on hardware, approximate exp/pow/sin/cos and fused multiply-adds.
// llvmpipe filters with full float weights: measured worst differences are
// 3e-6 for float frames and one 8-bit step (1/255, at a rounding boundary)
// for 8-bit frames. The bounds leave room for hardware filtering on the
// layer's edges of these smooth images (up to half a percent of a texel
// step): kFloatTol = 4e-3 and kByteTol = 2/255, one 8-bit rounding step on
// either side. A fault of the chain (a wrong offset, channel, order or
// uniform) moves whole areas by far more.
#include <EGL/egl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "context/Context.h"
#include "context/ThreadContext.h"
#include "host/EntryPoints.h"
#include "host/Params.h"
#include "host/ParamRead.h"
#include "render/RenderSettings.h"
#include "simhost/SimHost.h"
#include "tests/frame/FrameReference.h"
#include "tests/support/GLObjectCounter.h"
#include "tests/support/GLTestContext.h"

namespace {

constexpr float kFloatTol = 4e-3f;
constexpr float kByteTol = 2.f / 255.f;

// A smooth layer with a soft alpha edge: every channel differs, nothing
// aliases. `depth` 8, 16 or 32 bits per channel.
simhost::Image MakeLayerOfDepth(A_long w, A_long h, int depth) {
    simhost::Image img = simhost::Image::Make(w, h, simhost::FormatOfDepth(depth));
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            const float u = (x + 0.5f) / w, v = (y + 0.5f) / h;
            const float a =
                std::min(1.f, 0.25f + 0.75f * std::sin(3.14159f * u) * (0.6f + 0.4f * v));
            const float r = 0.2f + 0.7f * u, g = 0.9f - 0.6f * v, b = 0.3f + 0.5f * u * v;
            const auto q = [](float c, float max) { return std::lround(c * max); };
            if (depth == 32) {
                img.AtFloat(x, y) = PF_PixelFloat{a, r, g, b};
            } else if (depth == 16) {
                img.At16(x, y) = PF_Pixel16{
                    static_cast<A_u_short>(q(a, 32768)), static_cast<A_u_short>(q(r, 32768)),
                    static_cast<A_u_short>(q(g, 32768)), static_cast<A_u_short>(q(b, 32768))};
            } else {
                img.At8(x, y) =
                    PF_Pixel{static_cast<A_u_char>(q(a, 255)), static_cast<A_u_char>(q(r, 255)),
                             static_cast<A_u_char>(q(g, 255)), static_cast<A_u_char>(q(b, 255))};
            }
        }
    }
    return img;
}

simhost::Image MakeLayer(A_long w, A_long h, bool isFloat) {
    return MakeLayerOfDepth(w, h, isFloat ? 32 : 8);
}

frameref::HostImage ToHost(const simhost::Image& img) {
    frameref::HostImage out;
    out.width = img.width;
    out.height = img.height;
    for (A_long y = 0; y < img.height; ++y) {
        for (A_long x = 0; x < img.width; ++x) {
            if (img.format == PF_PixelFormat_ARGB128) {
                const PF_PixelFloat& p = img.AtFloat(x, y);
                out.pixels.push_back({p.alpha, p.red, p.green, p.blue});
            } else if (img.format == PF_PixelFormat_ARGB64) {
                const PF_Pixel16& p = img.At16(x, y);
                out.pixels.push_back(
                    {p.alpha / 32768.f, p.red / 32768.f, p.green / 32768.f, p.blue / 32768.f});
            } else {
                const PF_Pixel& p = img.At8(x, y);
                out.pixels.push_back(
                    {p.alpha / 255.f, p.red / 255.f, p.green / 255.f, p.blue / 255.f});
            }
        }
    }
    return out;
}

Ratio RatioOf(const PF_RationalScale& r) {
    return Ratio{r.num, r.den};
}

// The parameter values as the simulated host holds them.
ParamValues ValuesOf(simhost::Host& host) {
    ParamValues v;
    for (int i = 1; i < PARAM_COUNT; ++i) {
        CopyParamValue(i, host.Param(i), &v);
    }
    return v;
}

GLObjectCounts CountThreadObjects() {
    const LocalGLStruct* record = local_render_data.get();
    if (!record || !record->context) {
        return {};
    }
    SetCurrentContext(record->context);
    const GLObjectCounts counts = CountLiveGLObjects();
    SetCurrentContext(nullptr);
    return counts;
}

bool NothingCurrent() {
    const GLContextHandle current = GetCurrentContext();
    DeleteContext(current);
    return current == nullptr;
}

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HLV3_REQUIRE_GL();
        host.SetEntry(EffectMain);
        ASSERT_EQ(host.Setup(), PF_Err_NONE);
        // Small, cheap frames: a fixed, modest sample count unless a test says otherwise.
        SetPopup(PARAM_SAMPLES, SAMPLES_FIXED);
        host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = 6;
    }
    void TearDown() override {
        if (IsSkipped()) {
            return;
        }
        EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
        const std::vector<std::string> v = host.Finish();
        EXPECT_TRUE(v.empty()) << (v.empty() ? "" : v.front());
    }

    void SetPopup(int index, int value) { host.Param(index).u.pd.value = value; }
    void SetFloat(int index, double value) { host.Param(index).u.fs_d.value = value; }
    void SetCheck(int index, bool on) { host.Param(index).u.bd.value = on ? 1 : 0; }

    // A frame as the host renders it; with `withoutGL`, as on a machine
    // without GL: the effect's global block holds no context (global set-up
    // found none) and a new thread renders it.
    simhost::RenderedFrame Render() {
        if (!withoutGL) {
            return host.RenderFrame();
        }
        GlobalData* g = *reinterpret_cast<GlobalData**>(host.GlobalData());
        const GLContextHandle saved = g->context;
        g->context = nullptr;
        simhost::RenderedFrame f;
        std::thread([&] {
            f = host.RenderFrame();
            EXPECT_EQ(local_render_data.get(), nullptr);
            EXPECT_TRUE(NothingCurrent());
        }).join();
        g->context = saved;
        return f;
    }

    // Renders the layer and compares it with the reference of the same
    // settings; returns the frame.
    simhost::RenderedFrame RenderAndCompare(const simhost::Image& layer) {
        host.SetInputLayer(layer);
        const simhost::RenderedFrame frame = Render();
        EXPECT_EQ(frame.preRenderErr, PF_Err_NONE);
        EXPECT_EQ(frame.err, PF_Err_NONE);
        EXPECT_TRUE(frame.hasOutput);
        if (!frame.hasOutput) {
            return frame;
        }
        const bool isByte = layer.format == PF_PixelFormat_ARGB32;
        const BufferGeometry in{layer.width, layer.height, 0, 0};
        const BufferGeometry out{frame.output.width, frame.output.height, frame.rect.left,
                                 frame.rect.top};
        const RenderSettings s =
            DeriveRenderSettings(ValuesOf(host), RatioOf(host.settings.downsampleX), in, out);
        frameref::HostImage expected =
            frameref::RenderFrame(ToHost(layer), s, out.width, out.height, isByte);
        frameref::UnpremultiplyAsHost(&expected, simhost::BitDepthOf(layer.format));
        const frameref::HostImage actual = ToHost(frame.output);
        // A 16-bit frame is a float frame rounded to 1/32768 on the way out.
        const float tol = isByte                                  ? kByteTol
                          : layer.format == PF_PixelFormat_ARGB64 ? kFloatTol + 1.f / 32768
                                                                  : kFloatTol;
        float worst = 0.f;
        int bad = 0;
        for (size_t i = 0; i < actual.pixels.size(); ++i) {
            const frameref::Argb& a = actual.pixels[i];
            const frameref::Argb& e = expected.pixels[i];
            // Colours compared as colour x alpha: the host's un-premultiply
            // divides by alpha and would magnify rounding where alpha is small.
            const float d = std::max(
                std::max(std::fabs(a.a - e.a), std::fabs(a.r * a.a - e.r * e.a)),
                std::max(std::fabs(a.g * a.a - e.g * e.a), std::fabs(a.b * a.a - e.b * e.a)));
            worst = std::max(worst, d);
            bad += d > tol ? 1 : 0;
        }
        EXPECT_EQ(bad, 0) << "worst difference " << worst << " over " << actual.pixels.size()
                          << " pixels";
        return frame;
    }

    simhost::Host host;
    bool withoutGL = false;
};

// ---- whole frames against the reference ---------------------------------------

struct FrameCase {
    const char* name;
    void (*apply)(simhost::Host& host);
};

void SetF(simhost::Host& h, int i, double v) {
    h.Param(i).u.fs_d.value = v;
}
void SetB(simhost::Host& h, int i, bool on) {
    h.Param(i).u.bd.value = on ? 1 : 0;
}
void SetP(simhost::Host& h, int i, int v) {
    h.Param(i).u.pd.value = v;
}
void SetA(simhost::Host& h, int i, double degrees) {
    h.Param(i).u.ad.value = static_cast<PF_Fixed>(std::lround(degrees * 65536.0));
}

const FrameCase kCases[] = {
    {"Defaults", [](simhost::Host&) {}},
    {"GrownRepeatEdgesOn",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 4);
         SetB(h, PARAM_REPEAT_EDGE_PIXELS, true);
     }},
    {"GrownRepeatEdgesOff",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 4);
         SetB(h, PARAM_REPEAT_EDGE_PIXELS, false);
     }},
    {"BlurOn",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 2);
         SetF(h, PARAM_BLUR, 2.5);
         SetB(h, PARAM_REPEAT_EDGE_PIXELS, false);
     }},
    {"RedGreen",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetP(h, PARAM_CHANNELS, CHANNELS_RED_GREEN);
     }},
    {"GreenBlue",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetP(h, PARAM_CHANNELS, CHANNELS_GREEN_BLUE);
     }},
    {"PreserveAlpha",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetB(h, PARAM_PRESERVE_ALPHA, true);
     }},
    {"Unmult",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetB(h, PARAM_UNMULT, true);
     }},
    {"Mix",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetF(h, PARAM_MIX, 40);
     }},
    {"Hue",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 3);
         SetA(h, PARAM_HUE_SHIFT, -60);
     }},
    // 40 samples over 3 pixels: the aberrate pass walks the straight path.
    {"StraightPathRepeatEdges",
     [](simhost::Host& h) {
         SetF(h, PARAM_SAMPLE_COUNT, 40);
         SetF(h, PARAM_POSITION, 3);
     }},
    {"StraightPathBorder",
     [](simhost::Host& h) {
         SetF(h, PARAM_SAMPLE_COUNT, 40);
         SetF(h, PARAM_POSITION, 3);
         SetB(h, PARAM_REPEAT_EDGE_PIXELS, false);
     }},
    {"FullTransform",
     [](simhost::Host& h) {
         SetF(h, PARAM_POSITION, 2);
         SetA(h, PARAM_ROTATION, 8);
         SetF(h, PARAM_SCALE, 110);
         SetF(h, PARAM_SKEW_X, 10);
         SetF(h, PARAM_SKEW_Y, -5);
         SetF(h, PARAM_DISTORT_ABERRATE, 20);
         SetF(h, PARAM_DISTORT_UNIFORM, -15);
     }},
};

// Each case at each depth, rendered on the GPU and, with GL unavailable, on
// the CPU: both match the reference within the same tolerances.
struct FrameCompare : FrameTest, ::testing::WithParamInterface<std::tuple<FrameCase, int, bool>> {};

}  // namespace

TEST_P(FrameCompare, MatchesTheReference) {
    std::get<0>(GetParam()).apply(host);
    withoutGL = std::get<2>(GetParam());
    RenderAndCompare(MakeLayerOfDepth(24, 16, std::get<1>(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameCompare,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(8, 16, 32), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<FrameCompare::ParamType>& info) {
                             const int depth = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).name) +
                                    (depth == 32   ? "Float"
                                     : depth == 16 ? "SixteenBit"
                                                   : "EightBit") +
                                    (std::get<2>(info.param) ? "OnTheCpu" : "");
                         });

TEST_F(FrameTest, EverySixteenBitValueSurvivesAFrameThatChangesNothing) {
    // Position 0 and a single sample put both channel copies back where they
    // were: an opaque layer comes out as it went in, to the last of the
    // host's 32769 values (993 x 33 pixels, one value each, as ramps: a hard
    // edge would add llvmpipe's float-weighted filtering error at texel
    // centres, up to 2e-5 of the edge's height, to the transfer's exactness).
    SetFloat(PARAM_POSITION, 0);
    simhost::Image layer = simhost::Image::Make16(993, 33);
    for (A_long i = 0; i <= 32768; ++i) {
        const auto v = static_cast<A_u_short>(i);
        layer.At16(i % 993, i / 993) = PF_Pixel16{32768, v, static_cast<A_u_short>(32768 - i), v};
    }
    host.SetInputLayer(layer);
    const simhost::RenderedFrame frame = host.RenderFrame();
    ASSERT_EQ(frame.err, PF_Err_NONE);
    EXPECT_TRUE(frame.output.SamePixels(layer));
}

TEST_F(FrameTest, MoreSamplesThanOneDrawMayTakeMatchTheReference) {
    // Auto count 5 x (708 + 2 x 20000 + 120) = 204,140 samples: 50 draws of the
    // aberrate pass and 50 of the untouched channel's distortion average,
    // summed on the GPU, against the reference's single loop. With a scale:
    // one step of it is then a few float steps above 1, and the scale of the
    // outer samples must not drift with the rounding of that step.
    SetPopup(PARAM_SAMPLES, SAMPLES_AUTO);
    SetFloat(PARAM_SAMPLE_MULTIPLIER, 5);
    host.Param(PARAM_ROTATION).u.ad.value = 20000 * 65536;
    SetFloat(PARAM_SCALE, 160);
    SetFloat(PARAM_DISTORT_UNIFORM, -15);
    // Progress counts samples: pre-process 1, the two loops 5 x (708 + 2 x
    // 20000 + 2 x 60 for Scale 160) = 204,140 each, post-process 1.
    for (const bool cpu : {false, true}) {
        SCOPED_TRACE(cpu ? "CPU" : "GPU");
        withoutGL = cpu;
        RenderAndCompare(MakeLayer(6, 4, true));
        EXPECT_EQ(host.ProgressReports().back(), std::make_pair(A_long{408282}, A_long{408282}));
    }
}

TEST_F(FrameTest, PaddedRowsUploadAndReadBackWithoutShearing) {
    host.settings.rowPaddingBytes = 48;
    SetFloat(PARAM_POSITION, 3);
    RenderAndCompare(MakeLayer(24, 16, false));
    RenderAndCompare(MakeLayer(20, 12, true));
    RenderAndCompare(MakeLayerOfDepth(22, 10, 16));
}

TEST_F(FrameTest, HalfResolutionMatchesTheReference) {
    host.settings.downsampleX = {1, 2};
    host.settings.downsampleY = {1, 2};
    host.settings.layerWidth = 48;
    host.settings.layerHeight = 32;
    SetFloat(PARAM_POSITION, 6);
    SetFloat(PARAM_BLUR, 3);
    RenderAndCompare(MakeLayer(24, 16, true));
}

TEST_F(FrameTest, AnOutputLargerThanTheInputKeepsLayerPositions) {
    // Position 4 grows the output by 4 on each side; with the border wrap the
    // frame outside the layer holds only the displaced fringes.
    SetFloat(PARAM_POSITION, 4);
    SetCheck(PARAM_REPEAT_EDGE_PIXELS, false);
    const simhost::RenderedFrame f = RenderAndCompare(MakeLayer(24, 16, true));
    EXPECT_EQ(f.output.width, 24 + 8);
    EXPECT_EQ(f.output.height, 16 + 8);
    EXPECT_EQ(f.rect.left, -4);
    EXPECT_EQ(f.rect.top, -4);
}

TEST_F(FrameTest, AThreadKeepsOneSetOfFrameTargetsWithinItsBoundAndNothingElse) {
    // Targets are kept while sizes and wrap mode match, replaced when they do
    // not, joined by F4 for a distorted untouched channel, and released after
    // a frame whose targets exceed kMaxKeptTargetBytes (2600 x 1300 x 16
    // bytes x 4 = 216 MB). These 8-bit frames add the 8-bit output target
    // where the GL rounds alike. Nothing else outlives a frame, no context
    // stays current.
    struct Case {
        const char* name;
        void (*apply)(simhost::Host& host);
        A_long width, height;
        int targets;  // textures and framebuffers kept after the frame
        bool reused;  // the previous frame's textures are the ones kept
    };
    const Case cases[] = {
        {"First", [](simhost::Host&) {}, 24, 16, 4, false},
        {"SameSizes", [](simhost::Host& h) { SetF(h, PARAM_MIX, 40); }, 24, 16, 4, true},
        {"LargerOutput", [](simhost::Host& h) { SetF(h, PARAM_POSITION, 4); }, 24, 16, 4, false},
        {"OtherWrap", [](simhost::Host& h) { SetB(h, PARAM_REPEAT_EDGE_PIXELS, false); }, 24, 16, 4,
         false},
        {"DistortedUntouchedChannel", [](simhost::Host& h) { SetF(h, PARAM_DISTORT_UNIFORM, 10); },
         24, 16, 5, false},
        {"OverTheBound",
         [](simhost::Host& h) {
             SetF(h, PARAM_DISTORT_UNIFORM, 0);
             SetF(h, PARAM_POSITION, 0);
             SetP(h, PARAM_SAMPLES, SAMPLES_SINGLE);
         },
         2600, 1300, 0, false},
        {"SmallAgain", [](simhost::Host&) {}, 24, 16, 4, false},
    };
    GLuint previous = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.apply(host);
        host.SetInputLayer(MakeLayer(c.width, c.height, false));
        ASSERT_EQ(host.RenderFrame().err, PF_Err_NONE);
        const GLObjectCounts counts = CountThreadObjects();
        const int byteTarget = local_render_data->targets.bytes.fbo != 0 ? 1 : 0;
        EXPECT_EQ(byteTarget, c.targets > 0 ? local_render_data->targets.writeBytes : 0);
        EXPECT_EQ(counts.programs, 5);
        EXPECT_EQ(counts.textures, c.targets + byteTarget);
        EXPECT_EQ(counts.framebuffers, c.targets + byteTarget);
        EXPECT_EQ(counts.buffers, 0);
        EXPECT_EQ(counts.vertexArrays, 0);
        const GLuint kept = local_render_data->targets.f2.renderBuffer.id;
        if (c.reused) {
            EXPECT_EQ(kept, previous);
        }
        previous = kept;
        EXPECT_TRUE(NothingCurrent());
    }
}

// ---- every failure row ------------------------------------------------------------

namespace {

bool AllZero(const simhost::Image& img) {
    for (A_long y = 0; y < img.height; ++y) {
        const unsigned char* row = img.Row(y);
        for (A_long i = 0; i < img.width * simhost::BytesPerPixel(img.format); ++i) {
            if (row[i] != 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class FrameFailure : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        host.SetInputLayer(MakeLayer(16, 12, false));
        // Give the thread its render record first, so failures below are
        // measured against a warm thread.
        ASSERT_EQ(host.RenderFrame().err, PF_Err_NONE);
        baseline = CountThreadObjects();
    }
    // After a failed frame: nothing leaked, nothing current.
    void ExpectClean() {
        EXPECT_EQ(CountThreadObjects(), baseline);
        EXPECT_TRUE(NothingCurrent());
    }
    // The next call of `key` fails with `err` (calls are counted per host).
    void FailNext(const char* key, PF_Err err) { host.FailCall(key, host.CallCount(key) + 1, err); }
    simhost::RenderedFrame RenderAfterPreRender() {
        const simhost::PreRenderOutcome pre = host.PreRender();
        EXPECT_EQ(pre.err, PF_Err_NONE);
        return host.SmartRender(pre);
    }
    GLObjectCounts baseline;
};

TEST_F(FrameFailure, ProgressCountsTheSamplesOfEachDrawAndACancelEndsTheFrameCleared) {
    // Fixed 6 samples, blur on: pre-process, aberrate, two blurs, post-process,
    // whose progress counts the samples of each: 1, 6, 1, 1, 1 of 10.
    SetFloat(PARAM_BLUR, 2);
    struct Case {
        int cancelAt;  // abort() call of the frame that answers cancel, 0 for none
        PF_Err err;
        size_t reports;
    };
    const Case cases[] = {{0, PF_Err_NONE, 5},
                          {1, PF_Interrupt_CANCEL, 0},
                          {3, PF_Interrupt_CANCEL, 2},
                          {5, PF_Interrupt_CANCEL, 4}};
    for (int i = 0; i < 8; ++i) {
        const Case& c = cases[i % 4];
        withoutGL = i >= 4;
        SCOPED_TRACE(std::to_string(c.cancelAt) + (withoutGL ? " on the CPU" : ""));
        const int aborts = host.CallCount("inter.abort");
        const size_t reports = host.ProgressReports().size();
        const int premultiplies = host.CallCount("utils.premultiply");
        host.settings.cancelAtAbortCall = c.cancelAt > 0 ? aborts + c.cancelAt : 0;
        const simhost::RenderedFrame f = Render();
        EXPECT_EQ(f.err, c.err);
        const std::vector<std::pair<A_long, A_long>> all = host.ProgressReports();
        ASSERT_EQ(all.size() - reports, c.reports);
        const A_long done[] = {1, 7, 8, 9, 10};
        for (size_t i = 0; i < c.reports; ++i) {
            EXPECT_EQ(all[reports + i], std::make_pair(done[i], A_long{10}));
        }
        // No draw after the cancel: abort is asked once per draw made.
        EXPECT_EQ(host.CallCount("inter.abort") - aborts, c.cancelAt > 0 ? c.cancelAt : 5);
        EXPECT_EQ(AllZero(f.output), c.err != PF_Err_NONE);
        EXPECT_EQ(host.CallCount("utils.premultiply") - premultiplies, c.err == 0 ? 1 : 0);
        EXPECT_EQ(host.LiveWorldCount(), 0u);
        ExpectClean();
    }
}

TEST_F(FrameFailure, InputCheckoutFailureIsReturnedAndOutputUntouched) {
    FailNext("smartrender.checkout_layer_pixels", PF_Interrupt_CANCEL);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Interrupt_CANCEL);
    EXPECT_FALSE(f.outputCheckedOut);
    EXPECT_EQ(host.CallCount("utils.fill"), 1);  // only the warm-up frame's
    ExpectClean();
}

TEST_F(FrameFailure, OutputCheckoutFailureIsReturned) {
    FailNext("smartrender.checkout_output", PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(RenderAfterPreRender().err, PF_Err_OUT_OF_MEMORY);
    host.settings.outputMissing = true;
    EXPECT_EQ(RenderAfterPreRender().err, PF_Err_NONE);
    EXPECT_EQ(host.CallCount("utils.fill"), 1);
    ExpectClean();
}

TEST_F(FrameFailure, MissingInputLeavesAClearedOutputAndSucceeds) {
    host.settings.inputPixelsMissing = true;
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_NONE);
    ASSERT_TRUE(f.hasOutput);
    EXPECT_TRUE(AllZero(f.output));
    EXPECT_EQ(host.CallCount("PF Iterate8 Suite 1.iterate"), 1);
    ExpectClean();
}

TEST_F(FrameFailure, WorldSuiteRefusedShowsTheMessageAndReturns13) {
    host.RefuseSuite("PF World Suite", 2);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, A_Err_MISSING_SUITE);
    const PF_OutData& out = host.LastCommand().out;
    EXPECT_NE(out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_STREQ(out.return_msg, "Not able to acquire AEFX Suite.");
    EXPECT_TRUE(AllZero(f.output));
    ExpectClean();
}

TEST_F(FrameFailure, IterateSuiteRefusedReturns516) {
    host.RefuseSuite("PF Iterate8 Suite", 1);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(AllZero(f.output));
    ExpectClean();
}

TEST_F(FrameFailure, ParameterReadFailureReturnsOutOfMemory) {
    const simhost::PreRenderOutcome pre = host.PreRender();
    host.FailCall("inter.checkout_param", host.CallCount("inter.checkout_param") + 7,
                  PF_Err_INVALID_INDEX);
    const simhost::RenderedFrame f = host.SmartRender(pre);
    EXPECT_EQ(f.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_TRUE(AllZero(f.output));
    ExpectClean();
}

TEST_F(FrameFailure, PixelFormatQueryOrTemporaryWorldFailureReturnsOutOfMemory) {
    FailNext("PF World Suite 2.PF_GetPixelFormat", PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(RenderAfterPreRender().err, PF_Err_OUT_OF_MEMORY);
    host.ClearFaults();
    FailNext("PF World Suite 2.PF_NewWorld", PF_Err_OUT_OF_MEMORY);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_TRUE(AllZero(f.output));
    EXPECT_EQ(host.LiveWorldCount(), 0u);
    ExpectClean();
}

TEST_F(FrameFailure, IterateErrorStillRendersButSkipsPremultiply) {
    const int premultiplies = host.CallCount("utils.premultiply");
    FailNext("PF Iterate8 Suite 1.iterate", PF_Interrupt_CANCEL);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Interrupt_CANCEL);
    EXPECT_EQ(host.CallCount("utils.premultiply"), premultiplies);
    EXPECT_EQ(host.CallCount("PF World Suite 2.PF_DisposeWorld"), 2);  // warm-up + this one
    ExpectClean();
}

TEST_F(FrameFailure, DisposalErrorIsReturnedAfterTheImageIsReadBack) {
    const int premultiplies = host.CallCount("utils.premultiply");
    FailNext("PF World Suite 2.PF_DisposeWorld", PF_Err_INTERNAL_STRUCT_DAMAGED);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(host.CallCount("utils.premultiply"), premultiplies);
    EXPECT_FALSE(AllZero(f.output)) << "the passes still ran and were read back";
    // An injected disposal failure still frees the world in the host.
    EXPECT_EQ(host.LiveWorldCount(), 0u);
    ExpectClean();
}

TEST_F(FrameFailure, AnyOtherExceptionReturnsOutOfMemory) {
    host.ThrowOnCall("PF Iterate8 Suite 1.iterate",
                     host.CallCount("PF Iterate8 Suite 1.iterate") + 1,
                     simhost::Host::ThrowKind::kStdException);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.LiveWorldCount(), 0u) << "the temporary world is disposed on the way out";
    ExpectClean();
}

TEST_F(FrameFailure, SixteenBitIterateSuiteRefusedReturns516) {
    host.SetInputLayer(MakeLayerOfDepth(16, 12, 16));
    host.RefuseSuite("PF Iterate16 Suite", 1);
    const simhost::RenderedFrame f = RenderAfterPreRender();
    EXPECT_EQ(f.err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(AllZero(f.output));
    ExpectClean();
}

TEST_F(FrameFailure, AFrameBeyondTheGPUsTexturesRendersOnTheCpu) {
    GLint maxSize = 0;
    {
        const LocalGLStruct* record = local_render_data.get();
        ASSERT_NE(record, nullptr);
        SetCurrentContext(record->context);
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        SetCurrentContext(nullptr);
    }
    ASSERT_GT(maxSize, 8);
    // An input one texel too wide; then an input that fits with an announced
    // output (grown by 4 on each side) that does not.
    const struct {
        A_long width;
        double position;
    } cases[] = {{maxSize + 1, 0}, {maxSize - 4, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        SetFloat(PARAM_POSITION, c.position);
        const simhost::RenderedFrame f = RenderAndCompare(MakeLayer(c.width, 1, false));
        EXPECT_GT(f.output.width, maxSize);
        EXPECT_EQ(host.LiveWorldCount(), 0u);
        ExpectClean();
    }
}

TEST_F(FrameTest, WithoutAGlobalContextANewThreadRendersTheGpuFrameOnTheCpu) {
    // As after a global set-up that found no GL: the frame renders on the
    // CPU (Render checks that the thread made no context and left none
    // current) and equals the GPU's frame of the same settings.
    SetFloat(PARAM_POSITION, 3);
    SetFloat(PARAM_BLUR, 2);
    SetFloat(PARAM_DISTORT_UNIFORM, 10);
    host.SetInputLayer(MakeLayer(24, 16, false));
    const simhost::RenderedFrame gpu = Render();
    withoutGL = true;
    const simhost::RenderedFrame cpu = Render();
    ASSERT_EQ(gpu.err, PF_Err_NONE);
    ASSERT_EQ(cpu.err, PF_Err_NONE);
    const frameref::HostImage a = ToHost(gpu.output), b = ToHost(cpu.output);
    ASSERT_EQ(a.pixels.size(), b.pixels.size());
    int bad = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        const frameref::Argb &p = a.pixels[i], &q = b.pixels[i];
        // Colour x alpha, as the host's un-premultiply magnifies small alphas.
        bad += std::max({std::fabs(p.a - q.a), std::fabs(p.r * p.a - q.r * q.a),
                         std::fabs(p.g * p.a - q.g * q.a), std::fabs(p.b * p.a - q.b * q.a)}) >
               kByteTol;
    }
    EXPECT_EQ(bad, 0);
    EXPECT_FALSE(AllZero(cpu.output));
    EXPECT_EQ(host.LiveWorldCount(), 0u);
    // The CPU's work went through the host's iterate_generic, on its threads.
    int generic = 0;
    for (const simhost::IterateRecord& r : host.Iterations()) {
        if (r.key == "PF Iterate8 Suite 1.iterate_generic") {
            ++generic;
            EXPECT_EQ(r.result, PF_Err_NONE);
            EXPECT_GT(r.threadsUsed, 1);
        }
    }
    EXPECT_GT(generic, 0);
}

TEST_F(FrameTest, TheHostsOwnContextIsCurrentAgainAfterAFrame) {
    // A host that draws with GL on the thread it lends keeps its context:
    // the frame's own context is current only while the frame renders.
    const GLContextHandle hosts = CreateContext(nullptr);
    ASSERT_TRUE(IsContextValid(hosts));
    SetCurrentContext(hosts);
    const EGLContext before = eglGetCurrentContext();
    ASSERT_NE(before, EGL_NO_CONTEXT);
    host.SetInputLayer(MakeLayer(24, 16, false));
    EXPECT_EQ(host.RenderFrame().err, PF_Err_NONE);
    EXPECT_EQ(eglGetCurrentContext(), before);
    // Again once the thread has its own context from the first frame.
    EXPECT_EQ(host.RenderFrame().err, PF_Err_NONE);
    EXPECT_EQ(eglGetCurrentContext(), before);
    SetCurrentContext(nullptr);
    DeleteContext(hosts);
}
