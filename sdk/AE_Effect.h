#pragma once

// The effect interface proper: the records passed with every command, the
// parameter definitions, pixel worlds, command selectors, error codes and
// flags. Records keep the host's member order and 8-byte packing exactly; the
// host reads and writes them by offset.

#include "A.h"
#include "AE_EffectPixelFormat.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

// ---------------------------------------------------------------------------
// Versions

// API versions by host release. The newest pair is what the registration
// callback is told and what the registration resource's eSVR property holds.
#define PF_AE234_PLUG_IN_VERSION 13
#define PF_AE234_PLUG_IN_SUBVERS 28
#define PF_AE220_PLUG_IN_VERSION 13
#define PF_AE220_PLUG_IN_SUBVERS 27
#define PF_AE184_PLUG_IN_VERSION 13
#define PF_AE184_PLUG_IN_SUBVERS 26
#define PF_AE182_PLUG_IN_VERSION 13
#define PF_AE182_PLUG_IN_SUBVERS 25
#define PF_AE180_PLUG_IN_VERSION 13
#define PF_AE180_PLUG_IN_SUBVERS 24
#define PF_AE177_PLUG_IN_VERSION 13
#define PF_AE177_PLUG_IN_SUBVERS 23
#define PF_AE176_PLUG_IN_VERSION 13
#define PF_AE176_PLUG_IN_SUBVERS 22
#define PF_AE175_PLUG_IN_VERSION 13
#define PF_AE175_PLUG_IN_SUBVERS 21
#define PF_AE171_PLUG_IN_VERSION 13
#define PF_AE171_PLUG_IN_SUBVERS 20
#define PF_AE170_PLUG_IN_VERSION 13
#define PF_AE170_PLUG_IN_SUBVERS 18
#define PF_AE161_PLUG_IN_VERSION 13
#define PF_AE161_PLUG_IN_SUBVERS 17
#define PF_AE160_PLUG_IN_VERSION 13
#define PF_AE160_PLUG_IN_SUBVERS 16
#define PF_AE151_PLUG_IN_VERSION 13
#define PF_AE151_PLUG_IN_SUBVERS 15
#define PF_AE150_PLUG_IN_VERSION 13
#define PF_AE150_PLUG_IN_SUBVERS 15
#define PF_AE142_PLUG_IN_VERSION 13
#define PF_AE142_PLUG_IN_SUBVERS 14
#define PF_AE140_PLUG_IN_VERSION 13
#define PF_AE140_PLUG_IN_SUBVERS 13
#define PF_AE138_PLUG_IN_VERSION 13
#define PF_AE138_PLUG_IN_SUBVERS 11
#define PF_AE136_PLUG_IN_VERSION 13
#define PF_AE136_PLUG_IN_SUBVERS 10
#define PF_AE135_PLUG_IN_VERSION 13
#define PF_AE135_PLUG_IN_SUBVERS 9
#define PF_AE130_PLUG_IN_VERSION 13
#define PF_AE130_PLUG_IN_SUBVERS 7
#define PF_AE122_PLUG_IN_VERSION 13
#define PF_AE122_PLUG_IN_SUBVERS 6
#define PF_AE121_PLUG_IN_VERSION 13
#define PF_AE121_PLUG_IN_SUBVERS 5
#define PF_AE120_PLUG_IN_VERSION 13
#define PF_AE120_PLUG_IN_SUBVERS 4
#define PF_AE1101_PLUG_IN_VERSION 13
#define PF_AE1101_PLUG_IN_SUBVERS 3
#define PF_AE110_PLUG_IN_VERSION 13
#define PF_AE110_PLUG_IN_SUBVERS 2
#define PF_AE105_PLUG_IN_VERSION 13
#define PF_AE105_PLUG_IN_SUBVERS 1
#define PF_AE100_PLUG_IN_VERSION 13
#define PF_AE100_PLUG_IN_SUBVERS 0
#define PF_AE90_PLUG_IN_VERSION 12
#define PF_AE90_PLUG_IN_SUBVERS 14
#define PF_AE80_PLUG_IN_VERSION 12
#define PF_AE80_PLUG_IN_SUBVERS 13
#define PF_AE70_PLUG_IN_VERSION 12
#define PF_AE70_PLUG_IN_SUBVERS 12
#define PF_AE65_PLUG_IN_VERSION 12
#define PF_AE65_PLUG_IN_SUBVERS 11
#define PF_AE41_PLUG_IN_VERSION 12
#define PF_AE41_PLUG_IN_SUBVERS 2
#define PF_AE40_PLUG_IN_VERSION 12
#define PF_AE40_PLUG_IN_SUBVERS 1
#define PF_AE31_PLUG_IN_VERSION 11
#define PF_AE31_PLUG_IN_SUBVERS 6

#define PF_AE_PLUG_IN_VERSION PF_AE234_PLUG_IN_VERSION
#define PF_AE_PLUG_IN_SUBVERS PF_AE234_PLUG_IN_SUBVERS

// An effect's own version packed into 32 bits: build in bits 0-8, stage in
// 9-10, bug-fix in 11-14, sub-version in 15-18 (only four bits), the low
// three bits of the version in 19-21 and its higher bits in 26-29.
#define PF_VERSION(vers, subvers, bugvers, stage, build)                                           \
    ((A_u_long)((((((A_u_long)(vers)) >> 3) & 0xFu) << 26) | ((((A_u_long)(vers)) & 0x7u) << 19) | \
                ((((A_u_long)(subvers)) & 0xFu) << 15) | ((((A_u_long)(bugvers)) & 0xFu) << 11) |  \
                ((((A_u_long)(stage)) & 0x3u) << 9) | (((A_u_long)(build)) & 0x1FFu)))

#define PF_Version_VERS(v) ((((A_u_long)(v) >> 19) & 0x7u) + ((((A_u_long)(v) >> 26) & 0xFu) << 3))
#define PF_Version_SUBVERS(v) (((A_u_long)(v) >> 15) & 0xFu)
#define PF_Version_BUGFIX(v) (((A_u_long)(v) >> 11) & 0xFu)
#define PF_Version_STAGE(v) (((A_u_long)(v) >> 9) & 0x3u)
#define PF_Version_BUILD(v) ((A_u_long)(v)&0x1FFu)

// ---------------------------------------------------------------------------
// Limits

#define PF_MAX_EFFECT_NAME_LEN 31
#define PF_MAX_EFFECT_CATEGORY_NAME_LEN 31
#define PF_MAX_EFFECT_PARAM_NAME_LEN 31
#define PF_MAX_PARAM_DESCRIPTION_LEN 31
#define PF_MAX_PARAM_VALUE_LEN 31
#define PF_MAX_EFFECT_MSG_LEN 255
#define PF_MAX_WORLD_WIDTH 30000
#define PF_MAX_WORLD_HEIGHT 30000
#define PF_FIRST_ERR 512
#define PF_MAX_CHAN8 255
#define PF_HALF_CHAN8 128
#define PF_MAX_CHAN16 32768
#define PF_HALF_CHAN16 16384
#define PF_CHANNEL_NAME_LEN 63
#define PF_CONTEXT_MAGIC 0x05ea771e

// ---------------------------------------------------------------------------
// Basic effect types

#if defined(_WIN32)
typedef A_long PF_Fixed;    // 16.16 fixed point
typedef A_char PF_Boolean;  // signed on Windows
typedef void** PF_Handle;
#else
typedef int32_t PF_Fixed;          // 16.16 fixed point
typedef unsigned char PF_Boolean;  // unsigned on macOS
typedef char** PF_Handle;
#endif

#define PF_Fixed_MINVAL ((PF_Fixed)0x80000000)
#define PF_Fixed_MAXVAL ((PF_Fixed)0x7fffffff)

typedef A_u_long PF_UFixed;
typedef A_long PF_Err;
typedef A_long PF_Cmd;
typedef struct PF_ProgressInfo* PF_ProgPtr;  // the effect reference: opaque, host-owned
typedef A_long PF_ParamIndex;
typedef A_long PF_ParamValue;
typedef A_FpLong PF_FpLong;
typedef A_FpShort PF_FpShort;
typedef A_long PF_PixelFormat;
typedef A_long PF_Stage;
typedef A_long PF_Quality;
typedef A_long PF_ModeFlags;
typedef A_long PF_Field;
typedef A_long PF_ParamType;
typedef A_long PF_ParamFlags;
typedef A_long PF_ParamUIFlags;
typedef A_long PF_ChangeFlags;
typedef A_short PF_ValueDisplayFlags;
typedef A_u_long PF_FSliderFlags;
typedef A_long PF_OutFlags;
typedef A_long PF_OutFlags2;
typedef A_long PF_InFlags;
typedef A_long PF_WorldFlags;
typedef A_long PF_NewWorldFlags;
typedef short PF_RenderOutputFlags;
typedef A_long PF_ChannelMask;
typedef A_long PF_GPU_Framework;
typedef A_u_long PF_PathID;
typedef PF_Handle PF_ArbitraryH;
typedef A_long PF_TransferMode;
typedef PF_TransferMode PF_XferMode;
typedef A_long PF_KeyIndex;
typedef A_long PF_PlatDataID;
typedef A_u_long PF_KernelFlags;
typedef A_long PF_CallbackID;
typedef A_LegacyEnumType PF_SuiteTool;
typedef struct _PF_LayerAudio* PF_LayerAudio;
typedef void* PF_SndSamplePtr;
typedef A_short PF_SoundFormat;
typedef A_short PF_SoundSampleSize;
typedef A_short PF_SoundChannels;

// Custom-UI registration record; the full declaration lives with the event
// records.
typedef struct _PF_CustomUIInfo PF_CustomUIInfo;

// ---------------------------------------------------------------------------
// Command selectors

enum {
    PF_Cmd_ABOUT = 0,
    PF_Cmd_GLOBAL_SETUP,
    PF_Cmd_UNUSED_0,
    PF_Cmd_GLOBAL_SETDOWN,
    PF_Cmd_PARAMS_SETUP,
    PF_Cmd_SEQUENCE_SETUP,
    PF_Cmd_SEQUENCE_RESETUP,
    PF_Cmd_SEQUENCE_FLATTEN,
    PF_Cmd_SEQUENCE_SETDOWN,
    PF_Cmd_DO_DIALOG,
    PF_Cmd_FRAME_SETUP,
    PF_Cmd_RENDER,
    PF_Cmd_FRAME_SETDOWN,
    PF_Cmd_USER_CHANGED_PARAM,
    PF_Cmd_UPDATE_PARAMS_UI,
    PF_Cmd_EVENT,
    PF_Cmd_GET_EXTERNAL_DEPENDENCIES,
    PF_Cmd_COMPLETELY_GENERAL,
    PF_Cmd_QUERY_DYNAMIC_FLAGS,
    PF_Cmd_AUDIO_RENDER,
    PF_Cmd_AUDIO_SETUP,
    PF_Cmd_AUDIO_SETDOWN,
    PF_Cmd_ARBITRARY_CALLBACK,
    PF_Cmd_SMART_PRE_RENDER,
    PF_Cmd_SMART_RENDER,
    PF_Cmd_RESERVED1,
    PF_Cmd_RESERVED2,
    PF_Cmd_RESERVED3,
    PF_Cmd_GET_FLATTENED_SEQUENCE_DATA,
    PF_Cmd_TRANSLATE_PARAMS_TO_PREFS,
    PF_Cmd_RESERVED4,
    PF_Cmd_SMART_RENDER_GPU,
    PF_Cmd_GPU_DEVICE_SETUP,
    PF_Cmd_GPU_DEVICE_SETDOWN,
    PF_Cmd_NUM_CMDS
};

// ---------------------------------------------------------------------------
// Errors

enum {
    PF_Err_NONE = 0,
    PF_Err_OUT_OF_MEMORY = 4,
    PF_Err_INTERNAL_STRUCT_DAMAGED = 512,
    PF_Err_INVALID_INDEX = 513,
    PF_Err_UNRECOGNIZED_PARAM_TYPE = 514,
    PF_Err_INVALID_CALLBACK = 515,
    PF_Err_BAD_CALLBACK_PARAM = 516,
    PF_Interrupt_CANCEL = 517,
    PF_Err_CANNOT_PARSE_KEYFRAME_TEXT = 518,
};

// ---------------------------------------------------------------------------
// Flags and enumerations

// out_data->out_flags; the registration resource repeats them.
enum {
    PF_OutFlag_NONE = 0x0,
    PF_OutFlag_KEEP_RESOURCE_OPEN = 0x1,
    PF_OutFlag_WIDE_TIME_INPUT = 0x2,
    PF_OutFlag_NON_PARAM_VARY = 0x4,
    PF_OutFlag_RESERVED6 = 0x8,
    PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING = 0x10,
    PF_OutFlag_I_DO_DIALOG = 0x20,
    PF_OutFlag_USE_OUTPUT_EXTENT = 0x40,
    PF_OutFlag_SEND_DO_DIALOG = 0x80,
    PF_OutFlag_DISPLAY_ERROR_MESSAGE = 0x100,
    PF_OutFlag_I_EXPAND_BUFFER = 0x200,
    PF_OutFlag_PIX_INDEPENDENT = 0x400,
    PF_OutFlag_I_WRITE_INPUT_BUFFER = 0x800,
    PF_OutFlag_I_SHRINK_BUFFER = 0x1000,
    PF_OutFlag_WORKS_IN_PLACE = 0x2000,
    PF_OutFlag_RESERVED8 = 0x4000,
    PF_OutFlag_CUSTOM_UI = 0x8000,
    PF_OutFlag_RESERVED7 = 0x10000,
    PF_OutFlag_REFRESH_UI = 0x20000,
    PF_OutFlag_NOP_RENDER = 0x40000,
    PF_OutFlag_I_USE_SHUTTER_ANGLE = 0x80000,
    PF_OutFlag_I_USE_AUDIO = 0x100000,
    PF_OutFlag_I_AM_OBSOLETE = 0x200000,
    PF_OutFlag_FORCE_RERENDER = 0x400000,
    PF_OutFlag_PiPL_OVERRIDES_OUTDATA_OUTFLAGS = 0x800000,
    PF_OutFlag_I_HAVE_EXTERNAL_DEPENDENCIES = 0x1000000,
    PF_OutFlag_DEEP_COLOR_AWARE = 0x2000000,
    PF_OutFlag_SEND_UPDATE_PARAMS_UI = 0x4000000,
    PF_OutFlag_AUDIO_FLOAT_ONLY = 0x8000000,
    PF_OutFlag_AUDIO_IIR = 0x10000000,
    PF_OutFlag_I_SYNTHESIZE_AUDIO = 0x20000000,
    PF_OutFlag_AUDIO_EFFECT_TOO = 0x40000000,
    PF_OutFlag_AUDIO_EFFECT_ONLY = (A_long)0x80000000,
};

// out_data->out_flags2; bit 9 is not defined.
enum {
    PF_OutFlag2_NONE = 0x0,
    PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS = 0x1,
    PF_OutFlag2_I_USE_3D_CAMERA = 0x2,
    PF_OutFlag2_I_USE_3D_LIGHTS = 0x4,
    PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG = 0x8,
    PF_OutFlag2_I_AM_THREADSAFE = 0x10,
    PF_OutFlag2_CAN_COMBINE_WITH_DESTINATION = 0x20,
    PF_OutFlag2_DOESNT_NEED_EMPTY_PIXELS = 0x40,
    PF_OutFlag2_REVEALS_ZERO_ALPHA = 0x80,
    PF_OutFlag2_PRESERVES_FULLY_OPAQUE_PIXELS = 0x100,
    PF_OutFlag2_SUPPORTS_SMART_RENDER = 0x400,
    PF_OutFlag2_RESERVED9 = 0x800,
    PF_OutFlag2_FLOAT_COLOR_AWARE = 0x1000,
    PF_OutFlag2_I_USE_COLORSPACE_ENUMERATION = 0x2000,
    PF_OutFlag2_I_AM_DEPRECATED = 0x4000,
    PF_OutFlag2_PPRO_DO_NOT_CLONE_SEQUENCE_DATA_FOR_RENDER = 0x8000,
    PF_OutFlag2_RESERVED10 = 0x10000,
    PF_OutFlag2_AUTOMATIC_WIDE_TIME_INPUT = 0x20000,
    PF_OutFlag2_I_USE_TIMECODE = 0x40000,
    PF_OutFlag2_DEPENDS_ON_UNREFERENCED_MASKS = 0x80000,
    PF_OutFlag2_OUTPUT_IS_WATERMARKED = 0x100000,
    PF_OutFlag2_I_MIX_GUID_DEPENDENCIES = 0x200000,
    PF_OutFlag2_AE13_5_THREADSAFE = 0x400000,
    PF_OutFlag2_SUPPORTS_GET_FLATTENED_SEQUENCE_DATA = 0x800000,
    PF_OutFlag2_CUSTOM_UI_ASYNC_MANAGER = 0x1000000,
    PF_OutFlag2_SUPPORTS_GPU_RENDER_F32 = 0x2000000,
    PF_OutFlag2_RESERVED12 = 0x4000000,
    PF_OutFlag2_SUPPORTS_THREADED_RENDERING = 0x8000000,
    PF_OutFlag2_MUTABLE_RENDER_SEQUENCE_DATA_SLOWER = 0x10000000,
};

enum {
    PF_InFlag_NONE = 0x0,
    PF_InFlag_PROJECT_IS_RENDER_ONLY = 0x1,
};

enum {
    PF_Param_RESERVED = -1,
    PF_Param_LAYER = 0,
    PF_Param_SLIDER = 1,
    PF_Param_FIX_SLIDER = 2,
    PF_Param_ANGLE = 3,
    PF_Param_CHECKBOX = 4,
    PF_Param_COLOR = 5,
    PF_Param_POINT = 6,
    PF_Param_POPUP = 7,
    PF_Param_CUSTOM = 8,
    PF_Param_NO_DATA = 9,
    PF_Param_FLOAT_SLIDER = 10,
    PF_Param_ARBITRARY_DATA = 11,
    PF_Param_PATH = 12,
    PF_Param_GROUP_START = 13,
    PF_Param_GROUP_END = 14,
    PF_Param_BUTTON = 15,
    PF_Param_RESERVED2 = 16,
    PF_Param_RESERVED3 = 17,
    PF_Param_POINT_3D = 18,
};

enum {
    PF_ParamFlag_RESERVED1 = 0x1,
    PF_ParamFlag_CANNOT_TIME_VARY = 0x2,
    PF_ParamFlag_CANNOT_INTERP = 0x4,
    PF_ParamFlag_RESERVED2 = 0x8,
    PF_ParamFlag_RESERVED3 = 0x10,
    PF_ParamFlag_COLLAPSE_TWIRLY = 0x20,
    PF_ParamFlag_SUPERVISE = 0x40,
    PF_ParamFlag_START_COLLAPSED = 0x20,
    PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS = 0x80,
    PF_ParamFlag_LAYER_PARAM_IS_TRACKMATTE = 0x80,
    PF_ParamFlag_EXCLUDE_FROM_HAVE_INPUTS_CHANGED = 0x100,
    PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN = 0x200,
};

enum {
    PF_PUI_NONE = 0x0,
    PF_PUI_TOPIC = 0x1,
    PF_PUI_CONTROL = 0x2,
    PF_PUI_STD_CONTROL_ONLY = 0x4,
    PF_PUI_NO_ECW_UI = 0x8,
    PF_PUI_ECW_SEPARATOR = 0x10,
    PF_PUI_DISABLED = 0x20,
    PF_PUI_DONT_ERASE_TOPIC = 0x40,
    PF_PUI_DONT_ERASE_CONTROL = 0x80,
    PF_PUI_RADIO_BUTTON = 0x100,
    PF_PUI_INVISIBLE = 0x200,
};

enum {
    PF_ChangeFlag_NONE = 0x0,
    PF_ChangeFlag_CHANGED_VALUE = 0x1,
    PF_ChangeFlag_RESERVED = 0x2,
    PF_ChangeFlag_SET_TO_VARY = 0x4,
    PF_ChangeFlag_SET_TO_CONSTANT = 0x8,
};

// PF_ValueDisplayFlags is 16 bits wide.
enum {
    PF_ValueDisplayFlag_NONE = 0x0,
    PF_ValueDisplayFlag_PERCENT = 0x1,
    PF_ValueDisplayFlag_PIXEL = 0x2,
    PF_ValueDisplayFlag_RESERVED1 = 0x4,
    PF_ValueDisplayFlag_REVERSE = 0x8,
};

enum {
    PF_FSliderFlag_NONE = 0x0,
    PF_FSliderFlag_WANT_PHASE = 0x1,
};

// PF_LayerDef.dephault for a layer parameter.
enum {
    PF_LayerDefault_MYSELF = -1,
    PF_LayerDefault_NONE = 0,
};

// PF_RenderOutputFlags is 16 bits wide.
enum {
    PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS = 0x1,
    PF_RenderOutputFlag_GPU_RENDER_POSSIBLE = 0x2,
    PF_RenderOutputFlag_RESERVED1 = 0x4,
};

enum {
    PF_ChannelMask_ALPHA = 0x1,
    PF_ChannelMask_RED = 0x2,
    PF_ChannelMask_GREEN = 0x4,
    PF_ChannelMask_BLUE = 0x8,
    PF_ChannelMask_ARGB = 0xF,
};

enum {
    PF_GPU_Framework_NONE = 0,
    PF_GPU_Framework_OPENCL = 1,
    PF_GPU_Framework_METAL = 2,
    PF_GPU_Framework_CUDA = 3,
};

enum {
    PF_Field_FRAME = 0,
    PF_Field_UPPER = 1,
    PF_Field_LOWER = 2,
};

enum {
    PF_Quality_DRAWING_AUDIO = -1,
    PF_Quality_LO = 0,
    PF_Quality_HI = 1,
};

enum {
    PF_MF_Alpha_PREMUL = 0x0,
    PF_MF_Alpha_STRAIGHT = 0x1,
};

enum {
    PF_WorldFlag_DEEP = 0x1,
    PF_WorldFlag_WRITEABLE = 0x2,
    PF_WorldFlag_RESERVED0 = 0x1000000,
    PF_WorldFlag_RESERVED1 = 0x2000000,
    PF_WorldFlag_RESERVED2 = 0x4000000,
    PF_WorldFlag_RESERVED3 = 0x8000000,
    PF_WorldFlag_RESERVED4 = 0x10000000,
    PF_WorldFlag_RESERVED5 = 0x20000000,
    PF_WorldFlag_RESERVED6 = 0x40000000,
    PF_WorldFlag_RESERVED = (A_long)0x80000000,
};

enum {
    PF_NewWorldFlag_NONE = 0x0,
    PF_NewWorldFlag_CLEAR_PIXELS = 0x1,
    PF_NewWorldFlag_DEEP_PIXELS = 0x2,
    PF_NewWorldFlag_RESERVED0 = 0x4,
    PF_NewWorldFlag_RESERVED1 = 0x8,
};

enum {
    PF_Stage_DEVELOP = 0,
    PF_Stage_ALPHA = 1,
    PF_Stage_BETA = 2,
    PF_Stage_RELEASE = 3,
};

enum {
    PF_PlatData_MAIN_WND = 0,
    PF_PlatData_EXE_FILE_PATH_DEPRECATED = 1,
    PF_PlatData_RES_FILE_PATH_DEPRECATED = 2,
    PF_PlatData_RES_REFNUM = 3,
    PF_PlatData_RES_DLLINSTANCE = 4,
    PF_PlatData_SP_PLUG_REF = 5,
    PF_PlatData_BUNDLE_REF = 6,
    PF_PlatData_EXE_FILE_PATH_W = 7,
    PF_PlatData_RES_FILE_PATH_W = 8,
};

enum {
    PF_ParamIndex_NONE = -1,
    PF_ParamIndex_CHECK_ALL = -2,
    PF_ParamIndex_CHECK_ALL_EXCEPT_LAYER_PARAMS = -3,
    PF_ParamIndex_CHECK_ALL_HONOR_EXCLUDE = -4
};

enum { PF_KeyIndex_NONE = -1 };

enum { PF_Iterations_ONCE_PER_PROCESSOR = -1 };

// ---------------------------------------------------------------------------
// Small records

typedef struct {
    A_short major;
    A_short minor;
} PF_SpecVersion;

typedef struct {
    A_long h, v;
} PF_Point;

typedef struct {
    A_long left, top, right, bottom;
} PF_LRect;

typedef PF_LRect PF_Rect;
typedef PF_Rect PF_UnionableRect;

typedef struct {
    A_long num;
    A_u_long den;
} PF_RationalScale;

typedef struct {
    PF_Fixed x, y;
} PF_FixedPoint;

typedef struct {
    PF_Fixed left, top, right, bottom;
} PF_FixedRect;

typedef struct {
    PF_Fixed mat[3][3];
} PF_Matrix;

typedef struct {
    PF_FpLong mat[3][3];
} PF_FloatMatrix;

#if defined(_WIN32)
typedef struct {
    A_short v, h;
} PF_LegacyPoint;

typedef struct {
    A_short top, left, bottom, right;
} PF_LegacyRect;
#endif

// Pixels are alpha first in every depth.
typedef struct {
    A_u_char alpha, red, green, blue;
} PF_Pixel;

typedef PF_Pixel PF_Pixel8;
typedef PF_Pixel PF_UnionablePixel;

typedef struct {
    A_u_short alpha, red, green, blue;
} PF_Pixel16;

typedef struct {
    PF_FpShort alpha, red, green, blue;
} PF_PixelFloat;

typedef PF_PixelFloat PF_Pixel32;

typedef PF_Fixed PF_HLS_Pixel[3];
typedef PF_Fixed PF_RGB_Pixel[3];
typedef PF_Fixed PF_YIQ_Pixel[3];

typedef struct {
    PF_TransferMode xfer;
    A_long rand_seed;
    A_u_char opacity;
    PF_Boolean rgb_only;
    A_u_short opacitySu;
} PF_CompositeMode;

// A world's pixel pointer: PF_Pixel* unless the effect declares itself deep
// colour aware, where the pixel type depends on the world's format.
#ifdef PF_DEEP_COLOR_AWARE
typedef char PF_PixelOpaque;
typedef PF_PixelOpaque* PF_PixelPtr;
#else
typedef PF_Pixel* PF_PixelPtr;
#endif

// ---------------------------------------------------------------------------
// Pixel worlds. The host owns the pixels; rowbytes may exceed
// width * pixel size, and a world's format is found through world_flags or
// the World suite.

typedef struct PF_LayerDef {
    void* reserved0;
    void* reserved1;
    PF_WorldFlags world_flags;
    PF_PixelPtr data;
    A_long rowbytes;
    A_long width;
    A_long height;
    PF_LRect extent_hint;
    void* platform_ref;
    A_long reserved_long1;
    void* reserved_long4;
    PF_RationalScale pix_aspect_ratio;
    void* reserved_long2;
    A_long origin_x;
    A_long origin_y;
    A_long reserved_long3;
    A_long dephault;
} PF_LayerDef;

typedef PF_LayerDef PF_EffectWorld;

// ---------------------------------------------------------------------------
// Sound

typedef struct {
    PF_FpLong rateF;
    PF_SoundChannels num_channels;
    PF_SoundFormat format;
    PF_SoundSampleSize sample_size;
} PF_SoundFormatInfo;

typedef struct {
    PF_SoundFormatInfo fi;
    A_long num_samples;
    void* dataP;
} PF_SoundWorld;

// ---------------------------------------------------------------------------
// Parameter definitions. Label and choice pointers are borrowed: the host
// copies the text while the add_param call runs.

typedef struct {
    PF_ParamValue value;
    A_char value_str[PF_MAX_PARAM_VALUE_LEN + 1];
    A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
    PF_ParamValue valid_min, valid_max;
    PF_ParamValue slider_min, slider_max;
    PF_ParamValue dephault;
} PF_SliderDef;

typedef struct {
    PF_Fixed value;
    A_char value_str[PF_MAX_PARAM_VALUE_LEN + 1];
    A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
    PF_Fixed valid_min, valid_max;
    PF_Fixed slider_min, slider_max;
    PF_Fixed dephault;
    A_short precision;
    PF_ValueDisplayFlags display_flags;
} PF_FixedSliderDef;

typedef struct {
    PF_FpLong value;
    PF_FpLong phase;
    A_char value_desc[PF_MAX_PARAM_DESCRIPTION_LEN + 1];
    PF_FpShort valid_min, valid_max;
    PF_FpShort slider_min, slider_max;
    PF_FpShort dephault;
    A_short precision;
    PF_ValueDisplayFlags display_flags;
    PF_FSliderFlags fs_flags;
    PF_FpShort curve_tolerance;
    PF_Boolean useExponent;
    PF_FpShort exponent;
} PF_FloatSliderDef;

// Angles in 16.16 fixed-point degrees.
typedef struct {
    PF_Fixed value;
    PF_Fixed dephault;
    PF_Fixed valid_min, valid_max;
} PF_AngleDef;

typedef struct {
    PF_ParamValue value;
    PF_Boolean dephault;
    A_char reserved;
    A_short reserved1;
    union {
        const A_char* nameptr;  // label shown next to the box
    } u;
} PF_CheckBoxDef;

typedef struct {
    PF_Pixel value;
    PF_Pixel dephault;
} PF_ColorDef;

typedef struct {
    PF_Fixed x_value;
    PF_Fixed y_value;
    A_char reserved[3];
    PF_Boolean restrict_bounds;
    PF_Fixed x_dephault;
    PF_Fixed y_dephault;
} PF_PointDef;

typedef struct {
    PF_FpLong x_value, y_value, z_value;
    PF_FpLong x_dephault, y_dephault, z_dephault;
    char reserved[16];
} PF_Point3DDef;

typedef struct {
    PF_ParamValue value;  // 1-based choice
    A_short num_choices;
    A_short dephault;
    union {
        const A_char* namesptr;  // choices separated by "|"
    } u;
} PF_PopupDef;

typedef struct {
    PF_ParamValue value;
    union {
        const A_char* namesptr;  // button label
    } u;
} PF_ButtonDef;

typedef struct PF_PathDef {
    PF_PathID path_id;
    A_long reserved0;
    A_long dephault;
} PF_PathDef;

typedef struct {
    A_short id;
    A_short pad;
    PF_ArbitraryH dephault;
    PF_ArbitraryH value;
    void* refconPV;
} PF_ArbitraryDef;

typedef union {
    struct PF_LayerDef ld;
    PF_SliderDef sd;
    PF_FixedSliderDef fd;
    PF_AngleDef ad;
    PF_CheckBoxDef bd;
    PF_ColorDef cd;
    PF_PointDef td;
    PF_PopupDef pd;
    PF_FloatSliderDef fs_d;
    PF_ArbitraryDef arb_d;
    struct PF_PathDef path_d;
    PF_ButtonDef button_d;
    PF_Point3DDef point3d_d;
} PF_ParamDefUnion;

typedef struct PF_ParamDef {
    union {
        A_long id;                    // disk id, set at parameter set-up
        PF_ChangeFlags change_flags;  // written back by the effect on a change
    } uu;
    PF_ParamUIFlags ui_flags;
    A_short ui_width;
    A_short ui_height;
    PF_ParamType param_type;
    A_char name[PF_MAX_EFFECT_PARAM_NAME_LEN + 1];
    PF_ParamFlags flags;
    A_long unused;
    PF_ParamDefUnion u;
} PF_ParamDef;

typedef PF_ParamDef* PF_ParamDefPtr;
typedef PF_ParamDef** PF_ParamDefH;
// params[0] is the input layer; the host owns the array and every entry.
typedef PF_ParamDef** PF_ParamList;

// ---------------------------------------------------------------------------
// Interaction callbacks, embedded at the start of PF_InData. Every call is
// made on the thread that received the command.

typedef struct {
    PF_Err (*checkout_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time,
                             A_long time_step, A_u_long time_scale, PF_ParamDef* param);
    PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
    PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def);
    PF_Err (*abort)(PF_ProgPtr effect_ref);
    PF_Err (*progress)(PF_ProgPtr effect_ref, A_long current, A_long total);
    PF_Err (*register_ui)(PF_ProgPtr effect_ref, PF_CustomUIInfo* cust_info);
    PF_Err (*checkout_layer_audio)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long start_time,
                                   A_long duration, A_u_long time_scale, PF_UFixed rate,
                                   A_long bytes_per_sample, A_long num_channels, A_long fmt_signed,
                                   PF_LayerAudio* audio);
    PF_Err (*checkin_layer_audio)(PF_ProgPtr effect_ref, PF_LayerAudio audio);
    PF_Err (*get_audio_data)(PF_ProgPtr effect_ref, PF_LayerAudio audio, PF_SndSamplePtr* data0,
                             A_long* num_samples0, PF_UFixed* rate0, A_long* bytes_per_sample0,
                             A_long* num_channels0, A_long* fmt_signed0);
    void* reserved_str[3];
    void* reserved[10];
} PF_InteractCallbacks;

// ---------------------------------------------------------------------------
// Per-command records. The host owns both; the effect reads PF_InData and
// writes PF_OutData, valid only for the duration of the command.

typedef struct {
    PF_InteractCallbacks inter;
    struct _PF_UtilCallbacks* utils;
    PF_ProgPtr effect_ref;
    PF_Quality quality;
    PF_SpecVersion version;
    A_long serial_num;
    A_long appl_id;
    A_long num_params;
    A_long reserved;
    A_long what_cpu;
    A_long what_fpu;
    A_long current_time;
    A_long time_step;
    A_long total_time;
    A_long local_time_step;
    A_u_long time_scale;
    PF_Field field;
    PF_Fixed shutter_angle;
    A_long width;
    A_long height;
    PF_LRect extent_hint;
    A_long output_origin_x;
    A_long output_origin_y;
    PF_RationalScale downsample_x;
    PF_RationalScale downsample_y;
    PF_RationalScale pixel_aspect_ratio;
    PF_InFlags in_flags;
    PF_Handle global_data;
    PF_Handle sequence_data;
    PF_Handle frame_data;
    A_long start_sampL;
    A_long dur_sampL;
    A_long total_sampL;
    PF_SoundWorld src_snd;
    struct SPBasicSuite* pica_basicP;
    A_long pre_effect_source_origin_x;
    A_long pre_effect_source_origin_y;
    PF_Fixed shutter_phase;
} PF_InData;

typedef struct {
    A_u_long my_version;
    A_char name[PF_MAX_EFFECT_NAME_LEN + 1];
    PF_Handle global_data;
    A_long num_params;
    PF_Handle sequence_data;
    A_long flat_sdata_size;
    PF_Handle frame_data;
    A_long width;
    A_long height;
    PF_Point origin;
    PF_OutFlags out_flags;
    A_char return_msg[PF_MAX_EFFECT_MSG_LEN +
                      1];  // NUL-terminated; shown when DISPLAY_ERROR_MESSAGE is set
    A_long start_sampL;
    A_long dur_sampL;
    PF_SoundWorld dest_snd;
    PF_OutFlags2 out_flags2;
} PF_OutData;

// The one entry point every command arrives through.
typedef PF_Err (*PF_FilterProc)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                PF_ParamList params, PF_LayerDef* output, void* extra);

// extra of PF_Cmd_USER_CHANGED_PARAM.
typedef struct {
    PF_ParamIndex param_index;
} PF_UserChangedParamExtra;

// ---------------------------------------------------------------------------
// Smart rendering (PF_Cmd_SMART_PRE_RENDER / PF_Cmd_SMART_RENDER)

typedef struct {
    PF_LRect rect;
    PF_Field field;
    PF_ChannelMask channel_mask;
    PF_Boolean preserve_rgb_of_zero_alpha;
    char unused[3];      // must be zero
    A_long reserved[4];  // must be zero
} PF_RenderRequest;

typedef struct {
    PF_RenderRequest output_request;
    short bitdepth;  // bits per channel: 8, 16 or 32
    const void* gpu_data;
    PF_GPU_Framework what_gpu;
    A_u_long device_index;
} PF_PreRenderInput;

typedef void (*PF_DeletePreRenderDataFunc)(void* pre_render_data);

typedef struct {
    PF_LRect result_rect;
    PF_LRect max_result_rect;
    PF_Boolean solid;
    PF_Boolean reserved;
    PF_RenderOutputFlags flags;
    void* pre_render_data;  // handed to SMART_RENDER; freed through the function below
    PF_DeletePreRenderDataFunc delete_pre_render_data_func;
} PF_PreRenderOutput;

typedef struct {
    PF_LRect result_rect;
    PF_LRect max_result_rect;
    PF_RationalScale par;
    PF_Boolean solid;
    PF_Boolean reservedB[3];
    A_long ref_width;
    A_long ref_height;
    A_long reserved[6];
} PF_CheckoutResult;

typedef struct {
    PF_Err (*checkout_layer)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id,
                             const PF_RenderRequest* req, A_long what_time, A_long time_step,
                             A_u_long time_scale, PF_CheckoutResult* checkout_result);
    PF_Err (*GuidMixInPtr)(PF_ProgPtr effect_ref, A_u_long buf_sizeLu, const void* buf);
} PF_PreRenderCallbacks;

typedef struct {
    PF_PreRenderInput* input;
    PF_PreRenderOutput* output;
    PF_PreRenderCallbacks* cb;
} PF_PreRenderExtra;

typedef struct {
    PF_RenderRequest output_request;
    short bitdepth;  // bits per channel: 8, 16 or 32
    void* pre_render_data;
    const void* gpu_data;
    PF_GPU_Framework what_gpu;
    A_u_long device_index;
} PF_SmartRenderInput;

// Worlds checked out here belong to the host; they stay valid until checked
// in or until the command returns.
typedef struct {
    PF_Err (*checkout_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_id,
                                    PF_EffectWorld** pixels);
    PF_Err (*checkin_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_id);
    PF_Err (*checkout_output)(PF_ProgPtr effect_ref, PF_EffectWorld** output);
} PF_SmartRenderCallbacks;

typedef struct {
    PF_SmartRenderInput* input;
    PF_SmartRenderCallbacks* cb;
} PF_SmartRenderExtra;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

// Registration entry and callback types.
#include "AE_PluginData.h"

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(PF_Fixed) == 4 && sizeof(PF_Boolean) == 1 && sizeof(PF_Handle) == 8,
              "PF basic sizes");
#if defined(_WIN32)
static_assert((PF_Boolean)-1 < 0, "PF_Boolean is signed on Windows");
#else
static_assert((PF_Boolean)-1 > 0, "PF_Boolean is unsigned on macOS");
#endif
static_assert(sizeof(PF_ValueDisplayFlags) == 2 && sizeof(PF_RenderOutputFlags) == 2,
              "16-bit flag types");
static_assert(sizeof(PF_SoundFormat) == 2 && sizeof(PF_SoundSampleSize) == 2 &&
                  sizeof(PF_SoundChannels) == 2,
              "16-bit sound types");
static_assert(sizeof(PF_PixelPtr) == 8 && sizeof(PF_ProgPtr) == 8 && sizeof(PF_FilterProc) == 8,
              "pointers");
static_assert(sizeof(PF_FSliderFlags) == 4 && (PF_FSliderFlags)-1 > 0 && sizeof(PF_PathID) == 4,
              "32-bit types");

static_assert(sizeof(PF_SpecVersion) == 4 && alignof(PF_SpecVersion) == 2, "PF_SpecVersion");
static_assert(offsetof(PF_SpecVersion, major) == 0 && sizeof(PF_SpecVersion::major) == 2,
              "PF_SpecVersion.major");
static_assert(offsetof(PF_SpecVersion, minor) == 2 && sizeof(PF_SpecVersion::minor) == 2,
              "PF_SpecVersion.minor");

static_assert(sizeof(PF_Point) == 8 && alignof(PF_Point) == 4, "PF_Point");
static_assert(offsetof(PF_Point, h) == 0 && sizeof(PF_Point::h) == 4, "PF_Point.h");
static_assert(offsetof(PF_Point, v) == 4 && sizeof(PF_Point::v) == 4, "PF_Point.v");

static_assert(sizeof(PF_LRect) == 16 && alignof(PF_LRect) == 4, "PF_LRect");
static_assert(offsetof(PF_LRect, left) == 0 && sizeof(PF_LRect::left) == 4, "PF_LRect.left");
static_assert(offsetof(PF_LRect, top) == 4 && sizeof(PF_LRect::top) == 4, "PF_LRect.top");
static_assert(offsetof(PF_LRect, right) == 8 && sizeof(PF_LRect::right) == 4, "PF_LRect.right");
static_assert(offsetof(PF_LRect, bottom) == 12 && sizeof(PF_LRect::bottom) == 4, "PF_LRect.bottom");

static_assert(sizeof(PF_RationalScale) == 8 && alignof(PF_RationalScale) == 4, "PF_RationalScale");
static_assert(offsetof(PF_RationalScale, num) == 0 && sizeof(PF_RationalScale::num) == 4,
              "PF_RationalScale.num");
static_assert(offsetof(PF_RationalScale, den) == 4 && sizeof(PF_RationalScale::den) == 4,
              "PF_RationalScale.den");

static_assert(sizeof(PF_FixedPoint) == 8 && alignof(PF_FixedPoint) == 4, "PF_FixedPoint");
static_assert(offsetof(PF_FixedPoint, x) == 0 && sizeof(PF_FixedPoint::x) == 4, "PF_FixedPoint.x");
static_assert(offsetof(PF_FixedPoint, y) == 4 && sizeof(PF_FixedPoint::y) == 4, "PF_FixedPoint.y");

static_assert(sizeof(PF_FixedRect) == 16 && alignof(PF_FixedRect) == 4, "PF_FixedRect");
static_assert(offsetof(PF_FixedRect, left) == 0 && sizeof(PF_FixedRect::left) == 4,
              "PF_FixedRect.left");
static_assert(offsetof(PF_FixedRect, top) == 4 && sizeof(PF_FixedRect::top) == 4,
              "PF_FixedRect.top");
static_assert(offsetof(PF_FixedRect, right) == 8 && sizeof(PF_FixedRect::right) == 4,
              "PF_FixedRect.right");
static_assert(offsetof(PF_FixedRect, bottom) == 12 && sizeof(PF_FixedRect::bottom) == 4,
              "PF_FixedRect.bottom");

static_assert(sizeof(PF_Matrix) == 36 && alignof(PF_Matrix) == 4, "PF_Matrix");
static_assert(offsetof(PF_Matrix, mat) == 0 && sizeof(PF_Matrix::mat) == 36, "PF_Matrix.mat");

static_assert(sizeof(PF_FloatMatrix) == 72 && alignof(PF_FloatMatrix) == 8, "PF_FloatMatrix");
static_assert(offsetof(PF_FloatMatrix, mat) == 0 && sizeof(PF_FloatMatrix::mat) == 72,
              "PF_FloatMatrix.mat");

static_assert(sizeof(PF_Pixel) == 4 && alignof(PF_Pixel) == 1, "PF_Pixel");
static_assert(offsetof(PF_Pixel, alpha) == 0 && sizeof(PF_Pixel::alpha) == 1, "PF_Pixel.alpha");
static_assert(offsetof(PF_Pixel, red) == 1 && sizeof(PF_Pixel::red) == 1, "PF_Pixel.red");
static_assert(offsetof(PF_Pixel, green) == 2 && sizeof(PF_Pixel::green) == 1, "PF_Pixel.green");
static_assert(offsetof(PF_Pixel, blue) == 3 && sizeof(PF_Pixel::blue) == 1, "PF_Pixel.blue");

static_assert(sizeof(PF_Pixel16) == 8 && alignof(PF_Pixel16) == 2, "PF_Pixel16");
static_assert(offsetof(PF_Pixel16, alpha) == 0 && sizeof(PF_Pixel16::alpha) == 2,
              "PF_Pixel16.alpha");
static_assert(offsetof(PF_Pixel16, red) == 2 && sizeof(PF_Pixel16::red) == 2, "PF_Pixel16.red");
static_assert(offsetof(PF_Pixel16, green) == 4 && sizeof(PF_Pixel16::green) == 2,
              "PF_Pixel16.green");
static_assert(offsetof(PF_Pixel16, blue) == 6 && sizeof(PF_Pixel16::blue) == 2, "PF_Pixel16.blue");

static_assert(sizeof(PF_PixelFloat) == 16 && alignof(PF_PixelFloat) == 4, "PF_PixelFloat");
static_assert(offsetof(PF_PixelFloat, alpha) == 0 && sizeof(PF_PixelFloat::alpha) == 4,
              "PF_PixelFloat.alpha");
static_assert(offsetof(PF_PixelFloat, red) == 4 && sizeof(PF_PixelFloat::red) == 4,
              "PF_PixelFloat.red");
static_assert(offsetof(PF_PixelFloat, green) == 8 && sizeof(PF_PixelFloat::green) == 4,
              "PF_PixelFloat.green");
static_assert(offsetof(PF_PixelFloat, blue) == 12 && sizeof(PF_PixelFloat::blue) == 4,
              "PF_PixelFloat.blue");

static_assert(sizeof(PF_CompositeMode) == 12 && alignof(PF_CompositeMode) == 4, "PF_CompositeMode");
static_assert(offsetof(PF_CompositeMode, xfer) == 0 && sizeof(PF_CompositeMode::xfer) == 4,
              "PF_CompositeMode.xfer");
static_assert(offsetof(PF_CompositeMode, rand_seed) == 4 &&
                  sizeof(PF_CompositeMode::rand_seed) == 4,
              "PF_CompositeMode.rand_seed");
static_assert(offsetof(PF_CompositeMode, opacity) == 8 && sizeof(PF_CompositeMode::opacity) == 1,
              "PF_CompositeMode.opacity");
static_assert(offsetof(PF_CompositeMode, rgb_only) == 9 && sizeof(PF_CompositeMode::rgb_only) == 1,
              "PF_CompositeMode.rgb_only");
static_assert(offsetof(PF_CompositeMode, opacitySu) == 10 &&
                  sizeof(PF_CompositeMode::opacitySu) == 2,
              "PF_CompositeMode.opacitySu");

static_assert(sizeof(PF_LayerDef) == 120 && alignof(PF_LayerDef) == 8, "PF_LayerDef");
static_assert(offsetof(PF_LayerDef, reserved0) == 0 && sizeof(PF_LayerDef::reserved0) == 8,
              "PF_LayerDef.reserved0");
static_assert(offsetof(PF_LayerDef, reserved1) == 8 && sizeof(PF_LayerDef::reserved1) == 8,
              "PF_LayerDef.reserved1");
static_assert(offsetof(PF_LayerDef, world_flags) == 16 && sizeof(PF_LayerDef::world_flags) == 4,
              "PF_LayerDef.world_flags");
static_assert(offsetof(PF_LayerDef, data) == 24 && sizeof(PF_LayerDef::data) == 8,
              "PF_LayerDef.data");
static_assert(offsetof(PF_LayerDef, rowbytes) == 32 && sizeof(PF_LayerDef::rowbytes) == 4,
              "PF_LayerDef.rowbytes");
static_assert(offsetof(PF_LayerDef, width) == 36 && sizeof(PF_LayerDef::width) == 4,
              "PF_LayerDef.width");
static_assert(offsetof(PF_LayerDef, height) == 40 && sizeof(PF_LayerDef::height) == 4,
              "PF_LayerDef.height");
static_assert(offsetof(PF_LayerDef, extent_hint) == 44 && sizeof(PF_LayerDef::extent_hint) == 16,
              "PF_LayerDef.extent_hint");
static_assert(offsetof(PF_LayerDef, platform_ref) == 64 && sizeof(PF_LayerDef::platform_ref) == 8,
              "PF_LayerDef.platform_ref");
static_assert(offsetof(PF_LayerDef, reserved_long1) == 72 &&
                  sizeof(PF_LayerDef::reserved_long1) == 4,
              "PF_LayerDef.reserved_long1");
static_assert(offsetof(PF_LayerDef, reserved_long4) == 80 &&
                  sizeof(PF_LayerDef::reserved_long4) == 8,
              "PF_LayerDef.reserved_long4");
static_assert(offsetof(PF_LayerDef, pix_aspect_ratio) == 88 &&
                  sizeof(PF_LayerDef::pix_aspect_ratio) == 8,
              "PF_LayerDef.pix_aspect_ratio");
static_assert(offsetof(PF_LayerDef, reserved_long2) == 96 &&
                  sizeof(PF_LayerDef::reserved_long2) == 8,
              "PF_LayerDef.reserved_long2");
static_assert(offsetof(PF_LayerDef, origin_x) == 104 && sizeof(PF_LayerDef::origin_x) == 4,
              "PF_LayerDef.origin_x");
static_assert(offsetof(PF_LayerDef, origin_y) == 108 && sizeof(PF_LayerDef::origin_y) == 4,
              "PF_LayerDef.origin_y");
static_assert(offsetof(PF_LayerDef, reserved_long3) == 112 &&
                  sizeof(PF_LayerDef::reserved_long3) == 4,
              "PF_LayerDef.reserved_long3");
static_assert(offsetof(PF_LayerDef, dephault) == 116 && sizeof(PF_LayerDef::dephault) == 4,
              "PF_LayerDef.dephault");

static_assert(sizeof(PF_SoundFormatInfo) == 16 && alignof(PF_SoundFormatInfo) == 8,
              "PF_SoundFormatInfo");
static_assert(offsetof(PF_SoundFormatInfo, rateF) == 0 && sizeof(PF_SoundFormatInfo::rateF) == 8,
              "PF_SoundFormatInfo.rateF");
static_assert(offsetof(PF_SoundFormatInfo, num_channels) == 8 &&
                  sizeof(PF_SoundFormatInfo::num_channels) == 2,
              "PF_SoundFormatInfo.num_channels");
static_assert(offsetof(PF_SoundFormatInfo, format) == 10 && sizeof(PF_SoundFormatInfo::format) == 2,
              "PF_SoundFormatInfo.format");
static_assert(offsetof(PF_SoundFormatInfo, sample_size) == 12 &&
                  sizeof(PF_SoundFormatInfo::sample_size) == 2,
              "PF_SoundFormatInfo.sample_size");

static_assert(sizeof(PF_SoundWorld) == 32 && alignof(PF_SoundWorld) == 8, "PF_SoundWorld");
static_assert(offsetof(PF_SoundWorld, fi) == 0 && sizeof(PF_SoundWorld::fi) == 16,
              "PF_SoundWorld.fi");
static_assert(offsetof(PF_SoundWorld, num_samples) == 16 && sizeof(PF_SoundWorld::num_samples) == 4,
              "PF_SoundWorld.num_samples");
static_assert(offsetof(PF_SoundWorld, dataP) == 24 && sizeof(PF_SoundWorld::dataP) == 8,
              "PF_SoundWorld.dataP");

static_assert(sizeof(PF_SliderDef) == 88 && alignof(PF_SliderDef) == 4, "PF_SliderDef");
static_assert(offsetof(PF_SliderDef, value) == 0 && sizeof(PF_SliderDef::value) == 4,
              "PF_SliderDef.value");
static_assert(offsetof(PF_SliderDef, value_str) == 4 && sizeof(PF_SliderDef::value_str) == 32,
              "PF_SliderDef.value_str");
static_assert(offsetof(PF_SliderDef, value_desc) == 36 && sizeof(PF_SliderDef::value_desc) == 32,
              "PF_SliderDef.value_desc");
static_assert(offsetof(PF_SliderDef, valid_min) == 68 && sizeof(PF_SliderDef::valid_min) == 4,
              "PF_SliderDef.valid_min");
static_assert(offsetof(PF_SliderDef, valid_max) == 72 && sizeof(PF_SliderDef::valid_max) == 4,
              "PF_SliderDef.valid_max");
static_assert(offsetof(PF_SliderDef, slider_min) == 76 && sizeof(PF_SliderDef::slider_min) == 4,
              "PF_SliderDef.slider_min");
static_assert(offsetof(PF_SliderDef, slider_max) == 80 && sizeof(PF_SliderDef::slider_max) == 4,
              "PF_SliderDef.slider_max");
static_assert(offsetof(PF_SliderDef, dephault) == 84 && sizeof(PF_SliderDef::dephault) == 4,
              "PF_SliderDef.dephault");

static_assert(sizeof(PF_FixedSliderDef) == 92 && alignof(PF_FixedSliderDef) == 4,
              "PF_FixedSliderDef");
static_assert(offsetof(PF_FixedSliderDef, value) == 0 && sizeof(PF_FixedSliderDef::value) == 4,
              "PF_FixedSliderDef.value");
static_assert(offsetof(PF_FixedSliderDef, value_str) == 4 &&
                  sizeof(PF_FixedSliderDef::value_str) == 32,
              "PF_FixedSliderDef.value_str");
static_assert(offsetof(PF_FixedSliderDef, value_desc) == 36 &&
                  sizeof(PF_FixedSliderDef::value_desc) == 32,
              "PF_FixedSliderDef.value_desc");
static_assert(offsetof(PF_FixedSliderDef, valid_min) == 68 &&
                  sizeof(PF_FixedSliderDef::valid_min) == 4,
              "PF_FixedSliderDef.valid_min");
static_assert(offsetof(PF_FixedSliderDef, valid_max) == 72 &&
                  sizeof(PF_FixedSliderDef::valid_max) == 4,
              "PF_FixedSliderDef.valid_max");
static_assert(offsetof(PF_FixedSliderDef, slider_min) == 76 &&
                  sizeof(PF_FixedSliderDef::slider_min) == 4,
              "PF_FixedSliderDef.slider_min");
static_assert(offsetof(PF_FixedSliderDef, slider_max) == 80 &&
                  sizeof(PF_FixedSliderDef::slider_max) == 4,
              "PF_FixedSliderDef.slider_max");
static_assert(offsetof(PF_FixedSliderDef, dephault) == 84 &&
                  sizeof(PF_FixedSliderDef::dephault) == 4,
              "PF_FixedSliderDef.dephault");
static_assert(offsetof(PF_FixedSliderDef, precision) == 88 &&
                  sizeof(PF_FixedSliderDef::precision) == 2,
              "PF_FixedSliderDef.precision");
static_assert(offsetof(PF_FixedSliderDef, display_flags) == 90 &&
                  sizeof(PF_FixedSliderDef::display_flags) == 2,
              "PF_FixedSliderDef.display_flags");

static_assert(sizeof(PF_FloatSliderDef) == 88 && alignof(PF_FloatSliderDef) == 8,
              "PF_FloatSliderDef");
static_assert(offsetof(PF_FloatSliderDef, value) == 0 && sizeof(PF_FloatSliderDef::value) == 8,
              "PF_FloatSliderDef.value");
static_assert(offsetof(PF_FloatSliderDef, phase) == 8 && sizeof(PF_FloatSliderDef::phase) == 8,
              "PF_FloatSliderDef.phase");
static_assert(offsetof(PF_FloatSliderDef, value_desc) == 16 &&
                  sizeof(PF_FloatSliderDef::value_desc) == 32,
              "PF_FloatSliderDef.value_desc");
static_assert(offsetof(PF_FloatSliderDef, valid_min) == 48 &&
                  sizeof(PF_FloatSliderDef::valid_min) == 4,
              "PF_FloatSliderDef.valid_min");
static_assert(offsetof(PF_FloatSliderDef, valid_max) == 52 &&
                  sizeof(PF_FloatSliderDef::valid_max) == 4,
              "PF_FloatSliderDef.valid_max");
static_assert(offsetof(PF_FloatSliderDef, slider_min) == 56 &&
                  sizeof(PF_FloatSliderDef::slider_min) == 4,
              "PF_FloatSliderDef.slider_min");
static_assert(offsetof(PF_FloatSliderDef, slider_max) == 60 &&
                  sizeof(PF_FloatSliderDef::slider_max) == 4,
              "PF_FloatSliderDef.slider_max");
static_assert(offsetof(PF_FloatSliderDef, dephault) == 64 &&
                  sizeof(PF_FloatSliderDef::dephault) == 4,
              "PF_FloatSliderDef.dephault");
static_assert(offsetof(PF_FloatSliderDef, precision) == 68 &&
                  sizeof(PF_FloatSliderDef::precision) == 2,
              "PF_FloatSliderDef.precision");
static_assert(offsetof(PF_FloatSliderDef, display_flags) == 70 &&
                  sizeof(PF_FloatSliderDef::display_flags) == 2,
              "PF_FloatSliderDef.display_flags");
static_assert(offsetof(PF_FloatSliderDef, fs_flags) == 72 &&
                  sizeof(PF_FloatSliderDef::fs_flags) == 4,
              "PF_FloatSliderDef.fs_flags");
static_assert(offsetof(PF_FloatSliderDef, curve_tolerance) == 76 &&
                  sizeof(PF_FloatSliderDef::curve_tolerance) == 4,
              "PF_FloatSliderDef.curve_tolerance");
static_assert(offsetof(PF_FloatSliderDef, useExponent) == 80 &&
                  sizeof(PF_FloatSliderDef::useExponent) == 1,
              "PF_FloatSliderDef.useExponent");
static_assert(offsetof(PF_FloatSliderDef, exponent) == 84 &&
                  sizeof(PF_FloatSliderDef::exponent) == 4,
              "PF_FloatSliderDef.exponent");

static_assert(sizeof(PF_AngleDef) == 16 && alignof(PF_AngleDef) == 4, "PF_AngleDef");
static_assert(offsetof(PF_AngleDef, value) == 0 && sizeof(PF_AngleDef::value) == 4,
              "PF_AngleDef.value");
static_assert(offsetof(PF_AngleDef, dephault) == 4 && sizeof(PF_AngleDef::dephault) == 4,
              "PF_AngleDef.dephault");
static_assert(offsetof(PF_AngleDef, valid_min) == 8 && sizeof(PF_AngleDef::valid_min) == 4,
              "PF_AngleDef.valid_min");
static_assert(offsetof(PF_AngleDef, valid_max) == 12 && sizeof(PF_AngleDef::valid_max) == 4,
              "PF_AngleDef.valid_max");

static_assert(sizeof(PF_CheckBoxDef) == 16 && alignof(PF_CheckBoxDef) == 8, "PF_CheckBoxDef");
static_assert(offsetof(PF_CheckBoxDef, value) == 0 && sizeof(PF_CheckBoxDef::value) == 4,
              "PF_CheckBoxDef.value");
static_assert(offsetof(PF_CheckBoxDef, dephault) == 4 && sizeof(PF_CheckBoxDef::dephault) == 1,
              "PF_CheckBoxDef.dephault");
static_assert(offsetof(PF_CheckBoxDef, reserved) == 5 && sizeof(PF_CheckBoxDef::reserved) == 1,
              "PF_CheckBoxDef.reserved");
static_assert(offsetof(PF_CheckBoxDef, reserved1) == 6 && sizeof(PF_CheckBoxDef::reserved1) == 2,
              "PF_CheckBoxDef.reserved1");
static_assert(offsetof(PF_CheckBoxDef, u) == 8 && sizeof(PF_CheckBoxDef::u) == 8,
              "PF_CheckBoxDef.u");

static_assert(sizeof(PF_ColorDef) == 8 && alignof(PF_ColorDef) == 1, "PF_ColorDef");
static_assert(offsetof(PF_ColorDef, value) == 0 && sizeof(PF_ColorDef::value) == 4,
              "PF_ColorDef.value");
static_assert(offsetof(PF_ColorDef, dephault) == 4 && sizeof(PF_ColorDef::dephault) == 4,
              "PF_ColorDef.dephault");

static_assert(sizeof(PF_PointDef) == 20 && alignof(PF_PointDef) == 4, "PF_PointDef");
static_assert(offsetof(PF_PointDef, x_value) == 0 && sizeof(PF_PointDef::x_value) == 4,
              "PF_PointDef.x_value");
static_assert(offsetof(PF_PointDef, y_value) == 4 && sizeof(PF_PointDef::y_value) == 4,
              "PF_PointDef.y_value");
static_assert(offsetof(PF_PointDef, reserved) == 8 && sizeof(PF_PointDef::reserved) == 3,
              "PF_PointDef.reserved");
static_assert(offsetof(PF_PointDef, restrict_bounds) == 11 &&
                  sizeof(PF_PointDef::restrict_bounds) == 1,
              "PF_PointDef.restrict_bounds");
static_assert(offsetof(PF_PointDef, x_dephault) == 12 && sizeof(PF_PointDef::x_dephault) == 4,
              "PF_PointDef.x_dephault");
static_assert(offsetof(PF_PointDef, y_dephault) == 16 && sizeof(PF_PointDef::y_dephault) == 4,
              "PF_PointDef.y_dephault");

static_assert(sizeof(PF_Point3DDef) == 64 && alignof(PF_Point3DDef) == 8, "PF_Point3DDef");
static_assert(offsetof(PF_Point3DDef, x_value) == 0 && sizeof(PF_Point3DDef::x_value) == 8,
              "PF_Point3DDef.x_value");
static_assert(offsetof(PF_Point3DDef, y_value) == 8 && sizeof(PF_Point3DDef::y_value) == 8,
              "PF_Point3DDef.y_value");
static_assert(offsetof(PF_Point3DDef, z_value) == 16 && sizeof(PF_Point3DDef::z_value) == 8,
              "PF_Point3DDef.z_value");
static_assert(offsetof(PF_Point3DDef, x_dephault) == 24 && sizeof(PF_Point3DDef::x_dephault) == 8,
              "PF_Point3DDef.x_dephault");
static_assert(offsetof(PF_Point3DDef, y_dephault) == 32 && sizeof(PF_Point3DDef::y_dephault) == 8,
              "PF_Point3DDef.y_dephault");
static_assert(offsetof(PF_Point3DDef, z_dephault) == 40 && sizeof(PF_Point3DDef::z_dephault) == 8,
              "PF_Point3DDef.z_dephault");
static_assert(offsetof(PF_Point3DDef, reserved) == 48 && sizeof(PF_Point3DDef::reserved) == 16,
              "PF_Point3DDef.reserved");

static_assert(sizeof(PF_PopupDef) == 16 && alignof(PF_PopupDef) == 8, "PF_PopupDef");
static_assert(offsetof(PF_PopupDef, value) == 0 && sizeof(PF_PopupDef::value) == 4,
              "PF_PopupDef.value");
static_assert(offsetof(PF_PopupDef, num_choices) == 4 && sizeof(PF_PopupDef::num_choices) == 2,
              "PF_PopupDef.num_choices");
static_assert(offsetof(PF_PopupDef, dephault) == 6 && sizeof(PF_PopupDef::dephault) == 2,
              "PF_PopupDef.dephault");
static_assert(offsetof(PF_PopupDef, u) == 8 && sizeof(PF_PopupDef::u) == 8, "PF_PopupDef.u");

static_assert(sizeof(PF_ButtonDef) == 16 && alignof(PF_ButtonDef) == 8, "PF_ButtonDef");
static_assert(offsetof(PF_ButtonDef, value) == 0 && sizeof(PF_ButtonDef::value) == 4,
              "PF_ButtonDef.value");
static_assert(offsetof(PF_ButtonDef, u) == 8 && sizeof(PF_ButtonDef::u) == 8, "PF_ButtonDef.u");

static_assert(sizeof(PF_PathDef) == 12 && alignof(PF_PathDef) == 4, "PF_PathDef");
static_assert(offsetof(PF_PathDef, path_id) == 0 && sizeof(PF_PathDef::path_id) == 4,
              "PF_PathDef.path_id");
static_assert(offsetof(PF_PathDef, reserved0) == 4 && sizeof(PF_PathDef::reserved0) == 4,
              "PF_PathDef.reserved0");
static_assert(offsetof(PF_PathDef, dephault) == 8 && sizeof(PF_PathDef::dephault) == 4,
              "PF_PathDef.dephault");

static_assert(sizeof(PF_ArbitraryDef) == 32 && alignof(PF_ArbitraryDef) == 8, "PF_ArbitraryDef");
static_assert(offsetof(PF_ArbitraryDef, id) == 0 && sizeof(PF_ArbitraryDef::id) == 2,
              "PF_ArbitraryDef.id");
static_assert(offsetof(PF_ArbitraryDef, pad) == 2 && sizeof(PF_ArbitraryDef::pad) == 2,
              "PF_ArbitraryDef.pad");
static_assert(offsetof(PF_ArbitraryDef, dephault) == 8 && sizeof(PF_ArbitraryDef::dephault) == 8,
              "PF_ArbitraryDef.dephault");
static_assert(offsetof(PF_ArbitraryDef, value) == 16 && sizeof(PF_ArbitraryDef::value) == 8,
              "PF_ArbitraryDef.value");
static_assert(offsetof(PF_ArbitraryDef, refconPV) == 24 && sizeof(PF_ArbitraryDef::refconPV) == 8,
              "PF_ArbitraryDef.refconPV");

static_assert(sizeof(PF_ParamDefUnion) == 120 && alignof(PF_ParamDefUnion) == 8,
              "PF_ParamDefUnion");
static_assert(offsetof(PF_ParamDefUnion, ld) == 0 && sizeof(PF_ParamDefUnion::ld) == 120,
              "PF_ParamDefUnion.ld");
static_assert(offsetof(PF_ParamDefUnion, sd) == 0 && sizeof(PF_ParamDefUnion::sd) == 88,
              "PF_ParamDefUnion.sd");
static_assert(offsetof(PF_ParamDefUnion, fd) == 0 && sizeof(PF_ParamDefUnion::fd) == 92,
              "PF_ParamDefUnion.fd");
static_assert(offsetof(PF_ParamDefUnion, ad) == 0 && sizeof(PF_ParamDefUnion::ad) == 16,
              "PF_ParamDefUnion.ad");
static_assert(offsetof(PF_ParamDefUnion, bd) == 0 && sizeof(PF_ParamDefUnion::bd) == 16,
              "PF_ParamDefUnion.bd");
static_assert(offsetof(PF_ParamDefUnion, cd) == 0 && sizeof(PF_ParamDefUnion::cd) == 8,
              "PF_ParamDefUnion.cd");
static_assert(offsetof(PF_ParamDefUnion, td) == 0 && sizeof(PF_ParamDefUnion::td) == 20,
              "PF_ParamDefUnion.td");
static_assert(offsetof(PF_ParamDefUnion, pd) == 0 && sizeof(PF_ParamDefUnion::pd) == 16,
              "PF_ParamDefUnion.pd");
static_assert(offsetof(PF_ParamDefUnion, fs_d) == 0 && sizeof(PF_ParamDefUnion::fs_d) == 88,
              "PF_ParamDefUnion.fs_d");
static_assert(offsetof(PF_ParamDefUnion, arb_d) == 0 && sizeof(PF_ParamDefUnion::arb_d) == 32,
              "PF_ParamDefUnion.arb_d");
static_assert(offsetof(PF_ParamDefUnion, path_d) == 0 && sizeof(PF_ParamDefUnion::path_d) == 12,
              "PF_ParamDefUnion.path_d");
static_assert(offsetof(PF_ParamDefUnion, button_d) == 0 && sizeof(PF_ParamDefUnion::button_d) == 16,
              "PF_ParamDefUnion.button_d");
static_assert(offsetof(PF_ParamDefUnion, point3d_d) == 0 &&
                  sizeof(PF_ParamDefUnion::point3d_d) == 64,
              "PF_ParamDefUnion.point3d_d");

static_assert(sizeof(PF_ParamDef) == 176 && alignof(PF_ParamDef) == 8, "PF_ParamDef");
static_assert(offsetof(PF_ParamDef, uu) == 0 && sizeof(PF_ParamDef::uu) == 4, "PF_ParamDef.uu");
static_assert(offsetof(PF_ParamDef, ui_flags) == 4 && sizeof(PF_ParamDef::ui_flags) == 4,
              "PF_ParamDef.ui_flags");
static_assert(offsetof(PF_ParamDef, ui_width) == 8 && sizeof(PF_ParamDef::ui_width) == 2,
              "PF_ParamDef.ui_width");
static_assert(offsetof(PF_ParamDef, ui_height) == 10 && sizeof(PF_ParamDef::ui_height) == 2,
              "PF_ParamDef.ui_height");
static_assert(offsetof(PF_ParamDef, param_type) == 12 && sizeof(PF_ParamDef::param_type) == 4,
              "PF_ParamDef.param_type");
static_assert(offsetof(PF_ParamDef, name) == 16 && sizeof(PF_ParamDef::name) == 32,
              "PF_ParamDef.name");
static_assert(offsetof(PF_ParamDef, flags) == 48 && sizeof(PF_ParamDef::flags) == 4,
              "PF_ParamDef.flags");
static_assert(offsetof(PF_ParamDef, unused) == 52 && sizeof(PF_ParamDef::unused) == 4,
              "PF_ParamDef.unused");
static_assert(offsetof(PF_ParamDef, u) == 56 && sizeof(PF_ParamDef::u) == 120, "PF_ParamDef.u");

static_assert(sizeof(PF_InteractCallbacks) == 176 && alignof(PF_InteractCallbacks) == 8,
              "PF_InteractCallbacks");
static_assert(offsetof(PF_InteractCallbacks, checkout_param) == 0 &&
                  sizeof(PF_InteractCallbacks::checkout_param) == 8,
              "PF_InteractCallbacks.checkout_param");
static_assert(offsetof(PF_InteractCallbacks, checkin_param) == 8 &&
                  sizeof(PF_InteractCallbacks::checkin_param) == 8,
              "PF_InteractCallbacks.checkin_param");
static_assert(offsetof(PF_InteractCallbacks, add_param) == 16 &&
                  sizeof(PF_InteractCallbacks::add_param) == 8,
              "PF_InteractCallbacks.add_param");
static_assert(offsetof(PF_InteractCallbacks, abort) == 24 &&
                  sizeof(PF_InteractCallbacks::abort) == 8,
              "PF_InteractCallbacks.abort");
static_assert(offsetof(PF_InteractCallbacks, progress) == 32 &&
                  sizeof(PF_InteractCallbacks::progress) == 8,
              "PF_InteractCallbacks.progress");
static_assert(offsetof(PF_InteractCallbacks, register_ui) == 40 &&
                  sizeof(PF_InteractCallbacks::register_ui) == 8,
              "PF_InteractCallbacks.register_ui");
static_assert(offsetof(PF_InteractCallbacks, checkout_layer_audio) == 48 &&
                  sizeof(PF_InteractCallbacks::checkout_layer_audio) == 8,
              "PF_InteractCallbacks.checkout_layer_audio");
static_assert(offsetof(PF_InteractCallbacks, checkin_layer_audio) == 56 &&
                  sizeof(PF_InteractCallbacks::checkin_layer_audio) == 8,
              "PF_InteractCallbacks.checkin_layer_audio");
static_assert(offsetof(PF_InteractCallbacks, get_audio_data) == 64 &&
                  sizeof(PF_InteractCallbacks::get_audio_data) == 8,
              "PF_InteractCallbacks.get_audio_data");
static_assert(offsetof(PF_InteractCallbacks, reserved_str) == 72 &&
                  sizeof(PF_InteractCallbacks::reserved_str) == 24,
              "PF_InteractCallbacks.reserved_str");
static_assert(offsetof(PF_InteractCallbacks, reserved) == 96 &&
                  sizeof(PF_InteractCallbacks::reserved) == 80,
              "PF_InteractCallbacks.reserved");

static_assert(sizeof(PF_InData) == 408 && alignof(PF_InData) == 8, "PF_InData");
static_assert(offsetof(PF_InData, inter) == 0 && sizeof(PF_InData::inter) == 176,
              "PF_InData.inter");
static_assert(offsetof(PF_InData, utils) == 176 && sizeof(PF_InData::utils) == 8,
              "PF_InData.utils");
static_assert(offsetof(PF_InData, effect_ref) == 184 && sizeof(PF_InData::effect_ref) == 8,
              "PF_InData.effect_ref");
static_assert(offsetof(PF_InData, quality) == 192 && sizeof(PF_InData::quality) == 4,
              "PF_InData.quality");
static_assert(offsetof(PF_InData, version) == 196 && sizeof(PF_InData::version) == 4,
              "PF_InData.version");
static_assert(offsetof(PF_InData, serial_num) == 200 && sizeof(PF_InData::serial_num) == 4,
              "PF_InData.serial_num");
static_assert(offsetof(PF_InData, appl_id) == 204 && sizeof(PF_InData::appl_id) == 4,
              "PF_InData.appl_id");
static_assert(offsetof(PF_InData, num_params) == 208 && sizeof(PF_InData::num_params) == 4,
              "PF_InData.num_params");
static_assert(offsetof(PF_InData, reserved) == 212 && sizeof(PF_InData::reserved) == 4,
              "PF_InData.reserved");
static_assert(offsetof(PF_InData, what_cpu) == 216 && sizeof(PF_InData::what_cpu) == 4,
              "PF_InData.what_cpu");
static_assert(offsetof(PF_InData, what_fpu) == 220 && sizeof(PF_InData::what_fpu) == 4,
              "PF_InData.what_fpu");
static_assert(offsetof(PF_InData, current_time) == 224 && sizeof(PF_InData::current_time) == 4,
              "PF_InData.current_time");
static_assert(offsetof(PF_InData, time_step) == 228 && sizeof(PF_InData::time_step) == 4,
              "PF_InData.time_step");
static_assert(offsetof(PF_InData, total_time) == 232 && sizeof(PF_InData::total_time) == 4,
              "PF_InData.total_time");
static_assert(offsetof(PF_InData, local_time_step) == 236 &&
                  sizeof(PF_InData::local_time_step) == 4,
              "PF_InData.local_time_step");
static_assert(offsetof(PF_InData, time_scale) == 240 && sizeof(PF_InData::time_scale) == 4,
              "PF_InData.time_scale");
static_assert(offsetof(PF_InData, field) == 244 && sizeof(PF_InData::field) == 4,
              "PF_InData.field");
static_assert(offsetof(PF_InData, shutter_angle) == 248 && sizeof(PF_InData::shutter_angle) == 4,
              "PF_InData.shutter_angle");
static_assert(offsetof(PF_InData, width) == 252 && sizeof(PF_InData::width) == 4,
              "PF_InData.width");
static_assert(offsetof(PF_InData, height) == 256 && sizeof(PF_InData::height) == 4,
              "PF_InData.height");
static_assert(offsetof(PF_InData, extent_hint) == 260 && sizeof(PF_InData::extent_hint) == 16,
              "PF_InData.extent_hint");
static_assert(offsetof(PF_InData, output_origin_x) == 276 &&
                  sizeof(PF_InData::output_origin_x) == 4,
              "PF_InData.output_origin_x");
static_assert(offsetof(PF_InData, output_origin_y) == 280 &&
                  sizeof(PF_InData::output_origin_y) == 4,
              "PF_InData.output_origin_y");
static_assert(offsetof(PF_InData, downsample_x) == 284 && sizeof(PF_InData::downsample_x) == 8,
              "PF_InData.downsample_x");
static_assert(offsetof(PF_InData, downsample_y) == 292 && sizeof(PF_InData::downsample_y) == 8,
              "PF_InData.downsample_y");
static_assert(offsetof(PF_InData, pixel_aspect_ratio) == 300 &&
                  sizeof(PF_InData::pixel_aspect_ratio) == 8,
              "PF_InData.pixel_aspect_ratio");
static_assert(offsetof(PF_InData, in_flags) == 308 && sizeof(PF_InData::in_flags) == 4,
              "PF_InData.in_flags");
static_assert(offsetof(PF_InData, global_data) == 312 && sizeof(PF_InData::global_data) == 8,
              "PF_InData.global_data");
static_assert(offsetof(PF_InData, sequence_data) == 320 && sizeof(PF_InData::sequence_data) == 8,
              "PF_InData.sequence_data");
static_assert(offsetof(PF_InData, frame_data) == 328 && sizeof(PF_InData::frame_data) == 8,
              "PF_InData.frame_data");
static_assert(offsetof(PF_InData, start_sampL) == 336 && sizeof(PF_InData::start_sampL) == 4,
              "PF_InData.start_sampL");
static_assert(offsetof(PF_InData, dur_sampL) == 340 && sizeof(PF_InData::dur_sampL) == 4,
              "PF_InData.dur_sampL");
static_assert(offsetof(PF_InData, total_sampL) == 344 && sizeof(PF_InData::total_sampL) == 4,
              "PF_InData.total_sampL");
static_assert(offsetof(PF_InData, src_snd) == 352 && sizeof(PF_InData::src_snd) == 32,
              "PF_InData.src_snd");
static_assert(offsetof(PF_InData, pica_basicP) == 384 && sizeof(PF_InData::pica_basicP) == 8,
              "PF_InData.pica_basicP");
static_assert(offsetof(PF_InData, pre_effect_source_origin_x) == 392 &&
                  sizeof(PF_InData::pre_effect_source_origin_x) == 4,
              "PF_InData.pre_effect_source_origin_x");
static_assert(offsetof(PF_InData, pre_effect_source_origin_y) == 396 &&
                  sizeof(PF_InData::pre_effect_source_origin_y) == 4,
              "PF_InData.pre_effect_source_origin_y");
static_assert(offsetof(PF_InData, shutter_phase) == 400 && sizeof(PF_InData::shutter_phase) == 4,
              "PF_InData.shutter_phase");

static_assert(sizeof(PF_OutData) == 408 && alignof(PF_OutData) == 8, "PF_OutData");
static_assert(offsetof(PF_OutData, my_version) == 0 && sizeof(PF_OutData::my_version) == 4,
              "PF_OutData.my_version");
static_assert(offsetof(PF_OutData, name) == 4 && sizeof(PF_OutData::name) == 32, "PF_OutData.name");
static_assert(offsetof(PF_OutData, global_data) == 40 && sizeof(PF_OutData::global_data) == 8,
              "PF_OutData.global_data");
static_assert(offsetof(PF_OutData, num_params) == 48 && sizeof(PF_OutData::num_params) == 4,
              "PF_OutData.num_params");
static_assert(offsetof(PF_OutData, sequence_data) == 56 && sizeof(PF_OutData::sequence_data) == 8,
              "PF_OutData.sequence_data");
static_assert(offsetof(PF_OutData, flat_sdata_size) == 64 &&
                  sizeof(PF_OutData::flat_sdata_size) == 4,
              "PF_OutData.flat_sdata_size");
static_assert(offsetof(PF_OutData, frame_data) == 72 && sizeof(PF_OutData::frame_data) == 8,
              "PF_OutData.frame_data");
static_assert(offsetof(PF_OutData, width) == 80 && sizeof(PF_OutData::width) == 4,
              "PF_OutData.width");
static_assert(offsetof(PF_OutData, height) == 84 && sizeof(PF_OutData::height) == 4,
              "PF_OutData.height");
static_assert(offsetof(PF_OutData, origin) == 88 && sizeof(PF_OutData::origin) == 8,
              "PF_OutData.origin");
static_assert(offsetof(PF_OutData, out_flags) == 96 && sizeof(PF_OutData::out_flags) == 4,
              "PF_OutData.out_flags");
static_assert(offsetof(PF_OutData, return_msg) == 100 && sizeof(PF_OutData::return_msg) == 256,
              "PF_OutData.return_msg");
static_assert(offsetof(PF_OutData, start_sampL) == 356 && sizeof(PF_OutData::start_sampL) == 4,
              "PF_OutData.start_sampL");
static_assert(offsetof(PF_OutData, dur_sampL) == 360 && sizeof(PF_OutData::dur_sampL) == 4,
              "PF_OutData.dur_sampL");
static_assert(offsetof(PF_OutData, dest_snd) == 368 && sizeof(PF_OutData::dest_snd) == 32,
              "PF_OutData.dest_snd");
static_assert(offsetof(PF_OutData, out_flags2) == 400 && sizeof(PF_OutData::out_flags2) == 4,
              "PF_OutData.out_flags2");

static_assert(sizeof(PF_UserChangedParamExtra) == 4 && alignof(PF_UserChangedParamExtra) == 4,
              "PF_UserChangedParamExtra");
static_assert(offsetof(PF_UserChangedParamExtra, param_index) == 0 &&
                  sizeof(PF_UserChangedParamExtra::param_index) == 4,
              "PF_UserChangedParamExtra.param_index");

static_assert(sizeof(PF_RenderRequest) == 44 && alignof(PF_RenderRequest) == 4, "PF_RenderRequest");
static_assert(offsetof(PF_RenderRequest, rect) == 0 && sizeof(PF_RenderRequest::rect) == 16,
              "PF_RenderRequest.rect");
static_assert(offsetof(PF_RenderRequest, field) == 16 && sizeof(PF_RenderRequest::field) == 4,
              "PF_RenderRequest.field");
static_assert(offsetof(PF_RenderRequest, channel_mask) == 20 &&
                  sizeof(PF_RenderRequest::channel_mask) == 4,
              "PF_RenderRequest.channel_mask");
static_assert(offsetof(PF_RenderRequest, preserve_rgb_of_zero_alpha) == 24 &&
                  sizeof(PF_RenderRequest::preserve_rgb_of_zero_alpha) == 1,
              "PF_RenderRequest.preserve_rgb_of_zero_alpha");
static_assert(offsetof(PF_RenderRequest, unused) == 25 && sizeof(PF_RenderRequest::unused) == 3,
              "PF_RenderRequest.unused");
static_assert(offsetof(PF_RenderRequest, reserved) == 28 &&
                  sizeof(PF_RenderRequest::reserved) == 16,
              "PF_RenderRequest.reserved");

static_assert(sizeof(PF_PreRenderInput) == 64 && alignof(PF_PreRenderInput) == 8,
              "PF_PreRenderInput");
static_assert(offsetof(PF_PreRenderInput, output_request) == 0 &&
                  sizeof(PF_PreRenderInput::output_request) == 44,
              "PF_PreRenderInput.output_request");
static_assert(offsetof(PF_PreRenderInput, bitdepth) == 44 &&
                  sizeof(PF_PreRenderInput::bitdepth) == 2,
              "PF_PreRenderInput.bitdepth");
static_assert(offsetof(PF_PreRenderInput, gpu_data) == 48 &&
                  sizeof(PF_PreRenderInput::gpu_data) == 8,
              "PF_PreRenderInput.gpu_data");
static_assert(offsetof(PF_PreRenderInput, what_gpu) == 56 &&
                  sizeof(PF_PreRenderInput::what_gpu) == 4,
              "PF_PreRenderInput.what_gpu");
static_assert(offsetof(PF_PreRenderInput, device_index) == 60 &&
                  sizeof(PF_PreRenderInput::device_index) == 4,
              "PF_PreRenderInput.device_index");

static_assert(sizeof(PF_PreRenderOutput) == 56 && alignof(PF_PreRenderOutput) == 8,
              "PF_PreRenderOutput");
static_assert(offsetof(PF_PreRenderOutput, result_rect) == 0 &&
                  sizeof(PF_PreRenderOutput::result_rect) == 16,
              "PF_PreRenderOutput.result_rect");
static_assert(offsetof(PF_PreRenderOutput, max_result_rect) == 16 &&
                  sizeof(PF_PreRenderOutput::max_result_rect) == 16,
              "PF_PreRenderOutput.max_result_rect");
static_assert(offsetof(PF_PreRenderOutput, solid) == 32 && sizeof(PF_PreRenderOutput::solid) == 1,
              "PF_PreRenderOutput.solid");
static_assert(offsetof(PF_PreRenderOutput, reserved) == 33 &&
                  sizeof(PF_PreRenderOutput::reserved) == 1,
              "PF_PreRenderOutput.reserved");
static_assert(offsetof(PF_PreRenderOutput, flags) == 34 && sizeof(PF_PreRenderOutput::flags) == 2,
              "PF_PreRenderOutput.flags");
static_assert(offsetof(PF_PreRenderOutput, pre_render_data) == 40 &&
                  sizeof(PF_PreRenderOutput::pre_render_data) == 8,
              "PF_PreRenderOutput.pre_render_data");
static_assert(offsetof(PF_PreRenderOutput, delete_pre_render_data_func) == 48 &&
                  sizeof(PF_PreRenderOutput::delete_pre_render_data_func) == 8,
              "PF_PreRenderOutput.delete_pre_render_data_func");

static_assert(sizeof(PF_CheckoutResult) == 76 && alignof(PF_CheckoutResult) == 4,
              "PF_CheckoutResult");
static_assert(offsetof(PF_CheckoutResult, result_rect) == 0 &&
                  sizeof(PF_CheckoutResult::result_rect) == 16,
              "PF_CheckoutResult.result_rect");
static_assert(offsetof(PF_CheckoutResult, max_result_rect) == 16 &&
                  sizeof(PF_CheckoutResult::max_result_rect) == 16,
              "PF_CheckoutResult.max_result_rect");
static_assert(offsetof(PF_CheckoutResult, par) == 32 && sizeof(PF_CheckoutResult::par) == 8,
              "PF_CheckoutResult.par");
static_assert(offsetof(PF_CheckoutResult, solid) == 40 && sizeof(PF_CheckoutResult::solid) == 1,
              "PF_CheckoutResult.solid");
static_assert(offsetof(PF_CheckoutResult, reservedB) == 41 &&
                  sizeof(PF_CheckoutResult::reservedB) == 3,
              "PF_CheckoutResult.reservedB");
static_assert(offsetof(PF_CheckoutResult, ref_width) == 44 &&
                  sizeof(PF_CheckoutResult::ref_width) == 4,
              "PF_CheckoutResult.ref_width");
static_assert(offsetof(PF_CheckoutResult, ref_height) == 48 &&
                  sizeof(PF_CheckoutResult::ref_height) == 4,
              "PF_CheckoutResult.ref_height");
static_assert(offsetof(PF_CheckoutResult, reserved) == 52 &&
                  sizeof(PF_CheckoutResult::reserved) == 24,
              "PF_CheckoutResult.reserved");

static_assert(sizeof(PF_PreRenderCallbacks) == 16 && alignof(PF_PreRenderCallbacks) == 8,
              "PF_PreRenderCallbacks");
static_assert(offsetof(PF_PreRenderCallbacks, checkout_layer) == 0 &&
                  sizeof(PF_PreRenderCallbacks::checkout_layer) == 8,
              "PF_PreRenderCallbacks.checkout_layer");
static_assert(offsetof(PF_PreRenderCallbacks, GuidMixInPtr) == 8 &&
                  sizeof(PF_PreRenderCallbacks::GuidMixInPtr) == 8,
              "PF_PreRenderCallbacks.GuidMixInPtr");

static_assert(sizeof(PF_PreRenderExtra) == 24 && alignof(PF_PreRenderExtra) == 8,
              "PF_PreRenderExtra");
static_assert(offsetof(PF_PreRenderExtra, input) == 0 && sizeof(PF_PreRenderExtra::input) == 8,
              "PF_PreRenderExtra.input");
static_assert(offsetof(PF_PreRenderExtra, output) == 8 && sizeof(PF_PreRenderExtra::output) == 8,
              "PF_PreRenderExtra.output");
static_assert(offsetof(PF_PreRenderExtra, cb) == 16 && sizeof(PF_PreRenderExtra::cb) == 8,
              "PF_PreRenderExtra.cb");

static_assert(sizeof(PF_SmartRenderInput) == 72 && alignof(PF_SmartRenderInput) == 8,
              "PF_SmartRenderInput");
static_assert(offsetof(PF_SmartRenderInput, output_request) == 0 &&
                  sizeof(PF_SmartRenderInput::output_request) == 44,
              "PF_SmartRenderInput.output_request");
static_assert(offsetof(PF_SmartRenderInput, bitdepth) == 44 &&
                  sizeof(PF_SmartRenderInput::bitdepth) == 2,
              "PF_SmartRenderInput.bitdepth");
static_assert(offsetof(PF_SmartRenderInput, pre_render_data) == 48 &&
                  sizeof(PF_SmartRenderInput::pre_render_data) == 8,
              "PF_SmartRenderInput.pre_render_data");
static_assert(offsetof(PF_SmartRenderInput, gpu_data) == 56 &&
                  sizeof(PF_SmartRenderInput::gpu_data) == 8,
              "PF_SmartRenderInput.gpu_data");
static_assert(offsetof(PF_SmartRenderInput, what_gpu) == 64 &&
                  sizeof(PF_SmartRenderInput::what_gpu) == 4,
              "PF_SmartRenderInput.what_gpu");
static_assert(offsetof(PF_SmartRenderInput, device_index) == 68 &&
                  sizeof(PF_SmartRenderInput::device_index) == 4,
              "PF_SmartRenderInput.device_index");

static_assert(sizeof(PF_SmartRenderCallbacks) == 24 && alignof(PF_SmartRenderCallbacks) == 8,
              "PF_SmartRenderCallbacks");
static_assert(offsetof(PF_SmartRenderCallbacks, checkout_layer_pixels) == 0 &&
                  sizeof(PF_SmartRenderCallbacks::checkout_layer_pixels) == 8,
              "PF_SmartRenderCallbacks.checkout_layer_pixels");
static_assert(offsetof(PF_SmartRenderCallbacks, checkin_layer_pixels) == 8 &&
                  sizeof(PF_SmartRenderCallbacks::checkin_layer_pixels) == 8,
              "PF_SmartRenderCallbacks.checkin_layer_pixels");
static_assert(offsetof(PF_SmartRenderCallbacks, checkout_output) == 16 &&
                  sizeof(PF_SmartRenderCallbacks::checkout_output) == 8,
              "PF_SmartRenderCallbacks.checkout_output");

static_assert(sizeof(PF_SmartRenderExtra) == 16 && alignof(PF_SmartRenderExtra) == 8,
              "PF_SmartRenderExtra");
static_assert(offsetof(PF_SmartRenderExtra, input) == 0 && sizeof(PF_SmartRenderExtra::input) == 8,
              "PF_SmartRenderExtra.input");
static_assert(offsetof(PF_SmartRenderExtra, cb) == 8 && sizeof(PF_SmartRenderExtra::cb) == 8,
              "PF_SmartRenderExtra.cb");

// Members as seen through the enclosing records.
static_assert(offsetof(PF_ParamDef, u.ld.data) == 80 && offsetof(PF_ParamDef, u.fs_d.value) == 56 &&
                  offsetof(PF_ParamDef, u.fs_d.exponent) == 140 &&
                  offsetof(PF_ParamDef, u.pd.u.namesptr) == 64,
              "PF_ParamDef arms");
static_assert(offsetof(PF_InData, inter.add_param) == 16 &&
                  offsetof(PF_InData, inter.register_ui) == 40,
              "PF_InData.inter");
#endif
