// `bench`: where the time of a frame goes. Runs the system's own frame steps
// (copy-in callbacks, upload, each pass, read-back) one at a time with a GL
// fence between them, measured from here so that the system itself carries no
// timing code, and relates each figure to a bilinear-fetch floor: a pass of
// the same size that only reads the texture as often as the measured step.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "context/Context.h"
#include "gl/GLApi.h"
#include "gl/Quad.h"
#include "gl/Programs.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "render/RenderSettings.h"
#include "shaders/ShaderSources.h"
#include "simhost/Image.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/TestCard.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// Reads the texture `readsL` times per fragment, summing the samples: the
// cheapest pass that does as many texture reads as a measured one.
const char kFloorFrag[] = R"(
#version 330
uniform sampler2D videoTexture;
uniform int readsL;
in vec2 out_uvs;
out vec4 FragColour;
void main() {
    vec4 acc = vec4(0.0);
    for (int i = 0; i < readsL; ++i) {
        acc += texture(videoTexture, out_uvs + vec2(float(i) * 0.000001, 0.0));
    }
    FragColour = acc;
}
)";

struct Case {
    const char* name;
    int samples;         // PARAM_SAMPLES choice
    double sampleCount;  // Fixed only
    double blur;
};

struct Stage {
    std::string name;
    double ms = 0;
    int reads = 0;  // texture reads per output pixel, 0 for CPU or transfer steps
    double floorMs = 0;
};

PF_EffectWorld WorldOf(simhost::Image& image) {
    PF_EffectWorld w = {};
    w.data = reinterpret_cast<PF_PixelPtr>(image.bytes.data());
    w.rowbytes = image.rowbytes;
    w.width = image.width;
    w.height = image.height;
    return w;
}

double FloorPass(GLuint program, FrameTargets* t, int reads) {
    UniformMap u;
    u["videoTexture"] = TEX2D(t->f1.renderBuffer.id);
    u["readsL"] = IVEC(reads);
    glFinish();
    const Clock::time_point t0 = Clock::now();
    RenderQuad(&t->f3, program, u, 0, A_FloatRect{0, 0, 1, 1}, 0);
    glFinish();
    return MsSince(t0);
}

// One frame, stage by stage. Accumulates into `stages` (same order each run).
void RunFrame(const GLPrograms& programs, GLuint floorProgram, int w, int h, bool isFloat,
              const Case& c, std::vector<Stage>* stages) {
    ParamValues p;
    p.samples = c.samples;
    p.sampleCount = c.sampleCount;
    p.blur = c.blur;
    p.position = 0.0;
    const BufferGeometry g{w, h, 0, 0};
    const RenderSettings s = DeriveRenderSettings(p, PF_RationalScale{1, 1}, g, g);
    const short bitdepth = isFloat ? 32 : 8;

    simhost::Image input = MakeTestCard(w, h, isFloat);
    simhost::Image temp = simhost::Image::Make(w, h, input.format);
    simhost::Image output = simhost::Image::Make(w, h, input.format);
    PF_EffectWorld tempWorld = WorldOf(temp);
    PF_EffectWorld outWorld = WorldOf(output);

    std::vector<Stage> now;
    Clock::time_point t0 = Clock::now();
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            if (isFloat) {
                CopyPixelFloatIn(nullptr, x, y, &input.AtFloat(x, y), &temp.AtFloat(x, y));
            } else {
                CopyPixel8In(nullptr, x, y, &input.At8(x, y), &temp.At8(x, y));
            }
        }
    }
    now.push_back({"copy-in (CPU, 1 thread)", MsSince(t0), 0, 0});

    FrameTargets t = {};
    if (!PrepareFrameTargets(s, w, h, w, h, bitdepth, &t)) {
        std::fprintf(stderr, "hlv3host bench: no complete framebuffer at %d x %d\n", w, h);
        ReleaseFrameTargets(&t);
        std::exit(1);
    }
    glFinish();
    t0 = Clock::now();
    UploadToTexture(t.f0.renderBuffer.id, &tempWorld, bitdepth);
    glFinish();
    now.push_back({"upload", MsSince(t0), 0, 0});

    UniformMap u;
    FrameDraws draws;
    auto pass = [&](const char* name, int reads, auto run) {
        glFinish();
        const Clock::time_point p0 = Clock::now();
        run();
        glFinish();
        now.push_back({name, MsSince(p0), reads, 0});
    };
    pass("pre-process", 1, [&] { RunPreProcessPass(programs, s, &t, &u, &draws); });
    pass("aberrate", 2 * s.sampleCount, [&] { RunAberratePass(programs, s, &t, &u, &draws); });
    const int blurReads = (2 * s.blurStepsA + 1) + (2 * s.blurStepsB + 1);
    if (s.blurEnabled) {
        pass("blur W", blurReads, [&] { RunBlurWPass(programs, s, &t, &u, &draws); });
        pass("blur H", blurReads, [&] { RunBlurHPass(programs, s, &t, &u, &draws); });
    }
    pass("post-process", 2, [&] { RunPostProcessPass(programs, s, &t, &u, &draws); });

    glFinish();
    t0 = Clock::now();
    FBOHelper::FBOtoEffectWorld(FrameOutput(t), &outWorld, bitdepth, GL_COLOR_ATTACHMENT0);
    now.push_back({"read-back", MsSince(t0), 0, 0});

    // The host's premultiply utility, done here the way a host does it.
    t0 = Clock::now();
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
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
    now.push_back({"premultiply (CPU, 1 thread)", MsSince(t0), 0, 0});

    // Floors, in the same frame's targets: one fetch for the non-pass steps.
    // The cheap floors are taken twice and the faster kept, so that a
    // driver's first touch of a new target size does not inflate them.
    for (Stage& st : now) {
        const int reads = st.reads > 0 ? st.reads : 1;
        st.floorMs = FloorPass(floorProgram, &t, reads);
        if (reads <= 64) {
            st.floorMs = std::min(st.floorMs, FloorPass(floorProgram, &t, reads));
        }
    }
    ReleaseFrameTargets(&t);

    if (stages->empty()) {
        *stages = now;
    } else {
        for (size_t i = 0; i < now.size(); ++i) {
            (*stages)[i].ms += now[i].ms;
            (*stages)[i].floorMs += now[i].floorMs;
        }
    }
}

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host bench [--frames N] [--sizes 1080,2160] [--depths 8,32]\n"
                 "                      [--cases single,auto,fixed]\n"
                 "Prints, per case, the time of each frame step and its ratio to a\n"
                 "bilinear-fetch floor pass with the same number of texture reads\n"
                 "(copy-in, upload, read-back and premultiply against a 1-read pass).\n");
}

bool Has(const std::string& list, const char* item) {
    return ("," + list + ",").find("," + std::string(item) + ",") != std::string::npos;
}

}  // namespace

int RunBench(int argc, char** argv) {
    int frames = 1;
    std::string sizes = "1080,2160", depths = "8,32", cases = "single,auto,fixed";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--frames" || a == "--sizes" || a == "--depths" || a == "--cases") &&
            i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--frames") {
                frames = std::max(1, std::atoi(v.c_str()));
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

    const GLContextHandle context = CreateContext(nullptr);
    if (!IsContextValid(context)) {
        std::fprintf(stderr, "hlv3host bench: no OpenGL 3.2 core context\n");
        return 1;
    }
    SetCurrentContext(context);
    GLPrograms programs = {};
    CreateGLPrograms(&programs);
    const ShaderParam floorParams[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, kFloorFrag}, {0, nullptr}};
    GLuint floorProgram = CreateProgram(floorParams, "");

    std::printf("renderer: %s\nGL: %s\nframes per case: %d (times are means)\n\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)), frames);

    const Case allCases[] = {{"Single", 1, 10, 0},
                             {"Auto, default transform", 3, 10, 0},
                             {"Fixed 64, blur 10", 4, 64, 10}};
    const char* caseKeys[] = {"single", "auto", "fixed"};
    const struct {
        const char* key;
        int w, h;
    } allSizes[] = {{"1080", 1920, 1080}, {"2160", 3840, 2160}};

    for (const auto& size : allSizes) {
        if (!Has(sizes, size.key)) {
            continue;
        }
        for (const int depth : {8, 32}) {
            if (!Has(depths, std::to_string(depth).c_str())) {
                continue;
            }
            for (int ci = 0; ci < 3; ++ci) {
                if (!Has(cases, caseKeys[ci])) {
                    continue;
                }
                const Case& c = allCases[ci];
                // A small frame first, so that no first-use cost (shader
                // compilation in the driver) lands in the figures.
                std::vector<Stage> warmUp;
                RunFrame(programs, floorProgram, 64, 36, depth == 32, c, &warmUp);
                std::vector<Stage> stages;
                for (int f = 0; f < frames; ++f) {
                    RunFrame(programs, floorProgram, size.w, size.h, depth == 32, c, &stages);
                }
                double total = 0;
                std::printf("### %d x %d, %s, %s\n\n", size.w, size.h,
                            depth == 32 ? "float" : "8-bit", c.name);
                std::printf("| step | reads/px | ms | floor ms | x floor |\n");
                std::printf("|---|---:|---:|---:|---:|\n");
                for (const Stage& st : stages) {
                    const double ms = st.ms / frames;
                    const double fl = st.floorMs / frames;
                    total += ms;
                    std::printf("| %s | %d | %.1f | %.1f | %.2f |\n", st.name.c_str(),
                                st.reads > 0 ? st.reads : 1, ms, fl, fl > 0 ? ms / fl : 0.0);
                }
                std::printf("| frame total | | %.1f | | |\n\n", total);
                std::fflush(stdout);
            }
        }
    }

    DeleteProgram(&floorProgram);
    DeleteGLPrograms(&programs);
    SetCurrentContext(nullptr);
    DeleteContext(context);
    return 0;
}
