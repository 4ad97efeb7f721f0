// Suite access: acquire once, release once in the fixed order, and what each
// of the three ways does when the host refuses or hands out nothing.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "host/SuiteHandler.h"
#include "tests/simhost/FakeEffect.h"

namespace {

using Calls = std::vector<simhost::SuiteCall>;

simhost::SuiteCall Acq(const char* name, A_long version) {
    return {true, name, version};
}
simhost::SuiteCall Rel(const char* name, A_long version) {
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

// The suites asked for here that the simulated host does not provide by
// itself, each given a zeroed table of its own: these tests look only at
// which table comes back and at the order of the calls.
constexpr std::pair<const char*, A_long> kStandIns[] = {
    {"AEGP Stream Suite", 7},         {"AEGP Stream Suite", 9},
    {"AEGP Dynamic Stream Suite", 2}, {"PF Param Utils Suite", 3},
    {"AEGP Effect Suite", 2},         {"AEGP Effect Suite", 3},
    {"AEGP Utility Suite", 7},        {"PF Effect Custom UI Suite", 1},
    {"DRAWBOT Draw Suite", 1},        {"DRAWBOT Supplier Suite", 1},
    {"DRAWBOT Surface Suite", 2},     {"DRAWBOT Path Suite", 1}};

// The host's view of every case: its suite calls, and at the end nothing
// held and no other fault.
class SuiteAccess : public fake::Fixture {
  protected:
    void SetUp() override {
        for (size_t i = 0; i < std::size(kStandIns); ++i)
            host.RegisterSuite(kStandIns[i].first, kStandIns[i].second, tables_[i].data());
        SetUpEffect();
    }
    void TearDown() override { EXPECT_HOST_FINISHES_CLEAN(host); }

    const void* Table(const char* name, A_long version) const {
        return host.SuiteTable(name, version);
    }
    Calls Acquires() const { return Only(true); }
    Calls Releases() const { return Only(false); }
    int Sprintfs() const { return host.CallCount("utils.ansi.sprintf"); }
    // Runs `body` inside a command, with that command's records.
    void Run(const std::function<void(PF_InData*, PF_OutData*)>& body) {
        EXPECT_EQ(InCommand([&](PF_InData* in, PF_OutData* out) {
                      body(in, out);
                      return PF_Err_NONE;
                  }),
                  PF_Err_NONE);
    }
    // A grant without a table is no suite to the effect, which gives nothing
    // back; the host counts it as held, so the test gives it back itself.
    static void ReturnNullGrant(PF_InData* in, const char* name, A_long version) {
        in->pica_basicP->ReleaseSuite(name, version);
    }

  private:
    Calls Only(bool acquire) const {
        Calls out;
        for (const simhost::SuiteCall& c : host.SuiteCalls()) {
            if (c.acquire == acquire)
                out.push_back(c);
        }
        return out;
    }
    std::array<std::array<void*, 64>, std::size(kStandIns)> tables_{};
};

using SuiteHandler = SuiteAccess;
using ScopedSuites = SuiteAccess;
using AEFXFunctions = SuiteAccess;

TEST_F(SuiteHandler, UnusedHandlerTouchesNoSuite) {
    { AEGP_SuiteHandler suites(host.BasicSuite()); }
    EXPECT_TRUE(host.SuiteCalls().empty());
}

TEST_F(SuiteHandler, SecondRequestReusesTheSuite) {
    {
        AEGP_SuiteHandler suites(host.BasicSuite());
        PF_HandleSuite1* const first = suites.HandleSuite1();
        EXPECT_EQ(suites.HandleSuite1(), first);
        EXPECT_EQ(static_cast<const void*>(first), Table("PF Handle Suite", 2));
        EXPECT_EQ(Acquires(), Calls{Acq("PF Handle Suite", 2)});
        EXPECT_TRUE(Releases().empty());
    }
    EXPECT_EQ(Releases(), Calls{Rel("PF Handle Suite", 2)});
}

TEST_F(SuiteHandler, TwoVersionsOfOneSuiteAreTwoSlots) {
    {
        AEGP_SuiteHandler suites(host.BasicSuite());
        EXPECT_NE(static_cast<const void*>(suites.EffectSuite3()),
                  static_cast<const void*>(suites.EffectSuite2()));
    }
    EXPECT_EQ(Releases(), (Calls{Rel("AEGP Effect Suite", 2), Rel("AEGP Effect Suite", 3)}));
}

TEST_F(SuiteHandler, EverySuiteUnderItsRegistryNameReleasedInTheFixedOrder) {
    {
        AEGP_SuiteHandler suites(host.BasicSuite());
        // Asked for in an order unrelated to the release order.
        EXPECT_EQ(static_cast<const void*>(suites.EffectCustomUISuite1()),
                  Table("PF Effect Custom UI Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.HandleSuite1()), Table("PF Handle Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.StreamSuite2()), Table("AEGP Stream Suite", 7));
        EXPECT_EQ(static_cast<const void*>(suites.IterateFloatSuite1()),
                  Table("PF iterateFloat Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.ANSICallbacksSuite1()),
                  Table("PF ANSI Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.LayerSuite7()), Table("AEGP Layer Suite", 13));
        EXPECT_EQ(static_cast<const void*>(suites.UtilitySuite3()), Table("AEGP Utility Suite", 7));
        EXPECT_EQ(static_cast<const void*>(suites.EffectSuite3()), Table("AEGP Effect Suite", 3));
        EXPECT_EQ(static_cast<const void*>(suites.Iterate8Suite1()), Table("PF Iterate8 Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.StreamSuite4()), Table("AEGP Stream Suite", 9));
        EXPECT_EQ(static_cast<const void*>(suites.ParamUtilsSuite3()),
                  Table("PF Param Utils Suite", 3));
        EXPECT_EQ(static_cast<const void*>(suites.EffectSuite2()), Table("AEGP Effect Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.DynamicStreamSuite2()),
                  Table("AEGP Dynamic Stream Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.PFInterfaceSuite1()),
                  Table("AEGP PF Interface Suite", 1));
        EXPECT_EQ(Acquires().size(), 14u);
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
    EXPECT_EQ(Releases(), expected);
}

TEST_F(SuiteHandler, ExplicitReleaseAllThenDestructionReleasesOnce) {
    {
        AEGP_SuiteHandler suites(host.BasicSuite());
        suites.ANSICallbacksSuite1();
        suites.ReleaseAllSuites();
        EXPECT_EQ(Releases(), Calls{Rel("PF ANSI Suite", 1)});
        // Asked again after the release: a fresh acquisition, released at the end.
        suites.ANSICallbacksSuite1();
    }
    EXPECT_EQ(Acquires(), (Calls{Acq("PF ANSI Suite", 1), Acq("PF ANSI Suite", 1)}));
    EXPECT_EQ(Releases(), (Calls{Rel("PF ANSI Suite", 1), Rel("PF ANSI Suite", 1)}));
}

TEST_F(SuiteHandler, RefusalThrows516AndKeepsEarlierSuitesForRelease) {
    host.RefuseSuite("AEGP Stream Suite", 9);
    PF_Err err = CaughtCode([&] {
        AEGP_SuiteHandler suites(host.BasicSuite());
        suites.HandleSuite1();
        suites.StreamSuite4();
        ADD_FAILURE() << "no throw";
    });
    EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(Releases(), Calls{Rel("PF Handle Suite", 2)});
}

TEST_F(SuiteHandler, SuccessWithoutATableIsARefusal) {
    host.HandOutNullSuite("PF Handle Suite", 2);
    Run([&](PF_InData* in, PF_OutData*) {
        EXPECT_EQ(CaughtCode([&] {
                      AEGP_SuiteHandler suites(in->pica_basicP);
                      suites.HandleSuite1();
                  }),
                  PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_TRUE(Releases().empty());
        ReturnNullGrant(in, "PF Handle Suite", 2);
    });
}

TEST_F(SuiteHandler, NoBasicSuiteThrows516) {
    EXPECT_EQ(CaughtCode([] { AEGP_SuiteHandler suites(nullptr); }), PF_Err_BAD_CALLBACK_PARAM);
    AEGP_SuiteHandler suites(host.BasicSuite());
    EXPECT_EQ(CaughtCode([&] { suites.MissingSuiteError(); }), PF_Err_BAD_CALLBACK_PARAM);
}

// --- ScopedSuite ------------------------------------------------------------------

TEST_F(ScopedSuites, TypedAccessAndReleaseInReverseOrderBeforeTheHandler) {
    Run([&](PF_InData* in, PF_OutData* out) {
        {
            AEGP_SuiteHandler suites(in->pica_basicP);
            suites.HandleSuite1();
            ScopedSuite<PF_WorldSuite2> world(in, "PF World Suite", 2);
            ScopedSuite<DRAWBOT_SupplierSuite1> supplier(in, "DRAWBOT Supplier Suite", 1, out);
            EXPECT_EQ(static_cast<const void*>(world.get()), Table("PF World Suite", 2));
            EXPECT_EQ(static_cast<const void*>(supplier.get()), Table("DRAWBOT Supplier Suite", 1));
            EXPECT_TRUE(Releases().empty());
        }
        EXPECT_EQ(Releases(), (Calls{Rel("DRAWBOT Supplier Suite", 1), Rel("PF World Suite", 2),
                                     Rel("PF Handle Suite", 2)}));
        EXPECT_EQ(out->out_flags, 0);
    });
}

TEST_F(ScopedSuites, RefusalShowsTheMessageAndThrows13) {
    host.RefuseSuite("PF World Suite", 2);
    Run([&](PF_InData* in, PF_OutData* out) {
        const int sprintfs = Sprintfs();
        EXPECT_EQ(
            CaughtCode([&] { ScopedSuite<PF_WorldSuite2> world(in, "PF World Suite", 2, out); }),
            A_Err_MISSING_SUITE);
        EXPECT_EQ(out->out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
        EXPECT_STREQ(out->return_msg, "Not able to acquire AEFX Suite.");
        EXPECT_EQ(Sprintfs() - sprintfs, 1);
        EXPECT_TRUE(Releases().empty());
    });
}

TEST_F(ScopedSuites, CallerMessageIsShownVerbatimAndBounded) {
    host.RefuseSuite("DRAWBOT Draw Suite", 1);
    Run([&](PF_InData* in, PF_OutData* out) {
        EXPECT_EQ(CaughtCode([&] {
                      ScopedSuite<DRAWBOT_DrawbotSuite1> draw(in, "DRAWBOT Draw Suite", 1, out,
                                                              "100% %s %n gone");
                  }),
                  A_Err_MISSING_SUITE);
        EXPECT_STREQ(out->return_msg, "100% %s %n gone");

        const std::string long_message(400, 'x');
        std::memset(out->return_msg, 0, sizeof out->return_msg);
        EXPECT_EQ(CaughtCode([&] {
                      ScopedSuite<DRAWBOT_DrawbotSuite1> draw(in, "DRAWBOT Draw Suite", 1, out,
                                                              long_message.c_str());
                  }),
                  A_Err_MISSING_SUITE);
        EXPECT_EQ(std::string(out->return_msg), std::string(255, 'x'));
    });
}

TEST_F(ScopedSuites, RefusalWithoutOutputRecordLeavesFlagsAlone) {
    host.RefuseSuite("PF World Suite", 2);
    Run([&](PF_InData* in, PF_OutData* out) {
        const int sprintfs = Sprintfs();
        out->out_flags = 0x40;
        EXPECT_EQ(CaughtCode([&] { ScopedSuite<PF_WorldSuite2> world(in, "PF World Suite", 2); }),
                  A_Err_MISSING_SUITE);
        EXPECT_EQ(out->out_flags, 0x40);
        EXPECT_EQ(out->return_msg[0], '\0');
        EXPECT_EQ(Sprintfs(), sprintfs);
    });
}

TEST_F(ScopedSuites, SuccessWithoutATableHoldsNothingAndReleasesNothing) {
    host.HandOutNullSuite("PF World Suite", 2);
    Run([&](PF_InData* in, PF_OutData* out) {
        {
            ScopedSuite<PF_WorldSuite2> world(in, "PF World Suite", 2, out);
            EXPECT_EQ(world.get(), nullptr);
        }
        EXPECT_TRUE(Releases().empty());
        EXPECT_EQ(out->out_flags, 0);
        ReturnNullGrant(in, "PF World Suite", 2);
    });
}

TEST_F(ScopedSuites, NoBasicSuiteIsARefusal) {
    Run([&](PF_InData* in, PF_OutData* out) {
        PF_InData without = *in;
        without.pica_basicP = nullptr;
        EXPECT_EQ(CaughtCode([&] {
                      ScopedSuite<PF_WorldSuite2> world(&without, "PF World Suite", 2, out);
                  }),
                  A_Err_MISSING_SUITE);
        EXPECT_STREQ(out->return_msg, "Not able to acquire AEFX Suite.");
    });
}

// --- AEFX_* -----------------------------------------------------------------------

TEST_F(AEFXFunctions, AcquireAndRelease) {
    Run([&](PF_InData* in, PF_OutData* out) {
        void* suite = nullptr;
        EXPECT_EQ(AEFX_AcquireSuite(in, out, "PF World Suite", 2, nullptr, &suite), PF_Err_NONE);
        EXPECT_EQ(suite, Table("PF World Suite", 2));
        EXPECT_EQ(AEFX_ReleaseSuite(in, out, "PF World Suite", 2, nullptr), PF_Err_NONE);
        EXPECT_EQ(host.SuiteCalls(), (Calls{Acq("PF World Suite", 2), Rel("PF World Suite", 2)}));
        EXPECT_EQ(out->out_flags, 0);
    });
}

TEST_F(AEFXFunctions, AcquireFailuresReport516WithTheMessage) {
    for (const bool refuse : {true, false}) {
        SCOPED_TRACE(refuse ? "refused" : "no table");
        if (refuse) {
            host.RefuseSuite("PF World Suite", 2);
        } else {
            host.HandOutNullSuite("PF World Suite", 2);
        }
        Run([&](PF_InData* in, PF_OutData* out) {
            void* suite = &suite;
            EXPECT_EQ(AEFX_AcquireSuite(in, out, "PF World Suite", 2, nullptr, &suite),
                      PF_Err_BAD_CALLBACK_PARAM);
            EXPECT_EQ(suite, nullptr);
            EXPECT_EQ(out->out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
            EXPECT_STREQ(out->return_msg, "Not able to acquire AEFX Suite.");
            if (!refuse)
                ReturnNullGrant(in, "PF World Suite", 2);
        });
    }
    const size_t calls = host.SuiteCalls().size();
    Run([&](PF_InData* in, PF_OutData* out) {
        PF_InData without = *in;
        without.pica_basicP = nullptr;
        void* suite = nullptr;
        EXPECT_EQ(AEFX_AcquireSuite(&without, out, "PF World Suite", 2, "custom", &suite),
                  PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_STREQ(out->return_msg, "custom");
    });
    EXPECT_EQ(host.SuiteCalls().size(), calls);
}

TEST_F(AEFXFunctions, ReleaseWithoutBasicSuiteReports516) {
    Run([&](PF_InData* in, PF_OutData* out) {
        PF_InData without = *in;
        without.pica_basicP = nullptr;
        EXPECT_EQ(AEFX_ReleaseSuite(&without, out, "PF World Suite", 2, nullptr),
                  PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(out->out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
        EXPECT_STREQ(out->return_msg, "Not able to release AEFX Suite.");
    });
}

TEST_F(AEFXFunctions, DrawbotSuitesInOrder) {
    Run([&](PF_InData* in, PF_OutData* out) {
        DrawbotSuites suites{};
        EXPECT_EQ(AEFX_AcquireDrawbotSuites(in, out, &suites), PF_Err_NONE);
        EXPECT_EQ(Acquires(),
                  (Calls{Acq("DRAWBOT Draw Suite", 1), Acq("DRAWBOT Supplier Suite", 1),
                         Acq("DRAWBOT Surface Suite", 2), Acq("DRAWBOT Path Suite", 1)}));
        EXPECT_EQ(static_cast<const void*>(suites.drawbot_suiteP), Table("DRAWBOT Draw Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.supplier_suiteP),
                  Table("DRAWBOT Supplier Suite", 1));
        EXPECT_EQ(static_cast<const void*>(suites.surface_suiteP),
                  Table("DRAWBOT Surface Suite", 2));
        EXPECT_EQ(static_cast<const void*>(suites.path_suiteP), Table("DRAWBOT Path Suite", 1));

        EXPECT_EQ(AEFX_ReleaseDrawbotSuites(in, out), PF_Err_NONE);
        EXPECT_EQ(Releases(),
                  (Calls{Rel("DRAWBOT Draw Suite", 1), Rel("DRAWBOT Supplier Suite", 1),
                         Rel("DRAWBOT Surface Suite", 2), Rel("DRAWBOT Path Suite", 1)}));
    });
}

TEST_F(AEFXFunctions, DrawbotStopsAtTheFirstRefusal) {
    host.RefuseSuite("DRAWBOT Surface Suite", 2);
    Run([&](PF_InData* in, PF_OutData* out) {
        DrawbotSuites suites{};
        EXPECT_EQ(AEFX_AcquireDrawbotSuites(in, out, &suites), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(Acquires().size(), 3u);
        EXPECT_NE(suites.drawbot_suiteP, nullptr);
        EXPECT_NE(suites.supplier_suiteP, nullptr);
        EXPECT_EQ(suites.surface_suiteP, nullptr);
        EXPECT_EQ(suites.path_suiteP, nullptr);
        EXPECT_STREQ(out->return_msg, "Not able to acquire AEFX Suite.");
        // What was obtained is the caller's to give back.
        in->pica_basicP->ReleaseSuite("DRAWBOT Draw Suite", 1);
        in->pica_basicP->ReleaseSuite("DRAWBOT Supplier Suite", 1);
    });
}

TEST_F(AEFXFunctions, DrawbotNullRecord) {
    Run([&](PF_InData* in, PF_OutData* out) {
        EXPECT_EQ(AEFX_AcquireDrawbotSuites(in, out, nullptr), PF_Err_UNRECOGNIZED_PARAM_TYPE);
        EXPECT_EQ(out->out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
        EXPECT_STREQ(out->return_msg, "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
    });
    EXPECT_TRUE(host.SuiteCalls().empty());
}

TEST_F(AEFXFunctions, DrawbotReleaseWithoutBasicSuiteGoesOnAndReturnsZero) {
    Run([&](PF_InData* in, PF_OutData* out) {
        const int sprintfs = Sprintfs();
        PF_InData without = *in;
        without.pica_basicP = nullptr;
        EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&without, out), PF_Err_NONE);
        EXPECT_EQ(Sprintfs() - sprintfs, 4);
        EXPECT_STREQ(out->return_msg, "Not able to release AEFX Suite.");
        EXPECT_EQ(out->out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    });
}

}  // namespace
