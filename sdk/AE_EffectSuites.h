#pragma once

// Parameter utilities: pushing a changed parameter definition to the
// interface, keyframe queries and parameter state comparison.

#include "AE_EffectCB.h"
#include "SP/SPBasic.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

typedef A_long PF_TimeDir;

enum {
    PF_TimeDir_GREATER_THAN = 0,
    PF_TimeDir_LESS_THAN = 1,
    PF_TimeDir_GREATER_THAN_OR_EQUAL = 4096,
    PF_TimeDir_LESS_THAN_OR_EQUAL = 4097,
};

// Opaque snapshot of a parameter's state.
typedef struct {
    A_long reservedAL[4];
} PF_State;

#define kPFParamUtilsSuite "PF Param Utils Suite"
#define kPFParamUtilsSuiteVersion3 3

typedef struct PF_ParamUtilsSuite3 {
    // defP stays the caller's; the host reads it during the call only.
    SPAPI PF_Err (*PF_UpdateParamUI)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                     const PF_ParamDef* defP);
    SPAPI PF_Err (*PF_GetCurrentState)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                       const A_Time* startPT0, const A_Time* durationPT0,
                                       PF_State* stateP);
    SPAPI PF_Err (*PF_AreStatesIdentical)(PF_ProgPtr effect_ref, const PF_State* state1P,
                                          const PF_State* state2P, A_Boolean* samePB);
    SPAPI PF_Err (*PF_IsIdenticalCheckout)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                           A_long what_time1, A_long time_step1,
                                           A_u_long time_scale1, A_long what_time2,
                                           A_long time_step2, A_u_long time_scale2,
                                           PF_Boolean* identicalPB);
    SPAPI PF_Err (*PF_FindKeyframeTime)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                        A_long what_time, A_u_long time_scale, PF_TimeDir time_dir,
                                        PF_Boolean* foundPB0, PF_KeyIndex* key_indexP0,
                                        A_long* key_timeP0, A_u_long* key_timescaleP0);
    SPAPI PF_Err (*PF_GetKeyframeCount)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                        PF_KeyIndex* key_countP);
    SPAPI PF_Err (*PF_CheckoutKeyframe)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                        PF_KeyIndex key_index, A_long* key_timeP0,
                                        A_u_long* key_timescaleP0, PF_ParamDef* paramP0);
    SPAPI PF_Err (*PF_CheckinKeyframe)(PF_ProgPtr effect_ref, PF_ParamDef* paramP);
    SPAPI PF_Err (*PF_KeyIndexToTime)(PF_ProgPtr effect_ref, PF_ParamIndex param_index,
                                      PF_KeyIndex key_indexP, A_long* key_timeP,
                                      A_u_long* key_timescaleP);
} PF_ParamUtilsSuite3;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(PF_State) == 16 && alignof(PF_State) == 4, "PF_State");
static_assert(offsetof(PF_State, reservedAL) == 0 && sizeof(PF_State::reservedAL) == 16,
              "PF_State.reservedAL");

static_assert(sizeof(PF_ParamUtilsSuite3) == 72 && alignof(PF_ParamUtilsSuite3) == 8,
              "PF_ParamUtilsSuite3");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_UpdateParamUI) == 0 &&
                  sizeof(PF_ParamUtilsSuite3::PF_UpdateParamUI) == 8,
              "PF_ParamUtilsSuite3.PF_UpdateParamUI");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_GetCurrentState) == 8 &&
                  sizeof(PF_ParamUtilsSuite3::PF_GetCurrentState) == 8,
              "PF_ParamUtilsSuite3.PF_GetCurrentState");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_AreStatesIdentical) == 16 &&
                  sizeof(PF_ParamUtilsSuite3::PF_AreStatesIdentical) == 8,
              "PF_ParamUtilsSuite3.PF_AreStatesIdentical");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_IsIdenticalCheckout) == 24 &&
                  sizeof(PF_ParamUtilsSuite3::PF_IsIdenticalCheckout) == 8,
              "PF_ParamUtilsSuite3.PF_IsIdenticalCheckout");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_FindKeyframeTime) == 32 &&
                  sizeof(PF_ParamUtilsSuite3::PF_FindKeyframeTime) == 8,
              "PF_ParamUtilsSuite3.PF_FindKeyframeTime");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_GetKeyframeCount) == 40 &&
                  sizeof(PF_ParamUtilsSuite3::PF_GetKeyframeCount) == 8,
              "PF_ParamUtilsSuite3.PF_GetKeyframeCount");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_CheckoutKeyframe) == 48 &&
                  sizeof(PF_ParamUtilsSuite3::PF_CheckoutKeyframe) == 8,
              "PF_ParamUtilsSuite3.PF_CheckoutKeyframe");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_CheckinKeyframe) == 56 &&
                  sizeof(PF_ParamUtilsSuite3::PF_CheckinKeyframe) == 8,
              "PF_ParamUtilsSuite3.PF_CheckinKeyframe");
static_assert(offsetof(PF_ParamUtilsSuite3, PF_KeyIndexToTime) == 64 &&
                  sizeof(PF_ParamUtilsSuite3::PF_KeyIndexToTime) == 8,
              "PF_ParamUtilsSuite3.PF_KeyIndexToTime");
#endif
