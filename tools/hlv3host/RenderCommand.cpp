// `render` and `demo`: one frame through the effect module, loaded the way
// the host loads it, driven by the simulated host.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/ImageFiles.h"
#include "tools/hlv3host/TestCard.h"

namespace {

struct Options {
    std::string module;
    std::string input;
    std::string output;
    std::vector<std::string> sets;
    int downsample = 1;
    bool adjustment = false;
    bool json = false;
    bool eightBit = false;  // demo only: render the card as 8-bit instead of float
};

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) {
        return "";
    }
    const size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool ParseNumber(const std::string& text, double* value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end == text.c_str() || *end != '\0' || !std::isfinite(v)) {
        return false;
    }
    *value = v;
    return true;
}

// Sets one parameter from "Displayed Name=value": sliders take numbers,
// angles degrees, checkboxes on/off (or 1/0, true/false), popups the text of
// a choice (or its 1-based number).
bool ApplySetting(simhost::Host& host, const std::string& setting, std::string* error) {
    const size_t eq = setting.find('=');
    if (eq == std::string::npos) {
        *error = "--set needs NAME=VALUE, got '" + setting + "'";
        return false;
    }
    const std::string name = Trim(setting.substr(0, eq));
    const std::string value = Trim(setting.substr(eq + 1));
    const std::vector<PF_ParamDef>& params = host.AddedParams();
    for (size_t i = 0; i < params.size(); ++i) {
        const PF_ParamDef& def = params[i];
        if (name.empty() || name != def.name) {
            continue;
        }
        PF_ParamDef& current = host.Param(static_cast<PF_ParamIndex>(i + 1));
        double number = 0.0;
        switch (def.param_type) {
            case PF_Param_FLOAT_SLIDER:
                if (!ParseNumber(value, &number)) {
                    break;
                }
                current.u.fs_d.value = number;
                return true;
            case PF_Param_SLIDER:
                if (!ParseNumber(value, &number)) {
                    break;
                }
                current.u.sd.value = static_cast<PF_ParamValue>(std::lround(number));
                return true;
            case PF_Param_ANGLE:
                if (!ParseNumber(value, &number)) {
                    break;
                }
                current.u.ad.value = static_cast<PF_Fixed>(std::lround(number * 65536.0));
                return true;
            case PF_Param_CHECKBOX:
                if (value == "on" || value == "1" || value == "true") {
                    current.u.bd.value = 1;
                    return true;
                }
                if (value == "off" || value == "0" || value == "false") {
                    current.u.bd.value = 0;
                    return true;
                }
                break;
            case PF_Param_POPUP: {
                const std::string choices = def.u.pd.u.namesptr ? def.u.pd.u.namesptr : "";
                std::stringstream list(choices);
                std::string choice;
                for (int n = 1; std::getline(list, choice, '|'); ++n) {
                    if (choice == value && choice != "(-") {
                        current.u.pd.value = n;
                        return true;
                    }
                }
                if (ParseNumber(value, &number) && number >= 1 && number <= def.u.pd.num_choices) {
                    current.u.pd.value = static_cast<PF_ParamValue>(number);
                    return true;
                }
                *error = "'" + value + "' is not a choice of " + name + " (" + choices + ")";
                return false;
            }
            default:
                *error = name + " cannot be set from the command line";
                return false;
        }
        *error = "'" + value + "' is not a valid value for " + name;
        return false;
    }
    *error = "no parameter is named '" + name + "'";
    return false;
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

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof(esc), "\\u%04x", c);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void Report(const Options& o, const simhost::RenderedFrame& frame) {
    const simhost::PreRenderOutcome& pre = frame.pre;
    const bool checkedOut = !pre.checkouts.empty();
    const PF_LRect inputRequest = checkedOut ? pre.checkouts.front().request.rect : PF_LRect{};
    const int flags = pre.output.flags;
    if (o.json) {
        std::printf("{\n");
        std::printf("  \"pre_render_error\": %d,\n", frame.preRenderErr);
        std::printf("  \"render_error\": %d,\n", frame.err);
        std::printf("  \"host_request\": %s,\n", RectJson(pre.request.rect).c_str());
        std::printf("  \"input_request\": %s,\n",
                    checkedOut ? RectJson(inputRequest).c_str() : "null");
        std::printf("  \"result_rect\": %s,\n", RectJson(pre.output.result_rect).c_str());
        std::printf("  \"max_result_rect\": %s,\n", RectJson(pre.output.max_result_rect).c_str());
        std::printf("  \"flags\": %d,\n", flags);
        std::printf("  \"returns_extra_pixels\": %s,\n",
                    (flags & PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) ? "true" : "false");
        if (frame.hasOutput) {
            std::printf(
                "  \"output\": {\"width\": %d, \"height\": %d, \"layer_x\": %d, \"layer_y\": %d, "
                "\"bits\": %d},\n",
                frame.output.width, frame.output.height, frame.rect.left, frame.rect.top,
                simhost::BitDepthOf(frame.output.format));
        } else {
            std::printf("  \"output\": null,\n");
        }
        std::printf("  \"file\": %s\n}\n", JsonString(o.output).c_str());
        return;
    }
    std::printf("host request        %s\n", RectText(pre.request.rect).c_str());
    if (checkedOut) {
        std::printf("input requested     %s\n", RectText(inputRequest).c_str());
    }
    std::printf("result_rect         %s\n", RectText(pre.output.result_rect).c_str());
    std::printf("max_result_rect     %s\n", RectText(pre.output.max_result_rect).c_str());
    std::printf(
        "flags               0x%x%s\n", flags,
        (flags & PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS) ? " (RETURNS_EXTRA_PIXELS)" : "");
    std::printf("pre-render result   %d\n", frame.preRenderErr);
    std::printf("render result       %d\n", frame.err);
    if (frame.hasOutput) {
        std::printf("output              %d x %d, %d bits, top-left at layer (%d, %d)\n",
                    frame.output.width, frame.output.height,
                    simhost::BitDepthOf(frame.output.format), frame.rect.left, frame.rect.top);
    }
    if (!o.output.empty()) {
        std::printf("written             %s\n", o.output.c_str());
    }
}

// Runs one frame of `layer` through the module with the options' settings
// and writes the output. Returns the exit status.
int RenderWithModule(const Options& o, const simhost::Image& layer,
                     const std::vector<std::string>& presets) {
    const simhost::Module module(o.module);
    if (!module.Loaded() || !module.EffectMain()) {
        std::fprintf(stderr, "hlv3host: %s\n", module.Error().c_str());
        return 1;
    }
    std::string error;
    simhost::Host host;
    host.SetEntry(module.EffectMain());
    host.settings.downsampleX = {1, static_cast<A_u_long>(o.downsample)};
    host.settings.downsampleY = {1, static_cast<A_u_long>(o.downsample)};
    host.settings.layerWidth = layer.width;
    host.settings.layerHeight = layer.height;
    host.settings.layerFlags = o.adjustment ? AEGP_LayerFlag_ADJUSTMENT_LAYER : 0;
    // What a host's progress bar would show, on one line that is rewritten.
    host.settings.progressObserver = [](A_long count, A_long total) {
        std::fprintf(stderr, "\rprogress %3ld %% (%ld of %ld draws)%s",
                     static_cast<long>(count * 100 / total), static_cast<long>(count),
                     static_cast<long>(total), count == total ? "\n" : "");
        std::fflush(stderr);
    };

    int status = 0;
    if (const PF_Err err = host.Setup()) {
        std::fprintf(stderr, "hlv3host: set-up failed with %d\n", err);
        status = 1;
    }
    for (const std::string& s : presets) {
        if (status == 0 && !ApplySetting(host, s, &error)) {
            std::fprintf(stderr, "hlv3host: preset: %s\n", error.c_str());
            status = 1;
        }
    }
    for (const std::string& s : o.sets) {
        if (status == 0 && !ApplySetting(host, s, &error)) {
            std::fprintf(stderr, "hlv3host: %s\n", error.c_str());
            status = 2;
        }
    }
    if (status == 0) {
        host.SetInputLayer(Downsampled(layer, o.downsample));
        const simhost::RenderedFrame frame = host.RenderFrame();
        if (frame.preRenderErr != PF_Err_NONE || frame.err != PF_Err_NONE || !frame.hasOutput) {
            status = 1;
        } else if (!o.output.empty() && !WriteImageFile(o.output, frame.output, &error)) {
            std::fprintf(stderr, "hlv3host: %s\n", error.c_str());
            status = 1;
        }
        Report(o, frame);
    }
    host.GlobalSetdown();
    for (const std::string& v : host.Finish()) {
        std::fprintf(stderr, "hlv3host: host check: %s\n", v.c_str());
        status = status ? status : 1;
    }
    return status;
}

// The tool's own path, for finding the module next to it.
std::string SelfDirectory() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0) {
        return ".";
    }
    path[n] = '\0';
    std::string self = path;
    const size_t slash = self.rfind('/');
    return slash == std::string::npos ? "." : self.substr(0, slash);
}

void PrintRenderUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host render --in IMAGE --out IMAGE [options]\n"
                 "  --in FILE          input still: .png (8-bit) or .exr (32-bit float)\n"
                 "  --out FILE         output: .png or .exr (the grown output buffer)\n"
                 "  --set NAME=VALUE   set a parameter by its displayed name, e.g.\n"
                 "                     --set \"Position=40\" --set \"Channels=Red & Green\"\n"
                 "                     (angles in degrees, popups by choice text,\n"
                 "                     checkboxes on/off); may be repeated\n"
                 "  --downsample N     render at 1/N resolution (N = 1, 2, 3, 4, ...)\n"
                 "  --adjustment       apply the effect as on an adjustment layer\n"
                 "  --module FILE      the effect module (default: HLV3.so next to the tool)\n"
                 "  --json             print what the host learned as JSON\n");
}

// Parses the options shared by render and demo. Returns -1 to go on, else
// the exit status.
int ParseOptions(int argc, char** argv, Options* o, bool demo) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&](std::string* value) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "hlv3host: %s needs a value\n", a.c_str());
                return false;
            }
            *value = argv[++i];
            return true;
        };
        std::string value;
        if (a == "--help" || a == "-h") {
            PrintRenderUsage(stdout);
            return 0;
        } else if (a == "--in" && !demo) {
            if (!next(&o->input)) {
                return 2;
            }
        } else if (a == "--out") {
            if (!next(&o->output)) {
                return 2;
            }
        } else if (a == "--set") {
            if (!next(&value)) {
                return 2;
            }
            o->sets.push_back(value);
        } else if (a == "--module") {
            if (!next(&o->module)) {
                return 2;
            }
        } else if (a == "--downsample") {
            double n = 0;
            if (!next(&value) || !ParseNumber(value, &n) || n < 1 || n > 64 || n != std::floor(n)) {
                std::fprintf(stderr, "hlv3host: --downsample takes a whole number 1 to 64\n");
                return 2;
            }
            o->downsample = static_cast<int>(n);
        } else if (a == "--adjustment") {
            o->adjustment = true;
        } else if (a == "--json") {
            o->json = true;
        } else if (a == "--8bit" && demo) {
            o->eightBit = true;
        } else {
            std::fprintf(stderr, "hlv3host: unknown argument '%s'\n", a.c_str());
            PrintRenderUsage(stderr);
            return 2;
        }
    }
    if (o->module.empty()) {
        o->module = SelfDirectory() + "/HLV3.so";
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
        return 2;
    }
    simhost::Image layer;
    std::string error;
    if (!ReadImageFile(o.input, &layer, &error)) {
        std::fprintf(stderr, "hlv3host: %s\n", error.c_str());
        return 1;
    }
    return RenderWithModule(o, layer, {});
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
    const simhost::Image card = MakeTestCard(640, 360, !o.eightBit);
    return RenderWithModule(o, card, preset);
}
