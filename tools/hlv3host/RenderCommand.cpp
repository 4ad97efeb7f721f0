// `render` and `demo`: frames through the effect module, loaded the way the
// host loads it, driven by the simulated host. Everything that can be checked
// before rendering is checked first (RenderOptions.h); a file is written
// under a temporary name and renamed, so the output path only ever holds a
// whole file of this run or what was there before.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <new>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "simhost/Platform.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/GpuLimit.h"
#include "tools/hlv3host/ImageFiles.h"
#include "tools/hlv3host/ImageOps.h"
#include "tools/hlv3host/ModuleFile.h"
#include "tools/hlv3host/OutputFile.h"
#include "tools/hlv3host/RenderOptions.h"
#include "tools/hlv3host/RenderReport.h"
#include "tools/hlv3host/SettingRules.h"
#include "tools/hlv3host/TestCard.h"

namespace {

using Clock = std::chrono::steady_clock;

// Writes `frame`'s output as the options ask, under a temporary name that is
// renamed to `path` once the file is complete.
RunFailure WriteFrame(const RenderOptions& o, const FramePlan& plan, const std::string& path,
                      const simhost::Image& layer, FrameReport* report) {
    const simhost::RenderedFrame& frame = report->rendered;
    WriteOptions w;
    const bool deep = frame.output.format != PF_PixelFormat_ARGB32;
    w.bits = o.depth != 0 ? o.depth : (plan.kind == ImageKind::kExr ? 32 : (deep ? 16 : 8));
    w.layerWidth = layer.width;
    w.layerHeight = layer.height;
    simhost::Image cropped;
    const simhost::Image* image = &frame.output;
    if (o.crop) {
        cropped = Cropped(frame.output, frame.rect.left, frame.rect.top, layer.width, layer.height);
        image = &cropped;
    } else {
        w.originX = frame.rect.left;
        w.originY = frame.rect.top;
    }
    const std::string target = WriteTarget(path);
    const std::string temporary = TemporaryName(target);
    std::string error;
    StopSignals::SetPartial(temporary);
    const bool written = WriteImageFile(temporary, plan.kind, *image, w, &error);
    if (!written) {
        std::remove(temporary.c_str());
    }
    const bool replaced = written && ReplaceWith(temporary, target, &error);
    StopSignals::ClearPartial();
    if (!replaced) {
        return {1, error};
    }
    report->file = path;
    report->fileBits = w.bits;
    report->fileRect = {w.originX, w.originY, w.originX + image->width, w.originY + image->height};
    return {};
}

std::string RenderFailure(const simhost::RenderedFrame& frame) {
    if (frame.preRenderErr != PF_Err_NONE) {
        return "pre-render failed with error " + std::to_string(frame.preRenderErr);
    }
    if (frame.err != PF_Err_NONE) {
        std::string text = "render failed with error " + std::to_string(frame.err);
        if (frame.err == PF_Err_OUT_OF_MEMORY) {
            text += " (out of memory: the buffers of a " + std::to_string(frame.output.width) +
                    " x " + std::to_string(frame.output.height) + " pixel frame)";
        }
        return text;
    }
    return frame.hasOutput ? "" : "the host handed out no output";
}

// What a host's progress bar would show: on a terminal one line that is
// rewritten; elsewhere (a log file, a pipe) the frame's last line, and a line
// at every tenth of a frame that has run for more than two seconds.
std::function<void(A_long, A_long)> ProgressPrinter(const Clock::time_point* frameStart) {
    const bool terminal = isatty(2) != 0;
    return [frameStart, terminal, shown = -10L](A_long count, A_long total) mutable {
        const long percent = total > 0 ? static_cast<long>(int64_t{count} * 100 / total) : 100;
        const double s = std::chrono::duration<double>(Clock::now() - *frameStart).count();
        const bool tenth = percent / 10 > shown / 10 && s > 2.0;
        if (!terminal && count != total && !tenth) {
            return;
        }
        shown = count == total ? -10L : percent;
        std::fprintf(stderr, "%sprogress %3ld %%, %.1f s%s", terminal ? "\r" : "", percent, s,
                     !terminal || count == total ? "\n" : "");
        std::fflush(stderr);
    };
}

// The GPU's largest texture side where the run demands the GPU, else 0: the
// effect renders a frame beyond its textures, or every frame without one, on
// the CPU, which only memory bounds.
int GpuOnlyLimit(const RenderOptions& o, int limit) {
    return o.renderer == RendererChoice::kGpu ? limit : 0;
}

// Renders the plan's frames through one loaded module: global set-up once,
// then the frames in order at the first frame's depth. `*input` holds the
// already read first input; each later frame is read into it. `limit` is
// the GPU's largest texture side.
RunFailure RenderFrames(const RenderOptions& o, const FramePlan& plan, int limit, ReadResult* input,
                        const std::vector<std::string>& presets,
                        std::vector<FrameReport>* reports) {
    const std::string path = ModuleFilePath(o.module);
    const simhost::Module module(path);
    const std::string problem = ModuleProblem(module, path);
    if (!problem.empty()) {
        return {2, problem};
    }
    Clock::time_point frameStart = Clock::now();
    simhost::Host host;
    host.SetEntry(module.EffectMain());
    host.settings.noteReusedDiskIds = false;
    host.settings.downsampleX = {1, static_cast<A_u_long>(o.downsample)};
    host.settings.downsampleY = {1, static_cast<A_u_long>(o.downsample)};
    host.settings.layerFlags = o.adjustment ? AEGP_LayerFlag_ADJUSTMENT_LAYER : 0;
    if (!o.quiet) {
        host.settings.progressObserver = ProgressPrinter(&frameStart);
    }
    RunFailure failure;
    if (const PF_Err err = host.Setup()) {
        failure = {1, "set-up failed with error " + std::to_string(err)};
    }
    std::vector<std::string> all = presets;
    all.insert(all.end(), o.sets.begin(), o.sets.end());
    for (const std::string& s : all) {
        SettingValue value;
        std::string error;
        if (failure.status == 0) {
            if (!ParseSetting(host.AddedParams(), s, &value, &error)) {
                failure = {2, error};
            } else {
                StoreSetting(value, &host.Param(static_cast<PF_ParamIndex>(value.index + 1)));
            }
        }
    }
    const int bpc = simhost::BitDepthOf(input->image.format);
    const Clock::time_point start = Clock::now();
    for (size_t i = 0; i < plan.frames.size() && failure.status == 0; ++i) {
        if (StopSignals::StopRequested()) {
            failure = {130, "interrupted: frames " + std::to_string(plan.frames[i]) + " to " +
                                std::to_string(plan.frames.back()) + " were not rendered"};
            break;
        }
        frameStart = Clock::now();
        std::string error;
        if (i > 0 && !ReadImageFile(plan.inputs[i], bpc, input, &error)) {
            failure = {2, error};
            break;
        }
        FrameReport f;
        f.frame = plan.frames[i];
        f.input = plan.inputs[i];
        f.inputBits = input->fileBits;
        f.renderBits = bpc;
        simhost::Image downsampled;
        if (o.downsample > 1) {
            downsampled = Downsampled(input->image, o.downsample);
        }
        const simhost::Image& layer = o.downsample > 1 ? downsampled : input->image;
        host.settings.layerWidth = input->image.width;
        host.settings.layerHeight = input->image.height;
        host.settings.currentTime = plan.frames[i];
        host.SetInputLayer(layer);
        const simhost::PreRenderOutcome pre = host.PreRender();
        const PF_LRect& r = pre.output.result_rect;
        // The effect's own rule: the CPU where no GL context can be made, or
        // where the input or the output is beyond the GPU's textures.
        const bool fits = limit > 0 && std::max({layer.width, layer.height, r.right - r.left,
                                                 r.bottom - r.top}) <= limit;
        f.renderer = fits ? "gpu" : "cpu";
        const std::string tooLarge =
            pre.err == PF_Err_NONE ? FrameSizeProblem("the output", r.right - r.left,
                                                      r.bottom - r.top, GpuOnlyLimit(o, limit))
                                   : "";
        if (!tooLarge.empty()) {
            f.rendered.pre = pre;
            reports->push_back(f);
            failure = {2, "frame " + std::to_string(f.frame) + ": " + tooLarge};
            break;
        }
        f.rendered = pre.err == PF_Err_NONE ? host.SmartRender(pre) : host.RenderFrame();
        const std::string renderError = RenderFailure(f.rendered);
        if (!renderError.empty()) {
            failure = {1, "frame " + std::to_string(f.frame) + ": " + renderError};
        } else {
            failure = WriteFrame(o, plan, plan.outputs[i], layer, &f);
        }
        f.seconds = std::chrono::duration<double>(Clock::now() - frameStart).count();
        // The report needs the output's size only; a long sequence must not
        // hold every frame's pixels.
        f.rendered.output.bytes = std::vector<unsigned char>();
        reports->push_back(f);
        if (failure.status == 0) {
            PrintProgressLine(o, stderr, plan, i + 1, f.seconds,
                              std::chrono::duration<double>(Clock::now() - start).count());
        }
    }
    host.GlobalSetdown();
    for (const std::string& v : host.Finish()) {
        if (failure.status == 0) {
            failure = {1, "host check: " + v};
        }
    }
    return failure;
}

// The GPU's largest texture side (0: no context can be made), and, where the
// run demands the GPU, each layer of the plan held to its textures before any
// pixel is read.
RunFailure CheckTextureLimit(const RenderOptions& o, const FramePlan& plan, int* limit) {
    // Before anything in the process touches GL, so the module's global
    // set-up finds none, as on a machine without it.
    if (o.renderer == RendererChoice::kCpu && !simhost::RefuseGLContexts()) {
        return {1, "the CPU renderer cannot be chosen: GL is already loaded in this process"};
    }
    *limit = GpuTextureLimit();
    // The refusal works through the EGL loader's vendor list; a loader that
    // ignores it would leave the "CPU" frame on the GPU without a word.
    if (*limit != 0 && o.renderer == RendererChoice::kCpu) {
        return {1,
                "the CPU renderer cannot be chosen: this system's EGL loader made a GL "
                "context although its vendors were refused"};
    }
    if (*limit == 0 && o.renderer == RendererChoice::kGpu) {
        return {1,
                "no OpenGL 3.2 core-profile context can be made on this machine (no EGL "
                "device or driver; see Troubleshooting in README.md)"};
    }
    // Only a run that demands the GPU refuses a layer beyond its textures
    // (its memory CheckPlan has already held to the machine's); otherwise
    // the effect renders such a frame on the CPU.
    for (size_t i = 0; i < plan.headers.size() && o.renderer == RendererChoice::kGpu; ++i) {
        const ImageHeader& h = plan.headers[i];
        const std::string problem = TextureProblem(
            plan.inputs[i] + ": the layer", (h.width + o.downsample - 1) / o.downsample,
            (h.height + o.downsample - 1) / o.downsample, *limit);
        if (!problem.empty()) {
            return {2, problem};
        }
    }
    return {};
}

// Checks, renders and reports. `card` is the demo's layer (empty for render).
RunFailure CheckAndRender(const RenderOptions& o, const ReadResult* card,
                          const std::vector<std::string>& presets,
                          std::vector<FrameReport>* reports) {
    FramePlan plan;
    RunFailure failure = CheckPlan(o, card != nullptr, &plan);
    int limit = 0;
    if (failure.status == 0) {
        failure = CheckTextureLimit(o, plan, &limit);
    }
    ReadResult first;
    if (failure.status == 0) {
        std::string error;
        if (card != nullptr) {
            first = *card;
        } else if (!ReadImageFile(plan.inputs.front(), o.bpc, &first, &error)) {
            failure = {2, error};
        }
    }
    if (failure.status == 0) {
        failure = RenderFrames(o, plan, limit, &first, presets, reports);
    }
    return failure;
}

int Run(const RenderOptions& o, const ReadResult* card, const std::vector<std::string>& presets) {
    std::vector<FrameReport> reports;
    RunFailure failure;
    const StopSignals signals;
    {
        const ReportStream report;
        try {
            failure = CheckAndRender(o, card, presets, &reports);
        } catch (const std::bad_alloc&) {
            failure = {1, "not enough memory for the frame"};
        }
        if (failure.status != 0) {
            std::fprintf(stderr, "hlv3host: %s\n", failure.message.c_str());
        }
        if (!reports.empty() || o.json) {
            PrintReport(o, report.Get(), reports, failure);
        }
    }
    return failure.status;
}

}  // namespace

int RunRender(int argc, char** argv) {
    RenderOptions o;
    const int parsed = ParseRenderOptions(argc, argv, &o, false);
    if (parsed >= 0) {
        return parsed;
    }
    if (o.input.empty() || o.output.empty()) {
        PrintRenderUsage(stderr);
        return BadArguments(argc, argv, "render needs --in and --out");
    }
    return Run(o, nullptr, {});
}

int RunDemo(int argc, char** argv) {
    RenderOptions o;
    const int parsed = ParseRenderOptions(argc, argv, &o, true);
    if (parsed >= 0) {
        return parsed;
    }
    if (o.output.empty()) {
        o.output = "hlv3-demo.png";
    }
    // A striking look that stays quick on a software rasteriser: a wide
    // red/blue split with a slight twist and zoom, softened by blur, on 48
    // samples.
    const std::vector<std::string> preset = {
        "Channels=Red & Blue", "Position=18",  "Rotation=4",
        "Scale=106",           "Blur=3",       "Samples=Fixed",
        "Sample Count=48",     "Hue Shift=20", "Repeat Edge Pixels=off"};
    ReadResult card;
    const int bpc = o.eightBit ? 8 : (o.bpc != 0 ? o.bpc : 32);
    card.image = MakeTestCard(640, 360, bpc);
    card.fileBits = bpc;
    o.input = "(test card)";
    if (!o.card.empty()) {
        std::string error;
        const ImageKind kind = KindOf(o.card);
        WriteOptions w;
        w.bits = kind == ImageKind::kExr ? 32 : 8;
        w.layerWidth = card.image.width;
        w.layerHeight = card.image.height;
        if (!WriteImageFile(o.card, kind, card.image, w, &error)) {
            std::fprintf(stderr, "hlv3host: %s\n", error.c_str());
            return 2;
        }
    }
    return Run(o, &card, preset);
}
