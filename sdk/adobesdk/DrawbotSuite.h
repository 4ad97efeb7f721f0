#pragma once

// The host's 2D drawing interface used by custom UI: a drawing reference
// obtained from the event's context gives a supplier (pens, brushes, fonts,
// images, paths) and a surface to draw on. Every object a supplier creates
// is released through ReleaseObject by its creator; the drawing reference,
// supplier and surface belong to the host and live for the event.

#include <stdint.h>

#include "../SP/SPBasic.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _DRAWBOT_DrawRef* DRAWBOT_DrawRef;
typedef struct _DRAWBOT_SupplierRef* DRAWBOT_SupplierRef;
typedef struct _DRAWBOT_SurfaceRef* DRAWBOT_SurfaceRef;
typedef struct _DRAWBOT_ImageRef* DRAWBOT_ImageRef;
typedef struct _DRAWBOT_PathRef* DRAWBOT_PathRef;
typedef struct _DRAWBOT_PenRef* DRAWBOT_PenRef;
typedef struct _DRAWBOT_BrushRef* DRAWBOT_BrushRef;
typedef struct _DRAWBOT_FontRef* DRAWBOT_FontRef;
typedef struct _DRAWBOT_ObjectRef* DRAWBOT_ObjectRef;

typedef uint8_t DRAWBOT_Boolean;
typedef uint16_t DRAWBOT_UTF16Char;

typedef int DRAWBOT_PixelLayout;
typedef int DRAWBOT_FillType;
typedef int DRAWBOT_TextAlignment;
typedef int DRAWBOT_TextTruncation;
typedef int DRAWBOT_InterpolationPolicy;
typedef int DRAWBOT_AntiAliasPolicy;

enum {
    kDRAWBOT_PixelLayout_24RGB = 0,
    kDRAWBOT_PixelLayout_24BGR = 1,
    kDRAWBOT_PixelLayout_32RGB = 2,
    kDRAWBOT_PixelLayout_32BGR = 3,
    kDRAWBOT_PixelLayout_32ARGB_Straight = 4,
    kDRAWBOT_PixelLayout_32ARGB_Premul = 5,
    kDRAWBOT_PixelLayout_32BGRA_Straight = 6,
    kDRAWBOT_PixelLayout_32BGRA_Premul = 7,
};

enum {
    kDRAWBOT_FillType_EvenOdd = 0,
    kDRAWBOT_FillType_Winding = 1,
    kDRAWBOT_FillType_Default = 1,
    kDRAWBOT_TextAlignment_Left = 0,
    kDRAWBOT_TextAlignment_Center = 1,
    kDRAWBOT_TextAlignment_Right = 2,
    kDRAWBOT_TextAlignment_Default = 0,
    kDRAWBOT_TextTruncation_None = 0,
    kDRAWBOT_TextTruncation_End = 1,
    kDRAWBOT_TextTruncation_EndEllipsis = 2,
    kDRAWBOT_TextTruncation_PathEllipsis = 3,
    kDRAWBOT_InterpolationPolicy_None = 0,
    kDRAWBOT_InterpolationPolicy_Med = 1,
    kDRAWBOT_InterpolationPolicy_High = 2,
    kDRAWBOT_InterpolationPolicy_Default = 0,
    kDRAWBOT_AntiAliasPolicy_None = 0,
    kDRAWBOT_AntiAliasPolicy_Med = 1,
    kDRAWBOT_AntiAliasPolicy_High = 2,
    kDRAWBOT_AntiAliasPolicy_Default = 0,
};

typedef struct {
    float red, green, blue, alpha;
} DRAWBOT_ColorRGBA;

typedef struct {
    float x, y;
} DRAWBOT_PointF32;

typedef struct {
    float left, top, width, height;
} DRAWBOT_RectF32;

typedef struct {
    int left, top, width, height;
} DRAWBOT_Rect32;

// Row-major: mat[row][col].
typedef struct {
    float mat[3][3];
} DRAWBOT_MatrixF32;

#define kDRAWBOT_DrawSuite "DRAWBOT Draw Suite"
#define kDRAWBOT_DrawSuite_Version1 1

typedef struct {
    SPAPI SPErr (*GetSupplier)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SupplierRef* out_supplierP);
    SPAPI SPErr (*GetSurface)(DRAWBOT_DrawRef in_drawbot_ref, DRAWBOT_SurfaceRef* out_surfaceP);
} DRAWBOT_DrawbotSuite1;

#define kDRAWBOT_SupplierSuite "DRAWBOT Supplier Suite"
#define kDRAWBOT_SupplierSuite_Version1 1

typedef struct {
    SPAPI SPErr (*NewPen)(DRAWBOT_SupplierRef in_supplier_ref, const DRAWBOT_ColorRGBA* in_colorP,
                          float in_size, DRAWBOT_PenRef* out_penP);
    SPAPI SPErr (*NewBrush)(DRAWBOT_SupplierRef in_supplier_ref, const DRAWBOT_ColorRGBA* in_colorP,
                            DRAWBOT_BrushRef* out_brushP);
    SPAPI SPErr (*SupportsText)(DRAWBOT_SupplierRef in_supplier_ref,
                                DRAWBOT_Boolean* out_supports_textB);
    SPAPI SPErr (*GetDefaultFontSize)(DRAWBOT_SupplierRef in_supplier_ref, float* out_font_sizeF);
    SPAPI SPErr (*NewDefaultFont)(DRAWBOT_SupplierRef in_supplier_ref, float in_font_sizeF,
                                  DRAWBOT_FontRef* out_fontP);
    // The pixels are copied; in_dataP stays the caller's.
    SPAPI SPErr (*NewImageFromBuffer)(DRAWBOT_SupplierRef in_supplier_ref, int in_width,
                                      int in_height, int in_row_bytes, DRAWBOT_PixelLayout in_pl,
                                      const void* in_dataP, DRAWBOT_ImageRef* out_imageP);
    SPAPI SPErr (*NewPath)(DRAWBOT_SupplierRef in_supplier_ref, DRAWBOT_PathRef* out_pathP);
    SPAPI SPErr (*SupportsPixelLayoutBGRA)(DRAWBOT_SupplierRef in_supplier_ref,
                                           DRAWBOT_Boolean* out_supports_bgraPB);
    SPAPI SPErr (*PrefersPixelLayoutBGRA)(DRAWBOT_SupplierRef in_supplier_ref,
                                          DRAWBOT_Boolean* out_prefers_bgraPB);
    SPAPI SPErr (*SupportsPixelLayoutARGB)(DRAWBOT_SupplierRef in_supplier_ref,
                                           DRAWBOT_Boolean* out_supports_argbPB);
    SPAPI SPErr (*PrefersPixelLayoutARGB)(DRAWBOT_SupplierRef in_supplier_ref,
                                          DRAWBOT_Boolean* out_prefers_argbPB);
    SPAPI SPErr (*RetainObject)(DRAWBOT_ObjectRef in_obj_ref);
    SPAPI SPErr (*ReleaseObject)(DRAWBOT_ObjectRef in_obj_ref);
} DRAWBOT_SupplierSuite1;

#define kDRAWBOT_SurfaceSuite "DRAWBOT Surface Suite"
#define kDRAWBOT_SurfaceSuite_Version1 1
#define kDRAWBOT_SurfaceSuite_Version2 2

// Version 1 of the suite is the first 16 slots (through Flush); version 2
// adds GetTransformToScreenScale. Both versions share this declaration.
typedef struct DRAWBOT_SurfaceSuite1 {
    SPAPI SPErr (*PushStateStack)(DRAWBOT_SurfaceRef in_surface_ref);
    SPAPI SPErr (*PopStateStack)(DRAWBOT_SurfaceRef in_surface_ref);
    SPAPI SPErr (*PaintRect)(DRAWBOT_SurfaceRef in_surface_ref, const DRAWBOT_ColorRGBA* in_colorP,
                             const DRAWBOT_RectF32* in_rectPR);
    SPAPI SPErr (*FillPath)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_BrushRef in_brush_ref,
                            DRAWBOT_PathRef in_path_ref, DRAWBOT_FillType in_fill_type);
    SPAPI SPErr (*StrokePath)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_PenRef in_pen_ref,
                              DRAWBOT_PathRef in_path_ref);
    SPAPI SPErr (*Clip)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_SupplierRef in_supplier_ref,
                        const DRAWBOT_Rect32* in_rectPR);
    SPAPI SPErr (*GetClipBounds)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_Rect32* out_rectPR);
    SPAPI SPErr (*IsWithinClipBounds)(DRAWBOT_SurfaceRef in_surface_ref,
                                      const DRAWBOT_Rect32* in_rectPR,
                                      DRAWBOT_Boolean* out_withinPB);
    SPAPI SPErr (*Transform)(DRAWBOT_SurfaceRef in_surface_ref,
                             const DRAWBOT_MatrixF32* in_matrixP);
    SPAPI SPErr (*DrawString)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_BrushRef in_brush_ref,
                              DRAWBOT_FontRef in_font_ref, const DRAWBOT_UTF16Char* in_stringP,
                              const DRAWBOT_PointF32* in_originP,
                              DRAWBOT_TextAlignment in_alignment_style,
                              DRAWBOT_TextTruncation in_truncation_style,
                              float in_truncation_width);
    SPAPI SPErr (*DrawImage)(DRAWBOT_SurfaceRef in_surface_ref, DRAWBOT_ImageRef in_image_ref,
                             const DRAWBOT_PointF32* in_originP, float in_alpha);
    SPAPI SPErr (*SetInterpolationPolicy)(DRAWBOT_SurfaceRef in_surface_ref,
                                          DRAWBOT_InterpolationPolicy in_interp);
    SPAPI SPErr (*GetInterpolationPolicy)(DRAWBOT_SurfaceRef in_surface_ref,
                                          DRAWBOT_InterpolationPolicy* out_interpP);
    SPAPI SPErr (*SetAntiAliasPolicy)(DRAWBOT_SurfaceRef in_surface_ref,
                                      DRAWBOT_AntiAliasPolicy in_policy);
    SPAPI SPErr (*GetAntiAliasPolicy)(DRAWBOT_SurfaceRef in_surface_ref,
                                      DRAWBOT_AntiAliasPolicy* out_policyP);
    SPAPI SPErr (*Flush)(DRAWBOT_SurfaceRef in_surface_ref);
    SPAPI SPErr (*GetTransformToScreenScale)(DRAWBOT_SurfaceRef in_surface_ref, float* out_scale);
} DRAWBOT_SurfaceSuite2;

typedef DRAWBOT_SurfaceSuite2 DRAWBOT_SurfaceSuite1;

#define kDRAWBOT_PathSuite "DRAWBOT Path Suite"
#define kDRAWBOT_PathSuite_Version1 1

typedef struct {
    SPAPI SPErr (*MoveTo)(DRAWBOT_PathRef in_path_ref, float in_x, float in_y);
    SPAPI SPErr (*LineTo)(DRAWBOT_PathRef in_path_ref, float in_x, float in_y);
    SPAPI SPErr (*BezierTo)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_PointF32* in_pt1P,
                            const DRAWBOT_PointF32* in_pt2P, const DRAWBOT_PointF32* in_pt3P);
    SPAPI SPErr (*AddRect)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_RectF32* in_rectPR);
    SPAPI SPErr (*AddArc)(DRAWBOT_PathRef in_path_ref, const DRAWBOT_PointF32* in_centerP,
                          float in_radius, float in_start_angle, float in_sweep);
    SPAPI SPErr (*Close)(DRAWBOT_PathRef in_path_ref);
} DRAWBOT_PathSuite1;

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)

#ifdef __cplusplus
// Layout pins (the host's values).
static_assert(sizeof(DRAWBOT_Boolean) == 1 && sizeof(DRAWBOT_UTF16Char) == 2 &&
                  sizeof(DRAWBOT_PixelLayout) == 4,
              "DRAWBOT scalar sizes");
static_assert(sizeof(DRAWBOT_DrawRef) == 8 && sizeof(DRAWBOT_ObjectRef) == 8, "DRAWBOT references");

static_assert(sizeof(DRAWBOT_ColorRGBA) == 16 && alignof(DRAWBOT_ColorRGBA) == 4,
              "DRAWBOT_ColorRGBA");
static_assert(offsetof(DRAWBOT_ColorRGBA, red) == 0 && sizeof(DRAWBOT_ColorRGBA::red) == 4,
              "DRAWBOT_ColorRGBA.red");
static_assert(offsetof(DRAWBOT_ColorRGBA, green) == 4 && sizeof(DRAWBOT_ColorRGBA::green) == 4,
              "DRAWBOT_ColorRGBA.green");
static_assert(offsetof(DRAWBOT_ColorRGBA, blue) == 8 && sizeof(DRAWBOT_ColorRGBA::blue) == 4,
              "DRAWBOT_ColorRGBA.blue");
static_assert(offsetof(DRAWBOT_ColorRGBA, alpha) == 12 && sizeof(DRAWBOT_ColorRGBA::alpha) == 4,
              "DRAWBOT_ColorRGBA.alpha");

static_assert(sizeof(DRAWBOT_PointF32) == 8 && alignof(DRAWBOT_PointF32) == 4, "DRAWBOT_PointF32");
static_assert(offsetof(DRAWBOT_PointF32, x) == 0 && sizeof(DRAWBOT_PointF32::x) == 4,
              "DRAWBOT_PointF32.x");
static_assert(offsetof(DRAWBOT_PointF32, y) == 4 && sizeof(DRAWBOT_PointF32::y) == 4,
              "DRAWBOT_PointF32.y");

static_assert(sizeof(DRAWBOT_RectF32) == 16 && alignof(DRAWBOT_RectF32) == 4, "DRAWBOT_RectF32");
static_assert(offsetof(DRAWBOT_RectF32, left) == 0 && sizeof(DRAWBOT_RectF32::left) == 4,
              "DRAWBOT_RectF32.left");
static_assert(offsetof(DRAWBOT_RectF32, top) == 4 && sizeof(DRAWBOT_RectF32::top) == 4,
              "DRAWBOT_RectF32.top");
static_assert(offsetof(DRAWBOT_RectF32, width) == 8 && sizeof(DRAWBOT_RectF32::width) == 4,
              "DRAWBOT_RectF32.width");
static_assert(offsetof(DRAWBOT_RectF32, height) == 12 && sizeof(DRAWBOT_RectF32::height) == 4,
              "DRAWBOT_RectF32.height");

static_assert(sizeof(DRAWBOT_Rect32) == 16 && alignof(DRAWBOT_Rect32) == 4, "DRAWBOT_Rect32");
static_assert(offsetof(DRAWBOT_Rect32, left) == 0 && sizeof(DRAWBOT_Rect32::left) == 4,
              "DRAWBOT_Rect32.left");
static_assert(offsetof(DRAWBOT_Rect32, top) == 4 && sizeof(DRAWBOT_Rect32::top) == 4,
              "DRAWBOT_Rect32.top");
static_assert(offsetof(DRAWBOT_Rect32, width) == 8 && sizeof(DRAWBOT_Rect32::width) == 4,
              "DRAWBOT_Rect32.width");
static_assert(offsetof(DRAWBOT_Rect32, height) == 12 && sizeof(DRAWBOT_Rect32::height) == 4,
              "DRAWBOT_Rect32.height");

static_assert(sizeof(DRAWBOT_MatrixF32) == 36 && alignof(DRAWBOT_MatrixF32) == 4,
              "DRAWBOT_MatrixF32");
static_assert(offsetof(DRAWBOT_MatrixF32, mat) == 0 && sizeof(DRAWBOT_MatrixF32::mat) == 36,
              "DRAWBOT_MatrixF32.mat");

static_assert(sizeof(DRAWBOT_DrawbotSuite1) == 16 && alignof(DRAWBOT_DrawbotSuite1) == 8,
              "DRAWBOT_DrawbotSuite1");
static_assert(offsetof(DRAWBOT_DrawbotSuite1, GetSupplier) == 0 &&
                  sizeof(DRAWBOT_DrawbotSuite1::GetSupplier) == 8,
              "DRAWBOT_DrawbotSuite1.GetSupplier");
static_assert(offsetof(DRAWBOT_DrawbotSuite1, GetSurface) == 8 &&
                  sizeof(DRAWBOT_DrawbotSuite1::GetSurface) == 8,
              "DRAWBOT_DrawbotSuite1.GetSurface");

static_assert(sizeof(DRAWBOT_SupplierSuite1) == 104 && alignof(DRAWBOT_SupplierSuite1) == 8,
              "DRAWBOT_SupplierSuite1");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewPen) == 0 &&
                  sizeof(DRAWBOT_SupplierSuite1::NewPen) == 8,
              "DRAWBOT_SupplierSuite1.NewPen");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewBrush) == 8 &&
                  sizeof(DRAWBOT_SupplierSuite1::NewBrush) == 8,
              "DRAWBOT_SupplierSuite1.NewBrush");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsText) == 16 &&
                  sizeof(DRAWBOT_SupplierSuite1::SupportsText) == 8,
              "DRAWBOT_SupplierSuite1.SupportsText");
static_assert(offsetof(DRAWBOT_SupplierSuite1, GetDefaultFontSize) == 24 &&
                  sizeof(DRAWBOT_SupplierSuite1::GetDefaultFontSize) == 8,
              "DRAWBOT_SupplierSuite1.GetDefaultFontSize");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewDefaultFont) == 32 &&
                  sizeof(DRAWBOT_SupplierSuite1::NewDefaultFont) == 8,
              "DRAWBOT_SupplierSuite1.NewDefaultFont");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewImageFromBuffer) == 40 &&
                  sizeof(DRAWBOT_SupplierSuite1::NewImageFromBuffer) == 8,
              "DRAWBOT_SupplierSuite1.NewImageFromBuffer");
static_assert(offsetof(DRAWBOT_SupplierSuite1, NewPath) == 48 &&
                  sizeof(DRAWBOT_SupplierSuite1::NewPath) == 8,
              "DRAWBOT_SupplierSuite1.NewPath");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsPixelLayoutBGRA) == 56 &&
                  sizeof(DRAWBOT_SupplierSuite1::SupportsPixelLayoutBGRA) == 8,
              "DRAWBOT_SupplierSuite1.SupportsPixelLayoutBGRA");
static_assert(offsetof(DRAWBOT_SupplierSuite1, PrefersPixelLayoutBGRA) == 64 &&
                  sizeof(DRAWBOT_SupplierSuite1::PrefersPixelLayoutBGRA) == 8,
              "DRAWBOT_SupplierSuite1.PrefersPixelLayoutBGRA");
static_assert(offsetof(DRAWBOT_SupplierSuite1, SupportsPixelLayoutARGB) == 72 &&
                  sizeof(DRAWBOT_SupplierSuite1::SupportsPixelLayoutARGB) == 8,
              "DRAWBOT_SupplierSuite1.SupportsPixelLayoutARGB");
static_assert(offsetof(DRAWBOT_SupplierSuite1, PrefersPixelLayoutARGB) == 80 &&
                  sizeof(DRAWBOT_SupplierSuite1::PrefersPixelLayoutARGB) == 8,
              "DRAWBOT_SupplierSuite1.PrefersPixelLayoutARGB");
static_assert(offsetof(DRAWBOT_SupplierSuite1, RetainObject) == 88 &&
                  sizeof(DRAWBOT_SupplierSuite1::RetainObject) == 8,
              "DRAWBOT_SupplierSuite1.RetainObject");
static_assert(offsetof(DRAWBOT_SupplierSuite1, ReleaseObject) == 96 &&
                  sizeof(DRAWBOT_SupplierSuite1::ReleaseObject) == 8,
              "DRAWBOT_SupplierSuite1.ReleaseObject");

static_assert(sizeof(DRAWBOT_SurfaceSuite2) == 136 && alignof(DRAWBOT_SurfaceSuite2) == 8,
              "DRAWBOT_SurfaceSuite2");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PushStateStack) == 0 &&
                  sizeof(DRAWBOT_SurfaceSuite2::PushStateStack) == 8,
              "DRAWBOT_SurfaceSuite2.PushStateStack");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PopStateStack) == 8 &&
                  sizeof(DRAWBOT_SurfaceSuite2::PopStateStack) == 8,
              "DRAWBOT_SurfaceSuite2.PopStateStack");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, PaintRect) == 16 &&
                  sizeof(DRAWBOT_SurfaceSuite2::PaintRect) == 8,
              "DRAWBOT_SurfaceSuite2.PaintRect");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, FillPath) == 24 &&
                  sizeof(DRAWBOT_SurfaceSuite2::FillPath) == 8,
              "DRAWBOT_SurfaceSuite2.FillPath");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, StrokePath) == 32 &&
                  sizeof(DRAWBOT_SurfaceSuite2::StrokePath) == 8,
              "DRAWBOT_SurfaceSuite2.StrokePath");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Clip) == 40 &&
                  sizeof(DRAWBOT_SurfaceSuite2::Clip) == 8,
              "DRAWBOT_SurfaceSuite2.Clip");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetClipBounds) == 48 &&
                  sizeof(DRAWBOT_SurfaceSuite2::GetClipBounds) == 8,
              "DRAWBOT_SurfaceSuite2.GetClipBounds");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, IsWithinClipBounds) == 56 &&
                  sizeof(DRAWBOT_SurfaceSuite2::IsWithinClipBounds) == 8,
              "DRAWBOT_SurfaceSuite2.IsWithinClipBounds");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Transform) == 64 &&
                  sizeof(DRAWBOT_SurfaceSuite2::Transform) == 8,
              "DRAWBOT_SurfaceSuite2.Transform");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, DrawString) == 72 &&
                  sizeof(DRAWBOT_SurfaceSuite2::DrawString) == 8,
              "DRAWBOT_SurfaceSuite2.DrawString");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, DrawImage) == 80 &&
                  sizeof(DRAWBOT_SurfaceSuite2::DrawImage) == 8,
              "DRAWBOT_SurfaceSuite2.DrawImage");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, SetInterpolationPolicy) == 88 &&
                  sizeof(DRAWBOT_SurfaceSuite2::SetInterpolationPolicy) == 8,
              "DRAWBOT_SurfaceSuite2.SetInterpolationPolicy");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetInterpolationPolicy) == 96 &&
                  sizeof(DRAWBOT_SurfaceSuite2::GetInterpolationPolicy) == 8,
              "DRAWBOT_SurfaceSuite2.GetInterpolationPolicy");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, SetAntiAliasPolicy) == 104 &&
                  sizeof(DRAWBOT_SurfaceSuite2::SetAntiAliasPolicy) == 8,
              "DRAWBOT_SurfaceSuite2.SetAntiAliasPolicy");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetAntiAliasPolicy) == 112 &&
                  sizeof(DRAWBOT_SurfaceSuite2::GetAntiAliasPolicy) == 8,
              "DRAWBOT_SurfaceSuite2.GetAntiAliasPolicy");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, Flush) == 120 &&
                  sizeof(DRAWBOT_SurfaceSuite2::Flush) == 8,
              "DRAWBOT_SurfaceSuite2.Flush");
static_assert(offsetof(DRAWBOT_SurfaceSuite2, GetTransformToScreenScale) == 128 &&
                  sizeof(DRAWBOT_SurfaceSuite2::GetTransformToScreenScale) == 8,
              "DRAWBOT_SurfaceSuite2.GetTransformToScreenScale");

static_assert(sizeof(DRAWBOT_PathSuite1) == 48 && alignof(DRAWBOT_PathSuite1) == 8,
              "DRAWBOT_PathSuite1");
static_assert(offsetof(DRAWBOT_PathSuite1, MoveTo) == 0 && sizeof(DRAWBOT_PathSuite1::MoveTo) == 8,
              "DRAWBOT_PathSuite1.MoveTo");
static_assert(offsetof(DRAWBOT_PathSuite1, LineTo) == 8 && sizeof(DRAWBOT_PathSuite1::LineTo) == 8,
              "DRAWBOT_PathSuite1.LineTo");
static_assert(offsetof(DRAWBOT_PathSuite1, BezierTo) == 16 &&
                  sizeof(DRAWBOT_PathSuite1::BezierTo) == 8,
              "DRAWBOT_PathSuite1.BezierTo");
static_assert(offsetof(DRAWBOT_PathSuite1, AddRect) == 24 &&
                  sizeof(DRAWBOT_PathSuite1::AddRect) == 8,
              "DRAWBOT_PathSuite1.AddRect");
static_assert(offsetof(DRAWBOT_PathSuite1, AddArc) == 32 && sizeof(DRAWBOT_PathSuite1::AddArc) == 8,
              "DRAWBOT_PathSuite1.AddArc");
static_assert(offsetof(DRAWBOT_PathSuite1, Close) == 40 && sizeof(DRAWBOT_PathSuite1::Close) == 8,
              "DRAWBOT_PathSuite1.Close");
#endif
