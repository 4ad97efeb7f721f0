// Many host threads through the loaded module at once: 8 render threads x 50
// frames of changing sizes, depths and settings, with pre-render,
// parameter-interface and draw-event commands on other threads, and render
// threads ending mid-run. This program defines eglCreateContext,
// eglDestroyContext and eglMakeCurrent itself (and exports them, so the
// loaded module's calls land here first), to count contexts and to see how
// many threads hold one of the module's contexts at any moment.
#include <EGL/egl.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "host/Params.h"
#include "simhost/ui/Drawbot.h"
#include "simhost/ui/Interface.h"
#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tests/support/GLTestContext.h"

namespace {

std::atomic<int> g_contextsCreated{0};
std::atomic<int> g_contextsDestroyed{0};
std::atomic<int> g_holders{0};
std::atomic<int> g_mostHolders{0};
thread_local bool tl_holding = false;
// Set while this thread is inside a smart-render command. Threads ending
// make their own context current to delete it, without any lock and by
// design, so only holders inside smart renders count.
thread_local bool tl_inSmartRender = false;
PF_FilterProc g_moduleEntry = nullptr;

PF_Err MarkingEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                    PF_LayerDef* output, void* extra) {
    tl_inSmartRender = cmd == PF_Cmd_SMART_RENDER;
    const PF_Err err = g_moduleEntry(cmd, in_data, out_data, params, output, extra);
    tl_inSmartRender = false;
    return err;
}

template <typename Proc>
Proc Next(const char* name) {
    return reinterpret_cast<Proc>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

EGLContext eglCreateContext(EGLDisplay display, EGLConfig config, EGLContext share,
                            const EGLint* attributes) {
    static const auto next = Next<PFNEGLCREATECONTEXTPROC>("eglCreateContext");
    const EGLContext context = next(display, config, share, attributes);
    if (context != EGL_NO_CONTEXT) {
        ++g_contextsCreated;
    }
    return context;
}

EGLBoolean eglDestroyContext(EGLDisplay display, EGLContext context) {
    static const auto next = Next<PFNEGLDESTROYCONTEXTPROC>("eglDestroyContext");
    const EGLBoolean ok = next(display, context);
    if (ok == EGL_TRUE) {
        ++g_contextsDestroyed;
    }
    return ok;
}

EGLBoolean eglMakeCurrent(EGLDisplay display, EGLSurface draw, EGLSurface read,
                          EGLContext context) {
    static const auto next = Next<PFNEGLMAKECURRENTPROC>("eglMakeCurrent");
    const EGLBoolean ok = next(display, draw, read, context);
    const bool holding = ok == EGL_TRUE ? context != EGL_NO_CONTEXT : tl_holding;
    if (tl_inSmartRender && holding != tl_holding) {
        tl_holding = holding;
        const int now = holding ? ++g_holders : --g_holders;
        int most = g_mostHolders.load();
        while (now > most && !g_mostHolders.compare_exchange_weak(most, now)) {
        }
    }
    return ok;
}

}  // extern "C"

namespace {

constexpr int kRenderThreads = 8;
constexpr int kRounds = 50;
constexpr int kRoundsPerEpoch = 10;  // threads 6 and 7 end after each epoch
constexpr int kLongLivedThreads = 6;

struct RoundSpec {
    A_long width;
    A_long height;
    bool isFloat;
};

RoundSpec SpecOf(int round) {
    static const A_long sizes[][2] = {{8, 8}, {31, 7}, {64, 40}, {17, 23}, {1, 1}, {40, 3}};
    const A_long* size = sizes[round % 6];
    return {size[0], size[1], round % 2 == 1};
}

void ApplySettings(simhost::Host& host, int round) {
    host.Param(PARAM_POSITION).u.fs_d.value = (round % 7) - 3;
    host.Param(PARAM_BLUR).u.fs_d.value = round % 3;
    host.Param(PARAM_ROTATION).u.ad.value = (round * 5) << 16;
    host.Param(PARAM_CHANNELS).u.pd.value = 1 + round % 3;
    host.Param(PARAM_SAMPLES).u.pd.value = 4;  // "Fixed"
    host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = 4 + round % 5;
    host.Param(PARAM_REPEAT_EDGE_PIXELS).u.bd.value = round % 4 == 0 ? 0 : 1;
}

simhost::Image MakeLayer(const RoundSpec& spec, int round) {
    simhost::Image image = spec.isFloat ? simhost::Image::MakeFloat(spec.width, spec.height)
                                        : simhost::Image::Make8(spec.width, spec.height);
    for (std::size_t i = 0; i < image.bytes.size(); ++i) {
        image.bytes[i] =
            static_cast<unsigned char>((i * 37 + static_cast<std::size_t>(round)) % 251);
    }
    if (spec.isFloat) {  // bytes of floats would be denormals and NaNs: fill values instead
        for (A_long y = 0; y < spec.height; ++y) {
            for (A_long x = 0; x < spec.width; ++x) {
                const float v = static_cast<float>((x * 7 + y * 3 + round) % 17) / 16.0f;
                image.AtFloat(x, y) = PF_PixelFloat{1.0f, v, 1.0f - v, v * 0.5f};
            }
        }
    }
    return image;
}

// Releases every waiter when `count` threads have arrived; reusable.
class Barrier {
  public:
    void Arrive(int count) {
        std::unique_lock<std::mutex> lock(mutex_);
        const int generation = generation_;
        if (++arrived_ == count) {
            arrived_ = 0;
            ++generation_;
            changed_.notify_all();
            return;
        }
        changed_.wait(lock, [&] { return generation != generation_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int arrived_ = 0;
    int generation_ = 0;
};

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace

TEST(ThreadStress, EightThreadsFiftyFramesEachWithCommandsInBetween) {
    HLV3_REQUIRE_GL();
    const simhost::Module module(HLV3_MODULE_PATH);
    ASSERT_TRUE(module.Loaded()) << module.Error();
    simhost::Host host;
    simhost::InterfaceSuites ui{host};
    simhost::DrawbotHost drawbot{host};
    // The host's call log would grow with every call; keep it out of the
    // memory figure.
    host.settings.callLogLimit = 16;
    g_moduleEntry = module.EffectMain();
    host.SetEntry(&MarkingEntry);
    ASSERT_EQ(host.Setup(), PF_Err_NONE);
    const int globalContexts = g_contextsCreated - g_contextsDestroyed;

    // Per round: the coordinator sets layer and settings while no command is
    // in flight, then every render thread renders one frame and the command
    // thread sends its commands; a barrier closes the round.
    Barrier start;
    Barrier done;
    std::vector<simhost::RenderedFrame> frames(kRenderThreads);
    std::atomic<int> failures{0};
    // In the first round, a frame's first progress report waits (bounded)
    // for a second render to hold its context: frames overlap, their host
    // calls made without the GL lock.
    host.settings.progressObserver = [](A_long count, A_long) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (count == 1 && g_holders < 2 && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    };
    long residentAfterWarmUp = 0;

    auto renderThread = [&](int slot, int firstRound, int lastRound) {
        for (int round = firstRound; round < lastRound; ++round) {
            start.Arrive(kRenderThreads + 2);
            frames[slot] = host.RenderFrame();
            done.Arrive(kRenderThreads + 2);
        }
    };
    auto commandThread = [&] {
        for (int round = 0; round < kRounds; ++round) {
            start.Arrive(kRenderThreads + 2);
            failures += host.PreRender().err != PF_Err_NONE;
            failures += host.UpdateParamsUI() != PF_Err_NONE;
            PF_Context context = {};
            PF_Context* contextP = &context;
            PF_EventExtra draw = {};
            draw.contextH = &contextP;
            draw.e_type = PF_Event_DRAW;
            draw.effect_win.index = PARAM_HEADER;
            draw.effect_win.area = PF_EA_CONTROL;
            draw.effect_win.current_frame = PF_LRect{0, 0, 400, 40};
            failures += host.Send(PF_Cmd_EVENT, &draw) != PF_Err_NONE;
            done.Arrive(kRenderThreads + 2);
        }
    };

    std::vector<std::thread> longLived;
    for (int slot = 0; slot < kLongLivedThreads; ++slot) {
        longLived.emplace_back(renderThread, slot, 0, kRounds);
    }
    std::thread commands(commandThread);
    std::vector<std::thread> shortLived;
    for (int round = 0; round < kRounds; ++round) {
        if (round % kRoundsPerEpoch == 0) {
            for (std::thread& t : shortLived) {
                t.join();
            }
            shortLived.clear();
            // The ended threads' contexts are gone: only the global one and
            // the long-lived threads' remain.
            const int live = g_contextsCreated - g_contextsDestroyed;
            EXPECT_EQ(live, globalContexts + (round == 0 ? 0 : kLongLivedThreads)) << round;
            for (int slot = kLongLivedThreads; slot < kRenderThreads; ++slot) {
                shortLived.emplace_back(renderThread, slot, round, round + kRoundsPerEpoch);
            }
        }
        const RoundSpec spec = SpecOf(round);
        ApplySettings(host, round);
        host.SetInputLayer(MakeLayer(spec, round));
        start.Arrive(kRenderThreads + 2);
        done.Arrive(kRenderThreads + 2);
        for (const simhost::RenderedFrame& f : frames) {
            EXPECT_EQ(f.err, PF_Err_NONE) << "round " << round;
            EXPECT_TRUE(f.output.SamePixels(frames[0].output)) << "round " << round;
        }
        host.settings.progressObserver = nullptr;
        if (round == kRoundsPerEpoch - 1) {
            residentAfterWarmUp = ResidentBytes();
        }
    }
    for (std::thread& t : longLived) {
        t.join();
    }
    for (std::thread& t : shortLived) {
        t.join();
    }
    commands.join();
    const long growth = ResidentBytes() - residentAfterWarmUp;
    std::printf("resident memory growth after warm-up: %ld bytes per frame\n",
                growth / ((kRounds - kRoundsPerEpoch) * kRenderThreads));

    EXPECT_EQ(failures, 0);
    EXPECT_GE(g_mostHolders, 2) << "smart renders never overlapped";
    EXPECT_EQ(g_contextsCreated - g_contextsDestroyed, globalContexts);
    EXPECT_EQ(ui.OpenEffectRefs(), 0);
    EXPECT_EQ(ui.OpenStreams(), 0);
    EXPECT_EQ(drawbot.OpenImages(), 0);
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    EXPECT_EQ(g_contextsCreated, g_contextsDestroyed);
    for (const std::string& v : host.Finish()) {
        ADD_FAILURE() << "host violation: " << v;
    }
}
