#include "host/Handlers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "host/Params.h"
#include "host/SuiteHandler.h"
#include "host/ParamRead.h"
#include "render/Expansion.h"
#include "render/RectMath.h"

namespace {

// How far from the origin an announced rectangle may reach: any two such
// coordinates differ by less than 2^31, so every width and height the host or
// the render derives from the rectangle fits a 32-bit integer.
constexpr int64_t kMaxCoordinate = INT32_MAX / 2;

int32_t ClampedCoordinate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kMaxCoordinate, kMaxCoordinate));
}

// The rectangle grown by `margin` on every side, in 64 bits and clamped:
// whatever the parameter record holds (a damaged project, a script), the sum
// cannot wrap around.
PF_LRect Grown(const PF_LRect& r, int32_t margin) {
    return PF_LRect{ClampedCoordinate(int64_t{r.left} - margin),
                    ClampedCoordinate(int64_t{r.top} - margin),
                    ClampedCoordinate(int64_t{r.right} + margin),
                    ClampedCoordinate(int64_t{r.bottom} + margin)};
}

IntRect RectOf(const PF_LRect& r) {
    return IntRect{r.left, r.top, r.right, r.bottom};
}

// Grows the host's rectangle *r to cover `add` too.
void Cover(const IntRect& add, PF_LRect* r) {
    IntRect u = RectOf(*r);
    UnionLRect(add, &u);
    *r = PF_LRect{u.left, u.top, u.right, u.bottom};
}

int32_t Extent(int32_t from, int32_t to) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{to} - from, 0, INT32_MAX));
}

bool VersionMixesGuids(const PF_InData* in_data) {
    return in_data->version.major > 13 ||
           (in_data->version.major == 13 && in_data->version.minor >= 9);
}

// Makes the host's render cache depend on the layer's transform. Returns the
// pending result; *fatal is set when the failure must be returned unchanged.
PF_Err MixInLayerTransform(PF_InData* in_data, PF_PreRenderExtra* extra, AEGP_SuiteHandler& suites,
                           bool* fatal) {
    AEGP_LayerH layer = nullptr;
    const PF_Err layerErr =
        suites.PFInterfaceSuite1()->AEGP_GetEffectLayer(in_data->effect_ref, &layer);
    if (!layer) {
        return layerErr;
    }
    if (layerErr != PF_Err_NONE) {
        *fatal = true;
        return layerErr;
    }
    A_Time now;
    now.value = in_data->current_time;
    now.scale = in_data->time_scale;
    A_Matrix4 xform = {};
    const PF_Err xformErr = suites.LayerSuite7()->AEGP_GetLayerToWorldXform(layer, &now, &xform);
    if (xformErr != PF_Err_NONE) {
        *fatal = true;
        return xformErr;
    }
    return extra->cb->GuidMixInPtr(in_data->effect_ref, sizeof(xform), &xform);
}

}  // namespace

PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* /*out_data*/, PF_PreRenderExtra* extra) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);

    PF_Err pending = PF_Err_NONE;
    if (VersionMixesGuids(in_data) && extra->cb->GuidMixInPtr) {
        bool fatal = false;
        pending = MixInLayerTransform(in_data, extra, suites, &fatal);
        if (fatal) {
            return pending;
        }
    }

    ParamValues params;
    pending = ReadParams(in_data, &params, pending);
    PF_RenderRequest request = extra->input->output_request;
    if (pending != PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }

    AEGP_LayerH layer = nullptr;
    if (suites.PFInterfaceSuite1()->AEGP_GetEffectLayer(in_data->effect_ref, &layer) !=
        PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }
    AEGP_LayerFlags layerFlags = 0;
    if (layer && suites.LayerSuite7()->AEGP_GetLayerFlags(layer, &layerFlags) != PF_Err_NONE) {
        return PF_Err_OUT_OF_MEMORY;
    }
    const bool adjustmentLayer = (layerFlags & AEGP_LayerFlag_ADJUSTMENT_LAYER) != 0;

    const Ratio downsampleX{in_data->downsample_x.num, in_data->downsample_x.den};
    const double s = DownsampleFactor(downsampleX);
    const ExpansionValues e = DeriveExpansion(params, s);
    request.rect = Grown(request.rect, InputMargin(params, e, adjustmentLayer));

    PF_CheckoutResult checkout = {};
    const PF_Err err = extra->cb->checkout_layer(in_data->effect_ref, PARAM_INPUT, 0, &request,
                                                 in_data->current_time, in_data->time_step,
                                                 in_data->time_scale, &checkout);

    const int32_t w = Extent(checkout.max_result_rect.left, checkout.max_result_rect.right);
    const int32_t h = Extent(checkout.max_result_rect.top, checkout.max_result_rect.bottom);
    PF_PreRenderOutput* out = extra->output;
    if (adjustmentLayer) {
        const IntRect layerRect = AdjustmentLayerRect(in_data->width, in_data->height, downsampleX);
        Cover(layerRect, &out->result_rect);
        Cover(layerRect, &out->max_result_rect);
    } else {
        const IntRect extent =
            RectOf(Grown(checkout.max_result_rect, OutputMargin(params, e, w, h)));
        Cover(extent, &out->result_rect);
        Cover(extent, &out->max_result_rect);
    }
    out->flags = PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS;
    return err;
}
