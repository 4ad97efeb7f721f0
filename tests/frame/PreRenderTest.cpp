// Smart pre-render through EffectMain in the simulated host: the grown input
// request, the announced output, the cache key and every failure result, for
// a 200 x 100 layer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "host/EntryPoints.h"
#include "host/Params.h"
#include "simhost/SimHost.h"

namespace {

void ExpectRect(const PF_LRect& r, A_long l, A_long t, A_long rr, A_long b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rr);
    EXPECT_EQ(r.bottom, b);
}

class PreRenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.SetEntry(EffectMain);
        ASSERT_EQ(host.Setup(), PF_Err_NONE);
        host.SetInputLayer(simhost::Image::Make8(200, 100));
        host.Param(PARAM_POSITION).u.fs_d.value = 0;
    }
    void TearDown() override {
        EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
        const std::vector<std::string> v = host.Finish();
        EXPECT_TRUE(v.empty()) << (v.empty() ? "" : v.front());
    }
    void FailNext(const char* key, PF_Err err) { host.FailCall(key, host.CallCount(key) + 1, err); }
    simhost::Host host;
};

}  // namespace

TEST_F(PreRenderTest, DefaultsAnnounceTheLayerItself) {
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_NONE);
    ASSERT_EQ(pre.checkouts.size(), 1u);
    EXPECT_EQ(pre.checkouts[0].index, 0);
    EXPECT_EQ(pre.checkouts[0].id, 0);
    ExpectRect(pre.checkouts[0].request.rect, 0, 0, 200, 100);
    ExpectRect(pre.output.result_rect, 0, 0, 200, 100);
    ExpectRect(pre.output.max_result_rect, 0, 0, 200, 100);
    EXPECT_EQ(pre.output.flags, PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS);
}

TEST_F(PreRenderTest, Position50GrowsInputAndOutputBy50) {
    host.Param(PARAM_POSITION).u.fs_d.value = 50;
    host.settings.currentTime = 12;
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_NONE);
    ASSERT_EQ(pre.checkouts.size(), 1u);
    ExpectRect(pre.checkouts[0].request.rect, -50, -50, 250, 150);
    EXPECT_EQ(pre.checkouts[0].time, 12);
    ExpectRect(pre.output.result_rect, -50, -50, 250, 150);
    ExpectRect(pre.output.max_result_rect, -50, -50, 250, 150);
}

TEST_F(PreRenderTest, LimitCapsBothMarginsAndAuxIsAddedOnTop) {
    host.Param(PARAM_POSITION).u.fs_d.value = 50;
    host.Param(PARAM_EXPANSION_LIMIT).u.sd.value = 10;
    host.Param(PARAM_AUX_EXPANSION).u.sd.value = 5;
    const simhost::PreRenderOutcome pre = host.PreRender();
    ExpectRect(pre.checkouts[0].request.rect, -10, -10, 210, 110);
    ExpectRect(pre.output.result_rect, -15, -15, 215, 115);
}

TEST_F(PreRenderTest, ManualModeAtHalfResolution) {
    host.settings.downsampleX = {1, 2};
    host.settings.downsampleY = {1, 2};
    host.settings.layerWidth = 400;
    host.settings.layerHeight = 200;
    host.Param(PARAM_EXPANSION_MODE).u.pd.value = EXPANSION_MANUAL;
    host.Param(PARAM_AUX_EXPANSION).u.sd.value = 30;
    const simhost::PreRenderOutcome pre = host.PreRender();
    ExpectRect(pre.checkouts[0].request.rect, -15, -15, 215, 115);
    ExpectRect(pre.output.result_rect, -15, -15, 215, 115);
}

TEST_F(PreRenderTest, QuarterTurnGrowsOnlyAsMuchAsTheTallerSide) {
    host.Param(PARAM_ROTATION).u.ad.value = 90 << 16;
    const simhost::PreRenderOutcome pre = host.PreRender();
    ExpectRect(pre.checkouts[0].request.rect, 0, 0, 200, 100);  // rotation needs no input
    ExpectRect(pre.output.result_rect, -50, -50, 250, 150);
}

TEST_F(PreRenderTest, AdjustmentLayerCoversTheLayerAtTheCurrentResolution) {
    host.settings.layerFlags = AEGP_LayerFlag_ADJUSTMENT_LAYER;
    host.settings.downsampleX = {1, 2};
    host.settings.downsampleY = {1, 2};
    host.settings.layerWidth = 401;
    host.settings.layerHeight = 200;
    host.Param(PARAM_POSITION).u.fs_d.value = 80;
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_NONE);
    ExpectRect(pre.checkouts[0].request.rect, 0, 0, 200, 100);  // no input margin
    ExpectRect(pre.output.result_rect, 0, 0, 201, 100);         // ceil(200.5)
    ExpectRect(pre.output.max_result_rect, 0, 0, 201, 100);
    EXPECT_EQ(pre.output.flags, PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS);
}

TEST_F(PreRenderTest, TheLayerTransformKeysTheCache) {
    host.settings.layerToWorld.mat[3][0] = 123.5;
    const simhost::PreRenderOutcome pre = host.PreRender();
    ASSERT_EQ(pre.mixIns.size(), 1u);
    ASSERT_EQ(pre.mixIns[0].size(), sizeof(A_Matrix4));
    EXPECT_EQ(std::memcmp(pre.mixIns[0].data(), &host.settings.layerToWorld, sizeof(A_Matrix4)), 0);
    ASSERT_FALSE(host.XformTimes().empty());

    host.settings.version = {13, 8};  // before GUID mixing existed
    EXPECT_TRUE(host.PreRender().mixIns.empty());
}

TEST_F(PreRenderTest, FailedInputCheckoutStillAnnouncesAndReturnsItsError) {
    host.Param(PARAM_POSITION).u.fs_d.value = 50;
    FailNext("prerender.checkout_layer", PF_Interrupt_CANCEL);
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Interrupt_CANCEL);
    // From the zeroed check-out result: an empty layer, whose displaced
    // copies are empty too, so nothing is announced.
    ExpectRect(pre.output.result_rect, 0, 0, 0, 0);
    ExpectRect(pre.output.max_result_rect, 0, 0, 0, 0);
    EXPECT_EQ(pre.output.flags, PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS);
}

TEST_F(PreRenderTest, FailuresBeforeTheCheckoutReturnOutOfMemoryAndAnnounceNothing) {
    const char* keys[] = {"prerender.GuidMixInPtr", "inter.checkout_param",
                          "AEGP Layer Suite 13.AEGP_GetLayerFlags"};
    for (const char* key : keys) {
        FailNext(key, PF_Err_INVALID_INDEX);
        const simhost::PreRenderOutcome pre = host.PreRender();
        EXPECT_EQ(pre.err, PF_Err_OUT_OF_MEMORY) << key;
        EXPECT_TRUE(pre.checkouts.empty()) << key;
        EXPECT_EQ(pre.output.flags, 0) << key;
        host.ClearFaults();
    }
}

TEST_F(PreRenderTest, AFailedLayerQueryWithoutALayerReturnsOutOfMemory) {
    FailNext("AEGP PF Interface Suite 1.AEGP_GetEffectLayer", PF_Err_INVALID_INDEX);
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_TRUE(pre.checkouts.empty());
}

TEST_F(PreRenderTest, AFailedTransformQueryIsReturnedItself) {
    FailNext("AEGP Layer Suite 13.AEGP_GetLayerToWorldXform", PF_Err_INVALID_INDEX);
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_INVALID_INDEX);
    EXPECT_TRUE(pre.checkouts.empty());
    EXPECT_EQ(pre.output.flags, 0);
}

TEST_F(PreRenderTest, DamagedRecordsNeverWrapTheAnnouncedRectangle) {
    // Values no host sends, but a damaged project or a script can: whatever
    // they are, every rectangle stays ordered, inside the coordinate range
    // and around the layer.
    constexpr A_long kMax = 2147483647 / 2;
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        int mode;  // 1 Auto, 2 Manual
        double position;
        A_long aux;
        A_long limit;
        bool coversLayer;
    };
    const Row rows[] = {
        {"huge aux, manual", 2, 0, 2147483647, 1000, true},
        {"huge aux and limit, auto", 1, 1e300, 2147483647, 2147483647, true},
        {"infinite position", 1, inf, 0, 2147483647, true},
        {"NaN position", 1, std::nan(""), 0, 1000, true},
        {"most negative aux", 2, 0, -2147483647 - 1, 1000, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host.Param(PARAM_EXPANSION_MODE).u.pd.value = row.mode;
        host.Param(PARAM_POSITION).u.fs_d.value = row.position;
        host.Param(PARAM_AUX_EXPANSION).u.sd.value = row.aux;
        host.Param(PARAM_EXPANSION_LIMIT).u.sd.value = row.limit;
        const simhost::PreRenderOutcome pre = host.PreRender();
        EXPECT_EQ(pre.err, PF_Err_NONE);
        ASSERT_EQ(pre.checkouts.size(), 1u);
        for (const PF_LRect& r :
             {pre.checkouts[0].request.rect, pre.output.result_rect, pre.output.max_result_rect}) {
            for (const A_long v : {r.left, r.top, r.right, r.bottom}) {
                EXPECT_LE(std::abs(static_cast<long long>(v)), kMax);
            }
        }
        const PF_LRect& out = pre.output.max_result_rect;
        if (row.coversLayer) {
            EXPECT_LE(out.left, 0);
            EXPECT_LE(out.top, 0);
            EXPECT_GE(out.right, 200);
            EXPECT_GE(out.bottom, 100);
        }
    }
}

TEST_F(PreRenderTest, AnOutputNoHostCanAllocateEndsTheFrameCleanly) {
    // Found by fuzzing: a damaged Aux Expansion announces an output of many
    // gigabytes. The host refuses to allocate it; the frame ends with that
    // error and nothing is left behind.
    host.Param(PARAM_EXPANSION_MODE).u.pd.value = EXPANSION_MANUAL;
    host.Param(PARAM_AUX_EXPANSION).u.sd.value = 1 << 20;
    const simhost::RenderedFrame frame = host.RenderFrame();
    EXPECT_EQ(frame.preRenderErr, PF_Err_NONE);
    EXPECT_EQ(frame.err, PF_Err_OUT_OF_MEMORY);
    EXPECT_FALSE(frame.hasOutput);
    EXPECT_EQ(host.LiveWorldCount(), 0u);
}
