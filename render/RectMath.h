#pragma once

#include "host/HostInterface.h"

// 3 x 3 matrices in the row-vector convention: a point (x, y) maps to
// (x, y, 1) x M, translation in the third row. Each operation post-multiplies
// (M <- M x T), so operations apply to points in the order they are called.
void SetIdentityMatrix(PF_FloatMatrix* m);
void TranslateMatrix(PF_FloatMatrix* m, double dx, double dy);
// Does nothing when both factors are exactly 1.
void ScaleMatrix(PF_FloatMatrix* m, double sx, double sy);
// Turns by +angleDegrees about (cx, cy); does nothing when the angle is exactly 0.
void RotateMatrix(PF_FloatMatrix* m, double angleDegrees, double cx, double cy);

// Integer bounding box of the four corners after moving each by `position`
// along both axes, scaling by `scale` about `centre` and rotating about it.
// left/top truncate toward zero, right/bottom are ceilings.
PF_LRect Coords2Rect(const A_FloatPoint corners[4], double position, double rotationDegrees,
                     double scale, const A_FloatPoint& centre);

bool IsEmptyRect(const PF_LRect& r);
// dst becomes src if dst is empty; otherwise, if src is not empty, the
// bounding box of both; otherwise dst is left as it is.
void UnionLRect(const PF_LRect& src, PF_LRect* dst);
