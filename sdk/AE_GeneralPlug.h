#pragma once

// The general plug-in (AEGP) suites an effect may use: its own layer and
// effect instance, parameter streams and their visibility, undo groups and
// layer queries. References handed out by a Get/New call belong to the
// caller and are disposed through the matching suite call; the suites
// themselves live until released.

#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "SP/SPBasic.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

#define AEGP_PLUGIN_TYPE 0x41456778  // "AEgx", first character in the highest byte
#define AEGP_INITFUNC_MAJOR_VERSION 1
#define AEGP_INITFUNC_MINOR_VERSION 9

// Buffer sizes, terminating NUL included.
#define AEGP_MAX_EFFECT_NAME_SIZE 48
#define AEGP_MAX_EFFECT_MATCH_NAME_SIZE 48
#define AEGP_MAX_EFFECT_CATEGORY_NAME_SIZE 32
#define AEGP_MAX_STREAM_NAME_SIZE 32
#define AEGP_MAX_STREAM_UNITS_SIZE 32
#define AEGP_MAX_LAYER_NAME_SIZE 32
#define AEGP_MAX_ITEM_NAME_SIZE 32
#define AEGP_MAX_PLUGIN_NAME_SIZE 32
#define AEGP_MAX_PATH_SIZE 260

typedef A_long AEGP_PluginID;
typedef A_short AEGP_LTimeMode;
typedef A_long AEGP_LayerFlags;
typedef A_u_long AEGP_DynStreamFlags;
typedef A_long AEGP_StreamType;
typedef A_long AEGP_StreamGroupingType;
typedef A_long AEGP_StreamFlags;
typedef A_long AEGP_LayerStream;
typedef A_long AEGP_MaskStream;
typedef A_long AEGP_KeyInterpolationMask;
typedef A_long AEGP_InstalledEffectKey;
typedef A_long AEGP_EffectIndex;
typedef A_long AEGP_EffectFlags;
typedef A_short AEGP_LayerQuality;
typedef A_short AEGP_LayerSamplingQuality;
typedef A_char AEGP_LabelID;
typedef A_long AEGP_ObjectType;
typedef A_long AEGP_LayerIDVal;
typedef A_long AEGP_MaskIDVal;
typedef A_long AEGP_TrackMatte;
typedef A_long AEGP_TransferFlags;

typedef struct _AEGP_Effect** AEGP_EffectRefH;
typedef struct _AEGPp_Stream** AEGP_StreamRefH;
typedef struct _AEGP_Layer** AEGP_LayerH;
typedef struct _AEGP_Comp** AEGP_CompH;
typedef struct _AEGP_Item** AEGP_ItemH;
typedef struct _AEGP_Mask** AEGP_MaskRefH;
typedef struct _AEGP_MaskOutline** AEGP_MaskOutlineValH;
typedef struct _AEGP_TextDocument** AEGP_TextDocumentH;
typedef struct _Up_OpaqueMem** AEGP_MemHandle;
typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;

typedef struct _AEGP_MarkerVal AEGP_MarkerVal;
typedef AEGP_MarkerVal* AEGP_MarkerValP;
typedef AEGP_MarkerVal** AEGP_MarkerValH;

enum { AEGP_InstalledEffectKey_NONE = 0 };

enum { AEGP_SubLayer_ALL = -1 };

enum { AEGP_Index_NONE = (A_long)0x80000000, AEGP_Index_START = 0, AEGP_Index_END = -1 };

// AEGP_LayerFlags
enum {
    AEGP_LayerFlag_NONE = 0x0,
    AEGP_LayerFlag_VIDEO_ACTIVE = 0x1,
    AEGP_LayerFlag_AUDIO_ACTIVE = 0x2,
    AEGP_LayerFlag_EFFECTS_ACTIVE = 0x4,
    AEGP_LayerFlag_MOTION_BLUR = 0x8,
    AEGP_LayerFlag_FRAME_BLENDING = 0x10,
    AEGP_LayerFlag_LOCKED = 0x20,
    AEGP_LayerFlag_SHY = 0x40,
    AEGP_LayerFlag_COLLAPSE = 0x80,
    AEGP_LayerFlag_AUTO_ORIENT_ROTATION = 0x100,
    AEGP_LayerFlag_ADJUSTMENT_LAYER = 0x200,
    AEGP_LayerFlag_TIME_REMAPPING = 0x400,
    AEGP_LayerFlag_LAYER_IS_3D = 0x800,
    AEGP_LayerFlag_LOOK_AT_CAMERA = 0x1000,
    AEGP_LayerFlag_LOOK_AT_POI = 0x2000,
    AEGP_LayerFlag_SOLO = 0x4000,
    AEGP_LayerFlag_MARKERS_LOCKED = 0x8000,
    AEGP_LayerFlag_NULL_LAYER = 0x10000,
    AEGP_LayerFlag_HIDE_LOCKED_MASKS = 0x20000,
    AEGP_LayerFlag_GUIDE_LAYER = 0x40000,
    AEGP_LayerFlag_ADVANCED_FRAME_BLENDING = 0x80000,
    AEGP_LayerFlag_SUBLAYERS_RENDER_SEPARATELY = 0x100000,
    AEGP_LayerFlag_ENVIRONMENT_LAYER = 0x200000,
};

// AEGP_DynStreamFlags
enum {
    AEGP_DynStreamFlag_ACTIVE_EYEBALL = 0x1,
    AEGP_DynStreamFlag_HIDDEN = 0x2,
    AEGP_DynStreamFlag_DISABLED = 0x10,
    AEGP_DynStreamFlag_ELIDED = 0x20,
    AEGP_DynStreamFlag_SHOWN_WHEN_EMPTY = 0x400,
    AEGP_DynStreamFlag_SKIP_REVEAL_WHEN_UNHIDDEN = 0x10000,
};

// AEGP_LTimeMode is 16 bits wide.
enum {
    AEGP_LTimeMode_LayerTime = 0,
    AEGP_LTimeMode_CompTime = 1,
};

enum {
    AEGP_StreamType_NO_DATA = 0,
    AEGP_StreamType_ThreeD_SPATIAL = 1,
    AEGP_StreamType_ThreeD = 2,
    AEGP_StreamType_TwoD_SPATIAL = 3,
    AEGP_StreamType_TwoD = 4,
    AEGP_StreamType_OneD = 5,
    AEGP_StreamType_COLOR = 6,
    AEGP_StreamType_ARB = 7,
    AEGP_StreamType_MARKER = 8,
    AEGP_StreamType_LAYER_ID = 9,
    AEGP_StreamType_MASK_ID = 10,
    AEGP_StreamType_MASK = 11,
    AEGP_StreamType_TEXT_DOCUMENT = 12,
};

enum {
    AEGP_StreamGroupingType_NONE = -1,
    AEGP_StreamGroupingType_LEAF = 0,
    AEGP_StreamGroupingType_NAMED_GROUP = 1,
    AEGP_StreamGroupingType_INDEXED_GROUP = 2,
};

enum {
    AEGP_StreamFlag_NONE = 0x0,
    AEGP_StreamFlag_HAS_MIN = 0x1,
    AEGP_StreamFlag_HAS_MAX = 0x2,
    AEGP_StreamFlag_IS_SPATIAL = 0x4,
};

enum {
    AEGP_EffectFlags_NONE = 0x0,
    AEGP_EffectFlags_ACTIVE = 0x1,
    AEGP_EffectFlags_AUDIO_ONLY = 0x2,
    AEGP_EffectFlags_AUDIO_TOO = 0x4,
    AEGP_EffectFlags_MISSING = 0x8,
};

enum {
    AEGP_ObjectType_NONE = -1,
    AEGP_ObjectType_AV = 0,
    AEGP_ObjectType_LIGHT = 1,
    AEGP_ObjectType_CAMERA = 2,
    AEGP_ObjectType_TEXT = 3,
    AEGP_ObjectType_VECTOR = 4,
    AEGP_ObjectType_RESERVED1 = 5,
    AEGP_ObjectType_RESERVED2 = 6,
    AEGP_ObjectType_RESERVED3 = 7,
    AEGP_ObjectType_RESERVED4 = 8,
    AEGP_ObjectType_RESERVED5 = 9,
    AEGP_ObjectType_RESERVED6 = 10,
    AEGP_ObjectType_NUM_TYPES = 11,
};

typedef struct {
    A_long reservedAL[12];
} AEGP_ErrReportState;

typedef struct {
    A_FpLong alphaF, redF, greenF, blueF;
} AEGP_ColorVal;

typedef A_FpLong AEGP_OneDVal;

typedef struct {
    A_FpLong x, y;
} AEGP_TwoDVal;

typedef struct {
    A_FpLong x, y, z;
} AEGP_ThreeDVal;

typedef A_FpLong AEGP_FourDVal[4];

typedef A_Handle AEGP_ArbBlockVal;

// Stream value as used by Stream suite version 7.
typedef union {
    AEGP_FourDVal four_d;
    AEGP_ThreeDVal three_d;
    AEGP_TwoDVal two_d;
    AEGP_OneDVal one_d;
    AEGP_ColorVal color;
    AEGP_ArbBlockVal arbH;
    AEGP_MarkerValH markerH;
    AEGP_LayerIDVal layer_id;
    AEGP_MaskIDVal mask_id;
    AEGP_MaskOutlineValH mask;
    AEGP_TextDocumentH text_documentH;
} AEGP_StreamVal;

typedef struct {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal val;
} AEGP_StreamValue;

// Stream value as used by Stream suite version 9.
typedef union {
    AEGP_FourDVal four_d;
    AEGP_ThreeDVal three_d;
    AEGP_TwoDVal two_d;
    AEGP_OneDVal one_d;
    AEGP_ColorVal color;
    AEGP_ArbBlockVal arbH;
    AEGP_MarkerValP markerP;
    AEGP_LayerIDVal layer_id;
    AEGP_MaskIDVal mask_id;
    AEGP_MaskOutlineValH mask;
    AEGP_TextDocumentH text_documentH;
} AEGP_StreamVal2;

typedef struct {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal2 val;
} AEGP_StreamValue2;

typedef struct {
    PF_TransferMode mode;
    AEGP_TransferFlags flags;
    AEGP_TrackMatte track_matte;
} AEGP_LayerTransferMode;

// ---------------------------------------------------------------------------
// AEGP PF Interface suite: from an effect reference to the layer and the
// effect instance it belongs to.

#define kAEGPPFInterfaceSuite "AEGP PF Interface Suite"
#define kAEGPPFInterfaceSuiteVersion1 1

typedef struct {
    SPAPI A_Err (*AEGP_GetEffectLayer)(PF_ProgPtr effect_ppr_ref, AEGP_LayerH* layerPH);
    // The returned reference is the caller's; dispose it with AEGP_DisposeEffect.
    SPAPI A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID aegp_plugin_id,
                                              PF_ProgPtr effect_ppr_ref, AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_ConvertEffectToCompTime)(PF_ProgPtr effect_ppr_ref, A_long what_timeL,
                                                A_u_long time_scaleLu, A_Time* comp_timePT);
    SPAPI A_Err (*AEGP_GetEffectCamera)(PF_ProgPtr effect_ppr_ref, const A_Time* comp_timePT,
                                        AEGP_LayerH* camera_layerPH);
    SPAPI A_Err (*AEGP_GetEffectCameraMatrix)(PF_ProgPtr effect_ppr_ref, const A_Time* comp_timePT,
                                              A_Matrix4* camera_matrixP, A_FpLong* dst_to_planePF,
                                              A_short* plane_widthPL, A_short* plane_heightPL);
} AEGP_PFInterfaceSuite1;

// ---------------------------------------------------------------------------
// AEGP Effect suite. Versions 2 and 3 differ only in AEGP_EffectCallGeneric.

#define kAEGPEffectSuite "AEGP Effect Suite"
#define kAEGPEffectSuiteVersion2 2
#define kAEGPEffectSuiteVersion3 3
#define kAEGPEffectSuiteVersion4 4

typedef struct {
    SPAPI A_Err (*AEGP_GetLayerNumEffects)(AEGP_LayerH layerH, A_long* num_effectsPL);
    SPAPI A_Err (*AEGP_GetLayerEffectByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                              AEGP_EffectIndex layer_effect_indexL,
                                              AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_GetInstalledKeyFromLayerEffect)(AEGP_EffectRefH effectH,
                                                       AEGP_InstalledEffectKey* installed_keyP);
    SPAPI A_Err (*AEGP_GetEffectParamUnionByIndex)(AEGP_PluginID aegp_plugin_id,
                                                   AEGP_EffectRefH effectH,
                                                   PF_ParamIndex param_index,
                                                   PF_ParamType* param_typeP,
                                                   PF_ParamDefUnion* uP0);
    SPAPI A_Err (*AEGP_GetEffectFlags)(AEGP_EffectRefH effectH, AEGP_EffectFlags* effect_flagsP);
    SPAPI A_Err (*AEGP_SetEffectFlags)(AEGP_EffectRefH effectH, AEGP_EffectFlags mask,
                                       AEGP_EffectFlags effect_flags);
    SPAPI A_Err (*AEGP_ReorderEffect)(AEGP_EffectRefH effectH, A_long effect_indexL);
    SPAPI A_Err (*AEGP_EffectCallGeneric)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effectH,
                                          const A_Time* timePT, void* effect_extraPV);
    SPAPI A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effectH);
    SPAPI A_Err (*AEGP_ApplyEffect)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_InstalledEffectKey installed_key,
                                    AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_DeleteLayerEffect)(AEGP_EffectRefH effectH);
    SPAPI A_Err (*AEGP_GetNumInstalledEffects)(A_long* num_installed_effectsPL);
    SPAPI A_Err (*AEGP_GetNextInstalledEffect)(AEGP_InstalledEffectKey key,
                                               AEGP_InstalledEffectKey* next_keyPH);
    SPAPI A_Err (*AEGP_GetEffectName)(AEGP_InstalledEffectKey installed_key, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetEffectMatchName)(AEGP_InstalledEffectKey installed_key, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetEffectCategory)(AEGP_InstalledEffectKey installed_key, A_char* categoryZ);
    SPAPI A_Err (*AEGP_DuplicateEffect)(AEGP_EffectRefH original_effectH,
                                        AEGP_EffectRefH* duplicate_effectPH);
} AEGP_EffectSuite2;

typedef struct {
    SPAPI A_Err (*AEGP_GetLayerNumEffects)(AEGP_LayerH layerH, A_long* num_effectsPL);
    SPAPI A_Err (*AEGP_GetLayerEffectByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                              AEGP_EffectIndex layer_effect_indexL,
                                              AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_GetInstalledKeyFromLayerEffect)(AEGP_EffectRefH effectH,
                                                       AEGP_InstalledEffectKey* installed_keyP);
    SPAPI A_Err (*AEGP_GetEffectParamUnionByIndex)(AEGP_PluginID aegp_plugin_id,
                                                   AEGP_EffectRefH effectH,
                                                   PF_ParamIndex param_index,
                                                   PF_ParamType* param_typeP,
                                                   PF_ParamDefUnion* uP0);
    SPAPI A_Err (*AEGP_GetEffectFlags)(AEGP_EffectRefH effectH, AEGP_EffectFlags* effect_flagsP);
    SPAPI A_Err (*AEGP_SetEffectFlags)(AEGP_EffectRefH effectH, AEGP_EffectFlags mask,
                                       AEGP_EffectFlags effect_flags);
    SPAPI A_Err (*AEGP_ReorderEffect)(AEGP_EffectRefH effectH, A_long effect_indexL);
    SPAPI A_Err (*AEGP_EffectCallGeneric)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effectH,
                                          const A_Time* timePT, PF_Cmd effect_cmd,
                                          void* effect_extraPV);
    SPAPI A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effectH);
    SPAPI A_Err (*AEGP_ApplyEffect)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_InstalledEffectKey installed_key,
                                    AEGP_EffectRefH* effectPH);
    SPAPI A_Err (*AEGP_DeleteLayerEffect)(AEGP_EffectRefH effectH);
    SPAPI A_Err (*AEGP_GetNumInstalledEffects)(A_long* num_installed_effectsPL);
    SPAPI A_Err (*AEGP_GetNextInstalledEffect)(AEGP_InstalledEffectKey key,
                                               AEGP_InstalledEffectKey* next_keyPH);
    SPAPI A_Err (*AEGP_GetEffectName)(AEGP_InstalledEffectKey installed_key, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetEffectMatchName)(AEGP_InstalledEffectKey installed_key, A_char* nameZ);
    SPAPI A_Err (*AEGP_GetEffectCategory)(AEGP_InstalledEffectKey installed_key, A_char* categoryZ);
    SPAPI A_Err (*AEGP_DuplicateEffect)(AEGP_EffectRefH original_effectH,
                                        AEGP_EffectRefH* duplicate_effectPH);
} AEGP_EffectSuite3;

// ---------------------------------------------------------------------------
// AEGP Stream suite. Registered version 7 is AEGP_StreamSuite2, 9 is
// AEGP_StreamSuite4; they differ in AEGP_GetStreamName and in the stream
// value type. Stream references are the caller's (AEGP_DisposeStream).

#define kAEGPStreamSuite "AEGP Stream Suite"
#define kAEGPStreamSuiteVersion2 7
#define kAEGPStreamSuiteVersion4 9
#define kAEGPStreamSuiteVersion5 10
#define kAEGPStreamSuiteVersion6 11

typedef struct {
    SPAPI A_Err (*AEGP_IsStreamLegal)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                      A_Boolean* is_legalP);
    SPAPI A_Err (*AEGP_CanVaryOverTime)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB);
    SPAPI A_Err (*AEGP_GetValidInterpolations)(AEGP_StreamRefH streamH,
                                               AEGP_KeyInterpolationMask* valid_interpP);
    SPAPI A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                          AEGP_LayerStream which_stream, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetEffectNumParamStreams)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL);
    SPAPI A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id,
                                                  AEGP_EffectRefH effect_refH,
                                                  PF_ParamIndex param_index,
                                                  AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetNewMaskStream)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH mask_refH,
                                         AEGP_MaskStream which_stream,
                                         AEGP_StreamRefH* mask_strmPH);
    SPAPI A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    SPAPI A_Err (*AEGP_GetStreamName)(AEGP_StreamRefH streamH, A_Boolean force_englishB,
                                      A_char* nameZ);
    SPAPI A_Err (*AEGP_GetStreamUnitsText)(AEGP_StreamRefH streamH, A_Boolean force_englishB,
                                           A_char* unitsZ);
    SPAPI A_Err (*AEGP_GetStreamProperties)(AEGP_StreamRefH streamH, AEGP_StreamFlags* flagsP,
                                            A_FpLong* minP0, A_FpLong* maxP0);
    SPAPI A_Err (*AEGP_IsStreamTimevarying)(AEGP_StreamRefH streamH, A_Boolean* is_timevaryPB);
    SPAPI A_Err (*AEGP_GetStreamType)(AEGP_StreamRefH streamH, AEGP_StreamType* stream_typeP);
    SPAPI A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                          AEGP_LTimeMode time_mode, const A_Time* timePT,
                                          A_Boolean pre_expressionB, AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                       AEGP_StreamValue* valueP);
    SPAPI A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                            AEGP_LTimeMode time_mode, const A_Time* timePT,
                                            A_Boolean pre_expressionB, AEGP_StreamVal* stream_valP,
                                            AEGP_StreamType* stream_typeP0);
    SPAPI A_Err (*AEGP_GetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           A_Boolean* enabledPB);
    SPAPI A_Err (*AEGP_SetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           A_Boolean enabledB);
    SPAPI A_Err (*AEGP_GetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      AEGP_MemHandle* expressionHZ);
    SPAPI A_Err (*AEGP_SetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      const A_char* expressionP);
    SPAPI A_Err (*AEGP_DuplicateStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           AEGP_StreamRefH* dup_streamPH);
} AEGP_StreamSuite2;

typedef struct {
    SPAPI A_Err (*AEGP_IsStreamLegal)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                      A_Boolean* is_legalP);
    SPAPI A_Err (*AEGP_CanVaryOverTime)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB);
    SPAPI A_Err (*AEGP_GetValidInterpolations)(AEGP_StreamRefH streamH,
                                               AEGP_KeyInterpolationMask* valid_interpP);
    SPAPI A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                          AEGP_LayerStream which_stream, AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetEffectNumParamStreams)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL);
    SPAPI A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id,
                                                  AEGP_EffectRefH effect_refH,
                                                  PF_ParamIndex param_index,
                                                  AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetNewMaskStream)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH mask_refH,
                                         AEGP_MaskStream which_stream,
                                         AEGP_StreamRefH* mask_strmPH);
    SPAPI A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    // The name comes back as UTF-16 in a memory handle the caller disposes.
    SPAPI A_Err (*AEGP_GetStreamName)(AEGP_PluginID pluginID, AEGP_StreamRefH streamH,
                                      A_Boolean force_englishB, AEGP_MemHandle* utf_stream_namePH);
    SPAPI A_Err (*AEGP_GetStreamUnitsText)(AEGP_StreamRefH streamH, A_Boolean force_englishB,
                                           A_char* unitsZ);
    SPAPI A_Err (*AEGP_GetStreamProperties)(AEGP_StreamRefH streamH, AEGP_StreamFlags* flagsP,
                                            A_FpLong* minP0, A_FpLong* maxP0);
    SPAPI A_Err (*AEGP_IsStreamTimevarying)(AEGP_StreamRefH streamH, A_Boolean* is_timevaryPB);
    SPAPI A_Err (*AEGP_GetStreamType)(AEGP_StreamRefH streamH, AEGP_StreamType* stream_typeP);
    SPAPI A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                          AEGP_LTimeMode time_mode, const A_Time* timePT,
                                          A_Boolean pre_expressionB, AEGP_StreamValue2* valueP);
    SPAPI A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue2* valueP);
    SPAPI A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                       AEGP_StreamValue2* valueP);
    SPAPI A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                            AEGP_LTimeMode time_mode, const A_Time* timePT,
                                            A_Boolean pre_expressionB, AEGP_StreamVal2* stream_valP,
                                            AEGP_StreamType* stream_typeP0);
    SPAPI A_Err (*AEGP_GetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           A_Boolean* enabledPB);
    SPAPI A_Err (*AEGP_SetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           A_Boolean enabledB);
    SPAPI A_Err (*AEGP_GetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      AEGP_MemHandle* expressionHZ);
    SPAPI A_Err (*AEGP_SetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      const A_char* expressionP);
    SPAPI A_Err (*AEGP_DuplicateStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                           AEGP_StreamRefH* dup_streamPH);
} AEGP_StreamSuite4;

// ---------------------------------------------------------------------------
// AEGP Dynamic Stream suite: stream groups and their flags (hiding a
// parameter's stream hides its control).

#define kAEGPDynamicStreamSuite "AEGP Dynamic Stream Suite"
#define kAEGPDynamicStreamSuiteVersion2 2
#define kAEGPDynamicStreamSuiteVersion4 5  // not a prefix of version 2

typedef struct {
    SPAPI A_Err (*AEGP_GetNewStreamRefForLayer)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                                AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetStreamDepth)(AEGP_StreamRefH streamH, A_long* depthPL);
    SPAPI A_Err (*AEGP_GetStreamGroupingType)(AEGP_StreamRefH streamH,
                                              AEGP_StreamGroupingType* group_typeP);
    SPAPI A_Err (*AEGP_GetNumStreamsInGroup)(AEGP_StreamRefH streamH, A_long* num_streamsPL);
    SPAPI A_Err (*AEGP_GetDynamicStreamFlags)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* flagsP);
    SPAPI A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag,
                                             A_Boolean undoableB, A_Boolean setB);
    SPAPI A_Err (*AEGP_GetNewStreamRefByIndex)(AEGP_PluginID aegp_plugin_id,
                                               AEGP_StreamRefH parent_groupH, A_long indexL,
                                               AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_GetNewStreamRefByMatchname)(AEGP_PluginID aegp_plugin_id,
                                                   AEGP_StreamRefH parent_groupH,
                                                   const A_char* utf8_match_nameZ,
                                                   AEGP_StreamRefH* streamPH);
    SPAPI A_Err (*AEGP_DeleteStream)(AEGP_StreamRefH streamH);
    SPAPI A_Err (*AEGP_ReorderStream)(AEGP_StreamRefH streamH, A_long new_indexL);
    SPAPI A_Err (*AEGP_DuplicateStream)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                        A_long* new_indexPL0);
    SPAPI A_Err (*AEGP_SetStreamName)(AEGP_StreamRefH streamH, const A_char* nameZ);
    SPAPI A_Err (*AEGP_CanAddStream)(AEGP_StreamRefH group_streamH, const A_char* utf8_match_nameZ,
                                     A_Boolean* can_addPB);
    SPAPI A_Err (*AEGP_AddStream)(AEGP_PluginID aegp_plugin_id,
                                  AEGP_StreamRefH indexed_group_streamH,
                                  const A_char* utf8_match_nameZ, AEGP_StreamRefH* streamPH0);
    SPAPI A_Err (*AEGP_GetMatchName)(AEGP_StreamRefH streamH, A_char* utf8_nameZ);
    SPAPI A_Err (*AEGP_GetNewParentStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                              AEGP_StreamRefH* parent_streamPH);
    SPAPI A_Err (*AEGP_GetStreamIsModified)(AEGP_StreamRefH streamH, A_Boolean* modifiedPB);
} AEGP_DynamicStreamSuite2;

// ---------------------------------------------------------------------------
// AEGP Utility suite, registered version 7 (AEGP_UtilitySuite3). Undo groups
// nest: every AEGP_StartUndoGroup is closed by one AEGP_EndUndoGroup.

#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion3 7
#define kAEGPUtilitySuiteVersion6 13  // not a prefix of version 7

typedef struct {
    SPAPI A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    SPAPI A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS,
                                                       A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS,
                                                       A_short* minor_versionPS);
    SPAPI A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB,
                                       AEGP_ErrReportState* err_stateP);
    SPAPI A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    SPAPI A_Err (*AEGP_EndUndoGroup)(void);
    SPAPI A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon,
                                         const A_char* plugin_nameZ, AEGP_PluginID* plugin_id);
    SPAPI A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    SPAPI A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    SPAPI A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    SPAPI A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    SPAPI A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB,
                                            AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB,
                                              AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    SPAPI A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    SPAPI A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    SPAPI A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    SPAPI A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    SPAPI A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    SPAPI A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    SPAPI A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    SPAPI A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ,
                                        const A_char* infoZ);
} AEGP_UtilitySuite3;

// ---------------------------------------------------------------------------
// AEGP Layer suite, registered version 13 (AEGP_LayerSuite7).

#define kAEGPLayerSuite "AEGP Layer Suite"
#define kAEGPLayerSuiteVersion7 13
#define kAEGPLayerSuiteVersion9 15

typedef struct {
    SPAPI A_Err (*AEGP_GetCompNumLayers)(AEGP_CompH compH, A_long* num_layersPL);
    SPAPI A_Err (*AEGP_GetCompLayerByIndex)(AEGP_CompH compH, A_long layer_indexL,
                                            AEGP_LayerH* layerPH);
    SPAPI A_Err (*AEGP_GetActiveLayer)(AEGP_LayerH* layerPH);
    SPAPI A_Err (*AEGP_GetLayerIndex)(AEGP_LayerH layerH, A_long* layer_indexPL);
    SPAPI A_Err (*AEGP_GetLayerSourceItem)(AEGP_LayerH layerH, AEGP_ItemH* source_itemPH);
    SPAPI A_Err (*AEGP_GetLayerSourceItemID)(AEGP_LayerH layerH, A_long* source_item_idPL);
    SPAPI A_Err (*AEGP_GetLayerParentComp)(AEGP_LayerH layerH, AEGP_CompH* compPH);
    SPAPI A_Err (*AEGP_GetLayerName)(AEGP_PluginID pluginID, AEGP_LayerH layerH,
                                     AEGP_MemHandle* utf_layer_namePH0,
                                     AEGP_MemHandle* utf_source_namePH0);
    SPAPI A_Err (*AEGP_GetLayerQuality)(AEGP_LayerH layerH, AEGP_LayerQuality* qualityP);
    SPAPI A_Err (*AEGP_SetLayerQuality)(AEGP_LayerH layerH, AEGP_LayerQuality quality);
    SPAPI A_Err (*AEGP_GetLayerFlags)(AEGP_LayerH layerH, AEGP_LayerFlags* layer_flagsP);
    SPAPI A_Err (*AEGP_SetLayerFlag)(AEGP_LayerH layerH, AEGP_LayerFlags single_flag,
                                     A_Boolean valueB);
    SPAPI A_Err (*AEGP_IsLayerVideoReallyOn)(AEGP_LayerH layerH, A_Boolean* onPB);
    SPAPI A_Err (*AEGP_IsLayerAudioReallyOn)(AEGP_LayerH layerH, A_Boolean* onPB);
    SPAPI A_Err (*AEGP_GetLayerCurrentTime)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                            A_Time* curr_timePT);
    SPAPI A_Err (*AEGP_GetLayerInPoint)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                        A_Time* in_pointPT);
    SPAPI A_Err (*AEGP_GetLayerDuration)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                         A_Time* durationPT);
    SPAPI A_Err (*AEGP_SetLayerInPointAndDuration)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                                   const A_Time* in_pointPT,
                                                   const A_Time* durationPT);
    SPAPI A_Err (*AEGP_GetLayerOffset)(AEGP_LayerH layerH, A_Time* offsetPT);
    SPAPI A_Err (*AEGP_SetLayerOffset)(AEGP_LayerH layerH, const A_Time* offsetPT);
    SPAPI A_Err (*AEGP_GetLayerStretch)(AEGP_LayerH layerH, A_Ratio* stretchPRt);
    SPAPI A_Err (*AEGP_SetLayerStretch)(AEGP_LayerH layerH, const A_Ratio* stretchPRt);
    SPAPI A_Err (*AEGP_GetLayerTransferMode)(AEGP_LayerH layerH,
                                             AEGP_LayerTransferMode* transfer_modeP);
    SPAPI A_Err (*AEGP_SetLayerTransferMode)(AEGP_LayerH layerH,
                                             const AEGP_LayerTransferMode* transfer_modeP);
    SPAPI A_Err (*AEGP_IsAddLayerValid)(AEGP_ItemH item_to_addH, AEGP_CompH into_compH,
                                        A_Boolean* validPB);
    SPAPI A_Err (*AEGP_AddLayer)(AEGP_ItemH item_to_addH, AEGP_CompH into_compH,
                                 AEGP_LayerH* added_layerPH0);
    SPAPI A_Err (*AEGP_ReorderLayer)(AEGP_LayerH layerH, A_long layer_indexL);
    SPAPI A_Err (*AEGP_GetLayerMaskedBounds)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                             const A_Time* timePT, A_FloatRect* boundsPR);
    SPAPI A_Err (*AEGP_GetLayerObjectType)(AEGP_LayerH layerH, AEGP_ObjectType* object_type);
    SPAPI A_Err (*AEGP_IsLayer3D)(AEGP_LayerH layerH, A_Boolean* is_3DPB);
    SPAPI A_Err (*AEGP_IsLayer2D)(AEGP_LayerH layerH, A_Boolean* is_2DPB);
    SPAPI A_Err (*AEGP_IsVideoActive)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                      const A_Time* comp_timePT, A_Boolean* is_activePB);
    SPAPI A_Err (*AEGP_IsLayerUsedAsTrackMatte)(AEGP_LayerH layerH, A_Boolean fill_must_be_activeB,
                                                A_Boolean* is_track_mattePB);
    SPAPI A_Err (*AEGP_DoesLayerHaveTrackMatte)(AEGP_LayerH layerH, A_Boolean* has_track_mattePB);
    SPAPI A_Err (*AEGP_ConvertCompToLayerTime)(AEGP_LayerH layerH, const A_Time* comp_timeP,
                                               A_Time* layer_timeP);
    SPAPI A_Err (*AEGP_ConvertLayerToCompTime)(AEGP_LayerH layerH, const A_Time* layer_timeP,
                                               A_Time* comp_timeP);
    SPAPI A_Err (*AEGP_GetLayerDancingRandValue)(AEGP_LayerH layerH, const A_Time* comp_timePT,
                                                 A_long* rand_valuePL);
    SPAPI A_Err (*AEGP_GetLayerID)(AEGP_LayerH layerH, AEGP_LayerIDVal* id_valP);
    SPAPI A_Err (*AEGP_GetLayerToWorldXform)(AEGP_LayerH aegp_layerH, const A_Time* comp_timeP,
                                             A_Matrix4* transform);
    SPAPI A_Err (*AEGP_GetLayerToWorldXformFromView)(AEGP_LayerH aegp_layerH,
                                                     const A_Time* view_timeP,
                                                     const A_Time* comp_timeP,
                                                     A_Matrix4* transform);
    SPAPI A_Err (*AEGP_SetLayerName)(AEGP_LayerH aegp_layerH, const A_UTF16Char* new_nameZ);
    SPAPI A_Err (*AEGP_GetLayerParent)(const AEGP_LayerH layerH, AEGP_LayerH* parent_layerPH);
    SPAPI A_Err (*AEGP_SetLayerParent)(AEGP_LayerH layerH, const AEGP_LayerH parent_layerH);
    SPAPI A_Err (*AEGP_DeleteLayer)(AEGP_LayerH layerH);
    SPAPI A_Err (*AEGP_DuplicateLayer)(AEGP_LayerH orig_layerH, AEGP_LayerH* duplicate_layerPH);
    SPAPI A_Err (*AEGP_GetLayerFromLayerID)(AEGP_CompH parent_compH, AEGP_LayerIDVal id,
                                            AEGP_LayerH* layerPH);
    SPAPI A_Err (*AEGP_GetLayerLabel)(AEGP_LayerH layerH, AEGP_LabelID* labelP);
    SPAPI A_Err (*AEGP_SetLayerLabel)(AEGP_LayerH layerH, AEGP_LabelID label);
} AEGP_LayerSuite7;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(AEGP_LTimeMode) == 2 && sizeof(AEGP_LayerQuality) == 2 &&
                  sizeof(AEGP_LabelID) == 1 && sizeof(AEGP_DynStreamFlags) == 4 &&
                  (AEGP_DynStreamFlags)-1 > 0,
              "AEGP scalar types");
static_assert(sizeof(AEGP_StreamRefH) == 8 && sizeof(AEGP_MemHandle) == 8 &&
                  sizeof(AEGP_MarkerValP) == 8,
              "AEGP handles");

static_assert(sizeof(AEGP_ErrReportState) == 48 && alignof(AEGP_ErrReportState) == 4,
              "AEGP_ErrReportState");
static_assert(offsetof(AEGP_ErrReportState, reservedAL) == 0 &&
                  sizeof(AEGP_ErrReportState::reservedAL) == 48,
              "AEGP_ErrReportState.reservedAL");

static_assert(sizeof(AEGP_ColorVal) == 32 && alignof(AEGP_ColorVal) == 8, "AEGP_ColorVal");
static_assert(offsetof(AEGP_ColorVal, alphaF) == 0 && sizeof(AEGP_ColorVal::alphaF) == 8,
              "AEGP_ColorVal.alphaF");
static_assert(offsetof(AEGP_ColorVal, redF) == 8 && sizeof(AEGP_ColorVal::redF) == 8,
              "AEGP_ColorVal.redF");
static_assert(offsetof(AEGP_ColorVal, greenF) == 16 && sizeof(AEGP_ColorVal::greenF) == 8,
              "AEGP_ColorVal.greenF");
static_assert(offsetof(AEGP_ColorVal, blueF) == 24 && sizeof(AEGP_ColorVal::blueF) == 8,
              "AEGP_ColorVal.blueF");

static_assert(sizeof(AEGP_TwoDVal) == 16 && alignof(AEGP_TwoDVal) == 8, "AEGP_TwoDVal");
static_assert(offsetof(AEGP_TwoDVal, x) == 0 && sizeof(AEGP_TwoDVal::x) == 8, "AEGP_TwoDVal.x");
static_assert(offsetof(AEGP_TwoDVal, y) == 8 && sizeof(AEGP_TwoDVal::y) == 8, "AEGP_TwoDVal.y");

static_assert(sizeof(AEGP_ThreeDVal) == 24 && alignof(AEGP_ThreeDVal) == 8, "AEGP_ThreeDVal");
static_assert(offsetof(AEGP_ThreeDVal, x) == 0 && sizeof(AEGP_ThreeDVal::x) == 8,
              "AEGP_ThreeDVal.x");
static_assert(offsetof(AEGP_ThreeDVal, y) == 8 && sizeof(AEGP_ThreeDVal::y) == 8,
              "AEGP_ThreeDVal.y");
static_assert(offsetof(AEGP_ThreeDVal, z) == 16 && sizeof(AEGP_ThreeDVal::z) == 8,
              "AEGP_ThreeDVal.z");

static_assert(sizeof(AEGP_StreamVal) == 32 && alignof(AEGP_StreamVal) == 8, "AEGP_StreamVal");
static_assert(offsetof(AEGP_StreamVal, four_d) == 0 && sizeof(AEGP_StreamVal::four_d) == 32,
              "AEGP_StreamVal.four_d");
static_assert(offsetof(AEGP_StreamVal, three_d) == 0 && sizeof(AEGP_StreamVal::three_d) == 24,
              "AEGP_StreamVal.three_d");
static_assert(offsetof(AEGP_StreamVal, two_d) == 0 && sizeof(AEGP_StreamVal::two_d) == 16,
              "AEGP_StreamVal.two_d");
static_assert(offsetof(AEGP_StreamVal, one_d) == 0 && sizeof(AEGP_StreamVal::one_d) == 8,
              "AEGP_StreamVal.one_d");
static_assert(offsetof(AEGP_StreamVal, color) == 0 && sizeof(AEGP_StreamVal::color) == 32,
              "AEGP_StreamVal.color");
static_assert(offsetof(AEGP_StreamVal, arbH) == 0 && sizeof(AEGP_StreamVal::arbH) == 8,
              "AEGP_StreamVal.arbH");
static_assert(offsetof(AEGP_StreamVal, markerH) == 0 && sizeof(AEGP_StreamVal::markerH) == 8,
              "AEGP_StreamVal.markerH");
static_assert(offsetof(AEGP_StreamVal, layer_id) == 0 && sizeof(AEGP_StreamVal::layer_id) == 4,
              "AEGP_StreamVal.layer_id");
static_assert(offsetof(AEGP_StreamVal, mask_id) == 0 && sizeof(AEGP_StreamVal::mask_id) == 4,
              "AEGP_StreamVal.mask_id");
static_assert(offsetof(AEGP_StreamVal, mask) == 0 && sizeof(AEGP_StreamVal::mask) == 8,
              "AEGP_StreamVal.mask");
static_assert(offsetof(AEGP_StreamVal, text_documentH) == 0 &&
                  sizeof(AEGP_StreamVal::text_documentH) == 8,
              "AEGP_StreamVal.text_documentH");

static_assert(sizeof(AEGP_StreamValue) == 40 && alignof(AEGP_StreamValue) == 8, "AEGP_StreamValue");
static_assert(offsetof(AEGP_StreamValue, streamH) == 0 && sizeof(AEGP_StreamValue::streamH) == 8,
              "AEGP_StreamValue.streamH");
static_assert(offsetof(AEGP_StreamValue, val) == 8 && sizeof(AEGP_StreamValue::val) == 32,
              "AEGP_StreamValue.val");

static_assert(sizeof(AEGP_StreamVal2) == 32 && alignof(AEGP_StreamVal2) == 8, "AEGP_StreamVal2");
static_assert(offsetof(AEGP_StreamVal2, four_d) == 0 && sizeof(AEGP_StreamVal2::four_d) == 32,
              "AEGP_StreamVal2.four_d");
static_assert(offsetof(AEGP_StreamVal2, three_d) == 0 && sizeof(AEGP_StreamVal2::three_d) == 24,
              "AEGP_StreamVal2.three_d");
static_assert(offsetof(AEGP_StreamVal2, two_d) == 0 && sizeof(AEGP_StreamVal2::two_d) == 16,
              "AEGP_StreamVal2.two_d");
static_assert(offsetof(AEGP_StreamVal2, one_d) == 0 && sizeof(AEGP_StreamVal2::one_d) == 8,
              "AEGP_StreamVal2.one_d");
static_assert(offsetof(AEGP_StreamVal2, color) == 0 && sizeof(AEGP_StreamVal2::color) == 32,
              "AEGP_StreamVal2.color");
static_assert(offsetof(AEGP_StreamVal2, arbH) == 0 && sizeof(AEGP_StreamVal2::arbH) == 8,
              "AEGP_StreamVal2.arbH");
static_assert(offsetof(AEGP_StreamVal2, markerP) == 0 && sizeof(AEGP_StreamVal2::markerP) == 8,
              "AEGP_StreamVal2.markerP");
static_assert(offsetof(AEGP_StreamVal2, layer_id) == 0 && sizeof(AEGP_StreamVal2::layer_id) == 4,
              "AEGP_StreamVal2.layer_id");
static_assert(offsetof(AEGP_StreamVal2, mask_id) == 0 && sizeof(AEGP_StreamVal2::mask_id) == 4,
              "AEGP_StreamVal2.mask_id");
static_assert(offsetof(AEGP_StreamVal2, mask) == 0 && sizeof(AEGP_StreamVal2::mask) == 8,
              "AEGP_StreamVal2.mask");
static_assert(offsetof(AEGP_StreamVal2, text_documentH) == 0 &&
                  sizeof(AEGP_StreamVal2::text_documentH) == 8,
              "AEGP_StreamVal2.text_documentH");

static_assert(sizeof(AEGP_StreamValue2) == 40 && alignof(AEGP_StreamValue2) == 8,
              "AEGP_StreamValue2");
static_assert(offsetof(AEGP_StreamValue2, streamH) == 0 && sizeof(AEGP_StreamValue2::streamH) == 8,
              "AEGP_StreamValue2.streamH");
static_assert(offsetof(AEGP_StreamValue2, val) == 8 && sizeof(AEGP_StreamValue2::val) == 32,
              "AEGP_StreamValue2.val");

static_assert(sizeof(AEGP_LayerTransferMode) == 12 && alignof(AEGP_LayerTransferMode) == 4,
              "AEGP_LayerTransferMode");
static_assert(offsetof(AEGP_LayerTransferMode, mode) == 0 &&
                  sizeof(AEGP_LayerTransferMode::mode) == 4,
              "AEGP_LayerTransferMode.mode");
static_assert(offsetof(AEGP_LayerTransferMode, flags) == 4 &&
                  sizeof(AEGP_LayerTransferMode::flags) == 4,
              "AEGP_LayerTransferMode.flags");
static_assert(offsetof(AEGP_LayerTransferMode, track_matte) == 8 &&
                  sizeof(AEGP_LayerTransferMode::track_matte) == 4,
              "AEGP_LayerTransferMode.track_matte");

static_assert(sizeof(AEGP_PFInterfaceSuite1) == 40 && alignof(AEGP_PFInterfaceSuite1) == 8,
              "AEGP_PFInterfaceSuite1");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectLayer) == 0 &&
                  sizeof(AEGP_PFInterfaceSuite1::AEGP_GetEffectLayer) == 8,
              "AEGP_PFInterfaceSuite1.AEGP_GetEffectLayer");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetNewEffectForEffect) == 8 &&
                  sizeof(AEGP_PFInterfaceSuite1::AEGP_GetNewEffectForEffect) == 8,
              "AEGP_PFInterfaceSuite1.AEGP_GetNewEffectForEffect");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_ConvertEffectToCompTime) == 16 &&
                  sizeof(AEGP_PFInterfaceSuite1::AEGP_ConvertEffectToCompTime) == 8,
              "AEGP_PFInterfaceSuite1.AEGP_ConvertEffectToCompTime");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectCamera) == 24 &&
                  sizeof(AEGP_PFInterfaceSuite1::AEGP_GetEffectCamera) == 8,
              "AEGP_PFInterfaceSuite1.AEGP_GetEffectCamera");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectCameraMatrix) == 32 &&
                  sizeof(AEGP_PFInterfaceSuite1::AEGP_GetEffectCameraMatrix) == 8,
              "AEGP_PFInterfaceSuite1.AEGP_GetEffectCameraMatrix");

static_assert(sizeof(AEGP_EffectSuite2) == 136 && alignof(AEGP_EffectSuite2) == 8,
              "AEGP_EffectSuite2");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetLayerNumEffects) == 0 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetLayerNumEffects) == 8,
              "AEGP_EffectSuite2.AEGP_GetLayerNumEffects");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetLayerEffectByIndex) == 8 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetLayerEffectByIndex) == 8,
              "AEGP_EffectSuite2.AEGP_GetLayerEffectByIndex");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetInstalledKeyFromLayerEffect) == 16 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetInstalledKeyFromLayerEffect) == 8,
              "AEGP_EffectSuite2.AEGP_GetInstalledKeyFromLayerEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectParamUnionByIndex) == 24 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetEffectParamUnionByIndex) == 8,
              "AEGP_EffectSuite2.AEGP_GetEffectParamUnionByIndex");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectFlags) == 32 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetEffectFlags) == 8,
              "AEGP_EffectSuite2.AEGP_GetEffectFlags");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_SetEffectFlags) == 40 &&
                  sizeof(AEGP_EffectSuite2::AEGP_SetEffectFlags) == 8,
              "AEGP_EffectSuite2.AEGP_SetEffectFlags");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_ReorderEffect) == 48 &&
                  sizeof(AEGP_EffectSuite2::AEGP_ReorderEffect) == 8,
              "AEGP_EffectSuite2.AEGP_ReorderEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_EffectCallGeneric) == 56 &&
                  sizeof(AEGP_EffectSuite2::AEGP_EffectCallGeneric) == 8,
              "AEGP_EffectSuite2.AEGP_EffectCallGeneric");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DisposeEffect) == 64 &&
                  sizeof(AEGP_EffectSuite2::AEGP_DisposeEffect) == 8,
              "AEGP_EffectSuite2.AEGP_DisposeEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_ApplyEffect) == 72 &&
                  sizeof(AEGP_EffectSuite2::AEGP_ApplyEffect) == 8,
              "AEGP_EffectSuite2.AEGP_ApplyEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DeleteLayerEffect) == 80 &&
                  sizeof(AEGP_EffectSuite2::AEGP_DeleteLayerEffect) == 8,
              "AEGP_EffectSuite2.AEGP_DeleteLayerEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetNumInstalledEffects) == 88 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetNumInstalledEffects) == 8,
              "AEGP_EffectSuite2.AEGP_GetNumInstalledEffects");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetNextInstalledEffect) == 96 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetNextInstalledEffect) == 8,
              "AEGP_EffectSuite2.AEGP_GetNextInstalledEffect");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectName) == 104 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetEffectName) == 8,
              "AEGP_EffectSuite2.AEGP_GetEffectName");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectMatchName) == 112 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetEffectMatchName) == 8,
              "AEGP_EffectSuite2.AEGP_GetEffectMatchName");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_GetEffectCategory) == 120 &&
                  sizeof(AEGP_EffectSuite2::AEGP_GetEffectCategory) == 8,
              "AEGP_EffectSuite2.AEGP_GetEffectCategory");
static_assert(offsetof(AEGP_EffectSuite2, AEGP_DuplicateEffect) == 128 &&
                  sizeof(AEGP_EffectSuite2::AEGP_DuplicateEffect) == 8,
              "AEGP_EffectSuite2.AEGP_DuplicateEffect");

static_assert(sizeof(AEGP_EffectSuite3) == 136 && alignof(AEGP_EffectSuite3) == 8,
              "AEGP_EffectSuite3");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetLayerNumEffects) == 0 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetLayerNumEffects) == 8,
              "AEGP_EffectSuite3.AEGP_GetLayerNumEffects");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetLayerEffectByIndex) == 8 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetLayerEffectByIndex) == 8,
              "AEGP_EffectSuite3.AEGP_GetLayerEffectByIndex");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetInstalledKeyFromLayerEffect) == 16 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetInstalledKeyFromLayerEffect) == 8,
              "AEGP_EffectSuite3.AEGP_GetInstalledKeyFromLayerEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetEffectParamUnionByIndex) == 24 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetEffectParamUnionByIndex) == 8,
              "AEGP_EffectSuite3.AEGP_GetEffectParamUnionByIndex");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetEffectFlags) == 32 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetEffectFlags) == 8,
              "AEGP_EffectSuite3.AEGP_GetEffectFlags");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_SetEffectFlags) == 40 &&
                  sizeof(AEGP_EffectSuite3::AEGP_SetEffectFlags) == 8,
              "AEGP_EffectSuite3.AEGP_SetEffectFlags");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_ReorderEffect) == 48 &&
                  sizeof(AEGP_EffectSuite3::AEGP_ReorderEffect) == 8,
              "AEGP_EffectSuite3.AEGP_ReorderEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_EffectCallGeneric) == 56 &&
                  sizeof(AEGP_EffectSuite3::AEGP_EffectCallGeneric) == 8,
              "AEGP_EffectSuite3.AEGP_EffectCallGeneric");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_DisposeEffect) == 64 &&
                  sizeof(AEGP_EffectSuite3::AEGP_DisposeEffect) == 8,
              "AEGP_EffectSuite3.AEGP_DisposeEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_ApplyEffect) == 72 &&
                  sizeof(AEGP_EffectSuite3::AEGP_ApplyEffect) == 8,
              "AEGP_EffectSuite3.AEGP_ApplyEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_DeleteLayerEffect) == 80 &&
                  sizeof(AEGP_EffectSuite3::AEGP_DeleteLayerEffect) == 8,
              "AEGP_EffectSuite3.AEGP_DeleteLayerEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetNumInstalledEffects) == 88 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetNumInstalledEffects) == 8,
              "AEGP_EffectSuite3.AEGP_GetNumInstalledEffects");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetNextInstalledEffect) == 96 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetNextInstalledEffect) == 8,
              "AEGP_EffectSuite3.AEGP_GetNextInstalledEffect");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetEffectName) == 104 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetEffectName) == 8,
              "AEGP_EffectSuite3.AEGP_GetEffectName");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetEffectMatchName) == 112 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetEffectMatchName) == 8,
              "AEGP_EffectSuite3.AEGP_GetEffectMatchName");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_GetEffectCategory) == 120 &&
                  sizeof(AEGP_EffectSuite3::AEGP_GetEffectCategory) == 8,
              "AEGP_EffectSuite3.AEGP_GetEffectCategory");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_DuplicateEffect) == 128 &&
                  sizeof(AEGP_EffectSuite3::AEGP_DuplicateEffect) == 8,
              "AEGP_EffectSuite3.AEGP_DuplicateEffect");

static_assert(sizeof(AEGP_StreamSuite2) == 176 && alignof(AEGP_StreamSuite2) == 8,
              "AEGP_StreamSuite2");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_IsStreamLegal) == 0 &&
                  sizeof(AEGP_StreamSuite2::AEGP_IsStreamLegal) == 8,
              "AEGP_StreamSuite2.AEGP_IsStreamLegal");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_CanVaryOverTime) == 8 &&
                  sizeof(AEGP_StreamSuite2::AEGP_CanVaryOverTime) == 8,
              "AEGP_StreamSuite2.AEGP_CanVaryOverTime");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetValidInterpolations) == 16 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetValidInterpolations) == 8,
              "AEGP_StreamSuite2.AEGP_GetValidInterpolations");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewLayerStream) == 24 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetNewLayerStream) == 8,
              "AEGP_StreamSuite2.AEGP_GetNewLayerStream");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetEffectNumParamStreams) == 32 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetEffectNumParamStreams) == 8,
              "AEGP_StreamSuite2.AEGP_GetEffectNumParamStreams");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewEffectStreamByIndex) == 40 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetNewEffectStreamByIndex) == 8,
              "AEGP_StreamSuite2.AEGP_GetNewEffectStreamByIndex");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewMaskStream) == 48 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetNewMaskStream) == 8,
              "AEGP_StreamSuite2.AEGP_GetNewMaskStream");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DisposeStream) == 56 &&
                  sizeof(AEGP_StreamSuite2::AEGP_DisposeStream) == 8,
              "AEGP_StreamSuite2.AEGP_DisposeStream");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamName) == 64 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetStreamName) == 8,
              "AEGP_StreamSuite2.AEGP_GetStreamName");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamUnitsText) == 72 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetStreamUnitsText) == 8,
              "AEGP_StreamSuite2.AEGP_GetStreamUnitsText");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamProperties) == 80 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetStreamProperties) == 8,
              "AEGP_StreamSuite2.AEGP_GetStreamProperties");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_IsStreamTimevarying) == 88 &&
                  sizeof(AEGP_StreamSuite2::AEGP_IsStreamTimevarying) == 8,
              "AEGP_StreamSuite2.AEGP_IsStreamTimevarying");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetStreamType) == 96 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetStreamType) == 8,
              "AEGP_StreamSuite2.AEGP_GetStreamType");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetNewStreamValue) == 104 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetNewStreamValue) == 8,
              "AEGP_StreamSuite2.AEGP_GetNewStreamValue");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DisposeStreamValue) == 112 &&
                  sizeof(AEGP_StreamSuite2::AEGP_DisposeStreamValue) == 8,
              "AEGP_StreamSuite2.AEGP_DisposeStreamValue");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetStreamValue) == 120 &&
                  sizeof(AEGP_StreamSuite2::AEGP_SetStreamValue) == 8,
              "AEGP_StreamSuite2.AEGP_SetStreamValue");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetLayerStreamValue) == 128 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetLayerStreamValue) == 8,
              "AEGP_StreamSuite2.AEGP_GetLayerStreamValue");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetExpressionState) == 136 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetExpressionState) == 8,
              "AEGP_StreamSuite2.AEGP_GetExpressionState");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetExpressionState) == 144 &&
                  sizeof(AEGP_StreamSuite2::AEGP_SetExpressionState) == 8,
              "AEGP_StreamSuite2.AEGP_SetExpressionState");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_GetExpression) == 152 &&
                  sizeof(AEGP_StreamSuite2::AEGP_GetExpression) == 8,
              "AEGP_StreamSuite2.AEGP_GetExpression");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_SetExpression) == 160 &&
                  sizeof(AEGP_StreamSuite2::AEGP_SetExpression) == 8,
              "AEGP_StreamSuite2.AEGP_SetExpression");
static_assert(offsetof(AEGP_StreamSuite2, AEGP_DuplicateStreamRef) == 168 &&
                  sizeof(AEGP_StreamSuite2::AEGP_DuplicateStreamRef) == 8,
              "AEGP_StreamSuite2.AEGP_DuplicateStreamRef");

static_assert(sizeof(AEGP_StreamSuite4) == 176 && alignof(AEGP_StreamSuite4) == 8,
              "AEGP_StreamSuite4");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_IsStreamLegal) == 0 &&
                  sizeof(AEGP_StreamSuite4::AEGP_IsStreamLegal) == 8,
              "AEGP_StreamSuite4.AEGP_IsStreamLegal");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_CanVaryOverTime) == 8 &&
                  sizeof(AEGP_StreamSuite4::AEGP_CanVaryOverTime) == 8,
              "AEGP_StreamSuite4.AEGP_CanVaryOverTime");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetValidInterpolations) == 16 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetValidInterpolations) == 8,
              "AEGP_StreamSuite4.AEGP_GetValidInterpolations");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetNewLayerStream) == 24 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetNewLayerStream) == 8,
              "AEGP_StreamSuite4.AEGP_GetNewLayerStream");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetEffectNumParamStreams) == 32 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetEffectNumParamStreams) == 8,
              "AEGP_StreamSuite4.AEGP_GetEffectNumParamStreams");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetNewEffectStreamByIndex) == 40 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetNewEffectStreamByIndex) == 8,
              "AEGP_StreamSuite4.AEGP_GetNewEffectStreamByIndex");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetNewMaskStream) == 48 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetNewMaskStream) == 8,
              "AEGP_StreamSuite4.AEGP_GetNewMaskStream");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_DisposeStream) == 56 &&
                  sizeof(AEGP_StreamSuite4::AEGP_DisposeStream) == 8,
              "AEGP_StreamSuite4.AEGP_DisposeStream");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetStreamName) == 64 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetStreamName) == 8,
              "AEGP_StreamSuite4.AEGP_GetStreamName");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetStreamUnitsText) == 72 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetStreamUnitsText) == 8,
              "AEGP_StreamSuite4.AEGP_GetStreamUnitsText");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetStreamProperties) == 80 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetStreamProperties) == 8,
              "AEGP_StreamSuite4.AEGP_GetStreamProperties");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_IsStreamTimevarying) == 88 &&
                  sizeof(AEGP_StreamSuite4::AEGP_IsStreamTimevarying) == 8,
              "AEGP_StreamSuite4.AEGP_IsStreamTimevarying");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetStreamType) == 96 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetStreamType) == 8,
              "AEGP_StreamSuite4.AEGP_GetStreamType");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetNewStreamValue) == 104 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetNewStreamValue) == 8,
              "AEGP_StreamSuite4.AEGP_GetNewStreamValue");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_DisposeStreamValue) == 112 &&
                  sizeof(AEGP_StreamSuite4::AEGP_DisposeStreamValue) == 8,
              "AEGP_StreamSuite4.AEGP_DisposeStreamValue");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_SetStreamValue) == 120 &&
                  sizeof(AEGP_StreamSuite4::AEGP_SetStreamValue) == 8,
              "AEGP_StreamSuite4.AEGP_SetStreamValue");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetLayerStreamValue) == 128 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetLayerStreamValue) == 8,
              "AEGP_StreamSuite4.AEGP_GetLayerStreamValue");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetExpressionState) == 136 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetExpressionState) == 8,
              "AEGP_StreamSuite4.AEGP_GetExpressionState");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_SetExpressionState) == 144 &&
                  sizeof(AEGP_StreamSuite4::AEGP_SetExpressionState) == 8,
              "AEGP_StreamSuite4.AEGP_SetExpressionState");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetExpression) == 152 &&
                  sizeof(AEGP_StreamSuite4::AEGP_GetExpression) == 8,
              "AEGP_StreamSuite4.AEGP_GetExpression");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_SetExpression) == 160 &&
                  sizeof(AEGP_StreamSuite4::AEGP_SetExpression) == 8,
              "AEGP_StreamSuite4.AEGP_SetExpression");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_DuplicateStreamRef) == 168 &&
                  sizeof(AEGP_StreamSuite4::AEGP_DuplicateStreamRef) == 8,
              "AEGP_StreamSuite4.AEGP_DuplicateStreamRef");

static_assert(sizeof(AEGP_DynamicStreamSuite2) == 136 && alignof(AEGP_DynamicStreamSuite2) == 8,
              "AEGP_DynamicStreamSuite2");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefForLayer) == 0 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefForLayer) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetNewStreamRefForLayer");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamDepth) == 8 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetStreamDepth) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetStreamDepth");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamGroupingType) == 16 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetStreamGroupingType) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetStreamGroupingType");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNumStreamsInGroup) == 24 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetNumStreamsInGroup) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetNumStreamsInGroup");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetDynamicStreamFlags) == 32 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetDynamicStreamFlags) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetDynamicStreamFlags");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_SetDynamicStreamFlag) == 40 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_SetDynamicStreamFlag) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_SetDynamicStreamFlag");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByIndex) == 48 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByIndex) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetNewStreamRefByIndex");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewStreamRefByMatchname) == 56 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetNewStreamRefByMatchname) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetNewStreamRefByMatchname");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_DeleteStream) == 64 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_DeleteStream) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_DeleteStream");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_ReorderStream) == 72 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_ReorderStream) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_ReorderStream");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_DuplicateStream) == 80 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_DuplicateStream) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_DuplicateStream");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_SetStreamName) == 88 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_SetStreamName) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_SetStreamName");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_CanAddStream) == 96 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_CanAddStream) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_CanAddStream");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_AddStream) == 104 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_AddStream) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_AddStream");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetMatchName) == 112 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetMatchName) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetMatchName");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetNewParentStreamRef) == 120 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetNewParentStreamRef) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetNewParentStreamRef");
static_assert(offsetof(AEGP_DynamicStreamSuite2, AEGP_GetStreamIsModified) == 128 &&
                  sizeof(AEGP_DynamicStreamSuite2::AEGP_GetStreamIsModified) == 8,
              "AEGP_DynamicStreamSuite2.AEGP_GetStreamIsModified");

static_assert(sizeof(AEGP_UtilitySuite3) == 200 && alignof(AEGP_UtilitySuite3) == 8,
              "AEGP_UtilitySuite3");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ReportInfo) == 0 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_ReportInfo) == 8,
              "AEGP_UtilitySuite3.AEGP_ReportInfo");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetDriverPluginInitFuncVersion) == 8 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_GetDriverPluginInitFuncVersion) == 8,
              "AEGP_UtilitySuite3.AEGP_GetDriverPluginInitFuncVersion");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetDriverImplementationVersion) == 16 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_GetDriverImplementationVersion) == 8,
              "AEGP_UtilitySuite3.AEGP_GetDriverImplementationVersion");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_StartQuietErrors) == 24 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_StartQuietErrors) == 8,
              "AEGP_UtilitySuite3.AEGP_StartQuietErrors");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_EndQuietErrors) == 32 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_EndQuietErrors) == 8,
              "AEGP_UtilitySuite3.AEGP_EndQuietErrors");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_StartUndoGroup) == 40 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_StartUndoGroup) == 8,
              "AEGP_UtilitySuite3.AEGP_StartUndoGroup");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_EndUndoGroup) == 48 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_EndUndoGroup) == 8,
              "AEGP_UtilitySuite3.AEGP_EndUndoGroup");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_RegisterWithAEGP) == 56 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_RegisterWithAEGP) == 8,
              "AEGP_UtilitySuite3.AEGP_RegisterWithAEGP");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetMainHWND) == 64 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_GetMainHWND) == 8,
              "AEGP_UtilitySuite3.AEGP_GetMainHWND");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ShowHideAllFloaters) == 72 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_ShowHideAllFloaters) == 8,
              "AEGP_UtilitySuite3.AEGP_ShowHideAllFloaters");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalGetForeColor) == 80 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_PaintPalGetForeColor) == 8,
              "AEGP_UtilitySuite3.AEGP_PaintPalGetForeColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalGetBackColor) == 88 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_PaintPalGetBackColor) == 8,
              "AEGP_UtilitySuite3.AEGP_PaintPalGetBackColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalSetForeColor) == 96 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_PaintPalSetForeColor) == 8,
              "AEGP_UtilitySuite3.AEGP_PaintPalSetForeColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_PaintPalSetBackColor) == 104 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_PaintPalSetBackColor) == 8,
              "AEGP_UtilitySuite3.AEGP_PaintPalSetBackColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalGetFillColor) == 112 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CharPalGetFillColor) == 8,
              "AEGP_UtilitySuite3.AEGP_CharPalGetFillColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalGetStrokeColor) == 120 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CharPalGetStrokeColor) == 8,
              "AEGP_UtilitySuite3.AEGP_CharPalGetStrokeColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalSetFillColor) == 128 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CharPalSetFillColor) == 8,
              "AEGP_UtilitySuite3.AEGP_CharPalSetFillColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalSetStrokeColor) == 136 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CharPalSetStrokeColor) == 8,
              "AEGP_UtilitySuite3.AEGP_CharPalSetStrokeColor");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CharPalIsFillColorUIFrontmost) == 144 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CharPalIsFillColorUIFrontmost) == 8,
              "AEGP_UtilitySuite3.AEGP_CharPalIsFillColorUIFrontmost");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ConvertFpLongToHSFRatio) == 152 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_ConvertFpLongToHSFRatio) == 8,
              "AEGP_UtilitySuite3.AEGP_ConvertFpLongToHSFRatio");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_ConvertHSFRatioToFpLong) == 160 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_ConvertHSFRatioToFpLong) == 8,
              "AEGP_UtilitySuite3.AEGP_ConvertHSFRatioToFpLong");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_CauseIdleRoutinesToBeCalled) == 168 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_CauseIdleRoutinesToBeCalled) == 8,
              "AEGP_UtilitySuite3.AEGP_CauseIdleRoutinesToBeCalled");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_GetSuppressInteractiveUI) == 176 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_GetSuppressInteractiveUI) == 8,
              "AEGP_UtilitySuite3.AEGP_GetSuppressInteractiveUI");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_WriteToOSConsole) == 184 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_WriteToOSConsole) == 8,
              "AEGP_UtilitySuite3.AEGP_WriteToOSConsole");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_WriteToDebugLog) == 192 &&
                  sizeof(AEGP_UtilitySuite3::AEGP_WriteToDebugLog) == 8,
              "AEGP_UtilitySuite3.AEGP_WriteToDebugLog");

static_assert(sizeof(AEGP_LayerSuite7) == 384 && alignof(AEGP_LayerSuite7) == 8,
              "AEGP_LayerSuite7");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetCompNumLayers) == 0 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetCompNumLayers) == 8,
              "AEGP_LayerSuite7.AEGP_GetCompNumLayers");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetCompLayerByIndex) == 8 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetCompLayerByIndex) == 8,
              "AEGP_LayerSuite7.AEGP_GetCompLayerByIndex");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetActiveLayer) == 16 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetActiveLayer) == 8,
              "AEGP_LayerSuite7.AEGP_GetActiveLayer");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerIndex) == 24 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerIndex) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerIndex");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerSourceItem) == 32 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerSourceItem) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerSourceItem");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerSourceItemID) == 40 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerSourceItemID) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerSourceItemID");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerParentComp) == 48 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerParentComp) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerParentComp");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerName) == 56 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerName) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerName");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerQuality) == 64 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerQuality) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerQuality");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerQuality) == 72 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerQuality) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerQuality");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerFlags) == 80 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerFlags) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerFlags");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerFlag) == 88 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerFlag) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerFlag");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsLayerVideoReallyOn) == 96 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsLayerVideoReallyOn) == 8,
              "AEGP_LayerSuite7.AEGP_IsLayerVideoReallyOn");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsLayerAudioReallyOn) == 104 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsLayerAudioReallyOn) == 8,
              "AEGP_LayerSuite7.AEGP_IsLayerAudioReallyOn");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerCurrentTime) == 112 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerCurrentTime) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerCurrentTime");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerInPoint) == 120 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerInPoint) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerInPoint");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerDuration) == 128 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerDuration) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerDuration");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerInPointAndDuration) == 136 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerInPointAndDuration) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerInPointAndDuration");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerOffset) == 144 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerOffset) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerOffset");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerOffset) == 152 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerOffset) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerOffset");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerStretch) == 160 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerStretch) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerStretch");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerStretch) == 168 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerStretch) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerStretch");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerTransferMode) == 176 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerTransferMode) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerTransferMode");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerTransferMode) == 184 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerTransferMode) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerTransferMode");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsAddLayerValid) == 192 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsAddLayerValid) == 8,
              "AEGP_LayerSuite7.AEGP_IsAddLayerValid");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_AddLayer) == 200 &&
                  sizeof(AEGP_LayerSuite7::AEGP_AddLayer) == 8,
              "AEGP_LayerSuite7.AEGP_AddLayer");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_ReorderLayer) == 208 &&
                  sizeof(AEGP_LayerSuite7::AEGP_ReorderLayer) == 8,
              "AEGP_LayerSuite7.AEGP_ReorderLayer");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerMaskedBounds) == 216 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerMaskedBounds) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerMaskedBounds");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerObjectType) == 224 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerObjectType) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerObjectType");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsLayer3D) == 232 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsLayer3D) == 8,
              "AEGP_LayerSuite7.AEGP_IsLayer3D");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsLayer2D) == 240 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsLayer2D) == 8,
              "AEGP_LayerSuite7.AEGP_IsLayer2D");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsVideoActive) == 248 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsVideoActive) == 8,
              "AEGP_LayerSuite7.AEGP_IsVideoActive");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_IsLayerUsedAsTrackMatte) == 256 &&
                  sizeof(AEGP_LayerSuite7::AEGP_IsLayerUsedAsTrackMatte) == 8,
              "AEGP_LayerSuite7.AEGP_IsLayerUsedAsTrackMatte");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_DoesLayerHaveTrackMatte) == 264 &&
                  sizeof(AEGP_LayerSuite7::AEGP_DoesLayerHaveTrackMatte) == 8,
              "AEGP_LayerSuite7.AEGP_DoesLayerHaveTrackMatte");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_ConvertCompToLayerTime) == 272 &&
                  sizeof(AEGP_LayerSuite7::AEGP_ConvertCompToLayerTime) == 8,
              "AEGP_LayerSuite7.AEGP_ConvertCompToLayerTime");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_ConvertLayerToCompTime) == 280 &&
                  sizeof(AEGP_LayerSuite7::AEGP_ConvertLayerToCompTime) == 8,
              "AEGP_LayerSuite7.AEGP_ConvertLayerToCompTime");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerDancingRandValue) == 288 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerDancingRandValue) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerDancingRandValue");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerID) == 296 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerID) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerID");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerToWorldXform) == 304 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerToWorldXform) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerToWorldXform");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerToWorldXformFromView) == 312 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerToWorldXformFromView) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerToWorldXformFromView");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerName) == 320 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerName) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerName");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerParent) == 328 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerParent) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerParent");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerParent) == 336 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerParent) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerParent");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_DeleteLayer) == 344 &&
                  sizeof(AEGP_LayerSuite7::AEGP_DeleteLayer) == 8,
              "AEGP_LayerSuite7.AEGP_DeleteLayer");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_DuplicateLayer) == 352 &&
                  sizeof(AEGP_LayerSuite7::AEGP_DuplicateLayer) == 8,
              "AEGP_LayerSuite7.AEGP_DuplicateLayer");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerFromLayerID) == 360 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerFromLayerID) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerFromLayerID");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerLabel) == 368 &&
                  sizeof(AEGP_LayerSuite7::AEGP_GetLayerLabel) == 8,
              "AEGP_LayerSuite7.AEGP_GetLayerLabel");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_SetLayerLabel) == 376 &&
                  sizeof(AEGP_LayerSuite7::AEGP_SetLayerLabel) == 8,
              "AEGP_LayerSuite7.AEGP_SetLayerLabel");
#endif
