// Draws the banner into the custom-drawn header of the effect controls.

#include <cstring>

#include "host/Banner.h"
#include "host/Handlers.h"
#include "host/SuiteHandler.h"

namespace {

// The banner is a double-resolution image: the surface is halved around the
// draw and doubled back afterwards, so the host shows it at 200 x 16.5 units.
constexpr DRAWBOT_MatrixF32 kHalving = {
    {{0.5f, 0.0f, 0.0f}, {0.0f, 0.5f, 0.0f}, {0.0f, 0.0f, 0.5f}}};
constexpr DRAWBOT_MatrixF32 kDoubling = {
    {{2.0f, 0.0f, 0.0f}, {0.0f, 2.0f, 0.0f}, {0.0f, 0.0f, 2.0f}}};

// One host handle holding a copy of the banner for the length of one draw.
// Unlocks and disposes the handle when it goes, on every path.
struct BannerCopy {
    const PF_HandleSuite1* suite;
    PF_Handle handle = nullptr;
    void* bytes = nullptr;

    explicit BannerCopy(const PF_HandleSuite1* s) : suite(s) {
        handle = suite->host_new_handle(kBannerBytes);
        if (handle != nullptr) {
            bytes = suite->host_lock_handle(handle);
        }
        if (bytes != nullptr) {
            std::memcpy(bytes, kBannerImage.data(), kBannerBytes);
        }
    }
    BannerCopy(const BannerCopy&) = delete;
    BannerCopy& operator=(const BannerCopy&) = delete;
    ~BannerCopy() {
        if (bytes != nullptr) {
            suite->host_unlock_handle(handle);
        }
        if (handle != nullptr) {
            suite->host_dispose_handle(handle);
        }
    }
};

// A drawing image made from the banner copy. Release() hands it back and
// reports the host's result; the destructor covers early exits.
struct BannerImageRef {
    const DRAWBOT_SupplierSuite1* suite;
    DRAWBOT_ImageRef image = nullptr;

    explicit BannerImageRef(const DRAWBOT_SupplierSuite1* s) : suite(s) {}
    BannerImageRef(const BannerImageRef&) = delete;
    BannerImageRef& operator=(const BannerImageRef&) = delete;
    ~BannerImageRef() { Release(); }

    PF_Err Release() {
        const DRAWBOT_ImageRef i = image;
        image = nullptr;
        return i != nullptr ? suite->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(i))
                            : PF_Err_NONE;
    }
};

// Draws the banner in the control area of the header. Errors of the drawing
// interface are returned; earlier errors (in *err) skip the host calls that
// would draw.
PF_Err DrawBanner(AEGP_SuiteHandler* suites, const DRAWBOT_SupplierSuite1* supplierSuite,
                  const DRAWBOT_SurfaceSuite1* surfaceSuite, DRAWBOT_SupplierRef supplier,
                  DRAWBOT_SurfaceRef surface, const PF_LRect& frame, PF_Err err) {
    BannerCopy copy(suites->HandleSuite1());
    BannerImageRef image(supplierSuite);
    // Without the host's memory the banner is skipped: it is decoration, and
    // an error from a draw event would be reported to the user on every
    // redraw. The result stays whatever it was (0 when nothing else failed),
    // so the event is still marked handled.
    if (copy.bytes == nullptr) {
        return err;
    }
    if (!err) {
        err = supplierSuite->NewImageFromBuffer(
            supplier, kBannerWidth, kBannerHeight, kBannerRowBytes,
            kDRAWBOT_PixelLayout_32BGRA_Straight, copy.bytes, &image.image);
    }

    const DRAWBOT_PointF32 origin = {static_cast<float>((frame.right - frame.left) - 100),
                                     static_cast<float>(2 * frame.top)};
    if (!err) {
        err = surfaceSuite->Transform(surface, &kHalving);
    }
    if (!err) {
        err = surfaceSuite->DrawImage(surface, image.image, &origin, 1.0f);
    }
    if (!err) {
        err = surfaceSuite->Transform(surface, &kDoubling);
    }
    const PF_Err releaseErr = image.Release();
    return err ? err : releaseErr;
}

}  // namespace

PF_Err DrawEvent(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*,
                 PF_EventExtra* extra) {
    if (extra == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const ScopedSuite<DRAWBOT_DrawbotSuite1> drawSuite(in_data, kDRAWBOT_DrawSuite,
                                                       kDRAWBOT_DrawSuite_Version1, out_data);
    const ScopedSuite<DRAWBOT_SupplierSuite1> supplierSuite(
        in_data, kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1, out_data);
    const ScopedSuite<DRAWBOT_SurfaceSuite1> surfaceSuite(in_data, kDRAWBOT_SurfaceSuite,
                                                          kDRAWBOT_SurfaceSuite_Version1, out_data);

    // A host may grant a suite yet hand out no table; nothing can be drawn
    // through it, and calling through it would crash the host.
    if (drawSuite.get() == nullptr || supplierSuite.get() == nullptr ||
        surfaceSuite.get() == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }

    DRAWBOT_DrawRef drawing = nullptr;
    PF_Err err = suites.EffectCustomUISuite1()->PF_GetDrawingReference(extra->contextH, &drawing);
    if (err || drawing == nullptr) {
        return err;
    }

    DRAWBOT_SupplierRef supplier = nullptr;
    DRAWBOT_SurfaceRef surface = nullptr;
    err = drawSuite->GetSupplier(drawing, &supplier);
    if (!err) {
        err = drawSuite->GetSurface(drawing, &surface);
    }

    if (extra->effect_win.area == PF_EA_CONTROL) {
        err = DrawBanner(&suites, supplierSuite.get(), surfaceSuite.get(), supplier, surface,
                         extra->effect_win.current_frame, err);
    }
    if (!err) {
        extra->evt_out_flags = PF_EO_HANDLED_EVENT;
    }
    return err;
}
