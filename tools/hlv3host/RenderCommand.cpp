// `render` and `demo`: frames through the effect module, loaded the way the
// host loads it, driven by the simulated host. Everything that can be checked
// before rendering is checked first (files, folders, values); a file is
// written under a temporary name and renamed, so the output path only ever
// holds a whole file of this run or what was there before.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/FramePattern.h"
#include "tools/hlv3host/GpuLimit.h"
#include "tools/hlv3host/ImageFiles.h"
#include "tools/hlv3host/JsonText.h"
#include "tools/hlv3host/ModuleFile.h"
#include "tools/hlv3host/SettingRules.h"
#include "tools/hlv3host/TestCard.h"

namespace {

using Clock = std::chrono::steady_clock;

// Set by SIGINT: the sequence stops after the frame in flight. The handler
// is reset by the first signal, so a second Ctrl-C ends the process at once.
volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) {
    gInterrupted = 1;
}

struct Options {
    std::string module;
    std::string input;
    std::string output;
    std::string card;  // demo only: also write the unrendered card here
    std::vector<std::string> sets;
    int downsample = 1;
    int depth = 0;  // bits per channel of the output file; 0: the default for the format
    bool adjustment = false;
    bool json = false;
    bool quiet = false;
    bool crop = false;
    bool sequence = false;
    int firstFrame = 0;
    int lastFrame = 0;
    bool eightBit = false;  // demo only: render the card as 8-bit instead of float
};

// A failure: the exit status and one line for the user.
struct Failure {
    int status = 0;
    std::string message;
};

bool ParseWhole(const std::string& text, int lo, int hi, int* value) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < lo || v > hi) {
        return false;
    }
    *value = static_cast<int>(v);
    return true;
}

// Box-filters an image down by an integer factor, as a host hands the layer
// at a lower resolution.
simhost::Image Downsampled(const simhost::Image& full, int factor) {
    if (factor <= 1) {
        return full;
    }
    const A_long w = (full.width + factor - 1) / factor;
    const A_long h = (full.height + factor - 1) / factor;
    simhost::Image out = simhost::Image::Make(w, h, full.format);
    const bool isFloat = full.format == PF_PixelFormat_ARGB128;
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            double sum[4] = {0, 0, 0, 0};
            int n = 0;
            for (A_long sy = y * factor; sy < std::min<A_long>((y + 1) * factor, full.height);
                 ++sy) {
                for (A_long sx = x * factor; sx < std::min<A_long>((x + 1) * factor, full.width);
                     ++sx) {
                    if (isFloat) {
                        const PF_PixelFloat& p = full.AtFloat(sx, sy);
                        sum[0] += p.alpha, sum[1] += p.red, sum[2] += p.green, sum[3] += p.blue;
                    } else {
                        const PF_Pixel& p = full.At8(sx, sy);
                        sum[0] += p.alpha, sum[1] += p.red, sum[2] += p.green, sum[3] += p.blue;
                    }
                    ++n;
                }
            }
            if (isFloat) {
                PF_PixelFloat& d = out.AtFloat(x, y);
                d.alpha = static_cast<float>(sum[0] / n);
                d.red = static_cast<float>(sum[1] / n);
                d.green = static_cast<float>(sum[2] / n);
                d.blue = static_cast<float>(sum[3] / n);
            } else {
                PF_Pixel& d = out.At8(x, y);
                d.alpha = static_cast<A_u_char>(std::lround(sum[0] / n));
                d.red = static_cast<A_u_char>(std::lround(sum[1] / n));
                d.green = static_cast<A_u_char>(std::lround(sum[2] / n));
                d.blue = static_cast<A_u_char>(std::lround(sum[3] / n));
            }
        }
    }
    return out;
}

// The part of `output` (whose top-left lies at `left`, `top` in layer
// coordinates) that covers the layer (0, 0) to (width, height); pixels the
// output does not cover stay transparent.
simhost::Image Cropped(const simhost::Image& output, A_long left, A_long top, A_long width,
                       A_long height) {
    simhost::Image out = simhost::Image::Make(width, height, output.format);
    const A_long bytes = simhost::BytesPerPixel(output.format);
    for (A_long y = 0; y < height; ++y) {
        const A_long sy = y - top;
        if (sy < 0 || sy >= output.height) {
            continue;
        }
        const A_long x0 = std::max<A_long>(0, left), x1 = std::min(width, left + output.width);
        if (x0 < x1) {
            std::memcpy(out.Row(y) + x0 * bytes, output.Row(sy) + (x0 - left) * bytes,
                        static_cast<size_t>((x1 - x0) * bytes));
        }
    }
    return out;
}

std::string RectText(const PF_LRect& r) {
    char text[96];
    std::snprintf(text, sizeof(text), "(%d, %d) - (%d, %d), %d x %d", r.left, r.top, r.right,
                  r.bottom, r.right - r.left, r.bottom - r.top);
    return text;
}

std::string RectJson(const PF_LRect& r) {
    char text[96];
    std::snprintf(text, sizeof(text), "[%d, %d, %d, %d]", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// What one frame produced, for the report.
struct FrameReport {
    int frame = 0;
    std::string input;
    int inputBits = 0;
    simhost::RenderedFrame rendered;
    int fileBits = 0;
    PF_LRect fileRect = {};  // the written image in layer coordinates
    std::string file;        // written file; empty when nothing was written
    double seconds = 0.0;
};

std::string FrameJson(const FrameReport& f, const std::string& indent) {
    const simhost::RenderedFrame& frame = f.rendered;
    const simhost::PreRenderOutcome& pre = frame.pre;
    const bool checkedOut = !pre.checkouts.empty();
    const int flags = pre.output.flags;
    std::string j;
    char line[512];
    auto add = [&](const std::string& key, const std::string& value) {
        j += (j.empty() ? "" : ",\n") + indent + JsonString(key) + ": " + value;
    };
    add("frame", std::to_string(f.frame));
    add("input", JsonString(f.input));
    add("input_bits", std::to_string(f.inputBits));
    add("pre_render_error", std::to_string(frame.preRenderErr));
    add("render_error", std::to_string(frame.err));
    add("host_request", RectJson(pre.request.rect));
    add("input_request", checkedOut ? RectJson(pre.checkouts.front().request.rect) : "null");
    add("result_rect", RectJson(pre.output.result_rect));
    add("max_result_rect", RectJson(pre.output.max_result_rect));
    add("flags", std::to_string(flags));
    add("returns_extra_pixels",
        (flags & PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) ? "true" : "false");
    if (frame.hasOutput) {
        std::snprintf(line, sizeof(line),
                      "{\"width\": %d, \"height\": %d, \"layer_x\": %d, \"layer_y\": %d, "
                      "\"bits\": %d}",
                      frame.output.width, frame.output.height, frame.rect.left, frame.rect.top,
                      simhost::BitDepthOf(frame.output.format));
        add("output", line);
    } else {
        add("output", "null");
    }
    add("written", f.file.empty() ? "false" : "true");
    add("file", f.file.empty() ? "null" : JsonString(f.file));
    if (!f.file.empty()) {
        std::snprintf(line, sizeof(line),
                      "{\"bits\": %d, \"layer_x\": %d, \"layer_y\": %d, \"width\": %d, "
                      "\"height\": %d}",
                      f.fileBits, f.fileRect.left, f.fileRect.top,
                      f.fileRect.right - f.fileRect.left, f.fileRect.bottom - f.fileRect.top);
        add("file_image", line);
    }
    return j;
}

void FrameText(std::FILE* out, const FrameReport& f) {
    const simhost::RenderedFrame& frame = f.rendered;
    const simhost::PreRenderOutcome& pre = frame.pre;
    const int flags = pre.output.flags;
    std::fprintf(out, "input               %s (%d bits)\n", f.input.c_str(), f.inputBits);
    std::fprintf(out, "host request        %s\n", RectText(pre.request.rect).c_str());
    if (!pre.checkouts.empty()) {
        std::fprintf(out, "input requested     %s\n",
                     RectText(pre.checkouts.front().request.rect).c_str());
    }
    std::fprintf(out, "result_rect         %s\n", RectText(pre.output.result_rect).c_str());
    std::fprintf(out, "max_result_rect     %s\n", RectText(pre.output.max_result_rect).c_str());
    std::fprintf(
        out, "flags               0x%x%s\n", flags,
        (flags & PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) ? " (RETURNS_EXTRA_PIXELS)" : "");
    std::fprintf(out, "pre-render result   %d\n", frame.preRenderErr);
    std::fprintf(out, "render result       %d\n", frame.err);
    if (frame.hasOutput) {
        std::fprintf(out, "output              %d x %d, %d bits, top-left at layer (%d, %d)\n",
                     frame.output.width, frame.output.height,
                     simhost::BitDepthOf(frame.output.format), frame.rect.left, frame.rect.top);
    }
    if (!f.file.empty()) {
        std::fprintf(out, "written             %s (%d bits, top-left at layer (%d, %d))\n",
                     f.file.c_str(), f.fileBits, f.fileRect.left, f.fileRect.top);
    }
}

// While it lives, the process's standard output goes to standard error, so
// that what the module prints (its diagnostics go to standard output) never
// mixes into the tool's report; the report goes to `report`, the original
// standard output.
class ReportStream {
  public:
    ReportStream() {
        std::fflush(stdout);
        const int saved = dup(1);
        report_ = saved >= 0 ? fdopen(saved, "w") : nullptr;
        if (report_ != nullptr) {
            dup2(2, 1);
        } else {
            if (saved >= 0) {
                close(saved);
            }
            report_ = stdout;
        }
    }
    ~ReportStream() {
        if (report_ == stdout) {
            return;
        }
        std::fflush(stdout);
        std::fflush(report_);
        dup2(fileno(report_), 1);
        std::fclose(report_);
    }
    ReportStream(const ReportStream&) = delete;
    ReportStream& operator=(const ReportStream&) = delete;

    std::FILE* Get() const { return report_; }

  private:
    std::FILE* report_ = nullptr;
};

// Everything a run needs, checked before the module renders anything.
struct Plan {
    std::vector<int> frames;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    ImageKind kind = ImageKind::kNone;
};

Failure CheckPlan(const Options& o, bool demo, Plan* plan) {
    plan->kind = KindOf(o.output);
    if (plan->kind == ImageKind::kNone) {
        return {2, o.output + ": the output must be a .png or .exr file"};
    }
    if (o.depth != 0) {
        const bool png = plan->kind == ImageKind::kPng;
        if ((png && o.depth != 8 && o.depth != 16) || (!png && o.depth != 16 && o.depth != 32)) {
            return {2,
                    std::string("--depth for ") + (png ? ".png is 8 or 16" : ".exr is 16 or 32")};
        }
    }
    // A '%' that is no frame number field is an ordinary character in the
    // name of a still.
    std::string outError, inError;
    const bool outPattern = IsFramePattern(o.output, &outError);
    const bool inPattern = !demo && IsFramePattern(o.input, &inError);
    if (o.sequence && !(outError + inError).empty()) {
        return {2, outError.empty() ? inError : outError};
    }
    if (o.sequence != outPattern || (!demo && o.sequence != inPattern)) {
        return {2, o.sequence ? "--frames needs a frame number field (%04d) in --in and --out"
                              : "a frame number field (%04d) in a file name needs --frames"};
    }
    const std::string folder = FolderOf(o.output);
    struct stat st;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return {2, o.output + ": the folder " + folder + " does not exist"};
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return {2, o.output + ": the folder " + folder + " is not writable"};
    }
    for (int n = o.firstFrame; n <= o.lastFrame; ++n) {
        plan->frames.push_back(n);
        plan->outputs.push_back(o.sequence ? FrameFileName(o.output, n) : o.output);
        plan->inputs.push_back(o.sequence ? FrameFileName(o.input, n) : o.input);
        if (demo) {
            continue;
        }
        const std::string& in = plan->inputs.back();
        std::string error;
        if (access(in.c_str(), R_OK) != 0) {
            return {2, in + ": " + std::strerror(errno)};
        }
        if (!CheckImageFile(in, &error)) {
            return {2, error};
        }
        if (plan->outputs.back() == in || SameFile(in, plan->outputs.back())) {
            return {2, in + ": the output would overwrite the input"};
        }
    }
    return {};
}

// Writes `frame`'s output as the options ask, under a temporary name that is
// renamed to `path` once the file is complete.
Failure WriteFrame(const Options& o, const Plan& plan, const std::string& path,
                   const simhost::Image& layer, FrameReport* report) {
    const simhost::RenderedFrame& frame = report->rendered;
    WriteOptions w;
    const bool isFloat = frame.output.format == PF_PixelFormat_ARGB128;
    w.bits = o.depth != 0 ? o.depth : (plan.kind == ImageKind::kExr ? 32 : (isFloat ? 16 : 8));
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
    const std::string temporary = path + ".partial-" + std::to_string(getpid());
    std::string error;
    if (!WriteImageFile(temporary, plan.kind, *image, w, &error)) {
        std::remove(temporary.c_str());
        return {1, error};
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return {1, path + ": " + reason};
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
            text += " (out of memory: the output, " + std::to_string(frame.output.width) + " x " +
                    std::to_string(frame.output.height) +
                    " pixels, may exceed the GPU's largest texture, GL_MAX_TEXTURE_SIZE)";
        }
        return text;
    }
    return frame.hasOutput ? "" : "the host handed out no output";
}

void PrintProgressLine(const Options& o, std::FILE* to, const Plan& plan, size_t done,
                       double seconds, double elapsed) {
    if (o.quiet || !o.sequence) {
        return;
    }
    const double left =
        elapsed / static_cast<double>(done) * static_cast<double>(plan.frames.size() - done);
    std::fprintf(to, "frame %d (%zu of %zu): %.1f s, %.1f s elapsed, about %.0f s left\n",
                 plan.frames[done - 1], done, plan.frames.size(), seconds, elapsed, left);
    std::fflush(to);
}

// Renders the plan's frames through one loaded module: global set-up once,
// then the frames in order. `first` is the already read first input.
Failure RenderPlan(const Options& o, const Plan& plan, ReadResult first,
                   const std::vector<std::string>& presets, std::vector<FrameReport>* reports) {
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
        // What a host's progress bar would show, on one line that is rewritten.
        host.settings.progressObserver = [&frameStart](A_long count, A_long total) {
            const double s = std::chrono::duration<double>(Clock::now() - frameStart).count();
            std::fprintf(stderr, "\rprogress %3ld %% (%ld of %ld draws), %.1f s%s",
                         static_cast<long>(total > 0 ? count * 100 / total : 100),
                         static_cast<long>(count), static_cast<long>(total), s,
                         count == total ? "\n" : "");
            std::fflush(stderr);
        };
    }
    Failure failure;
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
    // A frame larger than the GPU's textures cannot render; say so before
    // trying rather than pass on the module's out-of-memory error.
    const int limit = failure.status == 0 ? GpuTextureLimit() : 0;
    if (failure.status == 0 && limit == 0) {
        failure = {1,
                   "no OpenGL 3.2 core-profile context can be made on this machine (no EGL "
                   "device or driver; see Troubleshooting in README.md)"};
    }
    const Clock::time_point start = Clock::now();
    for (size_t i = 0; i < plan.frames.size() && failure.status == 0; ++i) {
        if (gInterrupted) {
            failure = {130, "interrupted: frames " + std::to_string(plan.frames[i]) + " to " +
                                std::to_string(plan.frames.back()) + " were not rendered"};
            break;
        }
        frameStart = Clock::now();
        std::string error;
        if (i > 0 && !ReadImageFile(plan.inputs[i], &first, &error)) {
            failure = {1, error};
            break;
        }
        FrameReport f;
        f.frame = plan.frames[i];
        f.input = plan.inputs[i];
        f.inputBits = first.fileBits;
        const simhost::Image layer = Downsampled(first.image, o.downsample);
        host.settings.layerWidth = first.image.width;
        host.settings.layerHeight = first.image.height;
        host.settings.currentTime = plan.frames[i];
        host.SetInputLayer(layer);
        const simhost::PreRenderOutcome pre = host.PreRender();
        const PF_LRect& r = pre.output.result_rect;
        if (pre.err == PF_Err_NONE && (r.right - r.left > limit || r.bottom - r.top > limit)) {
            f.rendered.pre = pre;
            reports->push_back(f);
            failure = {2, "frame " + std::to_string(f.frame) + ": the output, " +
                              std::to_string(r.right - r.left) + " x " +
                              std::to_string(r.bottom - r.top) +
                              " pixels, exceeds this GPU's largest texture, " +
                              std::to_string(limit) + " pixels a side (GL_MAX_TEXTURE_SIZE)"};
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

void PrintReport(const Options& o, std::FILE* out, const std::vector<FrameReport>& reports,
                 const Failure& failure) {
    const std::string error = failure.status == 0 ? "null" : JsonString(failure.message);
    if (o.json) {
        if (!o.sequence && reports.size() == 1) {
            std::fprintf(out, "{\n%s,\n  \"error\": %s\n}\n", FrameJson(reports[0], "  ").c_str(),
                         error.c_str());
            return;
        }
        size_t written = 0;
        std::string frames;
        for (const FrameReport& f : reports) {
            written += f.file.empty() ? 0 : 1;
            frames +=
                (frames.empty() ? "\n    {\n" : ",\n    {\n") + FrameJson(f, "      ") + "\n    }";
        }
        std::fprintf(out,
                     "{\n  \"frames\": [%s],\n  \"frames_written\": %zu,\n  \"error\": %s\n}\n",
                     frames.c_str(), written, error.c_str());
        return;
    }
    if (!o.sequence) {
        for (const FrameReport& f : reports) {
            FrameText(out, f);
        }
        return;
    }
    size_t written = 0;
    for (const FrameReport& f : reports) {
        written += f.file.empty() ? 0 : 1;
    }
    if (!reports.empty()) {
        std::fprintf(out, "frames written      %zu, %s to %s\n", written,
                     reports.front().file.c_str(), reports.back().file.c_str());
    }
}

// Checks, renders and reports. `card` is the demo's layer (empty for render).
int Run(const Options& o, bool demo, const ReadResult* card,
        const std::vector<std::string>& presets) {
    Plan plan;
    Failure failure = CheckPlan(o, demo, &plan);
    ReadResult first;
    if (failure.status == 0) {
        std::string error;
        if (card != nullptr) {
            first = *card;
        } else if (!ReadImageFile(plan.inputs.front(), &first, &error)) {
            failure = {2, error};
        }
    }
    std::vector<FrameReport> reports;
    struct sigaction previous = {};
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, &previous);
    {
        const ReportStream report;
        if (failure.status == 0) {
            failure = RenderPlan(o, plan, first, presets, &reports);
        }
        if (failure.status != 0) {
            std::fprintf(stderr, "hlv3host: %s\n", failure.message.c_str());
        }
        if (!reports.empty() || o.json) {
            PrintReport(o, report.Get(), reports, failure);
        }
    }
    sigaction(SIGINT, &previous, nullptr);
    return failure.status;
}

void PrintRenderUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host render --in IMAGE --out IMAGE [options]\n"
                 "  --in FILE          input: .png (8 or 16 bits) or .exr (half or float);\n"
                 "                     8-bit PNG renders in 8 bits, the others in 32-bit float\n"
                 "  --out FILE         output: .png or .exr; holds the grown output, its\n"
                 "                     position in the layer stored in the file (PNG oFFs,\n"
                 "                     EXR data window)\n"
                 "  --depth N          output bits per channel: .png 8 or 16 (default 16 for a\n"
                 "                     float render, else 8), .exr 32 (default) or 16 (half)\n"
                 "  --crop             write exactly the layer's rectangle\n"
                 "  --set NAME=VALUE   set a parameter by its name (any case), e.g.\n"
                 "                     --set Position=40 --set \"Channels=Red & Green\";\n"
                 "                     'hlv3host params' lists names, units and valid ranges;\n"
                 "                     values outside the range are refused; may be repeated\n"
                 "  --frames A-B       render a sequence: --in shot.%%04d.png --out out.%%04d.exr\n"
                 "  --downsample N     render at 1/N resolution (N = 1 to 64)\n"
                 "  --adjustment       apply the effect as on an adjustment layer\n"
                 "  --module FILE      the effect module (default: HLV3.so next to the tool)\n"
                 "  --json             print the report as JSON (with an \"error\" field)\n"
                 "  -q, --quiet        no progress lines on standard error\n"
                 "Exit status: 0 done, 1 render or write failed, 2 bad arguments or input,\n"
                 "130 interrupted (Ctrl-C stops a sequence after the current frame).\n");
}

void PrintDemoUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host demo [--out IMAGE] [options]\n"
                 "  renders the built-in 640 x 360 test card with a preset look\n"
                 "  --out FILE         output .png or .exr (default hlv3-demo.png)\n"
                 "  --card FILE        also write the card itself (the 'before' picture)\n"
                 "  --8bit             render the card in 8 bits instead of float\n"
                 "  --set, --depth, --crop, --downsample, --adjustment, --module, --json,\n"
                 "  -q                 as for 'hlv3host render' (see render --help)\n");
}

// Reports a bad command line: one line on standard error and, when --json
// is anywhere on the line, a JSON report with the error. Returns 2.
int BadArguments(int argc, char** argv, const std::string& message) {
    std::fprintf(stderr, "hlv3host: %s\n", message.c_str());
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            std::printf("{\n  \"written\": false,\n  \"error\": %s\n}\n",
                        JsonString(message).c_str());
            break;
        }
    }
    return 2;
}

// Parses the options shared by render and demo. Returns -1 to go on, else
// the exit status.
int ParseOptions(int argc, char** argv, Options* o, bool demo) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string value;
        const bool takesValue = a == "--in" || a == "--out" || a == "--set" || a == "--module" ||
                                a == "--downsample" || a == "--depth" || a == "--frames" ||
                                a == "--card";
        if (takesValue) {
            if (i + 1 >= argc) {
                return BadArguments(argc, argv, a + " needs a value");
            }
            value = argv[++i];
        }
        if (a == "--help" || a == "-h") {
            demo ? PrintDemoUsage(stdout) : PrintRenderUsage(stdout);
            return 0;
        } else if (a == "--in" && !demo) {
            o->input = value;
        } else if (a == "--card" && demo) {
            o->card = value;
        } else if (a == "--out") {
            o->output = value;
        } else if (a == "--set") {
            o->sets.push_back(value);
        } else if (a == "--module") {
            o->module = value;
        } else if (a == "--downsample") {
            if (!ParseWhole(value, 1, 64, &o->downsample)) {
                return BadArguments(argc, argv, "--downsample takes a whole number 1 to 64");
            }
        } else if (a == "--depth") {
            if (!ParseWhole(value, 8, 32, &o->depth)) {
                return BadArguments(argc, argv, "--depth takes 8, 16 or 32");
            }
        } else if (a == "--frames" && !demo) {
            if (!ParseFrameRange(value, &o->firstFrame, &o->lastFrame)) {
                return BadArguments(argc, argv, "--frames takes FIRST-LAST, e.g. 1-48");
            }
            o->sequence = true;
        } else if (a == "--adjustment") {
            o->adjustment = true;
        } else if (a == "--json") {
            o->json = true;
        } else if (a == "--crop") {
            o->crop = true;
        } else if (a == "-q" || a == "--quiet") {
            o->quiet = true;
        } else if (a == "--8bit" && demo) {
            o->eightBit = true;
        } else {
            demo ? PrintDemoUsage(stderr) : PrintRenderUsage(stderr);
            return BadArguments(argc, argv, "unknown argument '" + a + "'");
        }
    }
    return -1;
}

}  // namespace

int RunRender(int argc, char** argv) {
    Options o;
    const int parsed = ParseOptions(argc, argv, &o, false);
    if (parsed >= 0) {
        return parsed;
    }
    if (o.input.empty() || o.output.empty()) {
        PrintRenderUsage(stderr);
        return BadArguments(argc, argv, "render needs --in and --out");
    }
    return Run(o, false, nullptr, {});
}

int RunDemo(int argc, char** argv) {
    Options o;
    const int parsed = ParseOptions(argc, argv, &o, true);
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
    card.image = MakeTestCard(640, 360, !o.eightBit);
    card.fileBits = o.eightBit ? 8 : 32;
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
    return Run(o, true, &card, preset);
}
