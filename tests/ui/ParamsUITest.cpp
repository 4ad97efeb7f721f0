// Reset Transforms, the About links and the parameter-interface update, driven
// through EffectMain in the simulated host.

#include <string>
#include <vector>

#include "host/Params.h"
#include "tests/ui/UiHost.h"

namespace {

using Events = std::vector<std::string>;

constexpr PF_Err kHostError = 0x1234;

class ResetTransforms : public UiHostTest {};
class LinkButtons : public UiHostTest {};
class UpdateParamsUI : public UiHostTest {};

// The full reset sequence for the eleven value-bearing parameters.
Events FullResetEvents() {
    Events e = {"GetNewEffectForEffect -> effect#1", "StartUndoGroup \"Reset Transform Controls\""};
    const struct {
        int index;
        const char* value;
    } resets[] = {{18, "0.5"}, {19, "0"}, {20, "100"}, {22, "0"},  {23, "0"}, {24, "0"},
                  {25, "0"},   {26, "0"}, {29, "1"},   {30, "10"}, {31, "1"}};
    int stream = 0;
    for (const auto& r : resets) {
        const std::string i = std::to_string(r.index);
        e.push_back("GetNewEffectStreamByIndex " + i + " (v9) -> stream#" +
                    std::to_string(++stream));
        e.push_back("SetStreamValue " + i + " = " + r.value + " (v9)");
        e.push_back("DisposeStream " + i + " (v9)");
    }
    e.push_back("EndUndoGroup");
    e.push_back("DisposeEffect effect#1 (v3)");
    return e;
}

TEST_F(ResetTransforms, RestoresTheTransformDefaultsInOneUndoStep) {
    host.Param(PARAM_POSITION).u.fs_d.value = 37.5;
    host.Param(PARAM_SCALE).u.fs_d.value = -20;
    host.Param(PARAM_SKEW_Y).u.fs_d.value = 55;
    host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = 300;
    host.Param(PARAM_HUE_SHIFT).u.ad.value = 45 << 16;
    host.Param(PARAM_CHANNELS).u.pd.value = CHANNELS_GREEN_BLUE;

    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), PF_Err_NONE);

    EXPECT_DOUBLE_EQ(host.Param(PARAM_POSITION).u.fs_d.value, 0.5);
    EXPECT_DOUBLE_EQ(host.Param(PARAM_SCALE).u.fs_d.value, 100);
    EXPECT_DOUBLE_EQ(host.Param(PARAM_SKEW_Y).u.fs_d.value, 0);
    EXPECT_DOUBLE_EQ(host.Param(PARAM_SAMPLE_COUNT).u.fs_d.value, 10);
    EXPECT_EQ(host.Param(PARAM_HUE_SHIFT).u.ad.value, 45 << 16);
    EXPECT_EQ(host.Param(PARAM_CHANNELS).u.pd.value, CHANNELS_GREEN_BLUE);

    const std::vector<simhost::UndoGroup> groups = ui.UndoGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "Reset Transform Controls");
    EXPECT_TRUE(groups[0].ended);
    // The group markers 21, 27 and 28 are skipped: nothing else is touched.
    EXPECT_EQ(ui.Events(), FullResetEvents());
}

TEST_F(ResetTransforms, AFailedValueStopsTheResetButDisposesEverything) {
    host.Param(PARAM_BLUR).u.fs_d.value = 12;
    // The fourth value written is Distort Uniform (index 22).
    host.FailCall("AEGP Stream Suite 9.AEGP_SetStreamValue", 4, kHostError);

    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);

    const Events expected = {"GetNewEffectForEffect -> effect#1",
                             "StartUndoGroup \"Reset Transform Controls\"",
                             "GetNewEffectStreamByIndex 18 (v9) -> stream#1",
                             "SetStreamValue 18 = 0.5 (v9)",
                             "DisposeStream 18 (v9)",
                             "GetNewEffectStreamByIndex 19 (v9) -> stream#2",
                             "SetStreamValue 19 = 0 (v9)",
                             "DisposeStream 19 (v9)",
                             "GetNewEffectStreamByIndex 20 (v9) -> stream#3",
                             "SetStreamValue 20 = 100 (v9)",
                             "DisposeStream 20 (v9)",
                             "GetNewEffectStreamByIndex 22 (v9) -> stream#4",
                             "SetStreamValue 22 = 0 (v9) -> error 4660",
                             "DisposeStream 22 (v9)",
                             "DisposeEffect effect#1 (v3)"};
    EXPECT_EQ(ui.Events(), expected);
    // Values after the failure stay as they were, and the undo group is not
    // ended.
    EXPECT_DOUBLE_EQ(host.Param(PARAM_BLUR).u.fs_d.value, 12);
    EXPECT_TRUE(ui.UndoGroupOpen());
}

TEST_F(ResetTransforms, AFailedStreamFetchStopsTheReset) {
    host.FailCall("AEGP Stream Suite 9.AEGP_GetNewEffectStreamByIndex", 2, kHostError);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);
    EXPECT_EQ(ui.StreamsGiven(), 1);
    EXPECT_EQ(ui.ValueSets().size(), 1u);
    EXPECT_TRUE(ui.UndoGroupOpen());
    EXPECT_EQ(ui.Events().back(), "DisposeEffect effect#1 (v3)");
}

TEST_F(ResetTransforms, AFailedDisposalBecomesTheErrorAndStopsTheReset) {
    host.FailCall("AEGP Stream Suite 9.AEGP_DisposeStream", 2, kHostError);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);
    EXPECT_EQ(ui.StreamsGiven(), 2);
    EXPECT_EQ(ui.ValueSets().size(), 2u);
    EXPECT_TRUE(ui.UndoGroupOpen());
    EXPECT_EQ(ui.EffectRefsGiven(), 1);
    // The host refused to take the second stream back; the effect still
    // handed back the effect reference.
    EXPECT_EQ(ui.OpenEffectRefs(), 0);
    EXPECT_EQ(ui.TakeOpenReferences(), 1);
}

TEST_F(ResetTransforms, AFailedUndoGroupChangesNothing) {
    host.FailCall("AEGP Utility Suite 7.AEGP_StartUndoGroup", 1, kHostError);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);
    EXPECT_EQ(ui.StreamsGiven(), 0);
    EXPECT_EQ(host.CallCount("AEGP Utility Suite 7.AEGP_EndUndoGroup"), 0);
    EXPECT_EQ(ui.Events().back(), "DisposeEffect effect#1 (v3)");
}

TEST_F(ResetTransforms, AFailedEffectDisposalIsTheResultOfAnOtherwiseGoodReset) {
    host.FailCall("AEGP Effect Suite 3.AEGP_DisposeEffect", 1, kHostError);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);
    EXPECT_EQ(ui.ValueSets().size(), 11u);
    EXPECT_FALSE(ui.UndoGroupOpen());
    EXPECT_EQ(ui.TakeOpenReferences(), 1);  // the host refused to take it back
}

TEST_F(ResetTransforms, ARefusedEffectReferenceEndsTheCommandBeforeAnyChange) {
    host.FailCall("AEGP PF Interface Suite 1.AEGP_GetNewEffectForEffect", 1, kHostError);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), kHostError);
    EXPECT_EQ(ui.Events(), Events{"GetNewEffectForEffect -> error 4660"});
    EXPECT_TRUE(ui.UndoGroups().empty());
}

TEST_F(ResetTransforms, NoEffectReferenceIsNotAnError) {
    ui.GiveNoEffectReference(true);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), PF_Err_NONE);
    EXPECT_EQ(ui.Events(), Events{"GetNewEffectForEffect -> none"});
}

TEST_F(ResetTransforms, ARefusedSuiteLeavesNothingOpenOrStarted) {
    host.RefuseSuite("AEGP Stream Suite", 9);
    EXPECT_EQ(host.UserChangedParam(PARAM_RESET_TRANSFORMS), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(ui.EffectRefsGiven(), 0);
    EXPECT_TRUE(ui.UndoGroups().empty());
    EXPECT_TRUE(host.HeldSuites().empty());
}

TEST_F(ResetTransforms, OtherParametersChangeNothing) {
    for (PF_ParamIndex index : {PARAM_CHANNELS, PARAM_POSITION, PARAM_DEBUG_VIEW}) {
        EXPECT_EQ(host.UserChangedParam(index), PF_Err_NONE) << index;
    }
    EXPECT_TRUE(ui.Events().empty());
}

// ---- links ----------------------------------------------------------------------------

std::vector<std::string> g_opened;
int g_openResult = 0;

int RecordingOpener(const char* address) {
    g_opened.emplace_back(address);
    return g_openResult;
}

TEST_F(LinkButtons, EachButtonOpensItsAddressAndAlwaysSucceeds) {
    ReplaceLinkOpenerForTesting(&RecordingOpener);
    for (int result : {0, 1, -5}) {
        g_opened.clear();
        g_openResult = result;
        EXPECT_EQ(host.UserChangedParam(PARAM_PRODUCT_PAGE), PF_Err_NONE);
        EXPECT_EQ(host.UserChangedParam(PARAM_MORE_PLUGINS), PF_Err_NONE);
        EXPECT_EQ(host.UserChangedParam(PARAM_GET_SUPPORT), PF_Err_NONE);
        EXPECT_EQ(g_opened, (std::vector<std::string>{"https://korvana.example/halvane3",
                                                      "https://korvana.example/free-plugins",
                                                      "https://korvana.example/support"}))
            << "opener result " << result;
    }
    // A link touches no parameter stream and no undo history.
    EXPECT_TRUE(ui.Events().empty());
}

// ---- parameter-interface update -----------------------------------------------------------

void SetModes(simhost::Host& host, int samples, int expansion) {
    host.Param(PARAM_SAMPLES).u.pd.value = samples;
    host.Param(PARAM_EXPANSION_MODE).u.pd.value = expansion;
}

TEST_F(UpdateParamsUI, HidesTheDebugGroupButNotItsEnd) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
        for (int index = PARAM_DEBUG_GROUP; index <= PARAM_DEBUG_BOTTOM; ++index) {
            EXPECT_TRUE(ui.Hidden(index)) << index;
        }
    }
    for (const auto& change : ui.HiddenChanges()) {
        EXPECT_NE(change.first, PARAM_DEBUG_GROUP_END);
    }
    EXPECT_FALSE(ui.Hidden(PARAM_DEBUG_GROUP_END));
}

TEST_F(UpdateParamsUI, SampleControlsFollowTheSamplesMode) {
    SetModes(host, SAMPLES_SINGLE, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_TRUE(ui.Hidden(PARAM_SAMPLE_COUNT));
    EXPECT_TRUE(ui.Hidden(PARAM_SAMPLE_MULTIPLIER));

    SetModes(host, SAMPLES_AUTO, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_TRUE(ui.Hidden(PARAM_SAMPLE_COUNT));
    EXPECT_FALSE(ui.Hidden(PARAM_SAMPLE_MULTIPLIER));

    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_FALSE(ui.Hidden(PARAM_SAMPLE_COUNT));
    EXPECT_FALSE(ui.Hidden(PARAM_SAMPLE_MULTIPLIER));

    // The separator position leaves both as they were.
    SetModes(host, SAMPLES_SINGLE, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    const size_t before = ui.HiddenChanges().size();
    SetModes(host, SAMPLES_SEPARATOR, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_TRUE(ui.Hidden(PARAM_SAMPLE_COUNT));
    EXPECT_TRUE(ui.Hidden(PARAM_SAMPLE_MULTIPLIER));
    for (size_t i = before; i < ui.HiddenChanges().size(); ++i) {
        EXPECT_NE(ui.HiddenChanges()[i].first, PARAM_SAMPLE_COUNT);
        EXPECT_NE(ui.HiddenChanges()[i].first, PARAM_SAMPLE_MULTIPLIER);
    }
}

TEST_F(UpdateParamsUI, ExpansionModeShowsTheLimitAndRenamesTheSlider) {
    SetModes(host, SAMPLES_SINGLE, EXPANSION_MANUAL);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_TRUE(ui.Hidden(PARAM_EXPANSION_LIMIT));
    EXPECT_FALSE(ui.Hidden(PARAM_AUX_EXPANSION));
    EXPECT_FALSE(ui.Hidden(PARAM_MIX));

    SetModes(host, SAMPLES_SINGLE, EXPANSION_AUTO);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_FALSE(ui.Hidden(PARAM_EXPANSION_LIMIT));

    const std::vector<simhost::ParamUIUpdate> renames = ui.ParamUIUpdates();
    ASSERT_EQ(renames.size(), 2u);
    EXPECT_EQ(renames[0].index, PARAM_AUX_EXPANSION);
    EXPECT_EQ(renames[0].name, "Expansion");
    EXPECT_EQ(renames[1].name, "Aux Expansion");
    for (const simhost::ParamUIUpdate& r : renames) {
        EXPECT_EQ(r.def.param_type, PF_Param_SLIDER);
        // The registered flags (512) stay, with the collapsed-twirly bit added.
        EXPECT_EQ(r.def.flags,
                  PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN | PF_ParamFlag_COLLAPSE_TWIRLY);
        // The rest of the record is the parameter's own.
        EXPECT_EQ(r.def.u.sd.valid_max, 5000);
        EXPECT_EQ(r.def.uu.id, 27);
    }
    // The parameter array is not written: the name the host registered stays.
    EXPECT_STREQ(host.Param(PARAM_AUX_EXPANSION).name, "Aux Expansion");
}

TEST_F(UpdateParamsUI, CallsComeInTheDocumentedOrder) {
    SetModes(host, SAMPLES_AUTO, EXPANSION_MANUAL);
    ASSERT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    Events expected = {"GetNewEffectForEffect -> effect#1"};
    int stream = 0;
    auto hide = [&](int index, int set) {
        const std::string i = std::to_string(index);
        expected.push_back("GetNewEffectStreamByIndex " + i + " (v7) -> stream#" +
                           std::to_string(++stream));
        expected.push_back("SetDynamicStreamFlag " + i + " flag 2 = " + std::to_string(set));
        expected.push_back("DisposeStream " + i + " (v7)");
    };
    for (int index = 46; index <= 55; ++index)
        hide(index, 1);
    hide(30, 1);
    hide(31, 0);
    hide(45, 0);
    hide(42, 0);
    hide(43, 1);
    expected.push_back("UpdateParamUI 42 \"Expansion\" type 1");
    expected.push_back("DisposeEffect effect#1 (v2)");
    EXPECT_EQ(ui.Events(), expected);
}

TEST_F(UpdateParamsUI, TheFirstFailureStopsVisibilityButNotTheRenameOrDisposal) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_MANUAL);
    host.FailCall("AEGP Dynamic Stream Suite 2.AEGP_SetDynamicStreamFlag", 3, kHostError);
    EXPECT_EQ(host.UpdateParamsUI(), kHostError);
    // Two debug controls were hidden, the third failed and ended the changes;
    // its stream was still disposed.
    EXPECT_EQ(ui.HiddenChanges().size(), 2u);
    EXPECT_EQ(ui.StreamsGiven(), 3);
    EXPECT_FALSE(ui.Hidden(PARAM_EXPANSION_LIMIT));
    ASSERT_EQ(ui.ParamUIUpdates().size(), 1u);
    EXPECT_EQ(ui.ParamUIUpdates()[0].name, "Expansion");
    EXPECT_EQ(ui.Events().back(), "DisposeEffect effect#1 (v2)");
}

TEST_F(UpdateParamsUI, ARefusedEffectReferenceStillRenames) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    host.FailCall("AEGP PF Interface Suite 1.AEGP_GetNewEffectForEffect", 1, kHostError);
    EXPECT_EQ(host.UpdateParamsUI(), kHostError);
    EXPECT_EQ(ui.Events(), (Events{"GetNewEffectForEffect -> error 4660",
                                   "UpdateParamUI 42 \"Aux Expansion\" type 1"}));
}

TEST_F(UpdateParamsUI, WithoutAnEffectReferenceOnlyTheRenameHappens) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_MANUAL);
    ui.GiveNoEffectReference(true);
    EXPECT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_EQ(ui.Events(),
              (Events{"GetNewEffectForEffect -> none", "UpdateParamUI 42 \"Expansion\" type 1"}));
}

TEST_F(UpdateParamsUI, ARefusedSuiteLeavesNothingOpen) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    host.RefuseSuite("PF Param Utils Suite", 3);
    EXPECT_EQ(host.UpdateParamsUI(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(ui.EffectRefsGiven(), 0);
    EXPECT_TRUE(ui.HiddenChanges().empty());
    EXPECT_TRUE(host.HeldSuites().empty());
}

TEST_F(UpdateParamsUI, AFailedRenameIsNotTheResult) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    host.FailCall("PF Param Utils Suite 3.PF_UpdateParamUI", 1, kHostError);
    EXPECT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    EXPECT_EQ(ui.OpenEffectRefs(), 0);
}

TEST_F(UpdateParamsUI, AFailedDisposalIsTheResultWhenAllElseWorked) {
    SetModes(host, SAMPLES_FIXED, EXPANSION_AUTO);
    host.FailCall("AEGP Effect Suite 2.AEGP_DisposeEffect", 1, kHostError);
    EXPECT_EQ(host.UpdateParamsUI(), kHostError);
    EXPECT_EQ(ui.TakeOpenReferences(), 1);  // the host refused to take it back
    EXPECT_EQ(ui.HiddenChanges().size(), 15u);
}

}  // namespace
