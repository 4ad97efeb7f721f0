// Parameter set-up: the 56 parameters of the effect controls, in the order
// and with the disk ids that saved projects depend on.
#include <array>
#include <cstring>
#include <string>

#include "context/LocalGLStruct.h"
#include "host/Handlers.h"
#include "host/Params.h"
#include "host/Registration.h"

namespace {

// A definition record cleared to zero; each maker below sets only its own
// fields. The name is written separately through the host's strcpy.
PF_ParamDef Cleared(PF_ParamType type, A_long disk_id, PF_ParamFlags flags) {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    def.param_type = type;
    def.uu.id = disk_id;
    def.flags = flags;
    return def;
}

PF_ParamDef GroupStart(A_long disk_id, PF_ParamFlags flags) {
    return Cleared(PF_Param_GROUP_START, disk_id, flags);
}

PF_ParamDef GroupEnd(A_long disk_id) {
    return Cleared(PF_Param_GROUP_END, disk_id, 0);
}

PF_ParamDef Button(A_long disk_id, PF_ParamFlags flags, const char* label) {
    PF_ParamDef def = Cleared(PF_Param_BUTTON, disk_id, flags);
    def.u.button_d.u.namesptr = label;
    return def;
}

PF_ParamDef Popup(A_long disk_id, PF_ParamFlags flags, const char* choices, A_short count,
                  A_short dephault) {
    PF_ParamDef def = Cleared(PF_Param_POPUP, disk_id, flags);
    def.u.pd.num_choices = count;
    def.u.pd.dephault = dephault;
    def.u.pd.value = dephault;
    def.u.pd.u.namesptr = choices;
    return def;
}

// A read-only popup showing one GPU text.
PF_ParamDef GpuPopup(A_long disk_id, const char* text) {
    PF_ParamDef def = Popup(disk_id, PF_ParamFlag_CANNOT_TIME_VARY, text, 1, 1);
    def.ui_flags = PF_PUI_DISABLED;
    return def;
}

PF_ParamDef Angle(A_long disk_id, PF_ParamFlags flags) {
    return Cleared(PF_Param_ANGLE, disk_id, flags);
}

PF_ParamDef Checkbox(A_long disk_id, PF_ParamFlags flags, const char* label, bool dephault) {
    PF_ParamDef def = Cleared(PF_Param_CHECKBOX, disk_id, flags);
    def.u.bd.value = dephault ? 1 : 0;
    def.u.bd.dephault = PF_Boolean(dephault ? 1 : 0);
    def.u.bd.u.nameptr = label;
    return def;
}

PF_ParamDef Slider(A_long disk_id, PF_ParamFlags flags, A_long valid_min, A_long valid_max,
                   A_long slider_min, A_long slider_max, A_long dephault) {
    PF_ParamDef def = Cleared(PF_Param_SLIDER, disk_id, flags);
    def.u.sd.valid_min = valid_min;
    def.u.sd.valid_max = valid_max;
    def.u.sd.slider_min = slider_min;
    def.u.sd.slider_max = slider_max;
    def.u.sd.value = dephault;
    def.u.sd.dephault = dephault;
    return def;
}

PF_ParamDef FloatSlider(A_long disk_id, PF_ParamFlags flags, float valid_min, float valid_max,
                        float slider_min, float slider_max, float dephault, A_short precision,
                        PF_ValueDisplayFlags display) {
    PF_ParamDef def = Cleared(PF_Param_FLOAT_SLIDER, disk_id, flags);
    def.u.fs_d.valid_min = valid_min;
    def.u.fs_d.valid_max = valid_max;
    def.u.fs_d.slider_min = slider_min;
    def.u.fs_d.slider_max = slider_max;
    def.u.fs_d.value = dephault;
    def.u.fs_d.dephault = dephault;
    def.u.fs_d.precision = precision;
    def.u.fs_d.display_flags = display;
    def.u.fs_d.curve_tolerance = 0.05f;
    return def;
}

struct NamedParam {
    const char* name;
    PF_ParamDef def;
};

// One GPU identification text as a popup choice. "|" would split it into
// several choices, so it is shown as "/".
std::string GpuChoice(const char* text, std::size_t capacity) {
    std::string choice(text, strnlen(text, capacity));
    for (char& c : choice) {
        if (c == '|') {
            c = '/';
        }
    }
    return choice;
}

void CopyName(const PF_InData* in_data, PF_ParamDef& def, const char* name) {
    if (in_data->utils != nullptr && in_data->utils->ansi.strcpy != nullptr) {
        in_data->utils->ansi.strcpy(def.name, name);
    } else {
        std::strncpy(def.name, name, sizeof def.name - 1);
    }
}

}  // namespace

PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
    if (in_data->inter.add_param == nullptr) {
        return PF_Err_INVALID_CALLBACK;
    }

    // GPU texts captured by global set-up; all four read "NULL" when there is
    // no block or it holds no GL version.
    std::string gl_version = "NULL", vendor = "NULL", renderer = "NULL", glsl_version = "NULL";
    const PF_Handle handle = out_data->global_data;
    const GlobalData* const global =
        handle != nullptr ? static_cast<const GlobalData*>(static_cast<const void*>(*handle))
                          : nullptr;
    if (global != nullptr && global->glVersion[0] != '\0') {
        gl_version = GpuChoice(global->glVersion, sizeof global->glVersion);
        vendor = GpuChoice(global->glVendor, sizeof global->glVendor);
        renderer = GpuChoice(global->glRenderer, sizeof global->glRenderer);
        glsl_version = GpuChoice(global->glslVersion, sizeof global->glslVersion);
    }

    const std::string version_text = "HLV v" + EffectVersionText();

    constexpr PF_ParamFlags kNone = 0;
    constexpr PF_ParamFlags kStatic = PF_ParamFlag_CANNOT_TIME_VARY;
    constexpr PF_ParamFlags kCollapsed = PF_ParamFlag_COLLAPSE_TWIRLY;
    constexpr PF_ParamFlags kSupervise = PF_ParamFlag_SUPERVISE;
    constexpr PF_ParamFlags kSkipReveal = PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN;
    constexpr PF_ValueDisplayFlags kNumber = PF_ValueDisplayFlag_NONE;
    constexpr PF_ValueDisplayFlags kPercent = PF_ValueDisplayFlag_PERCENT;

    PF_ParamDef header = Cleared(PF_Param_NO_DATA, 42, kNone);
    header.ui_flags = PF_PUI_CONTROL | PF_PUI_DONT_ERASE_CONTROL;
    header.ui_width = 200;
    header.ui_height = 33;

    const std::array<NamedParam, PARAM_COUNT - 1> table = {{
        {"About", GroupStart(32, kCollapsed)},
        {"", header},
        {version_text.c_str(), Button(34, kSupervise | kStatic, "Product Page")},
        {"", Button(35, kSupervise, "More Free Plugins")},
        {"", Button(36, kSupervise, "Get Support")},
        {"GPU Spec:", GroupStart(37, kNone)},
        {"", GroupEnd(38)},
        {"Vendor", GpuPopup(33, vendor.c_str())},
        {"Renderer", GpuPopup(52, renderer.c_str())},
        {"OpenGL Version", GpuPopup(53, gl_version.c_str())},
        {"Shader Version", GpuPopup(54, glsl_version.c_str())},
        {"", GroupStart(39, kNone)},
        {"", GroupEnd(40)},
        {"", GroupEnd(41)},
        {"Channels", Popup(1, kNone, "Red & Blue|Red & Green|Green & Blue", 3, CHANNELS_RED_BLUE)},
        {"Hue Shift", Angle(13, kCollapsed)},
        {"Transform", GroupStart(21, kNone)},
        {"Position", FloatSlider(2, kNone, -2000, 2000, -100, 100, 0.5f, 2, kNumber)},
        {"Rotation", Angle(3, kCollapsed)},
        {"Scale", FloatSlider(4, kNone, -1000, 1000, -100, 100, 100, 2, kPercent)},
        {"Stylistic", GroupStart(55, kCollapsed)},
        {"Distort Uniform", FloatSlider(51, kNone, -5000, 5000, -50, 50, 0, 2, kPercent)},
        {"Distort Aberrate", FloatSlider(49, kNone, -5000, 5000, -50, 50, 0, 2, kPercent)},
        {"Skew X", FloatSlider(48, kNone, -200, 200, -100, 100, 0, 2, kPercent)},
        {"Skew Y", FloatSlider(50, kNone, -200, 200, -100, 100, 0, 2, kPercent)},
        {"Blur", FloatSlider(5, kNone, 0, 1000, 0, 100, 0, 2, kNumber)},
        {"", GroupStart(19, kNone)},
        {"", GroupEnd(20)},
        {"Samples", Popup(45, kStatic, "Single|(-|Auto|Fixed", 4, SAMPLES_SINGLE)},
        {"Sample Count", FloatSlider(46, kSkipReveal, 1, 9999, 1, 200, 10, 0, kNumber)},
        {"Sample Multiplier", FloatSlider(47, kSkipReveal, 0.0001f, 5, 0.5f, 2, 1, 2, kNumber)},
        {"", GroupEnd(56)},
        {"", Button(22, kSupervise, "Reset Transforms")},
        {"", GroupEnd(23)},
        {"Compositing", GroupStart(24, kNone)},
        {"Repeat Edge Pixels", Checkbox(12, kNone, "Not Recommended for Text", true)},
        {"Preserve Original Alpha", Checkbox(29, kNone, nullptr, false)},
        {"Unmult", Checkbox(11, kNone, nullptr, false)},
        {"", GroupEnd(26)},
        {"Buffer Expansion", GroupStart(43, kCollapsed)},
        {"Expansion Mode", Popup(25, kStatic, "Auto|Manual", 2, EXPANSION_AUTO)},
        {"Aux Expansion", Slider(27, kSkipReveal, 0, 5000, 0, 100, 0)},
        // Shares disk id 27 with Aux Expansion; registered that way since the
        // first release, so saved projects expect it.
        {"Expansion Limit", Slider(27, kSkipReveal | kStatic, 0, 10000, 0, 100, 1000)},
        {"", GroupEnd(44)},
        {"Mix With Original", FloatSlider(28, kNone, 0, 100, 0, 100, 0, 2, kPercent)},
        {"Debug", GroupStart(14, kNone)},
        {"View", Popup(30, kNone, "PreProc|Output Multed|(-|Final Result", 4, 4)},
        {"Preprocess", Checkbox(31, PF_ParamFlag_RESERVED1, nullptr, false)},
        {"", Checkbox(10, kStatic, "Update Shaders", false)},
        {"Output Buffer Fill", Checkbox(15, kNone, nullptr, false)},
        {"GPU Buffer Fill", Checkbox(17, kNone, nullptr, false)},
        {"Left", FloatSlider(6, kNone, -1000, 1000, 0, 100, 0, 2, kNumber)},
        {"Top", FloatSlider(7, kNone, -1000, 1000, 0, 100, 0, 2, kNumber)},
        {"Right", FloatSlider(8, kNone, -1000, 1000, 0, 100, 0, 2, kNumber)},
        {"Bottom", FloatSlider(9, kNone, -1000, 1000, 0, 100, 0, 2, kNumber)},
        {"", GroupEnd(16)},
    }};

    PF_Err ui_err = PF_Err_NONE;
    for (std::size_t i = 0; i < table.size(); ++i) {
        PF_ParamDef def = table[i].def;
        CopyName(in_data, def, table[i].name);
        const PF_Err err = in_data->inter.add_param(in_data->effect_ref, -1, &def);
        if (err != PF_Err_NONE) {
            return err;
        }
        if (i + 1 == PARAM_HEADER) {
            // The header's events; a refusal leaves the controls usable, so
            // set-up goes on and reports it at the end.
            PF_CustomUIInfo ui;
            std::memset(&ui, 0, sizeof ui);
            ui.events = PF_CustomEFlag_EFFECT;
            ui_err = in_data->inter.register_ui != nullptr
                         ? in_data->inter.register_ui(in_data->effect_ref, &ui)
                         : PF_Err_INVALID_CALLBACK;
        }
    }
    out_data->num_params = PARAM_COUNT;
    return ui_err;
}
