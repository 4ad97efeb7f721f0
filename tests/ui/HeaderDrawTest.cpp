// Drawing the banner into the effect-controls header, driven through
// EffectMain in the simulated host.

#include <cstring>
#include <string>
#include <vector>

#include "host/Banner.h"
#include "host/Params.h"
#include "tests/ui/UiHost.h"

namespace {

constexpr PF_Err kHostError = 0x77;

class HeaderDraw : public UiHostTest {
  protected:
    // A draw event for the header parameter in `area` with the given frame.
    PF_EventExtra DrawEvent(PF_EffectArea area, PF_LRect frame) {
        PF_EventExtra e = {};
        e.contextH = &contextP_;
        e.e_type = PF_Event_DRAW;
        e.effect_win.index = PARAM_HEADER;
        e.effect_win.area = area;
        e.effect_win.current_frame = frame;
        e.evt_out_flags = PF_EO_NONE;
        return e;
    }

    static PF_LRect Frame(A_long left, A_long top, A_long right, A_long bottom) {
        PF_LRect r;
        r.left = left;
        r.top = top;
        r.right = right;
        r.bottom = bottom;
        return r;
    }

  private:
    PF_Context context_ = {};
    PF_Context* contextP_ = &context_;
};

bool SameMatrix(const DRAWBOT_MatrixF32& m, float diagonal) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (m.mat[i][j] != (i == j ? diagonal : 0.0f))
                return false;
        }
    }
    return true;
}

TEST_F(HeaderDraw, DrawsTheBannerAtHalfSizeRightOfCentre) {
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    ASSERT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    EXPECT_EQ(e.evt_out_flags, PF_EO_HANDLED_EVENT);

    const std::vector<DRAWBOT_MatrixF32> transforms = drawbot.Transforms();
    ASSERT_EQ(transforms.size(), 2u);
    EXPECT_TRUE(SameMatrix(transforms[0], 0.5f));
    EXPECT_TRUE(SameMatrix(transforms[1], 2.0f));
    // The surface is back where the host left it.
    EXPECT_TRUE(SameMatrix(drawbot.CurrentTransform(), 1.0f));

    const std::vector<simhost::DrawbotDraw> draws = drawbot.Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].origin.x, 500.0f);
    EXPECT_EQ(draws[0].origin.y, 20.0f);
    EXPECT_EQ(draws[0].opacity, 1.0f);
    EXPECT_TRUE(SameMatrix(draws[0].transform, 0.5f)) << "drawn under the halving matrix";

    const std::vector<simhost::DrawbotImage> images = drawbot.Images();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 400);
    EXPECT_EQ(images[0].height, 33);
    EXPECT_EQ(images[0].rowBytes, 1600);
    EXPECT_EQ(images[0].layout, kDRAWBOT_PixelLayout_32BGRA_Straight);
    ASSERT_EQ(images[0].pixels.size(), kBannerBytes);
    EXPECT_EQ(std::memcmp(images[0].pixels.data(), kBannerImage.data(), kBannerBytes), 0);
    EXPECT_EQ(images[0].refs, 0) << "released after the draw";

    const std::vector<std::string> expected = {
        "GetDrawingReference",
        "GetSupplier",
        "GetSurface",
        "NewImageFromBuffer 400x33 row 1600 layout 6 -> image#1",
        "Transform 0.5 0 0 / 0 0.5 0 / 0 0 0.5",
        "DrawImage image#1 at (500, 20) opacity 1",
        "Transform 2 0 0 / 0 2 0 / 0 0 2",
        "ReleaseObject image#1"};
    EXPECT_EQ(drawbot.Events(), expected);
}

TEST_F(HeaderDraw, TheOriginUsesTheFrameWidthAndDoubledTop) {
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(150, -7, 470, 26));
    ASSERT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    ASSERT_EQ(drawbot.Draws().size(), 1u);
    EXPECT_EQ(drawbot.Draws()[0].origin.x, 220.0f);  // (470 - 150) - 100
    EXPECT_EQ(drawbot.Draws()[0].origin.y, -14.0f);
}

TEST_F(HeaderDraw, TheTitleAreaDrawsNothingButIsHandled) {
    const size_t handles = host.LiveHandleCount();
    const int allocations = host.CallCount("PF Handle Suite 2.host_new_handle");
    PF_EventExtra e = DrawEvent(PF_EA_PARAM_TITLE, Frame(0, 10, 600, 43));
    ASSERT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    EXPECT_EQ(e.evt_out_flags, PF_EO_HANDLED_EVENT);
    EXPECT_TRUE(drawbot.Images().empty());
    EXPECT_TRUE(drawbot.Transforms().empty());
    EXPECT_TRUE(drawbot.Draws().empty());
    EXPECT_EQ(host.CallCount("PF Handle Suite 2.host_new_handle"), allocations);
    EXPECT_EQ(host.LiveHandleCount(), handles);
}

TEST_F(HeaderDraw, NoDrawingReferenceGivesZeroAndAnUnmarkedEvent) {
    drawbot.GiveNoDrawingReference(true);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    EXPECT_EQ(drawbot.Events(), std::vector<std::string>{"GetDrawingReference -> none"});
}

TEST_F(HeaderDraw, AFailedDrawingReferenceIsTheResult) {
    host.FailCall("PF Effect Custom UI Suite 1.PF_GetDrawingReference", 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), kHostError);
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    EXPECT_TRUE(drawbot.Images().empty());
}

TEST_F(HeaderDraw, ARefusedDrawingSuiteIsReportedToTheUser) {
    host.RefuseSuite("DRAWBOT Surface Suite", 1);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), A_Err_MISSING_SUITE);
    const PF_OutData& out = host.LastCommand().out;
    EXPECT_NE(out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE, 0);
    EXPECT_STREQ(out.return_msg, "Not able to acquire AEFX Suite.");
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    // The two suites acquired before the refusal went back.
    EXPECT_TRUE(host.HeldSuites().empty());
    EXPECT_EQ(host.SuiteReleaseCount("DRAWBOT Draw Suite", 1), 1);
    EXPECT_EQ(host.SuiteReleaseCount("DRAWBOT Supplier Suite", 1), 1);
}

TEST_F(HeaderDraw, ADrawingSuiteWithoutATableIsNotCalledThrough) {
    host.HandOutNullSuite("DRAWBOT Supplier Suite", 1);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    EXPECT_TRUE(drawbot.Events().empty());
    // A table-less grant is not released by the effect (there is nothing to
    // give back); a host that counts it as held is squared here, so only the
    // effect's own behaviour is judged.
    const char* name = "DRAWBOT Supplier Suite";
    if (host.SuiteAcquireCount(name, 1) > host.SuiteReleaseCount(name, 1)) {
        for (const std::string& v : host.TakeViolations()) {
            EXPECT_NE(v.find("\"DRAWBOT Supplier Suite\" 1 still held"), std::string::npos) << v;
        }
        host.BasicSuite()->ReleaseSuite(name, 1);
    }
    EXPECT_EQ(host.SuiteReleaseCount("DRAWBOT Draw Suite", 1), 1);
    EXPECT_EQ(host.SuiteReleaseCount("DRAWBOT Surface Suite", 1), 1);
}

TEST_F(HeaderDraw, AFailedDrawStopsDrawingAndStillReleasesEverything) {
    const size_t handles = host.LiveHandleCount();
    host.FailCall("DRAWBOT Surface Suite 1.DrawImage", 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), kHostError);
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    EXPECT_EQ(drawbot.Transforms().size(), 1u) << "no doubling after the failed draw";
    EXPECT_EQ(drawbot.ReleaseCount(), 1);
    EXPECT_EQ(host.LiveHandleCount(), handles);
}

TEST_F(HeaderDraw, AFailedImageSkipsTheDrawing) {
    host.FailCall("DRAWBOT Supplier Suite 1.NewImageFromBuffer", 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), kHostError);
    EXPECT_TRUE(drawbot.Transforms().empty());
    EXPECT_EQ(host.CallCount("DRAWBOT Supplier Suite 1.ReleaseObject"), 0);
}

TEST_F(HeaderDraw, AFailedImageReleaseIsTheResult) {
    host.FailCall("DRAWBOT Supplier Suite 1.ReleaseObject", 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), kHostError);
    EXPECT_EQ(drawbot.Draws().size(), 1u);
    EXPECT_EQ(e.evt_out_flags, PF_EO_NONE);
    // The host refused to take the image back; it stays the host's.
    ASSERT_EQ(drawbot.Images().size(), 1u);
    EXPECT_EQ(drawbot.TakeOpenImages(), 1);
}

TEST_F(HeaderDraw, WithoutHostMemoryTheBannerIsSkippedQuietly) {
    const std::string key = "PF Handle Suite 2.host_new_handle";
    host.FailCall(key, host.CallCount(key) + 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    EXPECT_EQ(e.evt_out_flags, PF_EO_HANDLED_EVENT);
    EXPECT_TRUE(drawbot.Images().empty());
    EXPECT_TRUE(drawbot.Draws().empty());
}

TEST_F(HeaderDraw, AnUnlockableHandleIsSkippedAndDisposed) {
    const size_t handles = host.LiveHandleCount();
    const std::string key = "PF Handle Suite 2.host_lock_handle";
    host.FailCall(key, host.CallCount(key) + 1, kHostError);
    PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
    EXPECT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
    EXPECT_TRUE(drawbot.Images().empty());
    EXPECT_EQ(host.LiveHandleCount(), handles);
}

TEST_F(HeaderDraw, RepeatedDrawsLeaveNoHandleOrImageBehind) {
    const size_t handles = host.LiveHandleCount();
    for (int i = 0; i < 5; ++i) {
        PF_EventExtra e = DrawEvent(PF_EA_CONTROL, Frame(0, 10, 600, 43));
        ASSERT_EQ(host.Send(PF_Cmd_EVENT, &e), PF_Err_NONE);
        EXPECT_EQ(host.LiveHandleCount(), handles) << "after draw " << i;
    }
    EXPECT_EQ(drawbot.Images().size(), 5u);
    EXPECT_EQ(drawbot.OpenImages(), 0);
    EXPECT_EQ(drawbot.ReleaseCount(), 5);
    EXPECT_TRUE(host.HeldSuites().empty());
}

}  // namespace
