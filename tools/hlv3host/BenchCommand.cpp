// `bench`: where the time of a frame goes. Runs the system's own frame steps
// (copy-in callbacks, target preparation, upload, each pass, read-back) one at
// a time with a GL fence around each, measured from here so that the system
// itself carries no timing code, and relates each figure to a bilinear-fetch
// floor: a pass of the same size and texture that only makes the step's
// reads. Each step is timed interleaved with its floor (and with the way the
// step was done before, where that changed): alternating runs, best of k, so
// that load swings on a shared machine hit both sides alike.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "context/Context.h"
#include "gl/GLApi.h"
#include "gl/Programs.h"
#include "gl/Quad.h"
#include "gl/FrameTargets.h"
#include "host/CopyIn.h"
#include "render/DrawBudget.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "render/RenderSettings.h"
#include "render/StraightPath.h"
#include "shaders/ShaderSources.h"
#include "simhost/Image.h"
#include "tools/hlv3host/BenchShaders.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/TestCard.h"

namespace {

using Clock = std::chrono::steady_clock;
using Action = std::function<void()>;

const RectF kWhole = {0.0, 0.0, 1.0, 1.0};

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

struct Programs {
    GLPrograms effect = {};
    GLuint plainAberrate = 0;
    GLuint pathFloor = 0;
    GLuint pointFloor = 0;
};

// What a step's time is measured in. Wall time is what a user waits for on
// a GPU. On a software rasterizer the "GPU" is this process's own threads,
// so its CPU time is the work itself: other processes on a shared machine
// slow the wall clock down but barely move it.
enum class TimeBase { Wall, ProcessCpu };

double NowMs(TimeBase base) {
    if (base == TimeBase::ProcessCpu) {
        timespec ts = {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
    }
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

double TimeMs(const Action& action, TimeBase base) {
    glFinish();
    const double t0 = NowMs(base);
    action();
    glFinish();
    return NowMs(base) - t0;
}

// Runs the actions in turn, k rounds, and keeps each one's fastest time.
std::vector<double> Interleaved(const std::vector<Action>& actions, int k, TimeBase base) {
    std::vector<double> best(actions.size(), 1e300);
    for (int round = 0; round < k; ++round) {
        for (size_t i = 0; i < actions.size(); ++i) {
            best[i] = std::min(best[i], TimeMs(actions[i], base));
        }
    }
    return best;
}

struct Row {
    std::string name;
    int reads = 0;  // texture reads per output pixel; 0 where there is no floor
    double ms = 0;
    double floorMs = 0;
};

ImageView ViewOf(simhost::Image& image, short bitdepth) {
    ImageView v;
    v.pixels = image.bytes.data();
    v.rowBytes = image.rowbytes;
    v.width = image.width;
    v.height = image.height;
    v.depth = bitdepth;
    return v;
}

// Floor of a one- or two-read step: all reads at the fragment.
Action PointFloor(const Programs& p, FrameTargets* t, int reads) {
    return [&p, t, reads] {
        UniformMap u;
        u["videoTexture"] = TEX2D(t->f1.renderBuffer.id);
        u["readsL"] = IVEC(reads);
        RenderQuad(&t->f3, p.pointFloor, u, 0, kWhole, 0);
    };
}

// Floor of a sampling step: `samples` x 2 reads along the path that ends at
// the transform (rot, scale, pos), split into draws as the effect splits.
Action PathFloor(const Programs& p, FrameTargets* t, const RenderSettings& s, int samples,
                 float rot, float scale, Vec2f pos) {
    return [&p, t, &s, samples, rot, scale, pos] {
        UniformMap u;
        u["videoTexture"] = TEX2D(t->f1.renderBuffer.id);
        u["aspectF"] = VEC(s.aspect);
        u["offsetPos"] = VEC2(pos);
        u["offsetRot"] = VEC(rot);
        u["offsetScale"] = VEC(scale);
        u["iterationsL"] = IVEC(samples);
        const int64_t fragments = int64_t{t->f3.renderBuffer.width} * t->f3.renderBuffer.height;
        FrameDraws d;
        DrawInShares(&t->f3, p.pathFloor, &u, samples, SamplesPerDraw(fragments, 2), &d);
    };
}

// The uniforms the aberrate pass sets, taken from a run of the pass that is
// stopped before it draws.
UniformMap AberratePassUniforms(const Programs& p, FrameTargets* t, const RenderSettings& s) {
    UniformMap u;
    FrameDraws stopped;
    stopped.err = PF_Interrupt_CANCEL;
    RunAberratePass(p.effect, s, t, &u, &stopped);
    return u;
}

// The aberrate pass as it was: one draw of the plain loop.
Action PlainAberrate(const Programs& p, FrameTargets* t, const RenderSettings& s) {
    return [&p, t, u = AberratePassUniforms(p, t, s)] {
        RenderQuad(&t->f2, p.plainAberrate, u, 0, kWhole, 0);
    };
}

// The aberrate pass of a straight-path frame as it was: the sample loop
// ("straightL" 0) in draws of the loop's size.
Action SampleLoopAberrate(const Programs& p, FrameTargets* t, const RenderSettings& s) {
    UniformMap u = AberratePassUniforms(p, t, s);
    u["straightL"] = IVEC(0);
    const int64_t fragments = int64_t{t->f2.renderBuffer.width} * t->f2.renderBuffer.height;
    return [&p, t, u, n = s.sampleCount, perDraw = SamplesPerDraw(fragments, 2)]() mutable {
        FrameDraws d;
        DrawInShares(&t->f2, p.effect.aberrate, &u, n, perDraw, &d);
    };
}

// Texel cells that the straight paths of both channels cross together from
// the first sample to the last, per pixel of a w x h frame: mean and largest.
// The line's start and step as the program's straight branch builds them.
void StraightCells(const RenderSettings& s, int w, int h, double* mean, int* largest) {
    const double m = 1.0 / s.sampleCount;
    const double uniform = static_cast<float>(s.uniformDistort);
    const double aberrate = static_cast<float>(s.aberrateDistort);
    const double skew = m * static_cast<float>(s.shearX) * (s.normaliseExp[0] / s.normaliseExp[1]);
    const double minRes = std::min(s.inputResolution[0], s.inputResolution[1]);
    double total = 0;
    *largest = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double tx = (x + 0.5) / w - 0.5, ty = (y + 0.5) / h - 0.5;
            const double radial = (tx * tx / s.aspect + ty * ty * s.aspect) * minRes / 1000.0;
            const double base = 1.0 + radial * 0.9 * uniform;
            int cells = 0;
            for (const double b : {0.0, 1.0}) {  // channel A, channel B
                const double k = radial * m * (0.1 * uniform + (1.0 + b) * aberrate);
                const double sx =
                    k * tx + (1 - 2 * b) * m * s.positionOffset[0] + (1.0 + b) * skew * base * ty;
                const double sy = k * ty + (1 - 2 * b) * m * s.positionOffset[1];
                const double x0 = (base * tx + 0.5 + sx) * w - 0.5;
                const double y0 = (base * ty + 0.5 + sy) * h - 0.5;
                const double n1 = s.sampleCount - 1.0;
                cells +=
                    1 + static_cast<int>(std::fabs(std::floor(x0 + n1 * sx * w) - std::floor(x0)) +
                                         std::fabs(std::floor(y0 + n1 * sy * h) - std::floor(y0)));
            }
            total += cells;
            *largest = std::max(*largest, cells);
        }
    }
    *mean = total / (double{1} * w * h);
}

// Targets as they were made for every frame: four created and cleared, then
// deleted at the frame's end.
Action FreshTargets(const RenderSettings& s, int w, int h) {
    return [&s, w, h] {
        const GLenum wrap = s.repeatEdges ? GL_MIRRORED_REPEAT : GL_CLAMP_TO_BORDER;
        PX_FBO f[4];
        for (PX_FBO& target : f) {
            target = FBOHelper::CreateTextureFBO(static_cast<uint32_t>(w), static_cast<uint32_t>(h),
                                                 wrap, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
            FBOHelper::ClearFBO(&target);
        }
        glFinish();
        for (PX_FBO& target : f) {
            FBOHelper::DeleteGenericFBO(&target);
        }
    };
}

void CpuCopyIn(simhost::Image& input, simhost::Image& temp) {
    const bool isFloat = input.format == PF_PixelFormat_ARGB128;
    for (A_long y = 0; y < input.height; ++y) {
        for (A_long x = 0; x < input.width; ++x) {
            if (isFloat) {
                CopyPixelFloatIn(nullptr, x, y, &input.AtFloat(x, y), &temp.AtFloat(x, y));
            } else {
                CopyPixel8In(nullptr, x, y, &input.At8(x, y), &temp.At8(x, y));
            }
        }
    }
}

// The host's premultiply utility, done here the way a host does it.
void CpuPremultiply(simhost::Image& output) {
    const bool isFloat = output.format == PF_PixelFormat_ARGB128;
    for (A_long y = 0; y < output.height; ++y) {
        for (A_long x = 0; x < output.width; ++x) {
            if (isFloat) {
                PF_PixelFloat& q = output.AtFloat(x, y);
                q.red *= q.alpha, q.green *= q.alpha, q.blue *= q.alpha;
            } else {
                PF_Pixel& q = output.At8(x, y);
                q.red = static_cast<A_u_char>((q.red * q.alpha + 127) / 255);
                q.green = static_cast<A_u_char>((q.green * q.alpha + 127) / 255);
                q.blue = static_cast<A_u_char>((q.blue * q.alpha + 127) / 255);
            }
        }
    }
}

void PrintRow(const Row& r) {
    if (r.reads > 0) {
        std::printf("| %s | %d | %.1f | %.1f | %.2f |\n", r.name.c_str(), r.reads, r.ms, r.floorMs,
                    r.floorMs > 0 ? r.ms / r.floorMs : 0.0);
    } else {
        std::printf("| %s | | %.1f | | |\n", r.name.c_str(), r.ms);
    }
}

// One case at one size and depth: every step against its floor, the changed
// steps also as they were, and the frame as one run.
void BenchCase(const Programs& p, int w, int h, bool isFloat, const Case& c, int k, TimeBase base,
               bool print) {
    ParamValues params;
    params.position = 0.0;
    c.apply(&params);
    const BufferGeometry g{w, h, 0, 0};
    const RenderSettings s = DeriveRenderSettings(params, Ratio{1, 1}, g, g);
    const short bitdepth = isFloat ? 32 : 8;

    simhost::Image input = MakeTestCard(w, h, isFloat);
    simhost::Image temp = simhost::Image::Make(w, h, input.format);
    simhost::Image output = simhost::Image::Make(w, h, input.format);
    const ImageView tempWorld = ViewOf(temp, bitdepth);
    const ImageView outWorld = ViewOf(output, bitdepth);

    FrameTargets t = {};
    if (!PrepareFrameTargets(s, w, h, w, h, bitdepth, &t)) {
        std::fprintf(stderr, "hlv3host bench: no complete framebuffer at %d x %d\n", w, h);
        ReleaseFrameTargets(&t);
        std::exit(1);
    }
    CpuCopyIn(input, temp);
    UploadToTexture(t.f0.renderBuffer.id, tempWorld);
    UniformMap u;
    FrameDraws d;
    RunPreProcessPass(p.effect, s, &t, &u, &d);

    std::vector<Row> after;
    std::vector<Row> before;
    bool beforeKnown = true;
    auto pair = [&](const char* name, int reads, const Action& step, const Action& floor) {
        const std::vector<double> ms = Interleaved({step, floor}, k, base);
        after.push_back({name, reads, ms[0], ms[1]});
        before.push_back(after.back());
    };
    auto changed = [&](const char* name, const char* was, int reads, const Action& now,
                       const Action& then, const Action& floor) {
        std::vector<Action> actions = {now, then};
        if (floor) {
            actions.push_back(floor);
        }
        const std::vector<double> ms = Interleaved(actions, k, base);
        const double fl = floor ? ms[2] : 0.0;
        after.push_back({name, floor ? reads : 0, ms[0], fl});
        before.push_back({was, floor ? reads : 0, ms[1], fl});
    };

    const Action onePoint = PointFloor(p, &t, 1);
    pair(
        "copy-in (CPU, 1 thread)", 1, [&] { CpuCopyIn(input, temp); }, onePoint);
    // A thread keeps only targets within its bound; larger frames make theirs
    // for every frame (without clearing them any more).
    const bool kept = FrameTargetBytes(t) <= kMaxKeptTargetBytes;
    const Action targets = [&] {
        if (!kept) {
            ReleaseFrameTargets(&t);
        }
        PrepareFrameTargets(s, w, h, w, h, bitdepth, &t);
    };
    changed(kept ? "targets kept" : "targets made (too large to keep)",
            "targets made and cleared (before)", 0, targets, FreshTargets(s, w, h), nullptr);
    pair(
        "upload", 1, [&] { UploadToTexture(t.f0.renderBuffer.id, tempWorld); }, onePoint);
    pair(
        "pre-process", 1, [&] { RunPreProcessPass(p.effect, s, &t, &u, &d); }, onePoint);

    const int n = s.sampleCount;
    const Vec2f pos = {s.positionOffset[0], s.positionOffset[1]};
    const Action aberrateFloor = PathFloor(p, &t, s, n, static_cast<float>(s.rotationRadians),
                                           static_cast<float>(s.scale), pos);
    const Action aberrate = [&] { RunAberratePass(p.effect, s, &t, &u, &d); };
    const bool straight = TakesStraightPath(s, w, h);
    double straightMs = 0, loopMs = 0;
    if (straight) {
        changed("aberrate, straight path", "aberrate, sample loop (before)", 2 * n, aberrate,
                SampleLoopAberrate(p, &t, s), aberrateFloor);
        straightMs = after.back().ms;
        loopMs = before.back().ms;
    } else if (n <= 65535) {
        changed("aberrate", "aberrate, plain loop in one draw (before)", 2 * n, aberrate,
                PlainAberrate(p, &t, s), aberrateFloor);
    } else {
        // One draw of the plain loop is cut short there: no "before".
        pair("aberrate", 2 * n, aberrate, aberrateFloor);
        beforeKnown = false;
    }
    if (s.blurEnabled) {
        const int blurReads = (2 * s.blurStepsA + 1) + (2 * s.blurStepsB + 1);
        const float radius = static_cast<float>(s.blurPixels);
        const int samples = (blurReads + 1) / 2;
        pair(
            "blur W", blurReads, [&] { RunBlurWPass(p.effect, s, &t, &u, &d); },
            PathFloor(p, &t, s, samples, 0.0f, 1.0f, Vec2f{radius / w, 0.0f}));
        pair(
            "blur H", blurReads, [&] { RunBlurHPass(p.effect, s, &t, &u, &d); },
            PathFloor(p, &t, s, samples, 0.0f, 1.0f, Vec2f{0.0f, radius / h}));
    }
    const int postReads = static_cast<float>(s.uniformDistort) != 0.0f ? n + 1 : 2;
    pair(
        "post-process", postReads, [&] { RunPostProcessPass(p.effect, s, &t, &u, &d); },
        postReads > 2 ? PathFloor(p, &t, s, postReads / 2, 0.0f, 1.0f, Vec2f{0.0f, 0.0f})
                      : PointFloor(p, &t, 2));
    const Action readBack = [&] {
        FBOHelper::FBOtoEffectWorld(FrameOutput(t), outWorld, GL_COLOR_ATTACHMENT0);
    };
    if (t.writeBytes) {
        changed(
            "read-back from the 8-bit target", "read-back from the float target (before)", 1,
            readBack, [&] { FBOHelper::FBOtoEffectWorld(&t.f3, outWorld, GL_COLOR_ATTACHMENT0); },
            onePoint);
    } else {
        pair("read-back", 1, readBack, onePoint);
    }
    pair(
        "premultiply (CPU, 1 thread)", 1, [&] { CpuPremultiply(output); }, onePoint);

    // The GPU part of a frame in one run, against the sum of its steps.
    const std::vector<double> whole =
        Interleaved({[&] {
                        targets();
                        UploadToTexture(t.f0.renderBuffer.id, tempWorld);
                        RunAllPasses(p.effect, s, &t, {});
                        readBack();
                    }},
                    k, base);
    ReleaseFrameTargets(&t);
    if (!print) {
        return;
    }

    std::printf("### %d x %d, %s, %s (%d samples)\n\n", w, h, isFloat ? "float" : "8-bit", c.name,
                n);
    std::printf("| step | reads/px | ms | floor ms | x floor |\n|---|---:|---:|---:|---:|\n");
    double total = 0, totalBefore = 0, gpuSteps = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        PrintRow(after[i]);
        if (before[i].name != after[i].name) {
            PrintRow(before[i]);
        }
        total += after[i].ms;
        totalBefore += before[i].ms;
        if (after[i].name.find("CPU") == std::string::npos) {
            gpuSteps += after[i].ms;
        }
    }
    std::printf("| frame, sum of steps | | %.1f | | |\n", total);
    if (beforeKnown) {
        std::printf("| frame before, sum of steps | | %.1f | | |\n", totalBefore);
        std::printf("\nbefore / after: %.2f; ", total > 0 ? totalBefore / total : 0.0);
    } else {
        std::printf("\nbefore: none (one draw of the plain loop stops at 65,535 samples); ");
    }
    const int64_t fragments = int64_t{w} * h;
    const int perDraw = SamplesPerDraw(fragments, 2);
    std::printf(
        "GPU part in one run %.1f ms = %.2f x the sum of its steps (%.1f ms); aberrate "
        "in %d draws of at most %.3g reads (budget %.3g)\n\n",
        whole[0], whole[0] / gpuSteps, gpuSteps, DrawsFor(n, perDraw),
        static_cast<double>(fragments * 2 * std::min(perDraw, n)),
        static_cast<double>(kMaxReadsPerDraw));
    if (straight) {
        double mean = 0;
        int largest = 0;
        StraightCells(s, w, h, &mean, &largest);
        std::printf(
            "straight path: %d draws of at most %d samples; cells crossed per pixel, both "
            "channels: mean %.2f, largest %d (the sample loop reads %d times); frame with the "
            "sample loop %.1f ms = %.1f x the frame with the straight path\n\n",
            DrawsFor(n, StraightSamplesPerDraw(s, w, h)), StraightSamplesPerDraw(s, w, h), mean,
            largest, 2 * n, total - straightMs + loopMs, (total - straightMs + loopMs) / total);
    }
    std::fflush(stdout);
}

void PrintUsage(std::FILE* to) {
    std::fprintf(
        to,
        "usage: hlv3host bench [--best-of K] [--sizes 1080,2160,WxH] [--depths 8,32]\n"
        "                      [--cases single,auto,default,position40,transform,fixed,huge]\n"
        "                      [--clock wall|cpu]\n"
        "Prints, per case, the time of each frame step (best of K interleaved runs,\n"
        "default 3) and its ratio to a bilinear-fetch floor with the same reads,\n"
        "the steps that changed also as they were before, and the frame in one run.\n"
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
    for (const std::string& size : Split(sizes)) {
        int w = 0, h = 0;
        if (!ParseSize(size, &w, &h)) {
            std::fprintf(stderr, "hlv3host bench: '%s' is no size (1080, 2160 or WxH)\n",
                         size.c_str());
            return 2;
        }
    }

    const GLContextHandle context = CreateContext(nullptr);
    if (!IsContextValid(context)) {
        std::fprintf(stderr, "hlv3host bench: no OpenGL 3.2 core context\n");
        return 1;
    }
    SetCurrentContext(context);
    Programs p;
    CreateGLPrograms(&p.effect);
    const ShaderParam plain[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, plainAberrate_frag}, {0, nullptr}};
    const ShaderParam path[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, pathFloor_frag}, {0, nullptr}};
    const ShaderParam point[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, pointFloor_frag}, {0, nullptr}};
    p.plainAberrate = CreateProgram(plain, "");
    p.pathFloor = CreateProgram(path, "");
    p.pointFloor = CreateProgram(point, "");

    std::printf("renderer: %s\nGL: %s\ntimes: %s, best of %d interleaved runs\n\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                base == TimeBase::Wall ? "wall clock" : "process CPU time", k);

    for (const std::string& size : Split(sizes)) {
        int w = 0, h = 0;
        ParseSize(size, &w, &h);
        for (const int depth : {8, 32}) {
            if (!Has(depths, std::to_string(depth))) {
                continue;
            }
            for (const Case& c : kCases) {
                if (!Has(cases, c.key)) {
                    continue;
                }
                // A small frame first, so that no first-use cost (shader
                // compilation in the driver) lands in the figures.
                BenchCase(p, 16, 9, depth == 32, c, 1, base, false);
                BenchCase(p, w, h, depth == 32, c, k, base, true);
            }
        }
    }

    DeleteProgram(&p.pointFloor);
    DeleteProgram(&p.pathFloor);
    DeleteProgram(&p.plainAberrate);
    DeleteGLPrograms(&p.effect);
    SetCurrentContext(nullptr);
    DeleteContext(context);
    return 0;
}
