// Suite access: acquire once, release once in the fixed order, and what each
// of the three ways does when the host refuses or hands out nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "host/SuiteHandler.h"
#include "tests/host/FakeHost.h"

namespace {

using Calls = std::vector<FakeHost::SuiteCall>;

FakeHost::SuiteCall Acq(const char* name, int32 version) {
    return {true, name, version};
}
FakeHost::SuiteCall Rel(const char* name, int32 version) {
    return {false, name, version};
}

PF_Err CaughtCode(const std::function<void()>& body) {
    try {
        body();
    } catch (const PF_Err err) {
        return err;
    }
    return PF_Err_NONE;
}

TEST(SuiteHandler, UnusedHandlerTouchesNoSuite) {
    FakeHost host;
    { AEGP_SuiteHandler suites(&host.basic); }
    EXPECT_TRUE(host.suite_calls.empty());
}

TEST(SuiteHandler, SecondRequestReusesTheSuite) {
    FakeHost host;
    {
        AEGP_SuiteHandler suites(&host.basic);
        PF_HandleSuite1* const first = suites.HandleSuite1();
        EXPECT_EQ(suites.HandleSuite1(), first);
        EXPECT_EQ(static_cast<const void*>(first), host.TableFor("PF Handle Suite", 2));
        EXPECT_EQ(host.Acquires(), Calls{Acq("PF Handle Suite", 2)});
        EXPECT_TRUE(host.Releases().empty());
    }
    EXPECT_EQ(host.Releases(), Calls{Rel("PF Handle Suite", 2)});
}

TEST(SuiteHandler, TwoVersionsOfOneSuiteAreTwoSlots) {
    FakeHost host;
    {
        AEGP_SuiteHandler suites(&host.basic);
        EXPECT_NE(static_cast<const void*>(suites.EffectSuite3()),
                  static_cast<const void*>(suites.EffectSuite2()));
    }
    EXPECT_EQ(host.Releases(), (Calls{Rel("AEGP Effect Suite", 2), Rel("AEGP Effect Suite", 3)}));
}

TEST(SuiteHandler, EverySuiteUnderItsRegistryNameReleasedInTheFixedOrder) {
    FakeHost host;
    {
        AEGP_SuiteHandler suites(&host.basic);
        // Asked for in an order unrelated to the release order.
        EXPECT_EQ(static_cast<const void*>(suites.EffectCustomUISuite1()),
                  host.TableFor("PF Effect Custom UI Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.HandleSuite1()),
                  host.TableFor("PF Handle Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.StreamSuite2()),
                  host.TableFor("AEGP Stream Suite", 7));
        EXPECT_EQ(static_cast<const void*>(suites.IterateFloatSuite1()),
                  host.TableFor("PF iterateFloat Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.ANSICallbacksSuite1()),
                  host.TableFor("PF ANSI Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.LayerSuite7()),
                  host.TableFor("AEGP Layer Suite", 13));
        EXPECT_EQ(static_cast<const void*>(suites.UtilitySuite3()),
                  host.TableFor("AEGP Utility Suite", 7));
        EXPECT_EQ(static_cast<const void*>(suites.EffectSuite3()),
                  host.TableFor("AEGP Effect Suite", 3));
        EXPECT_EQ(static_cast<const void*>(suites.Iterate8Suite1()),
                  host.TableFor("PF Iterate8 Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.StreamSuite4()),
                  host.TableFor("AEGP Stream Suite", 9));
        EXPECT_EQ(static_cast<const void*>(suites.ParamUtilsSuite3()),
                  host.TableFor("PF Param Utils Suite", 3));
        EXPECT_EQ(static_cast<const void*>(suites.EffectSuite2()),
                  host.TableFor("AEGP Effect Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.DynamicStreamSuite2()),
                  host.TableFor("AEGP Dynamic Stream Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.PFInterfaceSuite1()),
                  host.TableFor("AEGP PF Interface Suite", 1));
        EXPECT_EQ(host.Acquires().size(), 14u);
    }
    const Calls expected = {
        Rel("AEGP Stream Suite", 9),
        Rel("AEGP Stream Suite", 7),
        Rel("AEGP Dynamic Stream Suite", 2),
        Rel("AEGP PF Interface Suite", 1),
        Rel("PF Param Utils Suite", 3),
        Rel("AEGP Effect Suite", 2),
        Rel("AEGP Effect Suite", 3),
        Rel("AEGP Utility Suite", 7),
        Rel("PF ANSI Suite", 1),
        Rel("PF Handle Suite", 2),
        Rel("PF Iterate8 Suite", 1),
        Rel("PF iterateFloat Suite", 1),
        Rel("AEGP Layer Suite", 13),
        Rel("PF Effect Custom UI Suite", 1),
    };
    EXPECT_EQ(host.Releases(), expected);
}

TEST(SuiteHandler, ExplicitReleaseAllThenDestructionReleasesOnce) {
    FakeHost host;
    {
        AEGP_SuiteHandler suites(&host.basic);
        suites.ANSICallbacksSuite1();
        suites.ReleaseAllSuites();
        EXPECT_EQ(host.Releases(), Calls{Rel("PF ANSI Suite", 1)});
        // Asked again after the release: a fresh acquisition, released at the end.
        suites.ANSICallbacksSuite1();
    }
    EXPECT_EQ(host.Acquires(), (Calls{Acq("PF ANSI Suite", 1), Acq("PF ANSI Suite", 1)}));
    EXPECT_EQ(host.Releases(), (Calls{Rel("PF ANSI Suite", 1), Rel("PF ANSI Suite", 1)}));
}

TEST(SuiteHandler, RefusalThrows516AndKeepsEarlierSuitesForRelease) {
    FakeHost host;
    host.refused.insert({"AEGP Stream Suite", 9});
    PF_Err err = CaughtCode([&] {
        AEGP_SuiteHandler suites(&host.basic);
        suites.HandleSuite1();
        suites.StreamSuite4();
        ADD_FAILURE() << "no throw";
    });
    EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.Releases(), Calls{Rel("PF Handle Suite", 2)});
}

TEST(SuiteHandler, SuccessWithoutATableIsARefusal) {
    FakeHost host;
    host.null_success.insert({"PF Handle Suite", 2});
    EXPECT_EQ(CaughtCode([&] {
                  AEGP_SuiteHandler suites(&host.basic);
                  suites.HandleSuite1();
              }),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(host.Releases().empty());
}

TEST(SuiteHandler, NoBasicSuiteThrows516) {
    EXPECT_EQ(CaughtCode([] { AEGP_SuiteHandler suites(nullptr); }), PF_Err_BAD_CALLBACK_PARAM);
    FakeHost host;
    AEGP_SuiteHandler suites(&host.basic);
    EXPECT_EQ(CaughtCode([&] { suites.MissingSuiteError(); }), PF_Err_BAD_CALLBACK_PARAM);
}

// --- ScopedSuite ------------------------------------------------------------------

TEST(ScopedSuite, TypedAccessAndReleaseInReverseOrderBeforeTheHandler) {
    FakeHost host;
    {
        AEGP_SuiteHandler suites(&host.basic);
        suites.HandleSuite1();
        ScopedSuite<PF_WorldSuite2> world(&host.in_data, "PF World Suite", 2);
        ScopedSuite<DRAWBOT_SupplierSuite1> supplier(&host.in_data, "DRAWBOT Supplier Suite", 1,
                                                     &host.out_data);
        EXPECT_EQ(static_cast<const void*>(world.get()), host.TableFor("PF World Suite", 2));
        EXPECT_EQ(static_cast<const void*>(supplier.get()),
                  host.TableFor("DRAWBOT Supplier Suite", 1));
        EXPECT_TRUE(host.Releases().empty());
    }
    EXPECT_EQ(host.Releases(), (Calls{Rel("DRAWBOT Supplier Suite", 1), Rel("PF World Suite", 2),
                                      Rel("PF Handle Suite", 2)}));
    EXPECT_EQ(host.out_data.out_flags, 0);
}

TEST(ScopedSuite, RefusalShowsTheMessageAndThrows13) {
    FakeHost host;
    host.refused.insert({"PF World Suite", 2});
    EXPECT_EQ(CaughtCode([&] {
                  ScopedSuite<PF_WorldSuite2> world(&host.in_data, "PF World Suite", 2,
                                                    &host.out_data);
              }),
              A_Err_MISSING_SUITE);
    EXPECT_EQ(host.out_data.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    EXPECT_STREQ(host.out_data.return_msg, "Not able to acquire AEFX Suite.");
    EXPECT_EQ(host.sprintf_calls, 1);
    EXPECT_TRUE(host.Releases().empty());
}

TEST(ScopedSuite, CallerMessageIsShownVerbatimAndBounded) {
    FakeHost host;
    host.refused.insert({"DRAWBOT Draw Suite", 1});
    EXPECT_EQ(CaughtCode([&] {
                  ScopedSuite<DRAWBOT_DrawbotSuite1> draw(&host.in_data, "DRAWBOT Draw Suite", 1,
                                                          &host.out_data, "100% %s %n gone");
              }),
              A_Err_MISSING_SUITE);
    EXPECT_STREQ(host.out_data.return_msg, "100% %s %n gone");

    FakeHost long_host;
    long_host.refused.insert({"DRAWBOT Draw Suite", 1});
    const std::string long_message(400, 'x');
    std::memset(long_host.out_data.return_msg, 0, sizeof long_host.out_data.return_msg);
    EXPECT_EQ(CaughtCode([&] {
                  ScopedSuite<DRAWBOT_DrawbotSuite1> draw(&long_host.in_data, "DRAWBOT Draw Suite",
                                                          1, &long_host.out_data,
                                                          long_message.c_str());
              }),
              A_Err_MISSING_SUITE);
    EXPECT_EQ(std::string(long_host.out_data.return_msg), std::string(255, 'x'));
}

TEST(ScopedSuite, RefusalWithoutOutputRecordLeavesFlagsAlone) {
    FakeHost host;
    host.refused.insert({"PF World Suite", 2});
    host.out_data.out_flags = 0x40;
    EXPECT_EQ(
        CaughtCode([&] { ScopedSuite<PF_WorldSuite2> world(&host.in_data, "PF World Suite", 2); }),
        A_Err_MISSING_SUITE);
    EXPECT_EQ(host.out_data.out_flags, 0x40);
    EXPECT_EQ(host.out_data.return_msg[0], '\0');
    EXPECT_EQ(host.sprintf_calls, 0);
}

TEST(ScopedSuite, SuccessWithoutATableHoldsNothingAndReleasesNothing) {
    FakeHost host;
    host.null_success.insert({"PF World Suite", 2});
    {
        ScopedSuite<PF_WorldSuite2> world(&host.in_data, "PF World Suite", 2, &host.out_data);
        EXPECT_EQ(world.get(), nullptr);
    }
    EXPECT_TRUE(host.Releases().empty());
    EXPECT_EQ(host.out_data.out_flags, 0);
}

TEST(ScopedSuite, NoBasicSuiteIsARefusal) {
    FakeHost host;
    host.in_data.pica_basicP = nullptr;
    EXPECT_EQ(CaughtCode([&] {
                  ScopedSuite<PF_WorldSuite2> world(&host.in_data, "PF World Suite", 2,
                                                    &host.out_data);
              }),
              A_Err_MISSING_SUITE);
    EXPECT_STREQ(host.out_data.return_msg, "Not able to acquire AEFX Suite.");
}

// --- AEFX_* -----------------------------------------------------------------------

TEST(AEFXFunctions, AcquireAndRelease) {
    FakeHost host;
    void* suite = nullptr;
    EXPECT_EQ(
        AEFX_AcquireSuite(&host.in_data, &host.out_data, "PF World Suite", 2, nullptr, &suite),
        PF_Err_NONE);
    EXPECT_EQ(suite, host.TableFor("PF World Suite", 2));
    EXPECT_EQ(AEFX_ReleaseSuite(&host.in_data, &host.out_data, "PF World Suite", 2, nullptr),
              PF_Err_NONE);
    EXPECT_EQ(host.suite_calls, (Calls{Acq("PF World Suite", 2), Rel("PF World Suite", 2)}));
    EXPECT_EQ(host.out_data.out_flags, 0);
}

TEST(AEFXFunctions, AcquireFailuresReport516WithTheMessage) {
    for (const bool refuse : {true, false}) {
        FakeHost host;
        (refuse ? host.refused : host.null_success).insert({"PF World Suite", 2});
        void* suite = &host;
        EXPECT_EQ(
            AEFX_AcquireSuite(&host.in_data, &host.out_data, "PF World Suite", 2, nullptr, &suite),
            PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(suite, nullptr);
        EXPECT_EQ(host.out_data.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
        EXPECT_STREQ(host.out_data.return_msg, "Not able to acquire AEFX Suite.");
    }
    FakeHost host;
    host.in_data.pica_basicP = nullptr;
    void* suite = nullptr;
    EXPECT_EQ(
        AEFX_AcquireSuite(&host.in_data, &host.out_data, "PF World Suite", 2, "custom", &suite),
        PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_STREQ(host.out_data.return_msg, "custom");
    EXPECT_TRUE(host.suite_calls.empty());
}

TEST(AEFXFunctions, ReleaseWithoutBasicSuiteReports516) {
    FakeHost host;
    host.in_data.pica_basicP = nullptr;
    EXPECT_EQ(AEFX_ReleaseSuite(&host.in_data, &host.out_data, "PF World Suite", 2, nullptr),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.out_data.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    EXPECT_STREQ(host.out_data.return_msg, "Not able to release AEFX Suite.");
}

TEST(AEFXFunctions, DrawbotSuitesInOrder) {
    FakeHost host;
    DrawbotSuites suites{};
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&host.in_data, &host.out_data, &suites), PF_Err_NONE);
    EXPECT_EQ(host.Acquires(),
              (Calls{Acq("DRAWBOT Draw Suite", 1), Acq("DRAWBOT Supplier Suite", 1),
                     Acq("DRAWBOT Surface Suite", 2), Acq("DRAWBOT Path Suite", 1)}));
    EXPECT_EQ(static_cast<const void*>(suites.drawbot_suiteP),
              host.TableFor("DRAWBOT Draw Suite", 1));
    EXPECT_EQ(static_cast<const void*>(suites.supplier_suiteP),
              host.TableFor("DRAWBOT Supplier Suite", 1));
    EXPECT_EQ(static_cast<const void*>(suites.surface_suiteP),
              host.TableFor("DRAWBOT Surface Suite", 2));
    EXPECT_EQ(static_cast<const void*>(suites.path_suiteP), host.TableFor("DRAWBOT Path Suite", 1));

    EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&host.in_data, &host.out_data), PF_Err_NONE);
    EXPECT_EQ(host.Releases(),
              (Calls{Rel("DRAWBOT Draw Suite", 1), Rel("DRAWBOT Supplier Suite", 1),
                     Rel("DRAWBOT Surface Suite", 2), Rel("DRAWBOT Path Suite", 1)}));
}

TEST(AEFXFunctions, DrawbotStopsAtTheFirstRefusal) {
    FakeHost host;
    host.refused.insert({"DRAWBOT Surface Suite", 2});
    DrawbotSuites suites{};
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&host.in_data, &host.out_data, &suites),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.Acquires().size(), 3u);
    EXPECT_NE(suites.drawbot_suiteP, nullptr);
    EXPECT_NE(suites.supplier_suiteP, nullptr);
    EXPECT_EQ(suites.surface_suiteP, nullptr);
    EXPECT_EQ(suites.path_suiteP, nullptr);
    EXPECT_STREQ(host.out_data.return_msg, "Not able to acquire AEFX Suite.");
}

TEST(AEFXFunctions, DrawbotNullRecord) {
    FakeHost host;
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&host.in_data, &host.out_data, nullptr),
              PF_Err_UNRECOGNIZED_PARAM_TYPE);
    EXPECT_TRUE(host.suite_calls.empty());
    EXPECT_EQ(host.out_data.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    EXPECT_STREQ(host.out_data.return_msg,
                 "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
}

TEST(AEFXFunctions, DrawbotReleaseWithoutBasicSuiteGoesOnAndReturnsZero) {
    FakeHost host;
    host.in_data.pica_basicP = nullptr;
    EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&host.in_data, &host.out_data), PF_Err_NONE);
    EXPECT_EQ(host.sprintf_calls, 4);
    EXPECT_STREQ(host.out_data.return_msg, "Not able to release AEFX Suite.");
    EXPECT_EQ(host.out_data.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
}

}  // namespace
