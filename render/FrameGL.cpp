// The GL backend of the render core: one frame on the calling thread's own
// context, its GL work under the GL lock.
#include "context/Context.h"
#include "context/GLWorkLock.h"
#include "context/ThreadContext.h"
#include "gl/GLApi.h"
#include "render/Frame.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "render/ScopeGuard.h"

namespace {

bool FitsTexture(const ImageView& v, GLint maxSize) {
    return v.width > 0 && v.height > 0 && v.width <= maxSize && v.height <= maxSize;
}

// Runs `step` between the timing hook's two calls.
template <typename Step>
void Timed(const FrameHooks& hooks, FrameStep name, Step step) {
    if (hooks.timing) {
        hooks.timing(name, false);
    }
    step();
    if (hooks.timing) {
        hooks.timing(name, true);
    }
}

}  // namespace

const char* FrameStepName(FrameStep step) {
    switch (step) {
        case FrameStep::kTargets:
            return "targets";
        case FrameStep::kUpload:
            return "upload";
        case FrameStep::kPreProcess:
            return "pre-process";
        case FrameStep::kAberrate:
            return "aberrate";
        case FrameStep::kBlurW:
            return "blur W";
        case FrameStep::kBlurH:
            return "blur H";
        case FrameStep::kPostProcess:
            return "post-process";
        case FrameStep::kReadBack:
            return "read-back";
    }
    return "";
}

FrameResult RenderFrameGL(const FrameRequest& request, const FrameHooks& hooks) {
    const ImageView& input = request.input;
    const ImageView& output = request.output;
    const RenderSettings settings = DeriveRenderSettings(request.params, request.downsampleX,
                                                         GeometryOf(input), GeometryOf(output));

    // A host may draw with its own context on this thread: it is current
    // again on every way out (a thread that had none is left with none).
    const ScopedCurrentContext restoreHostsContext;
    GLWorkLock glLock(globalMutex);
    InitThreadLocalRenderData(request.global);
    LocalGLStruct* record = local_render_data.get();
    if (!record || !record->context || !IsContextCurrent(record->context)) {
        return {FrameStatus::kNoGpu, 0};
    }
    // From here the thread's context is current; put GL back to defaults and
    // release the context on every way out.
    ScopeGuard releaseContext([] {
        glUseProgram(0);
        glBindVertexArray(0);
        SetCurrentContext(nullptr);
    });

    // A buffer the GPU cannot hold would read back undefined texels.
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (!FitsTexture(input, maxSize) || !FitsTexture(output, maxSize)) {
        return {FrameStatus::kTooLarge, 0};
    }

    // The thread keeps its targets for its next frame of the same sizes, as
    // long as they are small enough; released before the context goes.
    FrameTargets* targets = &record->targets;
    ScopeGuard boundKeptTargets([targets] {
        if (FrameTargetBytes(*targets) > kMaxKeptTargetBytes) {
            ReleaseFrameTargets(targets);
        }
    });
    bool prepared = false;
    Timed(hooks, FrameStep::kTargets, [&] {
        prepared = PrepareFrameTargets(settings, input.width, input.height, output.width,
                                       output.height, static_cast<short>(input.depth), targets);
    });
    if (!prepared) {
        ReleaseFrameTargets(targets);
        return {FrameStatus::kNoTargets, 0};
    }

    Timed(hooks, FrameStep::kUpload, [&] { UploadToTexture(targets->f0.renderBuffer.id, input); });
    if (hooks.inputUploaded) {
        CallHostUnlocked(&glLock, hooks.inputUploaded);
    }

    DrawCheck check;
    if (hooks.check) {
        check = [&hooks, &glLock](int done, int total) {
            return CallHostUnlocked(&glLock, [&] { return hooks.check(done, total); });
        };
    }
    const int stopped = RunAllPasses(record->programs, settings, targets, check, hooks.timing);
    if (stopped != 0) {
        return {FrameStatus::kStopped, stopped};
    }
    Timed(hooks, FrameStep::kReadBack, [&] {
        FBOHelper::FBOtoEffectWorld(FrameOutput(*targets), output, GL_COLOR_ATTACHMENT0);
    });
    return {FrameStatus::kDone, 0};
}
