// Parameter set-up against the registration table written out here by hand:
// order, names, types, disk ids, flags, ranges, defaults, choices, and the
// failure paths of the add-parameter and custom-UI callbacks.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "context/LocalGLStruct.h"
#include "host/EntryPoints.h"
#include "host/Params.h"

namespace {

// The host's side of one PARAMS_SETUP call made straight to the entry point
// with records built here, so that a test controls them byte for byte (the
// global data handle, or none, or one without a block; output fields the
// command must leave alone): add_param and register_ui keep copies of what
// they receive and fail on request; the name strcpy is counted. The ANSI
// callback carries no context, so it reaches the one live recorder through a
// static pointer: one at a time, on the test's thread.
class ParamsRecorder {
  public:
    struct AddedParam {
        PF_ParamDef def;
        std::string text;  // copy of the choice list or label, "" when none
        bool has_text;
    };

    ParamsRecorder() {
        current = this;
        utils.ansi.strcpy = &Strcpy;
        in_data.utils = &utils;
        in_data.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
        in_data.inter.add_param = &AddParam;
        in_data.inter.register_ui = &RegisterUI;
    }
    ~ParamsRecorder() { current = nullptr; }
    ParamsRecorder(const ParamsRecorder&) = delete;
    ParamsRecorder& operator=(const ParamsRecorder&) = delete;

    PF_InData in_data{};
    PF_OutData out_data{};
    PF_UtilCallbacks utils{};
    int strcpy_calls = 0;

    std::vector<AddedParam> params;
    int add_param_calls = 0;
    int fail_add_param_at = 0;  // 1-based call that fails, 0 for none
    PF_Err add_param_error = PF_Err_NONE;
    std::vector<int> add_param_indices;

    std::vector<PF_CustomUIInfo> ui_infos;
    int ui_registered_after = -1;  // number of parameters added before register_ui
    PF_Err register_ui_error = PF_Err_NONE;

  private:
    static inline ParamsRecorder* current = nullptr;

    static A_char* Strcpy(A_char* dst, const A_char* src) {
        ++current->strcpy_calls;
        return std::strcpy(dst, src);
    }

    static PF_Err AddParam(PF_ProgPtr ref, PF_ParamIndex index, PF_ParamDefPtr def) {
        ParamsRecorder& h = *reinterpret_cast<ParamsRecorder*>(ref);
        ++h.add_param_calls;
        h.add_param_indices.push_back(index);
        if (h.add_param_calls == h.fail_add_param_at)
            return h.add_param_error;
        const char* text = def->param_type == PF_Param_POPUP      ? def->u.pd.u.namesptr
                           : def->param_type == PF_Param_BUTTON   ? def->u.button_d.u.namesptr
                           : def->param_type == PF_Param_CHECKBOX ? def->u.bd.u.nameptr
                                                                  : nullptr;
        h.params.push_back({*def, text != nullptr ? text : "", text != nullptr});
        return PF_Err_NONE;
    }

    static PF_Err RegisterUI(PF_ProgPtr ref, PF_CustomUIInfo* info) {
        ParamsRecorder& h = *reinterpret_cast<ParamsRecorder*>(ref);
        h.ui_infos.push_back(*info);
        h.ui_registered_after = int(h.params.size());
        return h.register_ui_error;
    }
};

enum Kind { GROUP_START, GROUP_END, NO_DATA, BUTTON, POPUP, ANGLE, FLOAT, INT, CHECK };

struct Row {
    int index;
    const char* name;
    Kind kind;
    int disk_id;
    int flags;
    const char* text;  // choices, button or checkbox label; nullptr for none
    double dflt;       // popup/int/float default, checkbox 0/1
    double valid_min, valid_max, slider_min, slider_max;
    int precision;
    int display;
};

// Texts the GPU popups are expected to carry are patched in per test.
const Row kRows[] = {
    {1, "About", GROUP_START, 32, 32, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {2, "", NO_DATA, 42, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {3, "HLV v3.0.0", BUTTON, 34, 66, "Product Page", 0, 0, 0, 0, 0, 0, 0},
    {4, "", BUTTON, 35, 64, "More Free Plugins", 0, 0, 0, 0, 0, 0, 0},
    {5, "", BUTTON, 36, 64, "Get Support", 0, 0, 0, 0, 0, 0, 0},
    {6, "GPU Spec:", GROUP_START, 37, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {7, "", GROUP_END, 38, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {8, "Vendor", POPUP, 33, 2, "<vendor>", 1, 0, 0, 0, 0, 0, 0},
    {9, "Renderer", POPUP, 52, 2, "<renderer>", 1, 0, 0, 0, 0, 0, 0},
    {10, "OpenGL Version", POPUP, 53, 2, "<gl>", 1, 0, 0, 0, 0, 0, 0},
    {11, "Shader Version", POPUP, 54, 2, "<glsl>", 1, 0, 0, 0, 0, 0, 0},
    {12, "", GROUP_START, 39, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {13, "", GROUP_END, 40, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {14, "", GROUP_END, 41, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {15, "Channels", POPUP, 1, 0, "Red & Blue|Red & Green|Green & Blue", 1, 0, 0, 0, 0, 0, 0},
    {16, "Hue Shift", ANGLE, 13, 32, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {17, "Transform", GROUP_START, 21, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {18, "Position", FLOAT, 2, 0, nullptr, 0.5, -2000, 2000, -100, 100, 2, 0},
    {19, "Rotation", ANGLE, 3, 32, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {20, "Scale", FLOAT, 4, 0, nullptr, 100, -1000, 1000, -100, 100, 2, 1},
    {21, "Stylistic", GROUP_START, 55, 32, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {22, "Distort Uniform", FLOAT, 51, 0, nullptr, 0, -5000, 5000, -50, 50, 2, 1},
    {23, "Distort Aberrate", FLOAT, 49, 0, nullptr, 0, -5000, 5000, -50, 50, 2, 1},
    {24, "Skew X", FLOAT, 48, 0, nullptr, 0, -200, 200, -100, 100, 2, 1},
    {25, "Skew Y", FLOAT, 50, 0, nullptr, 0, -200, 200, -100, 100, 2, 1},
    {26, "Blur", FLOAT, 5, 0, nullptr, 0, 0, 1000, 0, 100, 2, 0},
    {27, "", GROUP_START, 19, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {28, "", GROUP_END, 20, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {29, "Samples", POPUP, 45, 2, "Single|(-|Auto|Fixed", 1, 0, 0, 0, 0, 0, 0},
    {30, "Sample Count", FLOAT, 46, 512, nullptr, 10, 1, 9999, 1, 200, 0, 0},
    {31, "Sample Multiplier", FLOAT, 47, 512, nullptr, 1, 0.0001, 5, 0.5, 2, 2, 0},
    {32, "", GROUP_END, 56, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {33, "", BUTTON, 22, 64, "Reset Transforms", 0, 0, 0, 0, 0, 0, 0},
    {34, "", GROUP_END, 23, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {35, "Compositing", GROUP_START, 24, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {36, "Repeat Edge Pixels", CHECK, 12, 0, "Not Recommended for Text", 1, 0, 0, 0, 0, 0, 0},
    {37, "Preserve Original Alpha", CHECK, 29, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {38, "Unmult", CHECK, 11, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {39, "", GROUP_END, 26, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {40, "Buffer Expansion", GROUP_START, 43, 32, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {41, "Expansion Mode", POPUP, 25, 2, "Auto|Manual", 1, 0, 0, 0, 0, 0, 0},
    {42, "Aux Expansion", INT, 27, 512, nullptr, 0, 0, 5000, 0, 100, 0, 0},
    {43, "Expansion Limit", INT, 27, 514, nullptr, 1000, 0, 10000, 0, 100, 0, 0},
    {44, "", GROUP_END, 44, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {45, "Mix With Original", FLOAT, 28, 0, nullptr, 0, 0, 100, 0, 100, 2, 1},
    {46, "Debug", GROUP_START, 14, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {47, "View", POPUP, 30, 0, "PreProc|Output Multed|(-|Final Result", 4, 0, 0, 0, 0, 0, 0},
    {48, "Preprocess", CHECK, 31, 1, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {49, "", CHECK, 10, 2, "Update Shaders", 0, 0, 0, 0, 0, 0, 0},
    {50, "Output Buffer Fill", CHECK, 15, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {51, "GPU Buffer Fill", CHECK, 17, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
    {52, "Left", FLOAT, 6, 0, nullptr, 0, -1000, 1000, 0, 100, 2, 0},
    {53, "Top", FLOAT, 7, 0, nullptr, 0, -1000, 1000, 0, 100, 2, 0},
    {54, "Right", FLOAT, 8, 0, nullptr, 0, -1000, 1000, 0, 100, 2, 0},
    {55, "Bottom", FLOAT, 9, 0, nullptr, 0, -1000, 1000, 0, 100, 2, 0},
    {56, "", GROUP_END, 16, 0, nullptr, 0, 0, 0, 0, 0, 0, 0},
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == 56, "56 parameters");

int HostType(Kind kind) {
    switch (kind) {
        case GROUP_START:
            return 13;
        case GROUP_END:
            return 14;
        case NO_DATA:
            return 9;
        case BUTTON:
            return 15;
        case POPUP:
            return 7;
        case ANGLE:
            return 3;
        case FLOAT:
            return 10;
        case INT:
            return 1;
        case CHECK:
            return 4;
    }
    return -1;
}

int ChoiceCount(const char* list) {
    int count = 1;
    for (const char* p = list; *p; ++p) {
        count += *p == '|';
    }
    return count;
}

// The record the host should receive, built from the row alone: zero except
// for the fields the row names. Text pointers are left null; texts are
// compared separately.
PF_ParamDef ExpectedDef(const Row& row) {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    def.param_type = HostType(row.kind);
    def.uu.id = row.disk_id;
    def.flags = row.flags;
    std::strcpy(def.name, row.name);
    switch (row.kind) {
        case NO_DATA:
            def.ui_flags = 130;
            def.ui_width = 200;
            def.ui_height = 33;
            break;
        case POPUP:
            def.ui_flags = row.index >= 8 && row.index <= 11 ? 32 : 0;
            def.u.pd.num_choices = A_short(ChoiceCount(row.text));
            def.u.pd.dephault = A_short(row.dflt);
            def.u.pd.value = A_long(row.dflt);
            break;
        case FLOAT:
            def.u.fs_d.value = row.dflt;
            def.u.fs_d.dephault = float(row.dflt);
            def.u.fs_d.valid_min = float(row.valid_min);
            def.u.fs_d.valid_max = float(row.valid_max);
            def.u.fs_d.slider_min = float(row.slider_min);
            def.u.fs_d.slider_max = float(row.slider_max);
            def.u.fs_d.precision = A_short(row.precision);
            def.u.fs_d.display_flags = A_short(row.display);
            def.u.fs_d.curve_tolerance = 0.05f;
            break;
        case INT:
            def.u.sd.value = A_long(row.dflt);
            def.u.sd.dephault = A_long(row.dflt);
            def.u.sd.valid_min = A_long(row.valid_min);
            def.u.sd.valid_max = A_long(row.valid_max);
            def.u.sd.slider_min = A_long(row.slider_min);
            def.u.sd.slider_max = A_long(row.slider_max);
            break;
        case CHECK:
            def.u.bd.value = A_long(row.dflt);
            def.u.bd.dephault = PF_Boolean(row.dflt);
            break;
        default:
            break;
    }
    return def;
}

// Clears the text pointers so that two records compare byte for byte.
PF_ParamDef WithoutTextPointers(PF_ParamDef def) {
    switch (def.param_type) {
        case PF_Param_POPUP:
            def.u.pd.u.namesptr = nullptr;
            break;
        case PF_Param_BUTTON:
            def.u.button_d.u.namesptr = nullptr;
            break;
        case PF_Param_CHECKBOX:
            def.u.bd.u.nameptr = nullptr;
            break;
        default:
            break;
    }
    return def;
}

PF_Err RunParamsSetup(ParamsRecorder& host) {
    return EffectMain(PF_Cmd_PARAMS_SETUP, &host.in_data, &host.out_data, nullptr, nullptr,
                      nullptr);
}

// A global data block in a handle, as global set-up leaves it.
struct GlobalBlock {
    GlobalData data{};
    void* master = &data;
    PF_Handle Handle() { return reinterpret_cast<PF_Handle>(&master); }
};

void ExpectGpuChoices(const ParamsRecorder& host, const std::string& vendor,
                      const std::string& renderer, const std::string& gl, const std::string& glsl) {
    ASSERT_GE(host.params.size(), 11u);
    EXPECT_EQ(host.params[7].text, vendor);
    EXPECT_EQ(host.params[8].text, renderer);
    EXPECT_EQ(host.params[9].text, gl);
    EXPECT_EQ(host.params[10].text, glsl);
}

TEST(ParamsSetup, RegistersTheTableInOrderWithEveryField) {
    ParamsRecorder host;
    GlobalBlock block;
    std::strcpy(block.data.glVersion, "3.2 Mesa");
    std::strcpy(block.data.glVendor, "Vendor Co");
    std::strcpy(block.data.glRenderer, "Renderer X");
    std::strcpy(block.data.glslVersion, "3.30");
    host.out_data.global_data = block.Handle();

    ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
    ASSERT_EQ(host.params.size(), 56u);
    EXPECT_EQ(host.out_data.num_params, 57);

    for (const Row& row : kRows) {
        SCOPED_TRACE("parameter " + std::to_string(row.index));
        const ParamsRecorder::AddedParam& got = host.params[row.index - 1];
        const PF_ParamDef want = ExpectedDef(row);
        EXPECT_STREQ(got.def.name, row.name);
        EXPECT_EQ(got.def.param_type, want.param_type);
        EXPECT_EQ(got.def.uu.id, row.disk_id);
        EXPECT_EQ(got.def.flags, row.flags);
        EXPECT_EQ(got.def.ui_flags, want.ui_flags);
        EXPECT_EQ(got.def.ui_width, want.ui_width);
        EXPECT_EQ(got.def.ui_height, want.ui_height);

        std::string want_text = row.text != nullptr ? row.text : "";
        if (row.index == 8)
            want_text = "Vendor Co";
        if (row.index == 9)
            want_text = "Renderer X";
        if (row.index == 10)
            want_text = "3.2 Mesa";
        if (row.index == 11)
            want_text = "3.30";
        EXPECT_EQ(got.has_text, row.text != nullptr);
        EXPECT_EQ(got.text, want_text);

        if (row.kind == FLOAT) {
            EXPECT_EQ(got.def.u.fs_d.value, row.dflt);
            EXPECT_EQ(got.def.u.fs_d.dephault, float(row.dflt));
            EXPECT_EQ(got.def.u.fs_d.valid_min, float(row.valid_min));
            EXPECT_EQ(got.def.u.fs_d.valid_max, float(row.valid_max));
            EXPECT_EQ(got.def.u.fs_d.slider_min, float(row.slider_min));
            EXPECT_EQ(got.def.u.fs_d.slider_max, float(row.slider_max));
            EXPECT_EQ(got.def.u.fs_d.precision, row.precision);
            EXPECT_EQ(got.def.u.fs_d.display_flags, row.display);
            EXPECT_EQ(got.def.u.fs_d.curve_tolerance, 0.05f);
            EXPECT_EQ(got.def.u.fs_d.phase, 0.0);
            EXPECT_EQ(got.def.u.fs_d.fs_flags, 0u);
        }
        if (row.kind == INT) {
            EXPECT_EQ(got.def.u.sd.value, A_long(row.dflt));
            EXPECT_EQ(got.def.u.sd.dephault, A_long(row.dflt));
            EXPECT_EQ(got.def.u.sd.valid_min, A_long(row.valid_min));
            EXPECT_EQ(got.def.u.sd.valid_max, A_long(row.valid_max));
            EXPECT_EQ(got.def.u.sd.slider_min, A_long(row.slider_min));
            EXPECT_EQ(got.def.u.sd.slider_max, A_long(row.slider_max));
        }
        if (row.kind == POPUP) {
            EXPECT_EQ(got.def.u.pd.num_choices, want.u.pd.num_choices);
            EXPECT_EQ(got.def.u.pd.dephault, want.u.pd.dephault);
            EXPECT_EQ(got.def.u.pd.value, want.u.pd.value);
        }
        if (row.kind == CHECK) {
            EXPECT_EQ(got.def.u.bd.value, A_long(row.dflt));
            EXPECT_EQ(got.def.u.bd.dephault, PF_Boolean(row.dflt));
        }

        // Everything the row does not name is zero: compare whole records
        // (name buffers included) once text pointers are set aside.
        PF_ParamDef got_bytes = WithoutTextPointers(got.def);
        PF_ParamDef want_bytes = want;
        std::memset(got_bytes.name, 0, sizeof got_bytes.name);
        std::memset(want_bytes.name, 0, sizeof want_bytes.name);
        EXPECT_EQ(std::memcmp(&got_bytes, &want_bytes, sizeof(PF_ParamDef)), 0);
    }

    // Every parameter is appended, each name through the host's strcpy.
    for (int index : host.add_param_indices) {
        EXPECT_EQ(index, -1);
    }
    EXPECT_EQ(host.strcpy_calls, 56);
}

TEST(ParamsSetup, StoredDataContract) {
    ParamsRecorder host;
    ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
    ASSERT_EQ(host.params.size(), 56u);
    // The two buffer-expansion sliders keep the disk id they were registered
    // with; 18 is used by none.
    EXPECT_EQ(host.params[41].def.uu.id, 27);
    EXPECT_EQ(host.params[42].def.uu.id, 27);
    for (const ParamsRecorder::AddedParam& p : host.params) {
        EXPECT_NE(p.def.uu.id, 18);
    }
    EXPECT_EQ(host.params[PARAM_RESET_TRANSFORMS - 1].def.param_type, PF_Param_BUTTON);
    EXPECT_EQ(host.params[PARAM_RESET_TRANSFORMS - 1].text, "Reset Transforms");
    // The single-precision value nearest to 0.0001.
    EXPECT_EQ(host.params[PARAM_SAMPLE_MULTIPLIER - 1].def.u.fs_d.valid_min, 0.0001f);
}

TEST(ParamsSetup, CustomUIRegisteredRightAfterTheHeader) {
    ParamsRecorder host;
    ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
    ASSERT_EQ(host.ui_infos.size(), 1u);
    EXPECT_EQ(host.ui_registered_after, 2);
    PF_CustomUIInfo want;
    std::memset(&want, 0, sizeof want);
    want.events = PF_CustomEFlag_EFFECT;
    EXPECT_EQ(std::memcmp(&host.ui_infos[0], &want, sizeof want), 0);
    EXPECT_EQ(host.ui_infos[0].events, 4);
}

TEST(ParamsSetup, GpuTextsFallBackToNull) {
    {
        SCOPED_TRACE("no global data handle");
        ParamsRecorder host;
        ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
        ExpectGpuChoices(host, "NULL", "NULL", "NULL", "NULL");
    }
    {
        SCOPED_TRACE("handle without a block");
        ParamsRecorder host;
        void* master = nullptr;
        host.out_data.global_data = reinterpret_cast<PF_Handle>(&master);
        ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
        ExpectGpuChoices(host, "NULL", "NULL", "NULL", "NULL");
    }
    {
        SCOPED_TRACE("empty GL version, other texts filled");
        ParamsRecorder host;
        GlobalBlock block;
        std::strcpy(block.data.glVendor, "Vendor Co");
        std::strcpy(block.data.glRenderer, "Renderer X");
        std::strcpy(block.data.glslVersion, "3.30");
        host.out_data.global_data = block.Handle();
        ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
        ExpectGpuChoices(host, "NULL", "NULL", "NULL", "NULL");
    }
    {
        SCOPED_TRACE("texts read from the output record's handle, not the input's");
        ParamsRecorder host;
        GlobalBlock block;
        std::strcpy(block.data.glVersion, "4.5");
        host.in_data.global_data = block.Handle();
        ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
        ExpectGpuChoices(host, "NULL", "NULL", "NULL", "NULL");
    }
}

TEST(ParamsSetup, GpuTextsAreBoundedAndStayOneChoice) {
    ParamsRecorder host;
    GlobalBlock block;
    // Texts that fill their 100 bytes with no terminator, and one with the
    // host's choice separator in it.
    std::memset(block.data.glVersion, 'v', sizeof block.data.glVersion);
    std::memset(block.data.glVendor, 'w', sizeof block.data.glVendor);
    std::strcpy(block.data.glRenderer, "Card A|Card B");
    std::strcpy(block.data.glslVersion, "3.30");
    host.out_data.global_data = block.Handle();
    ASSERT_EQ(RunParamsSetup(host), PF_Err_NONE);
    ExpectGpuChoices(host, std::string(100, 'w'), "Card A/Card B", std::string(100, 'v'), "3.30");
    EXPECT_EQ(host.params[8].def.u.pd.num_choices, 1);
}

TEST(ParamsSetup, AddParamFailureStopsAtOnce) {
    ParamsRecorder host;
    host.fail_add_param_at = 5;
    host.add_param_error = PF_Err_OUT_OF_MEMORY;
    host.out_data.num_params = -7;
    EXPECT_EQ(RunParamsSetup(host), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.add_param_calls, 5);
    ASSERT_EQ(host.params.size(), 4u);
    EXPECT_STREQ(host.params[0].def.name, "About");
    EXPECT_EQ(host.params[3].def.uu.id, 35);
    EXPECT_EQ(host.out_data.num_params, -7);
}

TEST(ParamsSetup, AddParamFailureBeforeTheHeaderSkipsUIRegistration) {
    ParamsRecorder host;
    host.fail_add_param_at = 2;
    host.add_param_error = PF_Err_INVALID_INDEX;
    EXPECT_EQ(RunParamsSetup(host), PF_Err_INVALID_INDEX);
    EXPECT_TRUE(host.ui_infos.empty());
    EXPECT_EQ(host.out_data.num_params, 0);
}

TEST(ParamsSetup, RegisterUIFailureIsKeptAndReturnedAtTheEnd) {
    ParamsRecorder host;
    host.register_ui_error = PF_Err_INTERNAL_STRUCT_DAMAGED;
    EXPECT_EQ(RunParamsSetup(host), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(host.params.size(), 56u);
    EXPECT_EQ(host.out_data.num_params, 57);
}

TEST(ParamsSetup, AddParamErrorWinsOverEarlierRegisterUIError) {
    ParamsRecorder host;
    host.register_ui_error = PF_Err_INTERNAL_STRUCT_DAMAGED;
    host.fail_add_param_at = 10;
    host.add_param_error = PF_Err_OUT_OF_MEMORY;
    EXPECT_EQ(RunParamsSetup(host), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.params.size(), 9u);
    EXPECT_EQ(host.out_data.num_params, 0);
}

}  // namespace
