// Pre-render margins and the rectangle/matrix helpers, against extents worked
// out by hand for a 200 x 100 layer.
#include <gtest/gtest.h>

#include "render/Expansion.h"
#include "render/RectMath.h"

namespace {

ParamValues AutoMode() {
    ParamValues p;
    p.position = 0;
    p.expansionMode = 1;
    p.expansionLimit = 1000;
    return p;
}

int32_t Fixed(double degrees) {
    return static_cast<int32_t>(degrees * 65536.0);
}

int32_t OutMargin(const ParamValues& p, double s = 1.0) {
    return OutputMargin(p, DeriveExpansion(p, s), 200, 100);
}

int32_t InMargin(const ParamValues& p, double s = 1.0, bool adjustment = false) {
    return InputMargin(p, DeriveExpansion(p, s), adjustment);
}

}  // namespace

TEST(Expansion, DefaultsGrowNothing) {
    const ParamValues p = AutoMode();
    EXPECT_EQ(InMargin(p), 0);
    EXPECT_EQ(OutMargin(p), 0);
}

TEST(Expansion, Position50CoversBothDisplacedChannels) {
    ParamValues p = AutoMode();
    p.position = 50;
    EXPECT_EQ(InMargin(p), 50);
    EXPECT_EQ(OutMargin(p), 50);
    p.blur = 4.2;  // blur margin ceil(4.2) = 5 is added before the limit
    p.auxExpansion = 7;
    EXPECT_EQ(OutMargin(p), 62);
}

TEST(Expansion, LimitCapsTheAutomaticPartOnly) {
    ParamValues p = AutoMode();
    p.position = 50;
    p.expansionLimit = 10;
    EXPECT_EQ(InMargin(p), 10);
    EXPECT_EQ(OutMargin(p), 10);
    p.auxExpansion = 5;  // added on top of the capped part
    EXPECT_EQ(OutMargin(p), 15);
}

TEST(Expansion, ManualAtHalfResolution) {
    ParamValues p = AutoMode();
    p.expansionMode = 2;
    p.auxExpansion = 30;
    p.position = 500;  // ignored in manual mode
    EXPECT_EQ(InMargin(p, 0.5), 15);
    EXPECT_EQ(OutMargin(p, 0.5), 15);
}

TEST(Expansion, UnknownModeGrowsNothing) {
    ParamValues p = AutoMode();
    p.expansionMode = 3;
    p.position = 50;
    p.auxExpansion = 30;
    EXPECT_EQ(InMargin(p), 0);
    EXPECT_EQ(OutMargin(p), 0);
}

TEST(Expansion, HalfAndDoubleScaleGrowAlike) {
    ParamValues p = AutoMode();
    p.scale = 50;
    EXPECT_EQ(DeriveExpansion(p, 1.0).scaleExtent, 2.0);
    // Scaled by 2 about (100, 50): x spans -100..300, y spans -50..150.
    EXPECT_EQ(OutMargin(p), 100);
    p.scale = 200;
    EXPECT_EQ(OutMargin(p), 100);
    p.scale = -200;  // the magnitude counts
    EXPECT_EQ(OutMargin(p), 100);
}

TEST(Expansion, AHugeLayerScaledToNothingStillGrowsByTheLimit) {
    // Scale 0 counts as 100000x: the corners of a 30000 px layer land about
    // 1.5e9 px from its centre, so the union spans some 3e9 px (4.2e9 turned
    // by 45 degrees), more than a 32-bit integer holds. The automatic part is
    // far beyond the limit, so the margin is the limit plus aux.
    ParamValues p = AutoMode();
    p.scale = 0;
    p.expansionLimit = 10000;
    p.auxExpansion = 5000;
    EXPECT_EQ(OutputMargin(p, DeriveExpansion(p, 1.0), 30000, 30000), 15000);
    p.rotation = Fixed(45);
    EXPECT_EQ(OutputMargin(p, DeriveExpansion(p, 1.0), 30000, 30000), 15000);
    p.auxExpansion = 0;
    p.expansionLimit = 1000;
    EXPECT_EQ(OutputMargin(p, DeriveExpansion(p, 1.0), 30000, 30000), 1000);
}

TEST(Expansion, QuarterTurnOfAWideLayer) {
    // The turned corners span 100 x 200: ex = -50, ey = 50.
    ParamValues p = AutoMode();
    p.rotation = Fixed(90);
    EXPECT_EQ(OutMargin(p), 50);
    p.blur = 3;
    EXPECT_EQ(OutMargin(p), 53);
}

TEST(Expansion, AdjustmentLayerHasNoInputMargin) {
    ParamValues p = AutoMode();
    p.position = 50;
    EXPECT_EQ(InMargin(p, 1.0, true), 0);
    const Ratio half = {1, 2};
    const IntRect r = AdjustmentLayerRect(1920, 1081, half);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 960);
    EXPECT_EQ(r.bottom, 541);  // ceil(540.5)
}

TEST(RectMath, Coords2RectTruncatesTowardZeroAndCeilsFarSides) {
    const PointF corners[4] = {{0, 0}, {10, 0}, {0, 10}, {10, 10}};
    const PointF centre = {5, 5};
    IntRect r = Coords2Rect(corners, 0.5, 0, 1, centre);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 11);
    EXPECT_EQ(r.bottom, 11);
    r = Coords2Rect(corners, -0.5, 0, 1, centre);
    EXPECT_EQ(r.left, 0);  // trunc(-0.5), not floor
    EXPECT_EQ(r.right, 10);
    r = Coords2Rect(corners, -1.5, 0, 1, centre);
    EXPECT_EQ(r.left, -1);
    EXPECT_EQ(r.right, 9);
}

TEST(RectMath, MatrixOperationsApplyInCallOrder) {
    Matrix3 m;
    SetIdentityMatrix(&m);
    TranslateMatrix(&m, 3, 4);  // the point (3, 4) read back from the third row
    ScaleMatrix(&m, 2, 2);
    EXPECT_EQ(m.mat[2][0], 6.0);
    EXPECT_EQ(m.mat[2][1], 8.0);
    RotateMatrix(&m, 90, 0, 0);  // (x, y) -> (-y, x)
    EXPECT_NEAR(m.mat[2][0], -8.0, 1e-12);
    EXPECT_NEAR(m.mat[2][1], 6.0, 1e-12);

    Matrix3 about;
    SetIdentityMatrix(&about);
    TranslateMatrix(&about, 10, 0);
    RotateMatrix(&about, 180, 5, 0);  // half turn about (5, 0)
    EXPECT_NEAR(about.mat[2][0], 0.0, 1e-12);
    EXPECT_NEAR(about.mat[2][1], 0.0, 1e-12);
}

TEST(RectMath, NoOpOperationsLeaveTheMatrixBitIdentical) {
    Matrix3 m;
    SetIdentityMatrix(&m);
    TranslateMatrix(&m, 0.1, 0.2);
    const Matrix3 before = m;
    ScaleMatrix(&m, 1, 1);
    RotateMatrix(&m, 0, 7, 7);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(m.mat[i][j], before.mat[i][j]);
        }
    }
}

TEST(RectMath, UnionAndEmptiness) {
    const IntRect empty = {5, 5, 5, 9};
    const IntRect a = {0, 0, 10, 10};
    const IntRect b = {-5, 2, 3, 20};
    EXPECT_TRUE(IsEmptyRect(empty));
    EXPECT_FALSE(IsEmptyRect(a));

    IntRect dst = empty;
    UnionLRect(a, &dst);  // empty destination takes the source
    EXPECT_EQ(dst.left, 0);
    EXPECT_EQ(dst.bottom, 10);
    UnionLRect(b, &dst);
    EXPECT_EQ(dst.left, -5);
    EXPECT_EQ(dst.top, 0);
    EXPECT_EQ(dst.right, 10);
    EXPECT_EQ(dst.bottom, 20);
    UnionLRect(empty, &dst);  // an empty source changes nothing
    EXPECT_EQ(dst.left, -5);
    EXPECT_EQ(dst.right, 10);
}
