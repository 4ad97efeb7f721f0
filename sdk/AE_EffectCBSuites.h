#pragma once

// Suites that repeat the utility callbacks: handles, the C library,
// iteration over pixels and pixel worlds. Acquired through the basic suite by
// the name and numeric version below; a table stays valid until released.

#include "AE_EffectCB.h"
#include "SP/SPBasic.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

// Handle sizes are 64-bit. The registered version is 2 although the table's
// name ends in 1. Memory behind a handle is reached through
// host_lock_handle; the handle is owned by whoever allocated it.
#define kPFHandleSuite "PF Handle Suite"
#define kPFHandleSuiteVersion1 2

typedef struct PF_HandleSuite1 {
    SPAPI PF_Handle (*host_new_handle)(A_HandleSize size);
    SPAPI void* (*host_lock_handle)(PF_Handle pf_handle);
    SPAPI void (*host_unlock_handle)(PF_Handle pf_handle);
    SPAPI void (*host_dispose_handle)(PF_Handle pf_handle);
    SPAPI A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
    SPAPI PF_Err (*host_resize_handle)(A_HandleSize new_sizeL, PF_Handle* handlePH);
} PF_HandleSuite1;

// The C library as the host provides it; sprintf is variadic.
#define kPFANSISuite "PF ANSI Suite"
#define kPFANSISuiteVersion1 1

typedef struct PF_ANSICallbacksSuite1 {
    SPAPI A_FpLong (*atan)(A_FpLong);
    SPAPI A_FpLong (*atan2)(A_FpLong y, A_FpLong x);
    SPAPI A_FpLong (*ceil)(A_FpLong);
    SPAPI A_FpLong (*cos)(A_FpLong);
    SPAPI A_FpLong (*exp)(A_FpLong);
    SPAPI A_FpLong (*fabs)(A_FpLong);
    SPAPI A_FpLong (*floor)(A_FpLong);
    SPAPI A_FpLong (*fmod)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*hypot)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*log)(A_FpLong);
    SPAPI A_FpLong (*log10)(A_FpLong);
    SPAPI A_FpLong (*pow)(A_FpLong x, A_FpLong y);
    SPAPI A_FpLong (*sin)(A_FpLong);
    SPAPI A_FpLong (*sqrt)(A_FpLong);
    SPAPI A_FpLong (*tan)(A_FpLong);
    SPAPI int (*sprintf)(A_char* buffer, const A_char* format, ...);
    SPAPI A_char* (*strcpy)(A_char* dst, const A_char* src);
    SPAPI A_FpLong (*asin)(A_FpLong);
    SPAPI A_FpLong (*acos)(A_FpLong);
} PF_ANSICallbacksSuite1;

// Iteration over a world, possibly on several host threads at once: the
// pixel function must be safe to call concurrently. area null means the
// whole destination.
#define kPFIterate8Suite "PF Iterate8 Suite"
#define kPFIterate8SuiteVersion1 1
#define kPFIterate8SuiteVersion2 2  // same table as version 1

typedef struct PF_Iterate8Suite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                            PF_EffectWorld* src, const PF_Rect* area, void* refcon,
                            PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                   PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                   void* refcon, PF_IteratePixel8Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_lut)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                PF_EffectWorld* src, const PF_Rect* area, A_u_char* a_lut0,
                                A_u_char* r_lut0, A_u_char* g_lut0, A_u_char* b_lut0,
                                PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base,
                                                A_long progress_final, PF_EffectWorld* src,
                                                const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixel8Func pix_fn,
                                                PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_generic)(A_long iterationsL, void* refconPV,
                                    PF_Err (*fn_func)(void* refconPV, A_long thread_indexL,
                                                      A_long i, A_long iterationsL));
} PF_Iterate8Suite1;

#define kPFIterate16Suite "PF Iterate16 Suite"
#define kPFIterate16SuiteVersion1 1

typedef struct PF_Iterate16Suite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                            PF_EffectWorld* src, const PF_Rect* area, void* refcon,
                            PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                   PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                   void* refcon, PF_IteratePixel16Func pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base,
                                                A_long progress_final, PF_EffectWorld* src,
                                                const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixel16Func pix_fn,
                                                PF_EffectWorld* dst);
} PF_Iterate16Suite1;

#define kPFIterateFloatSuite "PF iterateFloat Suite"
#define kPFIterateFloatSuiteVersion1 1
#define kPFIterateFloatSuiteVersion2 2  // same table as version 1

typedef struct PF_iterateFloatSuite1 {
    SPAPI PF_Err (*iterate)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                            PF_EffectWorld* src, const PF_Rect* area, void* refcon,
                            PF_IteratePixelFloatFunc pix_fn, PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin)(PF_InData* in_data, A_long progress_base, A_long progress_final,
                                   PF_EffectWorld* src, const PF_Rect* area, const PF_Point* origin,
                                   void* refcon, PF_IteratePixelFloatFunc pix_fn,
                                   PF_EffectWorld* dst);
    SPAPI PF_Err (*iterate_origin_non_clip_src)(PF_InData* in_data, A_long progress_base,
                                                A_long progress_final, PF_EffectWorld* src,
                                                const PF_Rect* area, const PF_Point* origin,
                                                void* refcon, PF_IteratePixelFloatFunc pix_fn,
                                                PF_EffectWorld* dst);
} PF_IterateFloatSuite1;

// Worlds made by PF_NewWorld belong to the caller until PF_DisposeWorld.
#define kPFWorldSuite "PF World Suite"
#define kPFWorldSuiteVersion2 2

typedef struct PF_WorldSuite2 {
    SPAPI PF_Err (*PF_NewWorld)(PF_ProgPtr effect_ref, A_long widthL, A_long heightL,
                                PF_Boolean clear_pixB, PF_PixelFormat pixel_format,
                                PF_EffectWorld* worldP);
    SPAPI PF_Err (*PF_DisposeWorld)(PF_ProgPtr effect_ref, PF_EffectWorld* worldP);
    SPAPI PF_Err (*PF_GetPixelFormat)(const PF_EffectWorld* worldP, PF_PixelFormat* pixel_formatP);
} PF_WorldSuite2;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(PF_HandleSuite1) == 48 && alignof(PF_HandleSuite1) == 8, "PF_HandleSuite1");
static_assert(offsetof(PF_HandleSuite1, host_new_handle) == 0 &&
                  sizeof(PF_HandleSuite1::host_new_handle) == 8,
              "PF_HandleSuite1.host_new_handle");
static_assert(offsetof(PF_HandleSuite1, host_lock_handle) == 8 &&
                  sizeof(PF_HandleSuite1::host_lock_handle) == 8,
              "PF_HandleSuite1.host_lock_handle");
static_assert(offsetof(PF_HandleSuite1, host_unlock_handle) == 16 &&
                  sizeof(PF_HandleSuite1::host_unlock_handle) == 8,
              "PF_HandleSuite1.host_unlock_handle");
static_assert(offsetof(PF_HandleSuite1, host_dispose_handle) == 24 &&
                  sizeof(PF_HandleSuite1::host_dispose_handle) == 8,
              "PF_HandleSuite1.host_dispose_handle");
static_assert(offsetof(PF_HandleSuite1, host_get_handle_size) == 32 &&
                  sizeof(PF_HandleSuite1::host_get_handle_size) == 8,
              "PF_HandleSuite1.host_get_handle_size");
static_assert(offsetof(PF_HandleSuite1, host_resize_handle) == 40 &&
                  sizeof(PF_HandleSuite1::host_resize_handle) == 8,
              "PF_HandleSuite1.host_resize_handle");

static_assert(sizeof(PF_ANSICallbacksSuite1) == 152 && alignof(PF_ANSICallbacksSuite1) == 8,
              "PF_ANSICallbacksSuite1");
static_assert(offsetof(PF_ANSICallbacksSuite1, atan) == 0 &&
                  sizeof(PF_ANSICallbacksSuite1::atan) == 8,
              "PF_ANSICallbacksSuite1.atan");
static_assert(offsetof(PF_ANSICallbacksSuite1, atan2) == 8 &&
                  sizeof(PF_ANSICallbacksSuite1::atan2) == 8,
              "PF_ANSICallbacksSuite1.atan2");
static_assert(offsetof(PF_ANSICallbacksSuite1, ceil) == 16 &&
                  sizeof(PF_ANSICallbacksSuite1::ceil) == 8,
              "PF_ANSICallbacksSuite1.ceil");
static_assert(offsetof(PF_ANSICallbacksSuite1, cos) == 24 &&
                  sizeof(PF_ANSICallbacksSuite1::cos) == 8,
              "PF_ANSICallbacksSuite1.cos");
static_assert(offsetof(PF_ANSICallbacksSuite1, exp) == 32 &&
                  sizeof(PF_ANSICallbacksSuite1::exp) == 8,
              "PF_ANSICallbacksSuite1.exp");
static_assert(offsetof(PF_ANSICallbacksSuite1, fabs) == 40 &&
                  sizeof(PF_ANSICallbacksSuite1::fabs) == 8,
              "PF_ANSICallbacksSuite1.fabs");
static_assert(offsetof(PF_ANSICallbacksSuite1, floor) == 48 &&
                  sizeof(PF_ANSICallbacksSuite1::floor) == 8,
              "PF_ANSICallbacksSuite1.floor");
static_assert(offsetof(PF_ANSICallbacksSuite1, fmod) == 56 &&
                  sizeof(PF_ANSICallbacksSuite1::fmod) == 8,
              "PF_ANSICallbacksSuite1.fmod");
static_assert(offsetof(PF_ANSICallbacksSuite1, hypot) == 64 &&
                  sizeof(PF_ANSICallbacksSuite1::hypot) == 8,
              "PF_ANSICallbacksSuite1.hypot");
static_assert(offsetof(PF_ANSICallbacksSuite1, log) == 72 &&
                  sizeof(PF_ANSICallbacksSuite1::log) == 8,
              "PF_ANSICallbacksSuite1.log");
static_assert(offsetof(PF_ANSICallbacksSuite1, log10) == 80 &&
                  sizeof(PF_ANSICallbacksSuite1::log10) == 8,
              "PF_ANSICallbacksSuite1.log10");
static_assert(offsetof(PF_ANSICallbacksSuite1, pow) == 88 &&
                  sizeof(PF_ANSICallbacksSuite1::pow) == 8,
              "PF_ANSICallbacksSuite1.pow");
static_assert(offsetof(PF_ANSICallbacksSuite1, sin) == 96 &&
                  sizeof(PF_ANSICallbacksSuite1::sin) == 8,
              "PF_ANSICallbacksSuite1.sin");
static_assert(offsetof(PF_ANSICallbacksSuite1, sqrt) == 104 &&
                  sizeof(PF_ANSICallbacksSuite1::sqrt) == 8,
              "PF_ANSICallbacksSuite1.sqrt");
static_assert(offsetof(PF_ANSICallbacksSuite1, tan) == 112 &&
                  sizeof(PF_ANSICallbacksSuite1::tan) == 8,
              "PF_ANSICallbacksSuite1.tan");
static_assert(offsetof(PF_ANSICallbacksSuite1, sprintf) == 120 &&
                  sizeof(PF_ANSICallbacksSuite1::sprintf) == 8,
              "PF_ANSICallbacksSuite1.sprintf");
static_assert(offsetof(PF_ANSICallbacksSuite1, strcpy) == 128 &&
                  sizeof(PF_ANSICallbacksSuite1::strcpy) == 8,
              "PF_ANSICallbacksSuite1.strcpy");
static_assert(offsetof(PF_ANSICallbacksSuite1, asin) == 136 &&
                  sizeof(PF_ANSICallbacksSuite1::asin) == 8,
              "PF_ANSICallbacksSuite1.asin");
static_assert(offsetof(PF_ANSICallbacksSuite1, acos) == 144 &&
                  sizeof(PF_ANSICallbacksSuite1::acos) == 8,
              "PF_ANSICallbacksSuite1.acos");

static_assert(sizeof(PF_Iterate8Suite1) == 40 && alignof(PF_Iterate8Suite1) == 8,
              "PF_Iterate8Suite1");
static_assert(offsetof(PF_Iterate8Suite1, iterate) == 0 && sizeof(PF_Iterate8Suite1::iterate) == 8,
              "PF_Iterate8Suite1.iterate");
static_assert(offsetof(PF_Iterate8Suite1, iterate_origin) == 8 &&
                  sizeof(PF_Iterate8Suite1::iterate_origin) == 8,
              "PF_Iterate8Suite1.iterate_origin");
static_assert(offsetof(PF_Iterate8Suite1, iterate_lut) == 16 &&
                  sizeof(PF_Iterate8Suite1::iterate_lut) == 8,
              "PF_Iterate8Suite1.iterate_lut");
static_assert(offsetof(PF_Iterate8Suite1, iterate_origin_non_clip_src) == 24 &&
                  sizeof(PF_Iterate8Suite1::iterate_origin_non_clip_src) == 8,
              "PF_Iterate8Suite1.iterate_origin_non_clip_src");
static_assert(offsetof(PF_Iterate8Suite1, iterate_generic) == 32 &&
                  sizeof(PF_Iterate8Suite1::iterate_generic) == 8,
              "PF_Iterate8Suite1.iterate_generic");

static_assert(sizeof(PF_Iterate16Suite1) == 24 && alignof(PF_Iterate16Suite1) == 8,
              "PF_Iterate16Suite1");
static_assert(offsetof(PF_Iterate16Suite1, iterate) == 0 &&
                  offsetof(PF_Iterate16Suite1, iterate_origin) == 8 &&
                  offsetof(PF_Iterate16Suite1, iterate_origin_non_clip_src) == 16,
              "PF_Iterate16Suite1 members");

static_assert(sizeof(PF_IterateFloatSuite1) == 24 && alignof(PF_IterateFloatSuite1) == 8,
              "PF_IterateFloatSuite1");
static_assert(offsetof(PF_IterateFloatSuite1, iterate) == 0 &&
                  sizeof(PF_IterateFloatSuite1::iterate) == 8,
              "PF_IterateFloatSuite1.iterate");
static_assert(offsetof(PF_IterateFloatSuite1, iterate_origin) == 8 &&
                  sizeof(PF_IterateFloatSuite1::iterate_origin) == 8,
              "PF_IterateFloatSuite1.iterate_origin");
static_assert(offsetof(PF_IterateFloatSuite1, iterate_origin_non_clip_src) == 16 &&
                  sizeof(PF_IterateFloatSuite1::iterate_origin_non_clip_src) == 8,
              "PF_IterateFloatSuite1.iterate_origin_non_clip_src");

static_assert(sizeof(PF_WorldSuite2) == 24 && alignof(PF_WorldSuite2) == 8, "PF_WorldSuite2");
static_assert(offsetof(PF_WorldSuite2, PF_NewWorld) == 0 &&
                  sizeof(PF_WorldSuite2::PF_NewWorld) == 8,
              "PF_WorldSuite2.PF_NewWorld");
static_assert(offsetof(PF_WorldSuite2, PF_DisposeWorld) == 8 &&
                  sizeof(PF_WorldSuite2::PF_DisposeWorld) == 8,
              "PF_WorldSuite2.PF_DisposeWorld");
static_assert(offsetof(PF_WorldSuite2, PF_GetPixelFormat) == 16 &&
                  sizeof(PF_WorldSuite2::PF_GetPixelFormat) == 8,
              "PF_WorldSuite2.PF_GetPixelFormat");
#endif
