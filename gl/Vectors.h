#pragma once

#include <cstdint>

// Small plain vector records used as uniform values and viewports. Components
// are laid out in order x, y, z, w with no padding.
struct Vec2i {
    int32_t x, y;
};
struct Vec3i {
    int32_t x, y, z;
};
struct Vec4i {
    int32_t x, y, z, w;
};
struct Vec2f {
    float x, y;
};
struct Vec3f {
    float x, y, z;
};
struct Vec4f {
    float x, y, z, w;
};
// Sixteen floats, handed to GL in the order given and not transposed.
struct Matrix44f {
    float m[16];
};
// An axis-aligned rectangle: left, top, right, bottom, in the units of its use
// (texture coordinates for a quad).
struct RectF {
    double left, top, right, bottom;
};
