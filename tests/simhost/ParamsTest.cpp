// Parameter registration and check-out as the host handles them.

#include "FakeEffect.h"

#include <cstring>

namespace {

using fake::Fixture;
using ParamsTest = Fixture;

PF_ParamDef Popup(const char* name, const char* choices, A_short count, A_short dflt, A_long id) {
    PF_ParamDef def = {};
    def.param_type = PF_Param_POPUP;
    std::strncpy(def.name, name, sizeof(def.name) - 1);
    def.u.pd.num_choices = count;
    def.u.pd.dephault = dflt;
    def.u.pd.value = 1;
    def.u.pd.u.namesptr = choices;
    def.uu.id = id;
    return def;
}

PF_ParamDef FloatSlider(const char* name, float dflt, A_long id) {
    PF_ParamDef def = {};
    def.param_type = PF_Param_FLOAT_SLIDER;
    std::strncpy(def.name, name, sizeof(def.name) - 1);
    def.u.fs_d.valid_min = -100;
    def.u.fs_d.valid_max = 100;
    def.u.fs_d.slider_min = 0;
    def.u.fs_d.slider_max = 10;
    def.u.fs_d.dephault = dflt;
    def.u.fs_d.value = 99;  // ignored: a new instance starts at the default
    def.uu.id = id;
    return def;
}

TEST_F(ParamsTest, AddParamKeepsCopiesNotThePluginsMemory) {
    On(PF_Cmd_PARAMS_SETUP, [](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        char choices[32];
        std::strcpy(choices, "Auto|Manual");
        PF_ParamDef def = Popup("Mode", choices, 2, 2, 1);
        PF_Err err = in->inter.add_param(in->effect_ref, -1, &def);
        // The effect reuses its record and its text buffer.
        std::strcpy(choices, "XXXX|YYYYYY");
        def = FloatSlider("Amount", 2.5f, 2);
        if (!err)
            err = in->inter.add_param(in->effect_ref, -1, &def);
        std::memset(&def, 0, sizeof def);
        out->num_params = 3;
        return err;
    });
    SetUpEffect();
    ASSERT_EQ(host.AddedParams().size(), 2u);
    const PF_ParamDef& mode = host.AddedParams()[0];
    EXPECT_STREQ(mode.name, "Mode");
    EXPECT_STREQ(mode.u.pd.u.namesptr, "Auto|Manual");
    EXPECT_EQ(host.Param(1).u.pd.value, 2);  // from the default
    EXPECT_STREQ(host.AddedParams()[1].name, "Amount");
    EXPECT_FLOAT_EQ(static_cast<float>(host.Param(2).u.fs_d.value), 2.5f);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(ParamsTest, HostRejectsWhatTheRealHostWouldReject) {
    On(PF_Cmd_PARAMS_SETUP, [](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        PF_ParamDef bad = Popup("Mode", "A|B|C", 2, 1, 1);  // three choices, two declared
        in->inter.add_param(in->effect_ref, -1, &bad);
        PF_ParamDef good = FloatSlider("Amount", 1.0f, 2);
        in->inter.add_param(in->effect_ref, 5, &good);  // only -1 appends
        in->inter.add_param(in->effect_ref, -1, &good);
        PF_ParamDef again = FloatSlider("Again", 1.0f, 2);  // a reused disk id is accepted
        in->inter.add_param(in->effect_ref, -1, &again);
        PF_ParamDef unnamed = FloatSlider("", 1.0f, 3);
        std::memset(unnamed.name, 'n', sizeof unnamed.name);  // no terminator
        in->inter.add_param(in->effect_ref, -1, &unnamed);
        out->num_params = 5;  // but only two were accepted
        return PF_Err_NONE;
    });
    SetUpEffect();
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 4u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "popup declares 2 choices but its text has 3"));
    EXPECT_TRUE(simhost::Mentions(v, "add_param called with index 5"));
    EXPECT_TRUE(simhost::Mentions(v, "name is not NUL-terminated within 32 bytes"));
    EXPECT_TRUE(simhost::Mentions(v, "declared num_params 5 but added 2"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(ParamsTest, TheNthAddParamCanBeMadeToFail) {
    host.FailCall("inter.add_param", 2, PF_Err_OUT_OF_MEMORY);
    std::vector<PF_Err> results;
    On(PF_Cmd_PARAMS_SETUP, [&](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        for (A_long id = 1; id <= 3; ++id) {
            PF_ParamDef def = FloatSlider("S", 0.0f, id);
            results.push_back(in->inter.add_param(in->effect_ref, -1, &def));
        }
        out->num_params = 3;
        return PF_Err_NONE;
    });
    SetUpEffect();
    EXPECT_EQ(results, (std::vector<PF_Err>{0, PF_Err_OUT_OF_MEMORY, 0}));
    EXPECT_EQ(host.AddedParams().size(), 2u);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(ParamsTest, CheckoutGivesCopiesAtTheAskedTimeAndMustBeBalanced) {
    On(PF_Cmd_PARAMS_SETUP, [](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        PF_ParamDef def = FloatSlider("Amount", 1.0f, 1);
        out->num_params = 2;
        return in->inter.add_param(in->effect_ref, -1, &def);
    });
    SetUpEffect();
    host.Param(1).u.fs_d.value = 4.0;
    PF_ParamDef at10 = host.Param(1);
    at10.u.fs_d.value = 7.0;
    host.SetParamAt(1, 10, at10);
    double now = 0, later = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_ParamDef a = {}, b = {}, c = {};
        in->inter.checkout_param(in->effect_ref, 1, 0, 1, 30, &a);
        in->inter.checkout_param(in->effect_ref, 1, 10, 1, 30, &b);
        now = a.u.fs_d.value;
        later = b.u.fs_d.value;
        a.u.fs_d.value = -1;  // a copy: the host's value stays
        in->inter.checkin_param(in->effect_ref, &a);
        in->inter.checkin_param(in->effect_ref, &c);  // never checked out
        return PF_Err_NONE;                           // b stays checked out
    });
    EXPECT_EQ(now, 4.0);
    EXPECT_EQ(later, 7.0);
    EXPECT_EQ(host.Param(1).u.fs_d.value, 4.0);
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "checkin_param of a definition that is not checked out"));
    EXPECT_TRUE(
        simhost::Mentions(v, "parameter 1 checked out during command 14 was not checked in"));
    const auto checkouts = host.ParamCheckouts();
    ASSERT_EQ(checkouts.size(), 2u);
    EXPECT_EQ(checkouts[1].time, 10);
    EXPECT_EQ(checkouts[1].scale, 30u);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(ParamsTest, ParamsArrayHoldsTheLayerThenTheCurrentValues) {
    On(PF_Cmd_PARAMS_SETUP, [](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        PF_ParamDef def = FloatSlider("Amount", 3.0f, 1);
        out->num_params = 2;
        return in->inter.add_param(in->effect_ref, -1, &def);
    });
    host.SetInputLayer(simhost::Image::Make8(5, 4));
    SetUpEffect();
    PF_ParamType type0 = -1;
    A_long width0 = 0;
    double value1 = 0;
    On(PF_Cmd_UPDATE_PARAMS_UI, [&](PF_InData*, PF_OutData*, PF_ParamDef** params, void*) {
        type0 = params[0]->param_type;
        width0 = params[0]->u.ld.width;
        value1 = params[1]->u.fs_d.value;
        return PF_Err_NONE;
    });
    host.UpdateParamsUI();
    EXPECT_EQ(type0, PF_Param_LAYER);
    EXPECT_EQ(width0, 5);
    EXPECT_EQ(value1, 3.0);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
