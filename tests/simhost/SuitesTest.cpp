// The basic suite: exact (name, version) lookup, refusals, counting, leaks.

#include "FakeEffect.h"

#include <gtest/gtest-spi.h>

namespace {

using fake::Fixture;
using SuitesTest = Fixture;

TEST_F(SuitesTest, HandsOutTheRegisteredTableForTheExactPairOnly) {
    SetUpEffect();
    const void* handle2 = nullptr;
    const void* handle1 = reinterpret_cast<const void*>(1);
    const void* lower = reinterpret_cast<const void*>(1);
    PF_Err e2 = -1, e1 = -1, eLower = -1;
    InCommand([&](PF_InData* in, PF_OutData*) {
        e2 = in->pica_basicP->AcquireSuite("PF Handle Suite", 2, &handle2);
        e1 = in->pica_basicP->AcquireSuite("PF Handle Suite", 1, &handle1);
        eLower = in->pica_basicP->AcquireSuite("PF iterate8 Suite", 1, &lower);
        in->pica_basicP->ReleaseSuite("PF Handle Suite", 2);
        return PF_Err_NONE;
    });
    EXPECT_EQ(e2, 0);
    EXPECT_EQ(handle2, host.SuiteTable("PF Handle Suite", 2));
    EXPECT_NE(handle2, nullptr);
    EXPECT_EQ(e1, kSPSuiteNotFoundError);
    EXPECT_EQ(handle1, nullptr);
    EXPECT_EQ(eLower, kSPSuiteNotFoundError);  // names are case-sensitive
    EXPECT_EQ(lower, nullptr);
    EXPECT_EQ(host.SuiteAcquireCount("PF Handle Suite", 2), 1);
    EXPECT_EQ(host.SuiteReleaseCount("PF Handle Suite", 2), 1);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SuitesTest, RefusedAndNullSuites) {
    SetUpEffect();
    host.RefuseSuite("PF ANSI Suite", 1, 1234);
    host.HandOutNullSuite("PF World Suite", 2);
    const void* ansi = reinterpret_cast<const void*>(1);
    const void* world = reinterpret_cast<const void*>(1);
    PF_Err eAnsi = -1, eWorld = -1;
    InCommand([&](PF_InData* in, PF_OutData*) {
        eAnsi = in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &ansi);
        eWorld = in->pica_basicP->AcquireSuite("PF World Suite", 2, &world);
        in->pica_basicP->ReleaseSuite("PF World Suite",
                                      2);  // a null suite was still a successful acquire
        return PF_Err_NONE;
    });
    EXPECT_EQ(eAnsi, 1234);
    EXPECT_EQ(ansi, nullptr);
    EXPECT_EQ(eWorld, 0);
    EXPECT_EQ(world, nullptr);
    EXPECT_EQ(host.SuiteAcquireCount("PF ANSI Suite", 1), 0);
    host.RestoreSuite("PF ANSI Suite", 1);
    InCommand([&](PF_InData* in, PF_OutData*) {
        eAnsi = in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &ansi);
        in->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);
        return PF_Err_NONE;
    });
    EXPECT_EQ(eAnsi, 0);
    EXPECT_EQ(ansi, host.SuiteTable("PF ANSI Suite", 1));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SuitesTest, ReleasingMoreThanAcquiredIsAViolation) {
    SetUpEffect();
    InCommand([&](PF_InData* in, PF_OutData*) {
        in->pica_basicP->ReleaseSuite("PF Handle Suite", 2);  // never acquired
        const void* s = nullptr;
        in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &s);
        in->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);
        in->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);  // once too often
        return PF_Err_NONE;
    });
    const auto v = host.TakeViolations();
    ASSERT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(
        simhost::Mentions(v, "\"PF Handle Suite\" 2 released without having been acquired"));
    EXPECT_TRUE(simhost::Mentions(v, "\"PF ANSI Suite\" 1 released more often than acquired"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SuitesTest, SuiteStillHeldWhenACommandReturnsIsALeak) {
    SetUpEffect();
    InCommand([&](PF_InData* in, PF_OutData*) {
        const void* s = nullptr;
        in->pica_basicP->AcquireSuite("PF World Suite", 2, &s);
        return PF_Err_NONE;
    });
    ASSERT_EQ(host.HeldSuites().size(), 1u);
    EXPECT_EQ(host.HeldSuites()[0].name, "PF World Suite");
    const auto v = host.TakeViolations();
    ASSERT_EQ(v.size(), 1u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "\"PF World Suite\" 2 still held when command 14 returned"));
    // Still held at the end of the host's life, too.
    EXPECT_TRUE(simhost::Mentions(host.Finish(), "\"PF World Suite\" 2 still held at the end"));
}

TEST_F(SuitesTest, InjectedFaultsFailOrThrowTheChosenCall) {
    SetUpEffect();
    host.FailCall("SPBasic.AcquireSuite", 2, 77);
    host.ThrowOnCall("SPBasic.AcquireSuite", 3, simhost::Host::ThrowKind::kInt, 516);
    std::vector<PF_Err> results;
    int thrown = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        for (int i = 0; i < 4; ++i) {
            const void* s = nullptr;
            try {
                results.push_back(in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &s));
            } catch (int e) {
                thrown = e;
                continue;
            }
            if (results.back() == 0)
                in->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);
        }
        return PF_Err_NONE;
    });
    EXPECT_EQ(results, (std::vector<PF_Err>{0, 77, 0}));
    EXPECT_EQ(thrown, 516);
    EXPECT_EQ(host.CallCount("SPBasic.AcquireSuite"), 4);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SuitesTest, AFaultThatNeverFiresIsAViolation) {
    SetUpEffect();
    using Kind = simhost::Host::ThrowKind;
    host.FailCall("SPBasic.AcquireSuit", 1, 77);              // misspelt
    host.FailCall("SPBasic.AcquireSuite", 3, 77);             // never reached
    host.FailCall("SPBasic.AcquireSuite", 2, 77, 2);          // reached in part
    host.ThrowOnCall("SPBasic.ReleaseSuite", 5, Kind::kInt);  // never reached
    host.FailCall("SPBasic.IsEqual", 1, 77, -1);              // never called
    InCommand([](PF_InData* in, PF_OutData*) {
        const void* s = nullptr;
        if (in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &s) == 0)
            in->pica_basicP->ReleaseSuite("PF ANSI Suite", 1);
        EXPECT_EQ(in->pica_basicP->AcquireSuite("PF ANSI Suite", 1, &s), 77);
        return PF_Err_NONE;
    });
    host.ClearFaults();
    EXPECT_EQ(host.TakeViolations(),
              (std::vector<std::string>{
                  "failure injected into call 1 of \"SPBasic.AcquireSuit\" never fired (calls "
                  "made: 0)",
                  "failure injected into call 3 of \"SPBasic.AcquireSuite\" never fired (calls "
                  "made: 2)",
                  "failure injected into calls 2..3 of \"SPBasic.AcquireSuite\" never fired in "
                  "full (calls made: 2)",
                  "exception injected into call 5 of \"SPBasic.ReleaseSuite\" never fired "
                  "(calls made: 1)",
                  "failure injected into every call from 1 of \"SPBasic.IsEqual\" never fired "
                  "(calls made: 0)"}));
    // Cleared faults are gone; one left to the end is reported then.
    host.FailCall("inter.add_parm", 1, 77);
    EXPECT_EQ(host.Finish(), (std::vector<std::string>{"failure injected into call 1 of "
                                                       "\"inter.add_parm\" never fired (calls "
                                                       "made: 0)"}));
}

TEST_F(SuitesTest, AnExceptionEscapingTheEntryPointIsAViolation) {
    SetUpEffect();
    const PF_Err err =
        InCommand([](PF_InData*, PF_OutData*) -> PF_Err { throw std::runtime_error("boom"); });
    EXPECT_EQ(err, PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(),
                                  "exception escaped into the host from command 14"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST(SimHostLife, UninspectedViolationsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            simhost::Host host;
            host.Violation("something the test never looked at");
        },
        "something the test never looked at");
}

TEST(SimHostLife, WithoutATestHandlerUninspectedViolationsAbort) {
    EXPECT_DEATH(
        {
            simhost::SetUninspectedHandler(nullptr);
            simhost::Host host;
            host.Violation("something the test never looked at");
        },
        "never inspected by the test:\n.*something the test never looked at");
}

TEST(SimHostLife, UnsimulatedSlotsFailLoudly) {
    simhost::Host host;
    const auto* layer =
        static_cast<const AEGP_LayerSuite7*>(host.SuiteTable("AEGP Layer Suite", 13));
    ASSERT_NE(layer, nullptr);
    A_long n = 0;
    EXPECT_EQ(layer->AEGP_GetCompNumLayers(nullptr, &n), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(),
                                  "AEGP Layer Suite 13.AEGP_GetCompNumLayers is not simulated"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
