#include "host/ParamsUI.h"

#include "host/Handlers.h"
#include "host/Links.h"
#include "host/Params.h"

// Errors: inside each handler the first host error is kept and later steps
// that would change something are skipped, while disposal of what was
// obtained still runs. Every suite a handler needs is acquired before the
// first host object is obtained, in the order the steps use them, so a suite
// the host refuses (516 thrown by AEGP_SuiteHandler) leaves no effect
// reference, stream or undo group behind.

namespace {

constexpr AEGP_PluginID kNoPluginId = 0;
// Visibility is interface state, not an edit of the project: it stays out of
// the user's undo history.
constexpr A_Boolean kNotUndoable = 0;
constexpr const char kResetUndoName[] = "Reset Transform Controls";

// Default of each value-bearing parameter of the Transform group, written back
// by Reset Transforms. The group markers inside the walk
// (PARAM_STYLISTIC_GROUP, PARAM_STYLISTIC_SPACER, PARAM_STYLISTIC_SPACER_END)
// carry no value and are skipped: touching them would only fetch and dispose
// streams the host cannot set.
struct ResetValue {
    int index;
    A_FpLong value;
};

constexpr ResetValue kResetValues[] = {
    {PARAM_POSITION, 0.5},
    {PARAM_ROTATION, 0.0},
    {PARAM_SCALE, 100.0},
    {PARAM_DISTORT_UNIFORM, 0.0},
    {PARAM_DISTORT_ABERRATE, 0.0},
    {PARAM_SKEW_X, 0.0},
    {PARAM_SKEW_Y, 0.0},
    {PARAM_BLUR, 0.0},
    {PARAM_SAMPLES, SAMPLES_SINGLE},
    {PARAM_SAMPLE_COUNT, 10.0},
    {PARAM_SAMPLE_MULTIPLIER, 1.0},
};

// Disposes a stream obtained from the host unless Dispose() already did; the
// destructor only covers a path that leaves early, it never throws.
struct StreamGuard {
    const AEGP_StreamSuite4* suite;
    AEGP_StreamRefH stream = nullptr;

    explicit StreamGuard(const AEGP_StreamSuite4* s) : suite(s) {}
    StreamGuard(const StreamGuard&) = delete;
    StreamGuard& operator=(const StreamGuard&) = delete;
    ~StreamGuard() { Dispose(); }

    PF_Err Dispose() {
        const AEGP_StreamRefH s = stream;
        stream = nullptr;
        return s != nullptr ? suite->AEGP_DisposeStream(s) : PF_Err_NONE;
    }
};

PF_Err ResetOneParam(const AEGP_StreamSuite4* streams, AEGP_EffectRefH effect,
                     const ResetValue& reset) {
    StreamGuard guard(streams);
    PF_Err err =
        streams->AEGP_GetNewEffectStreamByIndex(kNoPluginId, effect, reset.index, &guard.stream);
    if (!err) {
        AEGP_StreamValue2 value = {};
        value.streamH = guard.stream;
        value.val.one_d = reset.value;
        err = streams->AEGP_SetStreamValue(kNoPluginId, guard.stream, &value);
    }
    const PF_Err disposeErr = guard.Dispose();
    return err ? err : disposeErr;
}

// Puts the Transform group back to its defaults in one undo step.
PF_Err ResetTransforms(PF_InData* in_data) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const AEGP_PFInterfaceSuite1* pfInterface = suites.PFInterfaceSuite1();
    const AEGP_UtilitySuite3* utility = suites.UtilitySuite3();
    const AEGP_StreamSuite4* streams = suites.StreamSuite4();
    const AEGP_EffectSuite3* effects = suites.EffectSuite3();

    AEGP_EffectRefH effect = nullptr;
    PF_Err err = pfInterface->AEGP_GetNewEffectForEffect(kNoPluginId, in_data->effect_ref, &effect);
    if (err) {
        return err;
    }
    if (effect == nullptr) {
        return PF_Err_NONE;
    }

    err = utility->AEGP_StartUndoGroup(kResetUndoName);
    for (const ResetValue& reset : kResetValues) {
        if (err) {
            break;
        }
        err = ResetOneParam(streams, effect, reset);
    }
    // A failed reset leaves its undo group open on purpose: only a complete
    // reset becomes one step of the host's undo history.
    if (!err) {
        err = utility->AEGP_EndUndoGroup();
    }
    const PF_Err disposeErr = effects->AEGP_DisposeEffect(effect);
    return err ? err : disposeErr;
}

// Hides or shows one parameter while no error has occurred yet.
void HideIfNoError(PF_Err* err, AEGP_SuiteHandler* suites, int index, AEGP_EffectRefH* effect,
                   bool hide) {
    if (!*err) {
        *err = hideStream(suites, index, effect, hide ? 1 : 0);
    }
}

// The current value of a popup, or 0 when the host gave no record.
A_long PopupValue(PF_ParamDef* params[], int index) {
    return params != nullptr && params[index] != nullptr ? params[index]->u.pd.value : 0;
}

}  // namespace

PF_Err hideStream(AEGP_SuiteHandler* suites, int paramIndex, AEGP_EffectRefH* effect,
                  unsigned char hide) {
    if (effect == nullptr || *effect == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const AEGP_StreamSuite2* streams = suites->StreamSuite2();
    const AEGP_DynamicStreamSuite2* dynamic = suites->DynamicStreamSuite2();

    AEGP_StreamRefH stream = nullptr;
    const PF_Err err =
        streams->AEGP_GetNewEffectStreamByIndex(kNoPluginId, *effect, paramIndex, &stream);
    if (err) {
        return err;
    }
    const PF_Err setErr =
        dynamic->AEGP_SetDynamicStreamFlag(stream, AEGP_DynStreamFlag_HIDDEN, kNotUndoable, hide);
    const PF_Err disposeErr = stream != nullptr ? streams->AEGP_DisposeStream(stream) : PF_Err_NONE;
    return setErr ? setErr : disposeErr;
}

PF_Err ChangeParamString(PF_InData* in_data, AEGP_SuiteHandler* suites, PF_ParamDef** params,
                         int paramType, int paramIndex, const char* name) {
    if (params == nullptr || params[paramIndex] == nullptr || name == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    PF_ParamDef def = *params[paramIndex];
    def.param_type = paramType;
    def.flags |= PF_ParamFlag_COLLAPSE_TWIRLY;
    constexpr int kNameChars = static_cast<int>(sizeof def.name) - 1;
    int i = 0;
    for (; i < kNameChars && name[i] != '\0'; ++i) {
        def.name[i] = name[i];
    }
    def.name[i] = '\0';
    return suites->ParamUtilsSuite3()->PF_UpdateParamUI(in_data->effect_ref, paramIndex, &def);
}

PF_Err UserChangedParam(PF_InData* in_data, PF_OutData*, PF_ParamDef*[], PF_LayerDef*,
                        const PF_UserChangedParamExtra* extra) {
    if (extra == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const int changed = extra->param_index;
    Link link;
    if (LinkForParam(changed, &link)) {
        // The browser's fate is not the command's: a link that cannot be
        // opened is not an error towards the host.
        static_cast<void>(OpenLink(link));
    }
    if (changed != PARAM_RESET_TRANSFORMS) {
        return PF_Err_NONE;
    }
    return ResetTransforms(in_data);
}

PF_Err UpdateParamsUI(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[], PF_LayerDef*) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const AEGP_PFInterfaceSuite1* pfInterface = suites.PFInterfaceSuite1();
    suites.StreamSuite2();
    suites.DynamicStreamSuite2();
    suites.ParamUtilsSuite3();
    const AEGP_EffectSuite2* effects = suites.EffectSuite2();

    AEGP_EffectRefH effect = nullptr;
    PF_Err err = pfInterface->AEGP_GetNewEffectForEffect(kNoPluginId, in_data->effect_ref, &effect);
    // Without a reference there is no stream to change; the rename below does
    // not need one and still runs.
    const bool canChangeStreams = !err && effect != nullptr;

    if (canChangeStreams) {
        for (int index = PARAM_DEBUG_GROUP; index <= PARAM_DEBUG_BOTTOM; ++index) {
            HideIfNoError(&err, &suites, index, &effect, true);
        }
        switch (PopupValue(params, PARAM_SAMPLES)) {
            case SAMPLES_SINGLE:
                HideIfNoError(&err, &suites, PARAM_SAMPLE_COUNT, &effect, true);
                HideIfNoError(&err, &suites, PARAM_SAMPLE_MULTIPLIER, &effect, true);
                break;
            case SAMPLES_AUTO:
                HideIfNoError(&err, &suites, PARAM_SAMPLE_COUNT, &effect, true);
                HideIfNoError(&err, &suites, PARAM_SAMPLE_MULTIPLIER, &effect, false);
                break;
            case SAMPLES_FIXED:
                HideIfNoError(&err, &suites, PARAM_SAMPLE_COUNT, &effect, false);
                HideIfNoError(&err, &suites, PARAM_SAMPLE_MULTIPLIER, &effect, false);
                break;
            default:
                break;
        }
        HideIfNoError(&err, &suites, PARAM_MIX, &effect, false);
        HideIfNoError(&err, &suites, PARAM_AUX_EXPANSION, &effect, false);
    }

    // The rename runs whatever happened before; its own result is not the
    // command's.
    switch (PopupValue(params, PARAM_EXPANSION_MODE)) {
        case EXPANSION_AUTO:
            if (canChangeStreams) {
                HideIfNoError(&err, &suites, PARAM_EXPANSION_LIMIT, &effect, false);
            }
            static_cast<void>(ChangeParamString(in_data, &suites, params, PF_Param_SLIDER,
                                                PARAM_AUX_EXPANSION, "Aux Expansion"));
            break;
        case EXPANSION_MANUAL:
            if (canChangeStreams) {
                HideIfNoError(&err, &suites, PARAM_EXPANSION_LIMIT, &effect, true);
            }
            static_cast<void>(ChangeParamString(in_data, &suites, params, PF_Param_SLIDER,
                                                PARAM_AUX_EXPANSION, "Expansion"));
            break;
        default:
            break;
    }

    if (effect != nullptr) {
        const PF_Err disposeErr = effects->AEGP_DisposeEffect(effect);
        if (!err) {
            err = disposeErr;
        }
    }
    return err;
}
