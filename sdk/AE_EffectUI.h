#pragma once

// Custom UI: registration of the areas an effect draws itself, the event
// record of PF_Cmd_EVENT with its context and callbacks, and the suite that
// turns an event context into a drawing reference.

#include "AE_Effect.h"
#include "adobesdk/DrawbotSuite.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

typedef A_long PF_CustomEventFlags;
typedef A_long PF_WindowType;
typedef A_long PF_EventType;
typedef A_long PF_CursorType;
typedef A_long PF_Modifiers;
typedef A_u_long PF_KeyCode;
typedef A_long PF_EffectArea;
typedef A_long PF_EventOutFlags;
typedef A_long PF_EventInFlags;
typedef A_long PF_UIAlignment;

enum {
    PF_Event_NONE = -1,
    PF_Event_NEW_CONTEXT = 0,
    PF_Event_ACTIVATE = 1,
    PF_Event_DO_CLICK = 2,
    PF_Event_DRAG = 3,
    PF_Event_DRAW = 4,
    PF_Event_DEACTIVATE = 5,
    PF_Event_CLOSE_CONTEXT = 6,
    PF_Event_IDLE = 7,
    PF_Event_KEYDOWN_OBSOLETE = 8,
    PF_Event_ADJUST_CURSOR = 9,
    PF_Event_KEYDOWN = 10,
    PF_Event_MOUSE_EXITED = 11,
    PF_Event_NUM_EVENTS = 12,
};

enum {
    PF_EA_NONE = 0,
    PF_EA_PARAM_TITLE = 1,
    PF_EA_CONTROL = 2,
};

enum {
    PF_EO_NONE = 0x0,
    PF_EO_HANDLED_EVENT = 0x1,
    PF_EO_ALWAYS_UPDATE = 0x2,
    PF_EO_NEVER_UPDATE = 0x4,
    PF_EO_UPDATE_NOW = 0x8,
};

enum {
    PF_EI_NONE = 0x0,
    PF_EI_DONT_DRAW = 0x1,
};

// PF_CustomUIInfo.events
enum {
    PF_CustomEFlag_NONE = 0x0,
    PF_CustomEFlag_COMP = 0x1,
    PF_CustomEFlag_LAYER = 0x2,
    PF_CustomEFlag_EFFECT = 0x4,
    PF_CustomEFlag_PREVIEW = 0x8,
};

// PF_Context.w_type
enum {
    PF_Window_NONE = -1,
    PF_Window_COMP = 0,
    PF_Window_LAYER = 1,
    PF_Window_EFFECT = 2,
    PF_Window_PREVIEW = 3,
};

enum {
    PF_UIAlignment_NONE = 0x0,
    PF_UIAlignment_TOP = 0x1,
    PF_UIAlignment_LEFT = 0x2,
    PF_UIAlignment_BOTTOM = 0x4,
    PF_UIAlignment_RIGHT = 0x8,
};

enum {
    PF_Mod_NONE = 0x0,
    PF_Mod_CMD_CTRL_KEY = 0x100,
    PF_Mod_SHIFT_KEY = 0x200,
    PF_Mod_CAPS_LOCK_KEY = 0x400,
    PF_Mod_OPT_ALT_KEY = 0x800,
    PF_Mod_MAC_CONTROL_KEY = 0x1000,
};

// Passed to in_data->inter.register_ui, which copies it.
struct _PF_CustomUIInfo {
    A_long reserved;
    PF_CustomEventFlags events;
    A_long comp_ui_width;
    A_long comp_ui_height;
    PF_UIAlignment comp_ui_alignment;
    A_long layer_ui_width;
    A_long layer_ui_height;
    PF_UIAlignment layer_ui_alignment;
    A_long preview_ui_width;
    A_long preview_ui_height;
    PF_UIAlignment preview_ui_alignment;
};

typedef struct _PF_ContextRefcon* PF_ContextRefcon;

// The window an event belongs to; host-owned, valid for the event.
typedef struct {
    A_u_long magic;  // PF_CONTEXT_MAGIC
    PF_WindowType w_type;
    PF_ContextRefcon reserved_flt;
    A_intptr_t plugin_state[4];
    DRAWBOT_DrawRef reserved_drawref;
    void* reserved_paneP;
    void* reserved_job_manageP;
} PF_Context;

typedef PF_Context* PF_ContextPtr;
typedef PF_Context** PF_ContextH;

typedef struct {
    A_u_long when;
    PF_Point screen_point;
    A_long num_clicks;
    PF_Modifiers modifiers;
    A_intptr_t continue_refcon[4];
    PF_Boolean send_drag;
    PF_Boolean last_time;
} PF_DoClickEventInfo;

typedef struct {
    PF_LRect update_rect;
    A_long depth;
} PF_DrawEventInfo;

typedef struct {
    A_u_long when;
    PF_Point screen_point;
    PF_KeyCode keycode;
    PF_Modifiers modifiers;
} PF_KeyDownEvent;

typedef struct {
    PF_Point screen_point;
    PF_Modifiers modifiers;
    PF_CursorType set_cursor;
} PF_AdjustCursorEventInfo;

typedef union {
    PF_DoClickEventInfo do_click;
    PF_DrawEventInfo draw;
    PF_KeyDownEvent key_down;
    PF_AdjustCursorEventInfo adjust_cursor;
} PF_EventUnion;

// Where in the effect controls the event happened.
typedef struct {
    PF_ParamIndex index;
    PF_EffectArea area;
    PF_LRect current_frame;
    PF_LRect param_title_frame;
    A_long horiz_offset;
} PF_EffectWindowInfo;

typedef struct {
    void* refcon;  // pass back as the first argument of every call below
    PF_Err (*layer_to_comp)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                            PF_FixedPoint* pt);
    PF_Err (*comp_to_layer)(void* refcon, PF_ContextH context, A_long curr_time, A_long time_scale,
                            PF_FixedPoint* pt);
    PF_Err (*get_comp2layer_xform)(void* refcon, PF_ContextH context, A_long curr_time,
                                   A_long time_scale, A_long* exists, PF_FloatMatrix* comp2layer);
    PF_Err (*get_layer2comp_xform)(void* refcon, PF_ContextH context, A_long curr_time,
                                   A_long time_scale, PF_FloatMatrix* layer2comp);
    PF_Err (*source_to_frame)(void* refcon, PF_ContextH context, PF_FixedPoint* pt);
    PF_Err (*frame_to_source)(void* refcon, PF_ContextH context, PF_FixedPoint* pt);
    PF_Err (*info_draw_color)(void* refcon, PF_Pixel color);
    PF_Err (*info_draw_text)(void* refcon, const A_char* text1, const A_char* text2);
} PF_EventCallbacks;

// extra of PF_Cmd_EVENT. The effect reports what it did in evt_out_flags.
typedef struct {
    PF_ContextH contextH;
    PF_EventType e_type;
    PF_EventUnion u;
    PF_EffectWindowInfo effect_win;
    PF_EventCallbacks cbs;
    PF_EventInFlags evt_in_flags;
    PF_EventOutFlags evt_out_flags;
} PF_EventExtra;

#define kPFEffectCustomUISuite "PF Effect Custom UI Suite"
#define kPFEffectCustomUISuiteVersion1 1

typedef struct {
    // The reference is the host's and valid for the event only.
    SPAPI PF_Err (*PF_GetDrawingReference)(const PF_ContextH effect_contextH,
                                           DRAWBOT_DrawRef* referenceP0);
} PF_EffectCustomUISuite1;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(PF_ContextH) == 8 && sizeof(PF_KeyCode) == 4 && (PF_KeyCode)-1 > 0,
              "event scalar types");

static_assert(sizeof(PF_CustomUIInfo) == 44 && alignof(PF_CustomUIInfo) == 4, "PF_CustomUIInfo");
static_assert(offsetof(PF_CustomUIInfo, reserved) == 0 && sizeof(PF_CustomUIInfo::reserved) == 4,
              "PF_CustomUIInfo.reserved");
static_assert(offsetof(PF_CustomUIInfo, events) == 4 && sizeof(PF_CustomUIInfo::events) == 4,
              "PF_CustomUIInfo.events");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_width) == 8 &&
                  sizeof(PF_CustomUIInfo::comp_ui_width) == 4,
              "PF_CustomUIInfo.comp_ui_width");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_height) == 12 &&
                  sizeof(PF_CustomUIInfo::comp_ui_height) == 4,
              "PF_CustomUIInfo.comp_ui_height");
static_assert(offsetof(PF_CustomUIInfo, comp_ui_alignment) == 16 &&
                  sizeof(PF_CustomUIInfo::comp_ui_alignment) == 4,
              "PF_CustomUIInfo.comp_ui_alignment");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_width) == 20 &&
                  sizeof(PF_CustomUIInfo::layer_ui_width) == 4,
              "PF_CustomUIInfo.layer_ui_width");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_height) == 24 &&
                  sizeof(PF_CustomUIInfo::layer_ui_height) == 4,
              "PF_CustomUIInfo.layer_ui_height");
static_assert(offsetof(PF_CustomUIInfo, layer_ui_alignment) == 28 &&
                  sizeof(PF_CustomUIInfo::layer_ui_alignment) == 4,
              "PF_CustomUIInfo.layer_ui_alignment");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_width) == 32 &&
                  sizeof(PF_CustomUIInfo::preview_ui_width) == 4,
              "PF_CustomUIInfo.preview_ui_width");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_height) == 36 &&
                  sizeof(PF_CustomUIInfo::preview_ui_height) == 4,
              "PF_CustomUIInfo.preview_ui_height");
static_assert(offsetof(PF_CustomUIInfo, preview_ui_alignment) == 40 &&
                  sizeof(PF_CustomUIInfo::preview_ui_alignment) == 4,
              "PF_CustomUIInfo.preview_ui_alignment");

static_assert(sizeof(PF_Context) == 72 && alignof(PF_Context) == 8, "PF_Context");
static_assert(offsetof(PF_Context, magic) == 0 && sizeof(PF_Context::magic) == 4,
              "PF_Context.magic");
static_assert(offsetof(PF_Context, w_type) == 4 && sizeof(PF_Context::w_type) == 4,
              "PF_Context.w_type");
static_assert(offsetof(PF_Context, reserved_flt) == 8 && sizeof(PF_Context::reserved_flt) == 8,
              "PF_Context.reserved_flt");
static_assert(offsetof(PF_Context, plugin_state) == 16 && sizeof(PF_Context::plugin_state) == 32,
              "PF_Context.plugin_state");
static_assert(offsetof(PF_Context, reserved_drawref) == 48 &&
                  sizeof(PF_Context::reserved_drawref) == 8,
              "PF_Context.reserved_drawref");
static_assert(offsetof(PF_Context, reserved_paneP) == 56 && sizeof(PF_Context::reserved_paneP) == 8,
              "PF_Context.reserved_paneP");
static_assert(offsetof(PF_Context, reserved_job_manageP) == 64 &&
                  sizeof(PF_Context::reserved_job_manageP) == 8,
              "PF_Context.reserved_job_manageP");

static_assert(sizeof(PF_DoClickEventInfo) == 64 && alignof(PF_DoClickEventInfo) == 8,
              "PF_DoClickEventInfo");
static_assert(offsetof(PF_DoClickEventInfo, when) == 0 && sizeof(PF_DoClickEventInfo::when) == 4,
              "PF_DoClickEventInfo.when");
static_assert(offsetof(PF_DoClickEventInfo, screen_point) == 4 &&
                  sizeof(PF_DoClickEventInfo::screen_point) == 8,
              "PF_DoClickEventInfo.screen_point");
static_assert(offsetof(PF_DoClickEventInfo, num_clicks) == 12 &&
                  sizeof(PF_DoClickEventInfo::num_clicks) == 4,
              "PF_DoClickEventInfo.num_clicks");
static_assert(offsetof(PF_DoClickEventInfo, modifiers) == 16 &&
                  sizeof(PF_DoClickEventInfo::modifiers) == 4,
              "PF_DoClickEventInfo.modifiers");
static_assert(offsetof(PF_DoClickEventInfo, continue_refcon) == 24 &&
                  sizeof(PF_DoClickEventInfo::continue_refcon) == 32,
              "PF_DoClickEventInfo.continue_refcon");
static_assert(offsetof(PF_DoClickEventInfo, send_drag) == 56 &&
                  sizeof(PF_DoClickEventInfo::send_drag) == 1,
              "PF_DoClickEventInfo.send_drag");
static_assert(offsetof(PF_DoClickEventInfo, last_time) == 57 &&
                  sizeof(PF_DoClickEventInfo::last_time) == 1,
              "PF_DoClickEventInfo.last_time");

static_assert(sizeof(PF_DrawEventInfo) == 20 && alignof(PF_DrawEventInfo) == 4, "PF_DrawEventInfo");
static_assert(offsetof(PF_DrawEventInfo, update_rect) == 0 &&
                  sizeof(PF_DrawEventInfo::update_rect) == 16,
              "PF_DrawEventInfo.update_rect");
static_assert(offsetof(PF_DrawEventInfo, depth) == 16 && sizeof(PF_DrawEventInfo::depth) == 4,
              "PF_DrawEventInfo.depth");

static_assert(sizeof(PF_KeyDownEvent) == 20 && alignof(PF_KeyDownEvent) == 4, "PF_KeyDownEvent");
static_assert(offsetof(PF_KeyDownEvent, when) == 0 && sizeof(PF_KeyDownEvent::when) == 4,
              "PF_KeyDownEvent.when");
static_assert(offsetof(PF_KeyDownEvent, screen_point) == 4 &&
                  sizeof(PF_KeyDownEvent::screen_point) == 8,
              "PF_KeyDownEvent.screen_point");
static_assert(offsetof(PF_KeyDownEvent, keycode) == 12 && sizeof(PF_KeyDownEvent::keycode) == 4,
              "PF_KeyDownEvent.keycode");
static_assert(offsetof(PF_KeyDownEvent, modifiers) == 16 && sizeof(PF_KeyDownEvent::modifiers) == 4,
              "PF_KeyDownEvent.modifiers");

static_assert(sizeof(PF_AdjustCursorEventInfo) == 16 && alignof(PF_AdjustCursorEventInfo) == 4,
              "PF_AdjustCursorEventInfo");
static_assert(offsetof(PF_AdjustCursorEventInfo, screen_point) == 0 &&
                  sizeof(PF_AdjustCursorEventInfo::screen_point) == 8,
              "PF_AdjustCursorEventInfo.screen_point");
static_assert(offsetof(PF_AdjustCursorEventInfo, modifiers) == 8 &&
                  sizeof(PF_AdjustCursorEventInfo::modifiers) == 4,
              "PF_AdjustCursorEventInfo.modifiers");
static_assert(offsetof(PF_AdjustCursorEventInfo, set_cursor) == 12 &&
                  sizeof(PF_AdjustCursorEventInfo::set_cursor) == 4,
              "PF_AdjustCursorEventInfo.set_cursor");

static_assert(sizeof(PF_EventUnion) == 64 && alignof(PF_EventUnion) == 8, "PF_EventUnion");
static_assert(offsetof(PF_EventUnion, do_click) == 0 && sizeof(PF_EventUnion::do_click) == 64,
              "PF_EventUnion.do_click");
static_assert(offsetof(PF_EventUnion, draw) == 0 && sizeof(PF_EventUnion::draw) == 20,
              "PF_EventUnion.draw");
static_assert(offsetof(PF_EventUnion, key_down) == 0 && sizeof(PF_EventUnion::key_down) == 20,
              "PF_EventUnion.key_down");
static_assert(offsetof(PF_EventUnion, adjust_cursor) == 0 &&
                  sizeof(PF_EventUnion::adjust_cursor) == 16,
              "PF_EventUnion.adjust_cursor");

static_assert(sizeof(PF_EffectWindowInfo) == 44 && alignof(PF_EffectWindowInfo) == 4,
              "PF_EffectWindowInfo");
static_assert(offsetof(PF_EffectWindowInfo, index) == 0 && sizeof(PF_EffectWindowInfo::index) == 4,
              "PF_EffectWindowInfo.index");
static_assert(offsetof(PF_EffectWindowInfo, area) == 4 && sizeof(PF_EffectWindowInfo::area) == 4,
              "PF_EffectWindowInfo.area");
static_assert(offsetof(PF_EffectWindowInfo, current_frame) == 8 &&
                  sizeof(PF_EffectWindowInfo::current_frame) == 16,
              "PF_EffectWindowInfo.current_frame");
static_assert(offsetof(PF_EffectWindowInfo, param_title_frame) == 24 &&
                  sizeof(PF_EffectWindowInfo::param_title_frame) == 16,
              "PF_EffectWindowInfo.param_title_frame");
static_assert(offsetof(PF_EffectWindowInfo, horiz_offset) == 40 &&
                  sizeof(PF_EffectWindowInfo::horiz_offset) == 4,
              "PF_EffectWindowInfo.horiz_offset");

static_assert(sizeof(PF_EventCallbacks) == 72 && alignof(PF_EventCallbacks) == 8,
              "PF_EventCallbacks");
static_assert(offsetof(PF_EventCallbacks, refcon) == 0 && sizeof(PF_EventCallbacks::refcon) == 8,
              "PF_EventCallbacks.refcon");
static_assert(offsetof(PF_EventCallbacks, layer_to_comp) == 8 &&
                  sizeof(PF_EventCallbacks::layer_to_comp) == 8,
              "PF_EventCallbacks.layer_to_comp");
static_assert(offsetof(PF_EventCallbacks, comp_to_layer) == 16 &&
                  sizeof(PF_EventCallbacks::comp_to_layer) == 8,
              "PF_EventCallbacks.comp_to_layer");
static_assert(offsetof(PF_EventCallbacks, get_comp2layer_xform) == 24 &&
                  sizeof(PF_EventCallbacks::get_comp2layer_xform) == 8,
              "PF_EventCallbacks.get_comp2layer_xform");
static_assert(offsetof(PF_EventCallbacks, get_layer2comp_xform) == 32 &&
                  sizeof(PF_EventCallbacks::get_layer2comp_xform) == 8,
              "PF_EventCallbacks.get_layer2comp_xform");
static_assert(offsetof(PF_EventCallbacks, source_to_frame) == 40 &&
                  sizeof(PF_EventCallbacks::source_to_frame) == 8,
              "PF_EventCallbacks.source_to_frame");
static_assert(offsetof(PF_EventCallbacks, frame_to_source) == 48 &&
                  sizeof(PF_EventCallbacks::frame_to_source) == 8,
              "PF_EventCallbacks.frame_to_source");
static_assert(offsetof(PF_EventCallbacks, info_draw_color) == 56 &&
                  sizeof(PF_EventCallbacks::info_draw_color) == 8,
              "PF_EventCallbacks.info_draw_color");
static_assert(offsetof(PF_EventCallbacks, info_draw_text) == 64 &&
                  sizeof(PF_EventCallbacks::info_draw_text) == 8,
              "PF_EventCallbacks.info_draw_text");

static_assert(sizeof(PF_EventExtra) == 208 && alignof(PF_EventExtra) == 8, "PF_EventExtra");
static_assert(offsetof(PF_EventExtra, contextH) == 0 && sizeof(PF_EventExtra::contextH) == 8,
              "PF_EventExtra.contextH");
static_assert(offsetof(PF_EventExtra, e_type) == 8 && sizeof(PF_EventExtra::e_type) == 4,
              "PF_EventExtra.e_type");
static_assert(offsetof(PF_EventExtra, u) == 16 && sizeof(PF_EventExtra::u) == 64,
              "PF_EventExtra.u");
static_assert(offsetof(PF_EventExtra, effect_win) == 80 && sizeof(PF_EventExtra::effect_win) == 44,
              "PF_EventExtra.effect_win");
static_assert(offsetof(PF_EventExtra, cbs) == 128 && sizeof(PF_EventExtra::cbs) == 72,
              "PF_EventExtra.cbs");
static_assert(offsetof(PF_EventExtra, evt_in_flags) == 200 &&
                  sizeof(PF_EventExtra::evt_in_flags) == 4,
              "PF_EventExtra.evt_in_flags");
static_assert(offsetof(PF_EventExtra, evt_out_flags) == 204 &&
                  sizeof(PF_EventExtra::evt_out_flags) == 4,
              "PF_EventExtra.evt_out_flags");

static_assert(sizeof(PF_EffectCustomUISuite1) == 8 && alignof(PF_EffectCustomUISuite1) == 8,
              "PF_EffectCustomUISuite1");
static_assert(offsetof(PF_EffectCustomUISuite1, PF_GetDrawingReference) == 0 &&
                  sizeof(PF_EffectCustomUISuite1::PF_GetDrawingReference) == 8,
              "PF_EffectCustomUISuite1.PF_GetDrawingReference");

// Members as seen through the event record.
static_assert(offsetof(PF_EventExtra, u.draw.update_rect) == 16 &&
                  offsetof(PF_EventExtra, effect_win.area) == 84 &&
                  offsetof(PF_EventExtra, effect_win.current_frame) == 88 &&
                  offsetof(PF_EventExtra, cbs.info_draw_text) == 192,
              "PF_EventExtra members");
#endif
