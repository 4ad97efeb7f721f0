#include "host/ParamRead.h"

#include "host/Params.h"

namespace {

// Checkboxes: only the low byte of the value counts.
bool CheckboxOn(const PF_ParamDef& def) {
    return static_cast<unsigned char>(def.u.bd.value & 0xFF) != 0;
}

}  // namespace

void CopyParamValue(int index, const PF_ParamDef& def, ParamValues* v) {
    switch (index) {
        case PARAM_CHANNELS:
            v->channels = def.u.pd.value;
            break;
        case PARAM_HUE_SHIFT:
            v->hueShift = def.u.ad.value;
            break;
        case PARAM_POSITION:
            v->position = def.u.fs_d.value;
            break;
        case PARAM_ROTATION:
            v->rotation = def.u.ad.value;
            break;
        case PARAM_SCALE:
            v->scale = def.u.fs_d.value;
            break;
        case PARAM_DISTORT_UNIFORM:
            v->distortUniform = def.u.fs_d.value;
            break;
        case PARAM_DISTORT_ABERRATE:
            v->distortAberrate = def.u.fs_d.value;
            break;
        case PARAM_SKEW_X:
            v->skewX = def.u.fs_d.value;
            break;
        case PARAM_SKEW_Y:
            v->skewY = def.u.fs_d.value;
            break;
        case PARAM_BLUR:
            v->blur = def.u.fs_d.value;
            break;
        case PARAM_SAMPLES:
            v->samples = def.u.pd.value;
            break;
        case PARAM_SAMPLE_COUNT:
            v->sampleCount = def.u.fs_d.value;
            break;
        case PARAM_SAMPLE_MULTIPLIER:
            v->sampleMultiplier = def.u.fs_d.value;
            break;
        case PARAM_REPEAT_EDGE_PIXELS:
            v->repeatEdges = CheckboxOn(def);
            break;
        case PARAM_PRESERVE_ALPHA:
            v->preserveAlpha = CheckboxOn(def);
            break;
        case PARAM_UNMULT:
            v->unmult = CheckboxOn(def);
            break;
        case PARAM_EXPANSION_MODE:
            v->expansionMode = def.u.pd.value;
            break;
        case PARAM_AUX_EXPANSION:
            v->auxExpansion = def.u.sd.value;
            break;
        case PARAM_EXPANSION_LIMIT:
            v->expansionLimit = def.u.sd.value;
            break;
        case PARAM_MIX:
            v->mix = def.u.fs_d.value;
            break;
        default:
            break;
    }
}

PF_Err ReadParams(PF_InData* in_data, ParamValues* values, PF_Err pending) {
    PF_Err err = pending;
    for (int index = PARAM_ABOUT_GROUP; index < PARAM_COUNT && err == PF_Err_NONE; ++index) {
        PF_ParamDef def = {};
        err = in_data->inter.checkout_param(in_data->effect_ref, index, in_data->current_time,
                                            in_data->time_step, in_data->time_scale, &def);
        if (err != PF_Err_NONE) {
            // Nothing was handed out, so there is nothing to give back: a
            // check-in of a definition the host never gave is refused.
            break;
        }
        CopyParamValue(index, def, values);
        err = in_data->inter.checkin_param(in_data->effect_ref, &def);
    }
    return err;
}
