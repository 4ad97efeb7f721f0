#include "tools/hlv3host/RenderOptions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/FramePattern.h"
#include "tools/hlv3host/GpuLimit.h"
#include "tools/hlv3host/OutputFile.h"
#include "tools/hlv3host/RenderReport.h"

namespace {

bool ParseWhole(const std::string& text, int lo, int hi, int* value) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < lo || v > hi) {
        return false;
    }
    *value = static_cast<int>(v);
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

RunFailure CheckPlan(const RenderOptions& o, bool demo, FramePlan* plan) {
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
    std::set<std::pair<dev_t, ino_t>> inputFiles;
    for (int n = o.firstFrame; n <= o.lastFrame; ++n) {
        plan->frames.push_back(n);
        plan->outputs.push_back(o.sequence ? FrameFileName(o.output, n) : o.output);
        plan->inputs.push_back(o.sequence ? FrameFileName(o.input, n) : o.input);
        const std::string problem = OutputPathProblem(plan->outputs.back());
        if (!problem.empty()) {
            return {2, problem};
        }
        if (demo) {
            continue;
        }
        const std::string& in = plan->inputs.back();
        std::string error;
        if (access(in.c_str(), R_OK) != 0) {
            return {2, in + ": " + std::strerror(errno)};
        }
        plan->headers.emplace_back();
        if (!CheckImageFile(in, &plan->headers.back(), &error)) {
            return {2, error};
        }
        const ImageHeader& h = plan->headers.back();
        const std::string size = FrameSizeProblem(in + ": the layer", h.width, h.height, 0);
        const std::string stored =
            FrameSizeProblem(in + ": the stored pixels", h.storedPixels, 1, 0);
        if (!size.empty() || !stored.empty()) {
            return {2, size.empty() ? stored : size};
        }
        struct stat st;
        if (plan->outputs.back() == in || SameFile(in, plan->outputs.back())) {
            return {2, in + ": the output would overwrite the input"};
        }
        if (stat(in.c_str(), &st) == 0) {
            inputFiles.emplace(st.st_dev, st.st_ino);
        }
    }
    // An output that is the input of another frame would be read after the
    // effect wrote it.
    for (size_t i = 0; i < plan->outputs.size() && !demo; ++i) {
        struct stat st;
        if (stat(plan->outputs[i].c_str(), &st) == 0 &&
            inputFiles.count({st.st_dev, st.st_ino}) != 0) {
            return {2, plan->outputs[i] + ": the output of frame " +
                           std::to_string(plan->frames[i]) +
                           " is the input of another frame of the range"};
        }
    }
    return {};
}

void PrintRenderUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host render --in IMAGE --out IMAGE [options]\n"
                 "  --in FILE          input: .png (8 or 16 bits, straight colour) or .exr\n"
                 "                     (half or float, premultiplied colour)\n"
                 "  --bpc 8|16|32      the project's bits per channel, the depth the effect\n"
                 "                     renders at (default: 8 or 16 as the PNG, 32 for EXR)\n"
                 "  --out FILE         output: .png or .exr; holds the grown output, its\n"
                 "                     position in the layer stored in the file (PNG oFFs,\n"
                 "                     EXR data window)\n"
                 "  --depth N          output bits per channel: .png 8 or 16 (default 16 for a\n"
                 "                     16- or 32-bit render, else 8), .exr 32 (default) or\n"
                 "                     16 (half)\n"
                 "  --crop             write exactly the layer's rectangle\n"
                 "  --set NAME=VALUE   set a parameter by its name (any case), e.g.\n"
                 "                     --set Position=40 --set \"Channels=Red & Green\";\n"
                 "                     'hlv3host params' lists names, units and valid ranges;\n"
                 "                     values outside the range are refused; may be repeated\n"
                 "  --frames A-B       render a sequence: --in shot.%%04d.png --out out.%%04d.exr\n"
                 "  --downsample N     render at 1/N resolution (N = 1 to 64)\n"
                 "  --adjustment       apply the effect as on an adjustment layer\n"
                 "  --renderer R       auto (default: the GPU when an OpenGL 3.2 core context\n"
                 "                     can be made and the frame fits its textures, else the\n"
                 "                     CPU), gpu (the GPU or an error) or cpu\n"
                 "  --module FILE      the effect module (default: HLV3.so next to the tool)\n"
                 "  --json             print the report as JSON (with an \"error\" field)\n"
                 "  -q, --quiet        no progress lines on standard error\n"
                 "Exit status: 0 done, 1 render or write failed, 2 bad arguments or input,\n"
                 "130 interrupted (Ctrl-C, SIGTERM or SIGHUP stop after the frame in flight;\n"
                 "a second one stops at once).\n");
}

void PrintDemoUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host demo [--out IMAGE] [options]\n"
                 "  renders the built-in 640 x 360 test card with a preset look\n"
                 "  --out FILE         output .png or .exr (default hlv3-demo.png)\n"
                 "  --card FILE        also write the card itself (the 'before' picture)\n"
                 "  --8bit             render the card in 8 bits instead of float\n"
                 "  --set, --depth, --crop, --downsample, --adjustment, --renderer,\n"
                 "  --module, --json, -q as for 'hlv3host render' (see render --help)\n");
}

int BadArguments(int argc, char** argv, const std::string& message) {
    std::fprintf(stderr, "hlv3host: %s\n", message.c_str());
    if (WantsJson(argc, argv)) {
        PrintJsonReport(stdout, {}, {2, message});
    }
    return 2;
}

int ParseRenderOptions(int argc, char** argv, RenderOptions* o, bool demo) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string value;
        const bool takesValue = a == "--in" || a == "--out" || a == "--set" || a == "--module" ||
                                a == "--downsample" || a == "--depth" || a == "--bpc" ||
                                a == "--frames" || a == "--card" || a == "--renderer";
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
            if (!ParseWhole(value, 8, 32, &o->depth) ||
                (o->depth != 8 && o->depth != 16 && o->depth != 32)) {
                return BadArguments(argc, argv, "--depth takes 8, 16 or 32");
            }
        } else if (a == "--bpc") {
            if (value != "8" && value != "16" && value != "32") {
                return BadArguments(argc, argv, "--bpc takes 8, 16 or 32");
            }
            o->bpc = std::atoi(value.c_str());
        } else if (a == "--frames" && !demo) {
            if (!ParseFrameRange(value, &o->firstFrame, &o->lastFrame)) {
                return BadArguments(argc, argv, "--frames takes FIRST-LAST, e.g. 1-48");
            }
            o->sequence = true;
        } else if (a == "--renderer") {
            if (value != "auto" && value != "gpu" && value != "cpu") {
                return BadArguments(argc, argv, "--renderer takes auto, gpu or cpu");
            }
            o->renderer = value == "auto"  ? RendererChoice::kAuto
                          : value == "gpu" ? RendererChoice::kGpu
                                           : RendererChoice::kCpu;
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
