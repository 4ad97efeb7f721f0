#include "render/RectMath.h"

#include <algorithm>
#include <cmath>

#include "render/RenderSettings.h"

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;

void PostMultiply(Matrix3* m, const double t[3][3]) {
    double r[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r[i][j] = m->mat[i][0] * t[0][j] + m->mat[i][1] * t[1][j] + m->mat[i][2] * t[2][j];
        }
    }
    std::copy(&r[0][0], &r[0][0] + 9, &m->mat[0][0]);
}

}  // namespace

void SetIdentityMatrix(Matrix3* m) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m->mat[i][j] = i == j ? 1.0 : 0.0;
        }
    }
}

void TranslateMatrix(Matrix3* m, double dx, double dy) {
    const double t[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {dx, dy, 1.0}};
    PostMultiply(m, t);
}

void ScaleMatrix(Matrix3* m, double sx, double sy) {
    if (sx == 1.0 && sy == 1.0) {
        return;
    }
    const double t[3][3] = {{sx, 0.0, 0.0}, {0.0, sy, 0.0}, {0.0, 0.0, 1.0}};
    PostMultiply(m, t);
}

void RotateMatrix(Matrix3* m, double angleDegrees, double cx, double cy) {
    if (angleDegrees == 0.0) {
        return;
    }
    const double c = std::cos(angleDegrees * kDegreesToRadians);
    const double n = std::sin(angleDegrees * kDegreesToRadians);
    const double t[3][3] = {
        {c, n, 0.0}, {-n, c, 0.0}, {cx * (1.0 - c) + cy * n, cy * (1.0 - c) - cx * n, 1.0}};
    PostMultiply(m, t);
}

IntRect Coords2Rect(const PointF corners[4], double position, double rotationDegrees, double scale,
                    const PointF& centre) {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    for (int i = 0; i < 4; ++i) {
        Matrix3 m;
        SetIdentityMatrix(&m);
        TranslateMatrix(&m, corners[i].x, corners[i].y);
        TranslateMatrix(&m, position, position);
        TranslateMatrix(&m, -centre.x, -centre.y);
        ScaleMatrix(&m, scale, scale);
        TranslateMatrix(&m, centre.x, centre.y);
        RotateMatrix(&m, rotationDegrees, centre.x, centre.y);
        const double x = m.mat[2][0];
        const double y = m.mat[2][1];
        if (i == 0) {
            minX = maxX = x;
            minY = maxY = y;
        } else {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    IntRect r;
    r.left = TruncToInt(minX);
    r.top = TruncToInt(minY);
    r.right = TruncToInt(std::ceil(maxX));
    r.bottom = TruncToInt(std::ceil(maxY));
    return r;
}

bool IsEmptyRect(const IntRect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

void UnionLRect(const IntRect& src, IntRect* dst) {
    if (IsEmptyRect(*dst)) {
        *dst = src;
    } else if (!IsEmptyRect(src)) {
        dst->left = std::min(dst->left, src.left);
        dst->top = std::min(dst->top, src.top);
        dst->right = std::max(dst->right, src.right);
        dst->bottom = std::max(dst->bottom, src.bottom);
    }
}
