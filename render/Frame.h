#pragma once

#include <functional>

#include "context/LocalGLStruct.h"
#include "render/ImageView.h"
#include "render/ParamValues.h"
#include "render/RenderSettings.h"

// The render core's interface: one frame from parameter values and pixel
// views, with hooks for whoever drives it. It knows no host: a host binding
// fills the request and maps the result to the host's codes.

// The steps of a frame, in the order they run (the blur passes only when the
// blur is on), as the timing hook names them.
enum class FrameStep {
    kTargets,
    kUpload,
    kPreProcess,
    kAberrate,
    kBlurW,
    kBlurH,
    kPostProcess,
    kReadBack
};

// "targets", "upload", "pre-process", "aberrate", "blur W", "blur H",
// "post-process", "read-back".
const char* FrameStepName(FrameStep step);

// Called on the rendering thread. Each may be empty. The GL notes hold for
// RenderFrameGL; RenderFrameCPU holds no lock at all.
struct FrameHooks {
    // After every draw, once the GPU has finished it, with the frame's work
    // done so far and its whole: samples per pixel summed over the frame's
    // draws, one for a pass without a sample loop (CountFrameSamples), in
    // coarser units for a frame of more than INT_MAX. A non-zero answer
    // stops the frame with that code before the next draw. Called with the
    // GL lock let go, so it may call into a host.
    std::function<int(int done, int total)> check;
    // Once the input is uploaded, with the GL lock let go: the input's pixels
    // are not read again and may be released.
    std::function<void()> inputUploaded;
    // Right before (finished false) and right after (true) each step, with
    // the frame's context current and the GL lock held, so that a timer may
    // wait for the GPU (glFinish) at both ends.
    std::function<void(FrameStep step, bool finished)> timing;
    // CPU backend only: runs body(item) for every item of [0, count), on
    // threads of the driver's choosing, and returns once all have run: 0, or
    // a non-zero code when they could not all run (the frame stops with it).
    // body never throws and may run on several threads at once. Called on
    // the rendering thread between checks. Empty: the backend spreads the
    // items over the machine's hardware threads itself.
    std::function<int(int count, const std::function<void(int item)>& body)> parallelFor;
};

// What one frame is rendered from. The views' pixels belong to the caller and
// must stay valid for the call (the input until inputUploaded).
struct FrameRequest {
    ParamValues params;
    Ratio downsampleX;
    // The layer's pixels in RGBA memory order, depth 8, 16 or 32.
    ImageView input;
    // Receives the frame in the host's alpha-first order, same depth as the
    // input; already cleared, and left so on every result but kDone.
    ImageView output;
    // The effect's global GL record: no record, or one without a context,
    // means no GPU could be had at global set-up.
    const LocalGLStruct* global = nullptr;
};

enum class FrameStatus {
    kDone,       // output holds the frame
    kStopped,    // the check hook answered stopCode
    kNoGpu,      // this thread has no GL context (none at set-up, or its own creation failed)
    kTooLarge,   // input or output exceeds the GPU's largest texture
    kNoTargets,  // the frame's framebuffers could not be made
};

struct FrameResult {
    FrameStatus status = FrameStatus::kDone;
    int stopCode = 0;
};

// Renders one frame on the calling thread's own GL context (made on the
// thread's first frame): upload, the passes, read-back. Holds the GL lock
// (globalMutex) while it issues GL commands and never while a hook that may
// call a host runs. Leaves no context of the system current: whatever
// context the thread had before is current again, on every path. Never
// throws but for allocation failures of the standard library.
FrameResult RenderFrameGL(const FrameRequest& request, const FrameHooks& hooks);

// Renders the same frame on the CPU, bounded by memory only: the same passes,
// draws and shares as RenderFrameGL, so the same frame within rounding and
// the same checks (done, total). Needs no GL and takes no lock; the hooks are
// called on the calling thread (timing without any context). Returns kDone,
// kStopped, or kNoTargets when its buffers cannot be allocated. Never throws
// but for allocation failures of the standard library.
FrameResult RenderFrameCPU(const FrameRequest& request, const FrameHooks& hooks);
