#pragma once

// Basic scalar types and small records shared by every part of the host's
// effect interface. All records use the host's 8-byte packing, which on x64
// equals natural alignment; the pack pragmas keep that true even when a
// caller changes the default packing before including this file.

#include <stddef.h>
#include <stdint.h>

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

// The platform branch decides signedness and spelling only; every type has
// the same size on Windows x64 and on macOS (x86-64 and arm64). Other
// platforms take the macOS spelling.
#if defined(_WIN32)
typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef short A_short;
typedef unsigned short A_u_short;
typedef char A_char;
typedef unsigned char A_u_char;
typedef unsigned char A_Boolean;
typedef long long A_intptr_t;             // __int64
typedef unsigned long long A_u_longlong;  // unsigned __int64
// 4 bytes as the host itself compiles it; fixed per OS, not per compiler.
typedef A_long A_LegacyEnumType;
#else
typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef int16_t A_short;
typedef uint16_t A_u_short;
typedef char A_char;
typedef uint8_t A_u_char;
typedef uint8_t A_Boolean;
typedef intptr_t A_intptr_t;
typedef uint64_t A_u_longlong;
typedef A_char A_LegacyEnumType;
#endif

typedef A_long A_Err;
typedef A_long A_Fixed;     // 16.16 fixed point
typedef A_u_long A_UFixed;  // unsigned 16.16 fixed point
typedef double A_FpLong;
typedef float A_FpShort;
typedef A_u_longlong A_HandleSize;
typedef A_u_short A_UTF16Char;
typedef void* A_Handle;

enum {
    A_Err_NONE = 0,
    A_Err_GENERIC = 1,
    A_Err_STRUCT = 2,
    A_Err_PARAMETER = 3,
    A_Err_ALLOC = 4,
    A_Err_WRONG_THREAD = 5,
    A_Err_CONST_PROJECT_MODIFICATION = 6,
    A_Err_RESERVED_7 = 7,
    A_Err_RESERVED_8 = 8,
    A_Err_RESERVED_9 = 9,
    A_Err_RESERVED_10 = 10,
    A_Err_RESERVED_11 = 11,
    A_Err_RESERVED_12 = 12,
    A_Err_MISSING_SUITE = 13,
    A_Err_RESERVED_14 = 14,
    A_Err_RESERVED_15 = 15,
    A_Err_RESERVED_16 = 16,
    A_Err_RESERVED_17 = 17,
    A_Err_RESERVED_18 = 18,
    A_Err_RESERVED_19 = 19,
    A_Err_RESERVED_20 = 20,
    A_Err_RESERVED_21 = 21,
    A_Err_NOT_IN_CACHE_OR_COMPUTE_PENDING = 22,
    A_Err_PROJECT_LOAD_FATAL = 23,
    A_Err_EFFECT_APPLY_FATAL = 24,
    A_Err_LAST = 25,
};

// A time value is value / scale seconds.
typedef struct {
    A_long value;
    A_u_long scale;
} A_Time;

typedef struct {
    A_long num;
    A_u_long den;
} A_Ratio;

typedef struct {
    A_FpLong x, y;
} A_FloatPoint;

typedef struct {
    A_FpLong left, top, right, bottom;
} A_FloatRect;

typedef struct {
    A_FpLong mat[3][3];
} A_Matrix3;

typedef struct {
    A_FpLong mat[4][4];
} A_Matrix4;

typedef struct {
    A_long left, top, right, bottom;
} A_LRect;

typedef A_LRect A_Rect;

typedef struct {
    A_long x, y;
} A_LPoint;

typedef struct {
    A_FpLong alpha, red, green, blue;
} A_Color;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins: every value below is the host's own, as its compiler lays the
// records out. A failure here means the declarations drifted from the host.
static_assert(sizeof(A_long) == 4 && sizeof(A_u_long) == 4 && sizeof(A_short) == 2 &&
                  sizeof(A_u_short) == 2,
              "integer sizes");
static_assert(sizeof(A_char) == 1 && sizeof(A_u_char) == 1 && sizeof(A_Boolean) == 1, "byte sizes");
static_assert(sizeof(A_FpLong) == 8 && sizeof(A_FpShort) == 4, "float sizes");
static_assert(sizeof(A_intptr_t) == 8 && sizeof(A_u_longlong) == 8 && sizeof(A_HandleSize) == 8,
              "64-bit sizes");
static_assert(sizeof(A_UTF16Char) == 2 && sizeof(A_Handle) == 8, "A_UTF16Char, A_Handle");
static_assert((A_long)-1 < 0 && (A_short)-1 < 0 && (A_intptr_t)-1 < 0, "signed types");
static_assert((A_u_long)-1 > 0 && (A_u_short)-1 > 0 && (A_u_char)-1 > 0 && (A_Boolean)-1 > 0 &&
                  (A_u_longlong)-1 > 0,
              "unsigned types");
#if defined(_WIN32)
static_assert(sizeof(A_LegacyEnumType) == 4, "A_LegacyEnumType is 4 bytes on Windows");
#else
static_assert(sizeof(A_LegacyEnumType) == 1, "A_LegacyEnumType is 1 byte on macOS");
#endif

static_assert(sizeof(A_Time) == 8 && alignof(A_Time) == 4, "A_Time");
static_assert(offsetof(A_Time, value) == 0 && sizeof(A_Time::value) == 4, "A_Time.value");
static_assert(offsetof(A_Time, scale) == 4 && sizeof(A_Time::scale) == 4, "A_Time.scale");
static_assert(sizeof(A_Ratio) == 8 && alignof(A_Ratio) == 4, "A_Ratio");
static_assert(offsetof(A_Ratio, num) == 0 && sizeof(A_Ratio::num) == 4, "A_Ratio.num");
static_assert(offsetof(A_Ratio, den) == 4 && sizeof(A_Ratio::den) == 4, "A_Ratio.den");
static_assert(sizeof(A_FloatPoint) == 16 && alignof(A_FloatPoint) == 8, "A_FloatPoint");
static_assert(offsetof(A_FloatPoint, x) == 0 && sizeof(A_FloatPoint::x) == 8, "A_FloatPoint.x");
static_assert(offsetof(A_FloatPoint, y) == 8 && sizeof(A_FloatPoint::y) == 8, "A_FloatPoint.y");
static_assert(sizeof(A_FloatRect) == 32 && alignof(A_FloatRect) == 8, "A_FloatRect");
static_assert(offsetof(A_FloatRect, left) == 0 && sizeof(A_FloatRect::left) == 8,
              "A_FloatRect.left");
static_assert(offsetof(A_FloatRect, top) == 8 && sizeof(A_FloatRect::top) == 8, "A_FloatRect.top");
static_assert(offsetof(A_FloatRect, right) == 16 && sizeof(A_FloatRect::right) == 8,
              "A_FloatRect.right");
static_assert(offsetof(A_FloatRect, bottom) == 24 && sizeof(A_FloatRect::bottom) == 8,
              "A_FloatRect.bottom");
static_assert(sizeof(A_Matrix3) == 72 && alignof(A_Matrix3) == 8, "A_Matrix3");
static_assert(offsetof(A_Matrix3, mat) == 0 && sizeof(A_Matrix3::mat) == 72, "A_Matrix3.mat");
static_assert(sizeof(A_Matrix4) == 128 && alignof(A_Matrix4) == 8, "A_Matrix4");
static_assert(offsetof(A_Matrix4, mat) == 0 && sizeof(A_Matrix4::mat) == 128, "A_Matrix4.mat");
static_assert(sizeof(A_LRect) == 16 && alignof(A_LRect) == 4, "A_LRect");
static_assert(offsetof(A_LRect, left) == 0 && sizeof(A_LRect::left) == 4, "A_LRect.left");
static_assert(offsetof(A_LRect, top) == 4 && sizeof(A_LRect::top) == 4, "A_LRect.top");
static_assert(offsetof(A_LRect, right) == 8 && sizeof(A_LRect::right) == 4, "A_LRect.right");
static_assert(offsetof(A_LRect, bottom) == 12 && sizeof(A_LRect::bottom) == 4, "A_LRect.bottom");
static_assert(sizeof(A_LPoint) == 8 && alignof(A_LPoint) == 4, "A_LPoint");
static_assert(offsetof(A_LPoint, x) == 0 && sizeof(A_LPoint::x) == 4, "A_LPoint.x");
static_assert(offsetof(A_LPoint, y) == 4 && sizeof(A_LPoint::y) == 4, "A_LPoint.y");
static_assert(sizeof(A_Color) == 32 && alignof(A_Color) == 8, "A_Color");
static_assert(offsetof(A_Color, alpha) == 0 && sizeof(A_Color::alpha) == 8, "A_Color.alpha");
static_assert(offsetof(A_Color, red) == 8 && sizeof(A_Color::red) == 8, "A_Color.red");
static_assert(offsetof(A_Color, green) == 16 && sizeof(A_Color::green) == 8, "A_Color.green");
static_assert(offsetof(A_Color, blue) == 24 && sizeof(A_Color::blue) == 8, "A_Color.blue");
#endif
