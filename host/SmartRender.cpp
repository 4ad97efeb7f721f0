// The smart render as the host sees it: checkouts, the copy-in through the
// host's iterate suites, the render core, the host's premultiply, and the
// core's result in the host's codes.
#include "host/CopyIn.h"
#include "host/Handlers.h"
#include "host/ParamRead.h"
#include "host/SuiteHandler.h"
#include "render/Frame.h"
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

ImageView ViewOf(const PF_EffectWorld& world, short bitdepth) {
    ImageView view;
    view.pixels = world.data;
    view.width = world.width;
    view.height = world.height;
    view.rowBytes = world.rowbytes;
    view.depth = bitdepth;
    view.originX = world.origin_x;
    view.originY = world.origin_y;
    return view;
}

const LocalGLStruct* GlobalRecord(const PF_InData* in_data) {
    // The handle is dereferenced directly: the frame reads only its context.
    if (!in_data->global_data) {
        return nullptr;
    }
    return *reinterpret_cast<const GlobalData* const*>(in_data->global_data);
}

PF_Err HostCodeOf(const FrameResult& result) {
    switch (result.status) {
        case FrameStatus::kDone:
            return PF_Err_NONE;
        case FrameStatus::kStopped:
            return result.stopCode;
        case FrameStatus::kNoGpu:
            return PF_Err_INTERNAL_STRUCT_DAMAGED;
        case FrameStatus::kTooLarge:
        case FrameStatus::kNoTargets:
            return PF_Err_OUT_OF_MEMORY;
    }
    return PF_Err_INTERNAL_STRUCT_DAMAGED;
}

// Renders one frame from `input` into `output` (already cleared by the
// caller). Throws the suite handler's integer errors when a suite is missing.
PF_Err ActuallyRender(PF_InData* in_data, PF_OutData* out_data, PF_EffectWorld* input,
                      PF_EffectWorld* output, PF_SmartRenderExtra* extra) {
    FrameRequest request;
    const PF_Err paramErr = ReadParams(in_data, &request.params);

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
    } else if (format == PF_PixelFormat_ARGB64) {
        pending = suites.Iterate16Suite1()->iterate(in_data, 0, input->height, input, nullptr,
                                                    nullptr, CopyPixel16In, &temp.world);
    } else {
        pending = suites.Iterate8Suite1()->iterate(in_data, 0, input->height, input, nullptr,
                                                   nullptr, CopyPixel8In, &temp.world);
    }

    const short bitdepth = extra->input->bitdepth;
    request.downsampleX = Ratio{in_data->downsample_x.num, in_data->downsample_x.den};
    request.input = ViewOf(temp.world, bitdepth);
    // The layer's position is the input's; the copy sits at the origin.
    request.input.originX = input->origin_x;
    request.input.originY = input->origin_y;
    request.output = ViewOf(*output, bitdepth);
    request.global = GlobalRecord(in_data);

    FrameHooks hooks;
    hooks.inputUploaded = [&temp, &pending] {
        const PF_Err disposeErr = temp.Dispose();
        if (pending == PF_Err_NONE) {
            pending = disposeErr;
        }
    };
    // Between draws the host learns how far the frame got and may cancel it;
    // a cancelled frame leaves the output as cleared and returns the host's
    // answer.
    hooks.check = [in_data](int done, int total) {
        const PF_InteractCallbacks& inter = in_data->inter;
        PF_Err err = inter.abort ? inter.abort(in_data->effect_ref) : PF_Err_NONE;
        if (err == PF_Err_NONE && inter.progress) {
            err = inter.progress(in_data->effect_ref, done, total);
        }
        return static_cast<int>(err);
    };
    const FrameResult result = RenderFrameGL(request, hooks);
    if (result.status != FrameStatus::kDone) {
        return HostCodeOf(result);
    }
    if (pending != PF_Err_NONE) {
        return pending;
    }
    return in_data->utils->premultiply(in_data->effect_ref, 0, output);
}

}  // namespace

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
    // Only 8-bit, 16-bit and float buffers are declared; anything else is
    // refused before either buffer is touched.
    const short bitdepth = extra->input->bitdepth;
    if (bitdepth != 8 && bitdepth != 16 && bitdepth != 32) {
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
