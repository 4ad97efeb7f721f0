#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "simhost/SimHost.h"
#include "tools/hlv3host/RenderOptions.h"

// What `render` and `demo` tell the user: the report of each frame (text or
// JSON) on standard output, progress on standard error.

// What one frame produced, for the report.
struct FrameReport {
    int frame = 0;
    std::string input;
    int inputBits = 0;
    int renderBits = 0;  // the project's bits per channel the frame rendered at
    simhost::RenderedFrame rendered;
    int fileBits = 0;
    PF_LRect fileRect = {};  // the written image in layer coordinates
    std::string file;        // written file; empty when nothing was written
    double seconds = 0.0;
    // "gpu" or "cpu": the renderer the effect's rule picks for the frame (the
    // CPU without a GL context or for an input or output beyond the GPU's
    // textures); a render thread that fails to make its own context is not seen.
    const char* renderer = "gpu";
};

// The run's report on `out`: per frame for a still, a summary for a
// sequence, or the JSON document.
void PrintReport(const RenderOptions& o, std::FILE* out, const std::vector<FrameReport>& reports,
                 const RunFailure& failure);

// The one JSON document of every run, whatever its outcome: "frames" (a list,
// empty when none rendered), "frames_written" and "error" (null or the
// failure's line).
void PrintJsonReport(std::FILE* out, const std::vector<FrameReport>& reports,
                     const RunFailure& failure);

// A sequence's line after frame number `done` (1-based) of the plan: its
// time, the time elapsed and an estimate of what is left. Nothing for a
// still or with -q.
void PrintProgressLine(const RenderOptions& o, std::FILE* to, const FramePlan& plan, size_t done,
                       double seconds, double elapsed);

// While it lives, the process's standard output goes to standard error, so
// that what the module prints (its diagnostics go to standard output) never
// mixes into the tool's report; the report goes to Get(), the original
// standard output. Made and destroyed on one thread; not copyable.
class ReportStream {
  public:
    ReportStream();
    ~ReportStream();
    ReportStream(const ReportStream&) = delete;
    ReportStream& operator=(const ReportStream&) = delete;

    std::FILE* Get() const { return report_; }

  private:
    std::FILE* report_ = nullptr;
};
