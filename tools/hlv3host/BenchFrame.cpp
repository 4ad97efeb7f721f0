#include "tools/hlv3host/BenchFrame.h"

#include <algorithm>
#include <cmath>

#include "gl/FBOHelper.h"
#include "gl/Quad.h"
#include "host/CopyIn.h"
#include "render/DrawBudget.h"
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
            if (input.format == PF_PixelFormat_ARGB128) {
                CopyPixelFloatIn(nullptr, x, y, &input.AtFloat(x, y), &temp.AtFloat(x, y));
            } else if (input.format == PF_PixelFormat_ARGB64) {
                CopyPixel16In(nullptr, x, y, &input.At16(x, y), &temp.At16(x, y));
            } else {
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
                const unsigned a = q.alpha;
                q.red = static_cast<A_u_short>((q.red * a + 16384) >> 15);
                q.green = static_cast<A_u_short>((q.green * a + 16384) >> 15);
                q.blue = static_cast<A_u_short>((q.blue * a + 16384) >> 15);
            } else {
                PF_Pixel& q = output.At8(x, y);
                q.red = static_cast<A_u_char>((q.red * q.alpha + 127) / 255);
                q.green = static_cast<A_u_char>((q.green * q.alpha + 127) / 255);
                q.blue = static_cast<A_u_char>((q.blue * q.alpha + 127) / 255);
            }
        }
    }
}

// A thread keeps only targets within its bound; larger frames make theirs
// for every frame (without clearing them).
bool TargetsKept(const FrameBench& f) {
    return FrameTargetBytes(f.t) <= kMaxKeptTargetBytes;
}

Action PrepareTargets(FrameBench* f) {
    return [f] {
        if (!TargetsKept(*f)) {
            ReleaseFrameTargets(&f->t);
        }
        PrepareFrameTargets(f->s, f->w, f->h, f->w, f->h, f->bitdepth, &f->t);
    };
}

Action ReadBack(FrameBench* f) {
    return
        [f] { FBOHelper::FBOtoEffectWorld(FrameOutput(f->t), f->outView, GL_COLOR_ATTACHMENT0); };
}

}  // namespace

bool StartFrame(const BenchPrograms& p, const RenderSettings& s, int w, int h, short bitdepth,
                FrameBench* f) {
    f->s = s;
    f->w = w;
    f->h = h;
    f->bitdepth = bitdepth;
    f->input = AtDepth(MakeTestCard(w, h, bitdepth != 8), bitdepth);
    f->temp = simhost::Image::Make(w, h, f->input.format);
    f->output = simhost::Image::Make(w, h, f->input.format);
    f->tempView = ViewOf(f->temp, f->bitdepth);
    f->outView = ViewOf(f->output, f->bitdepth);
    if (!PrepareFrameTargets(f->s, w, h, w, h, f->bitdepth, &f->t)) {
        ReleaseFrameTargets(&f->t);
        return false;
    }
    CpuCopyIn(f->input, f->temp);
    UploadToTexture(f->t.f0.renderBuffer.id, f->tempView);
    RunPreProcessPass(p.effect, f->s, &f->t, &f->u, &f->d);
    return true;
}

std::vector<Step> FrameSteps(const BenchPrograms& p, FrameBench* f) {
    const RenderSettings& s = f->s;
    FrameTargets* t = &f->t;
    const Action onePoint = PointFloor(p, t, 1);
    const int n = s.sampleCount;
    const Vec2f pos = {s.positionOffset[0], s.positionOffset[1]};
    std::vector<Step> steps = {
        {"copy-in (CPU, 1 thread)", 1, [f] { CpuCopyIn(f->input, f->temp); }, onePoint},
        {TargetsKept(*f) ? "targets kept" : "targets made (too large to keep)", 0,
         PrepareTargets(f), nullptr},
        {"upload", 1, [f] { UploadToTexture(f->t.f0.renderBuffer.id, f->tempView); }, onePoint},
        {"pre-process", 1, [&p, f] { RunPreProcessPass(p.effect, f->s, &f->t, &f->u, &f->d); },
         onePoint},
        {TakesStraightPath(s, f->w, f->h) ? "aberrate, straight path" : "aberrate", 2 * n,
         [&p, f] { RunAberratePass(p.effect, f->s, &f->t, &f->u, &f->d); },
         PathFloor(p, t, s, n, static_cast<float>(s.rotationRadians), static_cast<float>(s.scale),
                   pos)},
    };
    if (s.blurEnabled) {
        const int blurReads = (2 * s.blurStepsA + 1) + (2 * s.blurStepsB + 1);
        const float radius = static_cast<float>(s.blurPixels);
        const int samples = (blurReads + 1) / 2;
        steps.push_back({"blur W", blurReads,
                         [&p, f] { RunBlurWPass(p.effect, f->s, &f->t, &f->u, &f->d); },
                         PathFloor(p, t, s, samples, 0.0f, 1.0f, Vec2f{radius / f->w, 0.0f})});
        steps.push_back({"blur H", blurReads,
                         [&p, f] { RunBlurHPass(p.effect, f->s, &f->t, &f->u, &f->d); },
                         PathFloor(p, t, s, samples, 0.0f, 1.0f, Vec2f{0.0f, radius / f->h})});
    }
    const int postReads = static_cast<float>(s.uniformDistort) != 0.0f ? n + 1 : 2;
    steps.push_back({"post-process", postReads,
                     [&p, f] { RunPostProcessPass(p.effect, f->s, &f->t, &f->u, &f->d); },
                     postReads > 2
                         ? PathFloor(p, t, s, postReads / 2, 0.0f, 1.0f, Vec2f{0.0f, 0.0f})
                         : PointFloor(p, t, 2)});
    steps.push_back({t->writeBytes ? "read-back from the 8-bit target" : "read-back", 1,
                     ReadBack(f), onePoint});
    steps.push_back(
        {"premultiply (CPU, 1 thread)", 1, [f] { CpuPremultiply(f->output); }, onePoint});
    return steps;
}

Action WholeFrame(const BenchPrograms& p, FrameBench* f) {
    return [&p, f, targets = PrepareTargets(f), readBack = ReadBack(f)] {
        targets();
        UploadToTexture(f->t.f0.renderBuffer.id, f->tempView);
        RunAllPasses(p.effect, f->s, &f->t, {});
        readBack();
    };
}
