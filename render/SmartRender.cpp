#include "render/SmartRender.h"

#include "context/Context.h"
#include "context/GLWorkLock.h"
#include "context/ThreadContext.h"
#include "gl/GLApi.h"
#include "host/Handlers.h"
#include "host/SuiteHandler.h"
#include "render/ParamRead.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "render/RenderSettings.h"
#include "render/ScopeGuard.h"

namespace {

// A temporary host buffer made through the world suite; disposed on every
// path out of the frame unless Dispose already did it.
struct TemporaryWorld {
    const PF_WorldSuite2* suite = nullptr;
    PF_ProgPtr effectRef = nullptr;
    PF_EffectWorld world = {};
    bool live = false;

    PF_Err Dispose() {
        if (!live) {
            return PF_Err_NONE;
        }
        live = false;
        return suite->PF_DisposeWorld(effectRef, &world);
    }
};

bool FitsTexture(const PF_EffectWorld& w, GLint maxSize) {
    return w.width > 0 && w.height > 0 && w.width <= maxSize && w.height <= maxSize;
}

}  // namespace

PF_Err ActuallyRender(PF_InData* in_data, PF_OutData* out_data, PF_EffectWorld* input,
                      PF_EffectWorld* output, PF_SmartRenderExtra* extra) {
    ParamValues params;
    const PF_Err paramErr = ReadParams(in_data, &params);

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    ScopedSuite<PF_WorldSuite2> worldSuite(in_data, kPFWorldSuite, kPFWorldSuiteVersion2, out_data);
    if (!worldSuite.get()) {
        // Acquired without a table: as good as refused.
        return A_Err_MISSING_SUITE;
    }
    if (paramErr != PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }

    // Copy-in: the input in RGBA order, in a buffer of the output's format.
    PF_PixelFormat format = PF_PixelFormat_INVALID;
    if (worldSuite->PF_GetPixelFormat(output, &format) != PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }
    TemporaryWorld temp;
    temp.suite = worldSuite.get();
    temp.effectRef = in_data->effect_ref;
    if (worldSuite->PF_NewWorld(in_data->effect_ref, input->width, input->height, 1, format,
                                &temp.world) != PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }
    temp.live = true;
    ScopeGuard disposeTemp([&temp] { temp.Dispose(); });
    if (!temp.world.data) {
        return PF_Err_OUT_OF_MEMORY;
    }
    PF_Err pending = PF_Err_NONE;
    if (format == PF_PixelFormat_ARGB128) {
        pending = suites.IterateFloatSuite1()->iterate(in_data, 0, input->height, input, nullptr,
                                                       nullptr, CopyPixelFloatIn, &temp.world);
    } else {
        pending = suites.Iterate8Suite1()->iterate(in_data, 0, input->height, input, nullptr,
                                                   nullptr, CopyPixel8In, &temp.world);
    }

    const RenderSettings settings = DeriveRenderSettings(params, in_data->downsample_x,
                                                         GeometryOf(*input), GeometryOf(*output));

    // The host may draw with its own context on this thread: it is current
    // again on every way out (a thread that had none is left with none).
    const ScopedCurrentContext restoreHostsContext;
    // GL work from here on holds the GL lock; each host call lets it go.
    // Declared after the suites and the temporary world, so that their
    // releases (host calls) run after it is given back on every way out.
    GLWorkLock glLock(globalMutex);
    InitThreadLocalRenderData(in_data, out_data);
    LocalGLStruct* record = local_render_data.get();
    if (!record || !record->context || !IsContextCurrent(record->context)) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    // From here the thread's context is current; put GL back to defaults and
    // release the context on every way out.
    ScopeGuard releaseContext([] {
        glUseProgram(0);
        glBindVertexArray(0);
        SetCurrentContext(nullptr);
    });

    // A buffer the GPU cannot hold would read back undefined texels: refuse it
    // and leave the output cleared.
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (!FitsTexture(*input, maxSize) || !FitsTexture(*output, maxSize)) {
        return PF_Err_OUT_OF_MEMORY;
    }

    // The thread keeps its targets for its next frame of the same sizes, as
    // long as they are small enough; released before the context goes.
    FrameTargets* targets = &record->targets;
    ScopeGuard boundKeptTargets([targets] {
        if (FrameTargetBytes(*targets) > kMaxKeptTargetBytes) {
            ReleaseFrameTargets(targets);
        }
    });
    const short bitdepth = extra->input->bitdepth;
    if (!PrepareFrameTargets(settings, input->width, input->height, output->width, output->height,
                             bitdepth, targets)) {
        ReleaseFrameTargets(targets);
        return PF_Err_OUT_OF_MEMORY;
    }

    UploadToTexture(targets->f0.renderBuffer.id, &temp.world, bitdepth);
    const PF_Err disposeErr = CallHostUnlocked(&glLock, [&temp] { return temp.Dispose(); });
    if (pending == PF_Err_NONE) {
        pending = disposeErr;
    }

    // Between draws the host learns how far the frame got and may cancel it;
    // a cancelled frame leaves the output as cleared and returns the host's
    // answer.
    const DrawCheck askHost = [in_data, &glLock](int done, int total) {
        return CallHostUnlocked(&glLock, [in_data, done, total] {
            const PF_InteractCallbacks& inter = in_data->inter;
            PF_Err err = inter.abort ? inter.abort(in_data->effect_ref) : PF_Err_NONE;
            if (err == PF_Err_NONE && inter.progress) {
                err = inter.progress(in_data->effect_ref, done, total);
            }
            return err;
        });
    };
    const PF_Err stopped = RunAllPasses(record->programs, settings, targets, askHost);
    if (stopped != PF_Err_NONE) {
        return stopped;
    }
    FBOHelper::FBOtoEffectWorld(FrameOutput(*targets), output, bitdepth, GL_COLOR_ATTACHMENT0);

    // The host's premultiply runs without this thread's context current.
    boundKeptTargets.RunNow();
    releaseContext.RunNow();
    glLock.unlock();

    if (pending != PF_Err_NONE) {
        return pending;
    }
    return in_data->utils->premultiply(in_data->effect_ref, 0, output);
}

PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra) {
    PF_EffectWorld* input = nullptr;
    PF_EffectWorld* output = nullptr;
    PF_Err err = extra->cb->checkout_layer_pixels(in_data->effect_ref, 0, &input);
    if (err != PF_Err_NONE) {
        return err;
    }
    err = extra->cb->checkout_output(in_data->effect_ref, &output);
    if (!output) {
        return err;
    }
    // Only 8-bit and float buffers are declared; anything else is refused
    // before either buffer is touched.
    const short bitdepth = extra->input->bitdepth;
    if (bitdepth != 8 && bitdepth != 32) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_Err fillErr = in_data->utils->fill(in_data->effect_ref, nullptr, nullptr, output);
    if (err == PF_Err_NONE) {
        err = fillErr;
    }
    if (!input) {
        return err;
    }
    if (err != PF_Err_NONE) {
        return err;
    }
    try {
        // ActuallyRender releases the context it made current on every path.
        err = ActuallyRender(in_data, out_data, input, output, extra);
    } catch (PF_Err thrown) {
        err = thrown;
    } catch (...) {
        err = PF_Err_OUT_OF_MEMORY;
    }
    return err;
}
