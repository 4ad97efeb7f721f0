// The parameter read against a scripted host: call order, the time it asks
// for, error handling (first error kept, later check-outs skipped, every
// checked-out parameter checked in, nothing else) and how each kind of value
// is copied.
#include <gtest/gtest.h>

#include <vector>

#include "host/Params.h"
#include "host/ParamRead.h"

namespace {

struct Script {
    std::vector<int> checkedOut;
    int checkins = 0;
    int failOutAt = -1;  // index whose check-out fails
    int failInAt = -1;   // index whose check-in fails
    A_long time = -1, step = -1;
    A_u_long scale = 0;
    int lastOut = -1;
};
Script* g_script = nullptr;

PF_Err CheckOut(PF_ProgPtr, PF_ParamIndex index, A_long t, A_long step, A_u_long scale,
                PF_ParamDef* def) {
    g_script->checkedOut.push_back(index);
    g_script->lastOut = index;
    g_script->time = t;
    g_script->step = step;
    g_script->scale = scale;
    if (index == g_script->failOutAt) {
        return PF_Err_OUT_OF_MEMORY;
    }
    switch (index) {
        case PARAM_POSITION:
            def->u.fs_d.value = 12.75;
            break;
        case PARAM_ROTATION:
            def->u.ad.value = 45 << 16;
            break;
        case PARAM_CHANNELS:
            def->u.pd.value = 3;
            break;
        case PARAM_REPEAT_EDGE_PIXELS:
            def->u.bd.value = 0x100;  // low byte 0: off
            break;
        case PARAM_UNMULT:
            def->u.bd.value = 0x101;  // low byte 1: on
            break;
        case PARAM_EXPANSION_LIMIT:
            def->u.sd.value = 250;
            break;
        default:
            break;
    }
    return PF_Err_NONE;
}

PF_Err CheckIn(PF_ProgPtr, PF_ParamDef*) {
    const int index = g_script->checkins + 1;
    ++g_script->checkins;
    return index == g_script->failInAt ? PF_Err_INVALID_INDEX : PF_Err_NONE;
}

struct ParamReadTest : ::testing::Test {
    Script script;
    PF_InData in = {};
    void SetUp() override {
        g_script = &script;
        in.inter.checkout_param = CheckOut;
        in.inter.checkin_param = CheckIn;
        in.current_time = 48;
        in.time_step = 2;
        in.time_scale = 24;
    }
    void TearDown() override { g_script = nullptr; }
};

}  // namespace

TEST_F(ParamReadTest, ReadsAll56InOrderAtTheCurrentTime) {
    ParamValues v;
    EXPECT_EQ(ReadParams(&in, &v), PF_Err_NONE);
    ASSERT_EQ(script.checkedOut.size(), 56u);
    for (int i = 0; i < 56; ++i) {
        EXPECT_EQ(script.checkedOut[i], i + 1);
    }
    EXPECT_EQ(script.checkins, 56);
    EXPECT_EQ(script.time, 48);
    EXPECT_EQ(script.step, 2);
    EXPECT_EQ(script.scale, 24u);
    EXPECT_EQ(v.position, 12.75);
    EXPECT_EQ(v.rotation, 45 << 16);
    EXPECT_EQ(v.channels, 3);
    EXPECT_FALSE(v.repeatEdges);
    EXPECT_TRUE(v.unmult);
    EXPECT_EQ(v.expansionLimit, 250);
}

TEST_F(ParamReadTest, FirstCheckoutErrorStopsCheckoutsAndChecksInWhatWasOut) {
    script.failOutAt = PARAM_SCALE;
    ParamValues v;
    EXPECT_EQ(ReadParams(&in, &v), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(script.lastOut, PARAM_SCALE);
    EXPECT_EQ(script.checkedOut.size(), static_cast<size_t>(PARAM_SCALE));
    EXPECT_EQ(script.checkins, PARAM_SCALE - 1);  // the failed one was never handed out
    EXPECT_EQ(v.position, 12.75);                 // read before the failure
    EXPECT_EQ(v.expansionLimit, 1000);            // never read: default kept
}

TEST_F(ParamReadTest, CheckinErrorCountsAndIsKeptOverLaterOnes) {
    script.failInAt = 10;
    script.failOutAt = 20;  // never reached: check-outs stop after index 10
    ParamValues v;
    EXPECT_EQ(ReadParams(&in, &v), PF_Err_INVALID_INDEX);
    EXPECT_EQ(script.checkedOut.size(), 10u);
    EXPECT_EQ(script.checkins, 10);
}

TEST_F(ParamReadTest, PendingErrorSkipsEveryCheckout) {
    ParamValues v;
    EXPECT_EQ(ReadParams(&in, &v, PF_Err_BAD_CALLBACK_PARAM), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(script.checkedOut.empty());
    EXPECT_EQ(script.checkins, 0);
}
