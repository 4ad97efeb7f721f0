#include "tools/hlv3host/RenderReport.h"

#include <unistd.h>

#include "tools/hlv3host/JsonText.h"

namespace {

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
    add("render_bits", std::to_string(f.renderBits));
    add("pre_render_error", std::to_string(frame.preRenderErr));
    add("render_error", std::to_string(frame.err));
    add("renderer", JsonString(f.renderer));
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
    std::fprintf(out, "render depth        %d bits per channel\n", f.renderBits);
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
    std::fprintf(out, "renderer            %s\n", f.renderer);
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

}  // namespace

void PrintJsonReport(std::FILE* out, const std::vector<FrameReport>& reports,
                     const RunFailure& failure) {
    size_t written = 0;
    std::string frames;
    for (const FrameReport& f : reports) {
        written += f.file.empty() ? 0 : 1;
        frames +=
            (frames.empty() ? "\n    {\n" : ",\n    {\n") + FrameJson(f, "      ") + "\n    }";
    }
    const std::string error = failure.status == 0 ? "null" : JsonString(failure.message);
    std::fprintf(out, "{\n  \"frames\": [%s],\n  \"frames_written\": %zu,\n  \"error\": %s\n}\n",
                 frames.c_str(), written, error.c_str());
}

void PrintReport(const RenderOptions& o, std::FILE* out, const std::vector<FrameReport>& reports,
                 const RunFailure& failure) {
    if (o.json) {
        PrintJsonReport(out, reports, failure);
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

void PrintProgressLine(const RenderOptions& o, std::FILE* to, const FramePlan& plan, size_t done,
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

ReportStream::ReportStream() {
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

ReportStream::~ReportStream() {
    if (report_ == stdout) {
        return;
    }
    std::fflush(stdout);
    std::fflush(report_);
    dup2(fileno(report_), 1);
    std::fclose(report_);
}
