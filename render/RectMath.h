#pragma once

#include <cstdint>

// A 3 x 3 matrix of doubles, mat[row][column].
struct Matrix3 {
    double mat[3][3];
};

struct PointF {
    double x, y;
};

// Integer rectangle, right and bottom exclusive, as the host's rectangles.
struct IntRect {
    int32_t left, top, right, bottom;
};

// 3 x 3 matrices in the row-vector convention: a point (x, y) maps to
// (x, y, 1) x M, translation in the third row. Each operation post-multiplies
// (M <- M x T), so operations apply to points in the order they are called.
void SetIdentityMatrix(Matrix3* m);
void TranslateMatrix(Matrix3* m, double dx, double dy);
// Does nothing when both factors are exactly 1.
void ScaleMatrix(Matrix3* m, double sx, double sy);
// Turns by +angleDegrees about (cx, cy); does nothing when the angle is exactly 0.
void RotateMatrix(Matrix3* m, double angleDegrees, double cx, double cy);

// Integer bounding box of the four corners after moving each by `position`
// along both axes, scaling by `scale` about `centre` and rotating about it.
// left/top truncate toward zero, right/bottom are ceilings.
IntRect Coords2Rect(const PointF corners[4], double position, double rotationDegrees, double scale,
                    const PointF& centre);

bool IsEmptyRect(const IntRect& r);
// dst becomes src if dst is empty; otherwise, if src is not empty, the
// bounding box of both; otherwise dst is left as it is.
void UnionLRect(const IntRect& src, IntRect* dst);
