// Multi-frame rendering: frames of one effect on several host threads at
// once, and a frame whose input checkout renders another instance of the
// effect on a second thread and waits for it (a precomp carrying the effect
// too). Both hang, or fail on the host's bounded waits, if the effect holds
// any lock of its own while it calls the host.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "context/GLWorkLock.h"
#include "host/EntryPoints.h"
#include "host/Params.h"
#include "simhost/SimHost.h"
#include "tests/support/GLTestContext.h"

namespace {

constexpr int kFrames = 4;

simhost::Image MakeLayer(int frame) {
    const A_long w = 40 + 8 * frame, h = 24 + 4 * frame;
    const bool isFloat = frame % 2 == 1;
    simhost::Image img = isFloat ? simhost::Image::MakeFloat(w, h) : simhost::Image::Make8(w, h);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            const float r = static_cast<float>((x * 7 + y * 3 + frame) % 17) / 16.f;
            const float a = x < 3 ? 0.5f : 1.f;
            if (isFloat) {
                img.AtFloat(x, y) = PF_PixelFloat{a, r, 1.f - r, r * 0.5f};
            } else {
                img.At8(x, y) =
                    PF_Pixel{static_cast<A_u_char>(a * 255), static_cast<A_u_char>(r * 255),
                             static_cast<A_u_char>(255 - r * 255), static_cast<A_u_char>(r * 127)};
            }
        }
    }
    return img;
}

class MultiFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        HLV3_REQUIRE_GL();
        host.SetEntry(EffectMain);
        ASSERT_EQ(host.Setup(), PF_Err_NONE);
        host.Param(PARAM_SAMPLES).u.pd.value = SAMPLES_FIXED;
        host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = 5;
        for (int f = 0; f < kFrames; ++f) {
            layers.push_back(MakeLayer(f));
        }
        // Frame f renders at time f with its own settings (the host's
        // keyframes) and its own layer.
        for (int f = 0; f < kFrames; ++f) {
            SetAt(PARAM_POSITION, f, [f](PF_ParamDef& d) { d.u.fs_d.value = 2 + f; });
            SetAt(PARAM_ROTATION, f, [f](PF_ParamDef& d) { d.u.ad.value = (7 * f) << 16; });
            SetAt(PARAM_BLUR, f, [f](PF_ParamDef& d) { d.u.fs_d.value = f % 2 ? 1.5 : 0; });
            SetAt(PARAM_CHANNELS, f, [f](PF_ParamDef& d) { d.u.pd.value = 1 + f % 3; });
            requests[f].layer = &layers[static_cast<size_t>(f)];
            requests[f].hasTime = true;
            requests[f].time = f;
        }
    }
    void TearDown() override {
        if (IsSkipped()) {
            return;
        }
        EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
        for (const std::string& v : host.Finish()) {
            ADD_FAILURE() << "host violation: " << v;
        }
    }
    template <typename Set>
    void SetAt(PF_ParamIndex index, A_long time, Set set) {
        PF_ParamDef def = host.Param(index);
        set(def);
        host.SetParamAt(index, time, def);
    }

    simhost::Host host;
    std::vector<simhost::Image> layers;
    simhost::FrameRequest requests[kFrames];
};

// True when a thread other than the caller can take the effect's GL lock now.
bool GLLockIsFree() {
    return std::async(std::launch::async,
                      [] {
                          if (!globalMutex.try_lock()) {
                              return false;
                          }
                          globalMutex.unlock();
                          return true;
                      })
        .get();
}

}  // namespace

TEST_F(MultiFrame, FramesOnSeveralThreadsOverlapAndEqualTheSameFramesRenderedInTurn) {
    std::vector<simhost::RenderedFrame> inTurn;
    for (const simhost::FrameRequest& r : requests) {
        inTurn.push_back(host.RenderFrame(r));
        ASSERT_EQ(inTurn.back().err, PF_Err_NONE);
    }
    // Each frame's first progress report waits until every frame has made
    // one: only renders that overlap get past it.
    std::mutex mutex;
    std::condition_variable arrived;
    int inside = 0;
    host.settings.progressObserver = [&](A_long count, A_long) {
        if (count != 1) {
            return;
        }
        std::unique_lock<std::mutex> lock(mutex);
        ++inside;
        arrived.notify_all();
        EXPECT_TRUE(
            arrived.wait_for(lock, std::chrono::seconds(60), [&] { return inside == kFrames; }))
            << inside << " of " << kFrames << " frames inside a render at once";
    };
    std::vector<simhost::RenderedFrame> together(kFrames);
    std::vector<std::thread> threads;
    for (int f = 0; f < kFrames; ++f) {
        threads.emplace_back([&, f] { together[f] = host.RenderFrame(requests[f]); });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    host.settings.progressObserver = nullptr;
    for (int f = 0; f < kFrames; ++f) {
        EXPECT_EQ(together[f].err, PF_Err_NONE) << f;
        EXPECT_TRUE(together[f].output.SamePixels(inTurn[f].output)) << "frame " << f;
    }
    // The frames differ: a frame that rendered another's settings or layer would show.
    EXPECT_FALSE(inTurn[0].output.SamePixels(inTurn[2].output));
}

TEST_F(MultiFrame, AFrameWhoseInputRendersTheEffectOnAnotherThreadCompletes) {
    const simhost::RenderedFrame alone = host.RenderFrame(requests[1]);
    ASSERT_EQ(alone.err, PF_Err_NONE);
    simhost::FrameRequest outer = requests[0];
    outer.dependsOn = &requests[1];
    const simhost::RenderedFrame frame = host.RenderFrame(outer);
    EXPECT_EQ(frame.err, PF_Err_NONE);
    ASSERT_NE(frame.dependency, nullptr);
    EXPECT_EQ(frame.dependency->err, PF_Err_NONE);
    EXPECT_TRUE(frame.dependency->output.SamePixels(alone.output));
    EXPECT_TRUE(frame.output.SamePixels(host.RenderFrame(requests[0]).output));
}

TEST_F(MultiFrame, NoLockOfTheEffectIsHeldWhileTheHostIsCalled) {
    std::mutex mutex;
    std::set<std::string> called, calledLocked;
    host.settings.hostCallObserver = [&](const char* key) {
        const bool free = GLLockIsFree();
        const std::lock_guard<std::mutex> lock(mutex);
        called.insert(key);
        if (!free) {
            calledLocked.insert(key);
        }
    };
    // Every host call of a frame: checkouts, suites, the copy-in, the
    // temporary world, abort and progress between draws, premultiply.
    EXPECT_EQ(host.RenderFrame(requests[2]).err, PF_Err_NONE);
    // And a frame ended by a host call that throws from between two draws.
    host.ThrowOnCall("inter.progress", host.CallCount("inter.progress") + 2,
                     simhost::Host::ThrowKind::kInt, PF_Interrupt_CANCEL);
    EXPECT_EQ(host.RenderFrame(requests[2]).err, PF_Interrupt_CANCEL);
    host.settings.hostCallObserver = nullptr;
    EXPECT_TRUE(GLLockIsFree());
    for (const char* key : {"smartrender.checkout_layer_pixels", "smartrender.checkout_output",
                            "SPBasic.AcquireSuite", "PF World Suite 2.PF_NewWorld",
                            "PF Iterate8 Suite 1.iterate", "PF World Suite 2.PF_DisposeWorld",
                            "inter.abort", "inter.progress", "utils.premultiply"}) {
        EXPECT_EQ(called.count(key), 1u) << key << " was never called";
    }
    EXPECT_TRUE(calledLocked.empty()) << "called with the GL lock held: " << *calledLocked.begin();
}
