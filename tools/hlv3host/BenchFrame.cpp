#include "tools/hlv3host/BenchFrame.h"

#include <algorithm>
#include <cmath>

#include "context/ThreadContext.h"
#include "gl/GLApi.h"
#include "gl/Quad.h"
#include "host/CopyIn.h"
#include "render/DrawBudget.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "render/StraightPath.h"
#include "tools/hlv3host/ImageOps.h"
#include "tools/hlv3host/TestCard.h"

namespace {

const RectF kWhole = {0.0, 0.0, 1.0, 1.0};

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
Action PointFloor(const BenchPrograms& p, FrameTargets* t, int reads) {
    return [&p, t, reads] {
        UniformMap u;
        u["videoTexture"] = TEX2D(t->f1.renderBuffer.id);
        u["readsL"] = IVEC(reads);
        RenderQuad(&t->f3, p.pointFloor, u, 0, kWhole, 0);
    };
}

// Floor of a sampling step: `samples` x 2 reads along the path that ends at
// the transform (rot, scale, pos), split into draws as the effect splits.
Action PathFloor(const BenchPrograms& p, FrameTargets* t, const RenderSettings& s, int samples,
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

}  // namespace

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

namespace {

void CpuCopyIn(simhost::Image& input, simhost::Image& temp) {
    for (A_long y = 0; y < input.height; ++y) {
        for (A_long x = 0; x < input.width; ++x) {
            switch (input.format) {
                case PF_PixelFormat_ARGB128:
                    CopyPixelFloatIn(nullptr, x, y, &input.AtFloat(x, y), &temp.AtFloat(x, y));
                    break;
                case PF_PixelFormat_ARGB64:
                    CopyPixel16In(nullptr, x, y, &input.At16(x, y), &temp.At16(x, y));
                    break;
                default:
                    CopyPixel8In(nullptr, x, y, &input.At8(x, y), &temp.At8(x, y));
            }
        }
    }
}

// The host's premultiply utility, done here the way a host does it.
void CpuPremultiply(simhost::Image& output) {
    for (A_long y = 0; y < output.height; ++y) {
        for (A_long x = 0; x < output.width; ++x) {
            if (output.format == PF_PixelFormat_ARGB128) {
                PF_PixelFloat& q = output.AtFloat(x, y);
                q.red *= q.alpha, q.green *= q.alpha, q.blue *= q.alpha;
            } else if (output.format == PF_PixelFormat_ARGB64) {
                PF_Pixel16& q = output.At16(x, y);
                q.red = static_cast<A_u_short>((q.red * q.alpha + 16384) / 32768);
                q.green = static_cast<A_u_short>((q.green * q.alpha + 16384) / 32768);
                q.blue = static_cast<A_u_short>((q.blue * q.alpha + 16384) / 32768);
            } else {
                PF_Pixel& q = output.At8(x, y);
                q.red = static_cast<A_u_char>((q.red * q.alpha + 127) / 255);
                q.green = static_cast<A_u_char>((q.green * q.alpha + 127) / 255);
                q.blue = static_cast<A_u_char>((q.blue * q.alpha + 127) / 255);
            }
        }
    }
}

// Each step of the core's frame with the floor it is related to.
struct Floor {
    int reads = 0;
    Action run;
};

Floor FloorOf(const BenchPrograms& p, FrameBench* f, FrameStep step) {
    const RenderSettings& s = f->s;
    FrameTargets* t = &f->floors;
    const int n = s.sampleCount;
    const int blurReads = (2 * s.blurStepsA + 1) + (2 * s.blurStepsB + 1);
    const float radius = static_cast<float>(s.blurPixels);
    const int postReads = static_cast<float>(s.uniformDistort) != 0.0f ? n + 1 : 2;
    switch (step) {
        case FrameStep::kTargets:
            return {};
        case FrameStep::kAberrate:
            return {2 * n, PathFloor(p, t, s, n, static_cast<float>(s.rotationRadians),
                                     static_cast<float>(s.scale),
                                     Vec2f{s.positionOffset[0], s.positionOffset[1]})};
        case FrameStep::kBlurW:
            return {blurReads, PathFloor(p, t, s, (blurReads + 1) / 2, 0.0f, 1.0f,
                                         Vec2f{radius / f->w, 0.0f})};
        case FrameStep::kBlurH:
            return {blurReads, PathFloor(p, t, s, (blurReads + 1) / 2, 0.0f, 1.0f,
                                         Vec2f{0.0f, radius / f->h})};
        case FrameStep::kPostProcess:
            return {postReads,
                    postReads > 2 ? PathFloor(p, t, s, postReads / 2, 0.0f, 1.0f, Vec2f{0.0f, 0.0f})
                                  : PointFloor(p, t, 2)};
        default:
            return {1, PointFloor(p, t, 1)};
    }
}

// A step's name as the table shows it: what the core did at this size.
std::string StepName(FrameStep step, const FrameBench& f) {
    const LocalGLStruct* record = GetThreadLocalRenderData();
    const bool kept = record != nullptr && FrameTargetBytes(record->targets) > 0;
    switch (step) {
        case FrameStep::kTargets:
            return kept ? "targets kept" : "targets made (too large to keep)";
        case FrameStep::kAberrate:
            return TakesStraightPath(f.s, f.w, f.h) ? "aberrate, straight path" : "aberrate";
        case FrameStep::kReadBack:
            return kept && record->targets.writeBytes ? "read-back from the 8-bit target"
                                                      : "read-back";
        default:
            return FrameStepName(step);
    }
}

double Timed(const Action& action, const std::function<double()>& now) {
    glFinish();
    const double t0 = now();
    action();
    glFinish();
    return now() - t0;
}

}  // namespace

bool StartFrame(const BenchPrograms& p, const ParamValues& params, int w, int h, short bitdepth,
                FrameBench* f) {
    const PF_PixelFormat format = simhost::FormatOfDepth(bitdepth);
    f->w = w;
    f->h = h;
    f->input = MakeTestCard(w, h, bitdepth);
    f->temp = simhost::Image::Make(w, h, format);
    f->output = simhost::Image::Make(w, h, format);
    f->request.params = params;
    f->request.downsampleX = Ratio{1, 1};
    f->request.input = ViewOf(f->temp, bitdepth);
    f->request.output = ViewOf(f->output, bitdepth);
    f->request.global = &p.global;
    f->s = DeriveRenderSettings(params, Ratio{1, 1}, GeometryOf(f->request.input),
                                GeometryOf(f->request.output));
    CpuCopyIn(f->input, f->temp);
    if (!PrepareFrameTargets(f->s, w, h, w, h, 32, &f->floors)) {
        return false;
    }
    UploadToTexture(f->floors.f1.renderBuffer.id, f->request.input);
    return RenderFrameGL(f->request, {}).status == FrameStatus::kDone;
}

std::vector<StepTime> TimeFrameSteps(const BenchPrograms& p, FrameBench* f, int k,
                                     const std::function<double()>& now, double* wholeMs,
                                     CpuFrameTimes* cpu) {
    cpu->wholeMs = 1e300;
    cpu->stepMs.assign(static_cast<size_t>(FrameStep::kReadBack) + 1, 1e300);
    std::vector<StepTime> steps;
    std::vector<Floor> floors;
    const auto add = [&](const std::string& name, const Floor& floor, bool onCpu) {
        steps.push_back({name, floor.reads, 1e300, floor.run ? 1e300 : 0.0, onCpu});
        floors.push_back(floor);
    };
    const auto keep = [](double* best, double ms) { *best = std::min(*best, ms); };
    *wholeMs = 1e300;
    for (int round = 0; round < k; ++round) {
        size_t i = 0;
        const auto timeHostStep = [&](const char* name, const Action& action) {
            if (round == 0) {
                add(name, {1, PointFloor(p, &f->floors, 1)}, true);
            }
            keep(&steps[i++].ms, Timed(action, now));
        };
        timeHostStep("copy-in (CPU, 1 thread)", [f] { CpuCopyIn(f->input, f->temp); });
        double t0 = 0;
        FrameHooks hooks;
        hooks.timing = [&](FrameStep step, bool finished) {
            glFinish();
            if (!finished) {
                t0 = now();
                return;
            }
            const double ms = now() - t0;
            if (round == 0) {
                add(StepName(step, *f), FloorOf(p, f, step), false);
            }
            keep(&steps[i++].ms, ms);
        };
        RenderFrameGL(f->request, hooks);
        timeHostStep("premultiply (CPU, 1 thread)", [f] { CpuPremultiply(f->output); });
        for (size_t j = 0; j < floors.size(); ++j) {
            if (floors[j].run) {
                keep(&steps[j].floorMs, Timed(floors[j].run, now));
            }
        }
        keep(wholeMs, Timed([f] { RenderFrameGL(f->request, {}); }, now));
        FrameHooks cpuHooks;
        cpuHooks.timing = [&](FrameStep step, bool finished) {
            if (!finished) {
                t0 = now();
                return;
            }
            keep(&cpu->stepMs[static_cast<size_t>(step)], now() - t0);
        };
        RenderFrameCPU(f->request, cpuHooks);
        keep(&cpu->wholeMs, Timed([f] { RenderFrameCPU(f->request, {}); }, now));
    }
    for (double& ms : cpu->stepMs) {
        ms = ms < 1e300 ? ms : 0.0;
    }
    return steps;
}
