// `bench --threads`: frames per second when the host renders several frames
// at once, the way it does under multi-frame rendering: each render thread
// sends whole smart renders (pre-render, checkouts, copy-in, passes,
// read-back, premultiply) through the loaded module. Thread counts are
// interleaved, best of k, so that load swings on a shared machine hit each
// alike.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/Params.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/ModuleFile.h"
#include "tools/hlv3host/TestCard.h"

namespace {

using Clock = std::chrono::steady_clock;

struct ThreadCase {
    const char* key;
    const char* name;
    int samples;  // the Samples popup: 1 Single, 3 Auto
};

const ThreadCase kThreadCases[] = {{"single", "Single", 1}, {"default", "Auto, defaults", 3}};

// Wraps the module's entry point to see how long two or more smart renders
// are in flight at once.
struct Overlap {
    std::mutex mutex;
    int inFlight = 0;
    Clock::time_point since;
    double overlappedMs = 0;

    void Change(int by) {
        const std::lock_guard<std::mutex> lock(mutex);
        const Clock::time_point now = Clock::now();
        if (inFlight >= 2) {
            overlappedMs += std::chrono::duration<double, std::milli>(now - since).count();
        }
        inFlight += by;
        since = now;
    }
};

PF_FilterProc g_entry = nullptr;
Overlap* g_overlap = nullptr;

PF_Err CountingEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                     PF_LayerDef* output, void* extra) {
    const bool render = cmd == PF_Cmd_SMART_RENDER;
    if (render) {
        g_overlap->Change(+1);
    }
    const PF_Err err = g_entry(cmd, in_data, out_data, params, output, extra);
    if (render) {
        g_overlap->Change(-1);
    }
    return err;
}

struct Run {
    double ms = 0;
    double cpuMs = 0;  // this process's CPU time, all threads (the rasterizer's too)
    double overlappedMs = 0;
    int failed = 0;
};

// `frames` frames shared among `threads` threads, each frame a whole render.
Run RenderFrames(simhost::Host& host, int threads, int frames) {
    Overlap overlap;
    g_overlap = &overlap;
    std::atomic<int> next{0};
    std::atomic<int> failed{0};
    const Clock::time_point t0 = Clock::now();
    const double cpu0 = ProcessCpuMs();
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&] {
            while (next++ < frames) {
                failed += host.RenderFrame().err != PF_Err_NONE;
            }
        });
    }
    for (std::thread& t : pool) {
        t.join();
    }
    Run run;
    run.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    run.cpuMs = ProcessCpuMs() - cpu0;
    run.overlappedMs = overlap.overlappedMs;
    run.failed = failed;
    return run;
}

std::vector<int> ParseList(const std::string& list) {
    std::vector<int> values;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const int v = std::atoi(list.substr(start, comma - start).c_str());
        if (v <= 0) {
            return {};
        }
        values.push_back(v);
        start = comma + 1;
    }
    return values;
}

}  // namespace

double ProcessCpuMs() {
    timespec ts = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
}

int RunThreadBench(int argc, char** argv) {
    int k = 3, frames = 8;
    std::string threadList = "1,2,4", depths = "8,32", modulePath;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--threads") {
            threadList = v;
        } else if (a == "--best-of") {
            k = std::max(1, std::atoi(v.c_str()));
        } else if (a == "--frames") {
            frames = std::max(1, std::atoi(v.c_str()));
        } else if (a == "--depths") {
            depths = v;
        } else if (a == "--module") {
            modulePath = v;
        } else {
            std::fprintf(stderr,
                         "usage: hlv3host bench --threads 1,2,4 [--frames N] [--best-of K]\n"
                         "                      [--depths 8,32] [--module PATH]\n");
            return 2;
        }
    }
    const std::vector<int> threadCounts = ParseList(threadList);
    const std::vector<int> depthList = ParseList(depths);
    if (threadCounts.empty() || depthList.empty() ||
        std::any_of(depthList.begin(), depthList.end(),
                    [](int d) { return d != 8 && d != 16 && d != 32; })) {
        std::fprintf(stderr,
                     "hlv3host bench: --threads takes positive numbers, --depths 8, 16 or 32\n");
        return 2;
    }
    const std::string path = ModuleFilePath(modulePath);
    const simhost::Module module(path);
    if (const std::string problem = ModuleProblem(module, path); !problem.empty()) {
        std::fprintf(stderr, "hlv3host bench: %s\n", problem.c_str());
        return 2;
    }
    simhost::Host host;
    g_entry = module.EffectMain();
    host.SetEntry(&CountingEntry);
    host.settings.noteReusedDiskIds = false;
    host.settings.callLogLimit = 0;
    Overlap setupOverlap;
    g_overlap = &setupOverlap;
    if (host.Setup() != PF_Err_NONE) {
        std::fprintf(stderr, "hlv3host bench: global or parameter set-up failed\n");
        return 1;
    }
    std::printf(
        "1920x1080, %d frames per run, whole smart renders through %s, "
        "wall clock, best of %d interleaved runs\n\n",
        frames, path.c_str(), k);
    std::printf(
        "| case | depth | threads | frames/s | x 1 thread | time with 2+ frames in flight | CPU "
        "ms/frame |\n"
        "|---|---|---:|---:|---:|---:|---:|\n");
    int status = 0;
    for (const int depth : depthList) {
        host.SetInputLayer(MakeTestCard(1920, 1080, depth));
        for (const ThreadCase& c : kThreadCases) {
            host.Param(PARAM_SAMPLES).u.pd.value = c.samples;
            // Every thread count's threads render one frame first, so that
            // context and program creation stay out of the figures.
            for (const int threads : threadCounts) {
                RenderFrames(host, threads, threads);
            }
            std::vector<Run> best(threadCounts.size());
            for (Run& b : best) {
                b.ms = 1e300;
            }
            for (int round = 0; round < k; ++round) {
                for (size_t i = 0; i < threadCounts.size(); ++i) {
                    const Run run = RenderFrames(host, threadCounts[i], frames);
                    status |= run.failed != 0;
                    if (run.ms < best[i].ms) {
                        best[i] = run;
                    }
                }
            }
            for (size_t i = 0; i < threadCounts.size(); ++i) {
                std::printf("| %s | %d-bit | %d | %.2f | %.2f | %.0f %% | %.0f |\n", c.name, depth,
                            threadCounts[i], frames * 1e3 / best[i].ms, best[0].ms / best[i].ms,
                            100.0 * best[i].overlappedMs / best[i].ms, best[i].cpuMs / frames);
            }
            std::fflush(stdout);
        }
    }
    host.GlobalSetdown();
    for (const std::string& v : host.Finish()) {
        std::fprintf(stderr, "hlv3host bench: host violation: %s\n", v.c_str());
        status = 1;
    }
    return status;
}
