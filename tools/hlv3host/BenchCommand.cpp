// `bench`: where the time of a frame goes. Renders whole frames through the
// render core and times its steps (target preparation, upload, each pass,
// read-back) through the core's timing hook, with the host-side copy-in and
// premultiply beside them, and relates each figure to a bilinear-fetch
// floor: a pass of the same size and texture that only makes the step's
// reads. Each round runs a frame, every floor, a frame without the hook and
// the same frame on the CPU backend (with and without the hook), best of k,
// so that load swings on a shared machine hit all alike. The
// earlier forms of changed steps are gone (docs/benchmarks.md keeps their
// figures).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "context/Context.h"
#include "context/ThreadContext.h"
#include "gl/GLApi.h"
#include "gl/Programs.h"
#include "render/DrawBudget.h"
#include "render/RenderSettings.h"
#include "render/StraightPath.h"
#include "shaders/ShaderSources.h"
#include "tools/hlv3host/BenchFrame.h"
#include "tools/hlv3host/BenchShaders.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/GpuLimit.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
    const char* key;
    const char* name;
    void (*apply)(ParamValues* p);
};

const Case kCases[] = {
    {"single", "Single", [](ParamValues* p) { p->samples = 1; }},
    {"auto", "Auto, default transform", [](ParamValues* p) { p->samples = 3; }},
    {"default", "Auto, defaults (Position 0.5)",
     [](ParamValues* p) {
         p->samples = 3;
         p->position = 0.5;
     }},
    {"position40", "Auto, Position 40",
     [](ParamValues* p) {
         p->samples = 3;
         p->position = 40;
     }},
    {"transform", "Auto, real transform",
     [](ParamValues* p) {
         // Position 40, Rotation 10, Scale 110 %, Skew 10 / 5 %, distortions 20 / 10.
         p->samples = 3;
         p->position = 40;
         p->rotation = 10 << 16;
         p->scale = 110;
         p->skewX = 10;
         p->skewY = 5;
         p->distortAberrate = 20;
         p->distortUniform = 10;
     }},
    {"fixed", "Fixed 64, blur 10",
     [](ParamValues* p) {
         p->samples = 4;
         p->sampleCount = 64;
         p->blur = 10;
     }},
    {"huge", "Auto, Rotation 20000, multiplier 5",
     [](ParamValues* p) {
         p->samples = 3;
         p->rotation = 20000 * 65536;
         p->sampleMultiplier = 5;
     }},
};

// What a step's time is measured in. Wall time is what a user waits for on
// a GPU. On a software rasterizer the "GPU" is this process's own threads,
// so its CPU time is the work itself: other processes on a shared machine
// slow the wall clock down but barely move it.
enum class TimeBase { Wall, ProcessCpu };

double NowMs(TimeBase base) {
    if (base == TimeBase::ProcessCpu) {
        return ProcessCpuMs();
    }
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

void PrintRow(const std::string& name, int reads, double ms, double floorMs) {
    if (reads > 0) {
        std::printf("| %s | %d | %.1f | %.1f | %.2f |\n", name.c_str(), reads, ms, floorMs,
                    floorMs > 0 ? ms / floorMs : 0.0);
    } else {
        std::printf("| %s | | %.1f | | |\n", name.c_str(), ms);
    }
}

// One case's frame in one run on both backends, for the closing table.
struct BackendTimes {
    std::string name;
    double glMs = 0;
    double cpuMs = 0;
};

// One case at one size and depth: every step of a frame through the core
// against its floor, and the frame as one run on the GL backend and on the
// CPU backend, interleaved.
BackendTimes BenchCase(const BenchPrograms& p, int w, int h, short depth, const Case& c, int k,
                       TimeBase base, bool print) {
    ParamValues params;
    params.position = 0.0;
    c.apply(&params);
    FrameBench f;
    if (!StartFrame(p, params, w, h, depth, &f)) {
        std::fprintf(stderr, "hlv3host bench: the core could not render %d x %d\n", w, h);
        std::exit(1);
    }
    double whole = 0;
    CpuFrameTimes cpu;
    const std::vector<StepTime> steps = TimeFrameSteps(
        p, &f, k, [base] { return NowMs(base); }, &whole, &cpu);
    const char* const depthName = depth == 32 ? "float" : depth == 16 ? "16-bit" : "8-bit";
    const BackendTimes times = {
        std::to_string(w) + " x " + std::to_string(h) + ", " + depthName + ", " + c.name, whole,
        cpu.wholeMs};
    if (!print) {
        return times;
    }

    const int n = f.s.sampleCount;
    std::printf("### %d x %d, %s, %s (%d samples)\n\n", w, h, depthName, c.name, n);
    std::printf("| step | reads/px | ms | floor ms | x floor |\n|---|---:|---:|---:|---:|\n");
    double total = 0, gpuSteps = 0;
    for (const StepTime& step : steps) {
        PrintRow(step.name, step.floorMs > 0 ? step.reads : 0, step.ms, step.floorMs);
        total += step.ms;
        if (!step.onCpu) {
            gpuSteps += step.ms;
        }
    }
    std::printf("| frame, sum of steps | | %.1f | | |\n", total);
    const int64_t fragments = int64_t{w} * h;
    const int perDraw = SamplesPerDraw(fragments, 2);
    std::printf(
        "\nGPU part in one run through the core %.1f ms = %.2f x the sum of its steps (%.1f ms); "
        "aberrate "
        "in %d draws of at most %.3g reads (budget %.3g)\n\n",
        whole, whole / gpuSteps, gpuSteps, DrawsFor(n, perDraw),
        static_cast<double>(fragments * 2 * std::min(perDraw, n)),
        static_cast<double>(kMaxReadsPerDraw));
    if (TakesStraightPath(f.s, w, h)) {
        double mean = 0;
        int largest = 0;
        StraightCells(f.s, w, h, &mean, &largest);
        std::printf(
            "straight path: %d draws of at most %d samples; cells crossed per pixel, both "
            "channels: mean %.2f, largest %d (a sample loop reads %d times)\n\n",
            DrawsFor(n, StraightSamplesPerDraw(f.s, w, h)), StraightSamplesPerDraw(f.s, w, h), mean,
            largest, 2 * n);
    }
    std::printf("CPU backend, the same frame in one run: %.1f ms = %.2f x the GL backend's;",
                cpu.wholeMs, cpu.wholeMs / whole);
    for (size_t i = 0; i < cpu.stepMs.size(); ++i) {
        if (cpu.stepMs[i] > 0) {
            std::printf(" %s %.1f", FrameStepName(static_cast<FrameStep>(i)), cpu.stepMs[i]);
        }
    }
    std::printf(" ms\n\n");
    std::fflush(stdout);
    return times;
}

void PrintUsage(std::FILE* to) {
    std::fprintf(
        to,
        "usage: hlv3host bench [--best-of K] [--sizes 1080,2160,WxH] [--depths 8,16,32]\n"
        "                      [--cases single,auto,default,position40,transform,fixed,huge]\n"
        "                      [--clock wall|cpu]\n"
        "Prints, per case, the time of each frame step (best of K interleaved runs,\n"
        "default 3) and its ratio to a bilinear-fetch floor with the same reads,\n"
        "and the frame in one run, on the GL backend and on the CPU backend.\n"
        "--clock cpu measures this process's CPU time instead of wall time: on a\n"
        "software rasterizer that is the work done, whatever else the machine runs.\n"
        "Defaults: --sizes 1080 --depths 8,32 --cases single,auto,transform,fixed\n"
        "--clock wall. With --threads 1,2,4: whole frames on several threads.\n");
}

bool Has(const std::string& list, const std::string& item) {
    return ("," + list + ",").find("," + item + ",") != std::string::npos;
}

// "1080", "2160" or "WxH".
bool ParseSize(const std::string& key, int* w, int* h) {
    if (key == "1080") {
        *w = 1920, *h = 1080;
        return true;
    }
    if (key == "2160") {
        *w = 3840, *h = 2160;
        return true;
    }
    return std::sscanf(key.c_str(), "%dx%d", w, h) == 2 && *w > 0 && *h > 0;
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) {
            items.push_back(list.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return items;
}

}  // namespace

int RunBench(int argc, char** argv) {
    if (std::find_if(argv, argv + argc,
                     [](const char* a) { return std::string(a) == "--threads"; }) != argv + argc) {
        return RunThreadBench(argc, argv);
    }
    int k = 3;
    TimeBase base = TimeBase::Wall;
    std::string sizes = "1080", depths = "8,32", cases = "single,auto,transform,fixed";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--best-of" || a == "--sizes" || a == "--depths" || a == "--cases" ||
             a == "--clock") &&
            i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--clock") {
                if (v != "wall" && v != "cpu") {
                    PrintUsage(stderr);
                    return 2;
                }
                base = v == "cpu" ? TimeBase::ProcessCpu : TimeBase::Wall;
            } else if (a == "--best-of") {
                k = std::max(1, std::atoi(v.c_str()));
            } else if (a == "--sizes") {
                sizes = v;
            } else if (a == "--depths") {
                depths = v;
            } else {
                cases = v;
            }
        } else if (a == "--help" || a == "-h") {
            PrintUsage(stdout);
            return 0;
        } else {
            PrintUsage(stderr);
            return 2;
        }
    }
    std::vector<std::pair<int, int>> frameSizes;
    for (const std::string& size : Split(sizes)) {
        int w = 0, h = 0;
        if (!ParseSize(size, &w, &h)) {
            std::fprintf(stderr, "hlv3host bench: '%s' is no size (1080, 2160 or WxH)\n",
                         size.c_str());
            return 2;
        }
        frameSizes.emplace_back(w, h);
    }
    for (const std::string& depth : Split(depths)) {
        if (depth != "8" && depth != "16" && depth != "32") {
            std::fprintf(stderr, "hlv3host bench: '%s' is no depth (8, 16 or 32)\n", depth.c_str());
            return 2;
        }
    }
    for (const std::string& key : Split(cases)) {
        if (std::none_of(std::begin(kCases), std::end(kCases),
                         [&key](const Case& c) { return key == c.key; })) {
            std::fprintf(stderr, "hlv3host bench: '%s' is no case\n", key.c_str());
            PrintUsage(stderr);
            return 2;
        }
    }

    const GLContextHandle context = CreateContext(nullptr);
    if (!IsContextValid(context)) {
        std::fprintf(stderr, "hlv3host bench: no OpenGL 3.2 core context\n");
        return 1;
    }
    SetCurrentContext(context);
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    for (const auto& [w, h] : frameSizes) {
        const std::string problem = FrameSizeProblem("the frame", w, h, limit);
        if (!problem.empty()) {
            std::fprintf(stderr, "hlv3host bench: %s\n", problem.c_str());
            SetCurrentContext(nullptr);
            DeleteContext(context);
            return 2;
        }
    }
    BenchPrograms p;
    p.global.context = context;
    CreateGLPrograms(&p.global.programs);
    const ShaderParam path[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, pathFloor_frag}, {0, nullptr}};
    const ShaderParam point[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, pointFloor_frag}, {0, nullptr}};
    p.pathFloor = CreateProgram(path, "");
    p.pointFloor = CreateProgram(point, "");

    std::printf("renderer: %s\nGL: %s\ntimes: %s, best of %d interleaved runs\n\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                base == TimeBase::Wall ? "wall clock" : "process CPU time", k);

    std::vector<BackendTimes> table;
    for (const auto& [w, h] : frameSizes) {
        for (const short depth : {8, 16, 32}) {
            if (!Has(depths, std::to_string(depth))) {
                continue;
            }
            for (const Case& c : kCases) {
                if (!Has(cases, c.key)) {
                    continue;
                }
                // A small frame first, so that no first-use cost (shader
                // compilation in the driver) lands in the figures.
                BenchCase(p, 16, 9, depth, c, 1, base, false);
                table.push_back(BenchCase(p, w, h, depth, c, k, base, true));
            }
        }
    }
    std::printf(
        "### The frame in one run, GL backend against CPU backend\n\n"
        "| case | GL ms | CPU ms | CPU / GL |\n|---|---:|---:|---:|\n");
    for (const BackendTimes& t : table) {
        std::printf("| %s | %.1f | %.1f | %.2f |\n", t.name.c_str(), t.glMs, t.cpuMs,
                    t.cpuMs / t.glMs);
    }

    DeleteProgram(&p.pointFloor);
    DeleteProgram(&p.pathFloor);
    DeleteGLPrograms(&p.global.programs);
    // The core's context for this thread goes before the one it shares with.
    local_render_data.reset();
    SetCurrentContext(nullptr);
    DeleteContext(context);
    return 0;
}
