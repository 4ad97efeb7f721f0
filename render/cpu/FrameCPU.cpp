// The CPU backend of the render core: the GL backend's passes, draw for
// draw, over bands of rows spread across threads.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "render/DrawBudget.h"
#include "render/DrawPlan.h"
#include "render/Frame.h"
#include "render/StraightPath.h"
#include "render/cpu/CpuPasses.h"
#include "render/cpu/ParallelFor.h"

namespace {

// Bands per pass: enough for the host's threads to balance uneven rows, few
// enough that handing one out costs nothing beside its work, and of at
// least kBandRows rows, so that the sampling passes, which walk a band
// column by column, find what the rows above read in the cache.
constexpr int kMaxBands = 256;
constexpr int kBandRows = 16;
constexpr int kMinBands = 8;  // small frames still go to several threads

// One frame's run: the hooks and the draws done so far, as FrameDraws counts
// them for the GL backend.
struct CpuRun {
    const FrameHooks& hooks;
    DrawProgress progress;
    int err = 0;

    // Runs rows(y0, y1) over `height` rows in bands; keeps the first error.
    template <typename Rows>
    void Bands(int height, Rows rows) {
        if (err != 0) {
            return;
        }
        const int bands =
            std::max(1, std::min({height, std::max(height / kBandRows, kMinBands), kMaxBands}));
        const std::function<void(int)> body = [&](int band) {
            rows(static_cast<int>(int64_t{height} * band / bands),
                 static_cast<int>(int64_t{height} * (band + 1) / bands));
        };
        err = hooks.parallelFor ? hooks.parallelFor(bands, body)
                                : ParallelForOnHardwareThreads(bands, body);
    }
    // Counts a finished draw of `samples` samples and asks the check whether
    // to go on, as the GL backend does.
    void AfterDraw(int samples) {
        if (err == 0) {
            err = ReportDraw(&progress, samples, hooks.check);
        }
    }
    void Time(FrameStep step, bool finished) const {
        if (hooks.timing) {
            hooks.timing(step, finished);
        }
    }
};

// A sampling loop of `samples` in draws of `perDraw`, each adding its share.
template <typename Draw>
void InShares(CpuRun* run, int samples, int perDraw, Draw draw) {
    ForEachShare(samples, perDraw, [&](int first, int count) {
        if (run->err != 0) {
            return false;
        }
        cpu::AberrateShare share;
        share.first = first;
        share.count = count;
        share.add = first > 1;
        draw(share);
        run->AfterDraw(count);
        return true;
    });
}

void ClearView(const ImageView& view) {
    for (int32_t y = 0; y < view.height; ++y) {
        std::memset(static_cast<unsigned char*>(view.pixels) + view.rowBytes * y, 0,
                    std::size_t(view.width) * BytesPerPixel(view.depth));
    }
}

}  // namespace

FrameResult RenderFrameCPU(const FrameRequest& request, const FrameHooks& hooks) {
    const ImageView& input = request.input;
    const ImageView& output = request.output;
    const RenderSettings s = DeriveRenderSettings(request.params, request.downsampleX,
                                                  GeometryOf(input), GeometryOf(output));
    const int width = output.width;
    const int height = output.height;
    const bool mirror = s.repeatEdges;

    CpuRun run{hooks, DrawProgress{0, CountFrameSamples(s)}, 0};
    run.Time(FrameStep::kTargets, false);
    CpuImage f0 = MakeCpuImage(input.width, input.height, mirror);
    CpuImage f1 = MakeCpuImage(width, height, mirror);
    CpuImage f2 = MakeCpuImage(width, height, mirror);
    run.Time(FrameStep::kTargets, true);
    if (!f0.texels || !f1.texels || !f2.texels) {
        return {FrameStatus::kNoTargets, 0};
    }

    run.Time(FrameStep::kUpload, false);
    run.Bands(input.height, [&](int y0, int y1) { cpu::ConvertInputRows(input, &f0, y0, y1); });
    run.Time(FrameStep::kUpload, true);
    if (hooks.inputUploaded) {
        hooks.inputUploaded();
    }

    run.Time(FrameStep::kPreProcess, false);
    run.Bands(height, [&](int y0, int y1) { cpu::PreProcessRows(s, f0, &f1, y0, y1); });
    run.AfterDraw(1);
    run.Time(FrameStep::kPreProcess, true);
    f0 = CpuImage{};  // read by no later pass

    run.Time(FrameStep::kAberrate, false);
    const int straight = StraightPathUniform(s, width, height);
    // The sample loop reads pair planes, made here and dropped after the
    // pass; the straight path reads f1.
    cpu::PairPlane planeA, planeB;
    if (straight == 0) {
        planeA = cpu::MakePairPlane(width, height, mirror);
        planeB = cpu::MakePairPlane(width, height, mirror);
        if (!planeA.values || !planeB.values) {
            run.Time(FrameStep::kAberrate, true);
            return {FrameStatus::kNoTargets, 0};
        }
        run.Bands(cpu::PairPlaneRows(planeA), [&](int y0, int y1) {
            cpu::FillPairRows(f1, cpu::AberrateColourChannel(s, false), 3, &planeA, y0, y1);
            cpu::FillPairRows(f1, cpu::AberrateColourChannel(s, true), 3, &planeB, y0, y1);
        });
    }
    InShares(&run, s.sampleCount, AberrateSamplesPerDraw(s, width, height),
             [&](cpu::AberrateShare share) {
                 share.straight = straight;
                 run.Bands(height, [&](int y0, int y1) {
                     cpu::AberrateRows(s, share, f1, planeA, planeB, &f2, y0, y1);
                 });
             });
    planeA = cpu::PairPlane{};
    planeB = cpu::PairPlane{};
    run.Time(FrameStep::kAberrate, true);

    // The blur's intermediate, then the distortion average, reuse one buffer:
    // the blur is done with it before the average begins.
    CpuImage spare;
    if (s.blurEnabled || UsesSourceSum(s)) {
        spare = MakeCpuImage(width, height, mirror);
        if (!spare.texels) {
            return {FrameStatus::kNoTargets, 0};
        }
    }
    if (s.blurEnabled && run.err == 0) {
        run.Time(FrameStep::kBlurW, false);
        const cpu::BlurTaps alongX = cpu::MakeBlurTaps(s, width);
        run.Bands(height, [&](int y0, int y1) { cpu::BlurWRows(alongX, f2, &spare, y0, y1); });
        run.AfterDraw(1);
        run.Time(FrameStep::kBlurW, true);
        run.Time(FrameStep::kBlurH, false);
        const cpu::BlurTaps alongY = cpu::MakeBlurTaps(s, height);
        run.Bands(height, [&](int y0, int y1) { cpu::BlurHRows(alongY, spare, &f2, y0, y1); });
        run.AfterDraw(1);
        run.Time(FrameStep::kBlurH, true);
    }

    run.Time(FrameStep::kPostProcess, false);
    if (UsesSourceSum(s)) {
        // As the aberrate pass's planes, these go once the average is made.
        cpu::PairPlane rg = cpu::MakePairPlane(width, height, mirror);
        cpu::PairPlane ba = cpu::MakePairPlane(width, height, mirror);
        if (!rg.values || !ba.values) {
            run.Time(FrameStep::kPostProcess, true);
            return {FrameStatus::kNoTargets, 0};
        }
        run.Bands(cpu::PairPlaneRows(rg), [&](int y0, int y1) {
            cpu::FillPairRows(f1, 0, 1, &rg, y0, y1);
            cpu::FillPairRows(f1, 2, 3, &ba, y0, y1);
        });
        InShares(&run, s.sampleCount, SourceSumSamplesPerDraw(width, height),
                 [&](const cpu::AberrateShare& share) {
                     run.Bands(height, [&](int y0, int y1) {
                         cpu::SourceSumRows(s, share, rg, ba, &spare, y0, y1);
                     });
                 });
    }
    const CpuImage& source = UsesSourceSum(s) ? spare : f1;
    run.Bands(height,
              [&](int y0, int y1) { cpu::PostProcessRows(s, f2, f1, source, output, y0, y1); });
    run.AfterDraw(1);
    run.Time(FrameStep::kPostProcess, true);
    if (run.err != 0) {
        // The output may hold part of the frame: it is left cleared.
        ClearView(output);
        return {FrameStatus::kStopped, run.err};
    }
    return {FrameStatus::kDone, 0};
}
