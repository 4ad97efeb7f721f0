#include "simhost/ui/Drawbot.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

#include "simhost/Unsimulated.h"

namespace simhost {

DRAWBOT_MatrixF32 IdentityMatrix() {
    DRAWBOT_MatrixF32 m = {};
    m.mat[0][0] = m.mat[1][1] = m.mat[2][2] = 1.0f;
    return m;
}

namespace {

std::atomic<DrawbotHost*> g_current{nullptr};

// Distinct objects whose addresses serve as the host's opaque references.
struct Token {
    char tag;
};

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

DRAWBOT_MatrixF32 Multiply(const DRAWBOT_MatrixF32& a, const DRAWBOT_MatrixF32& b) {
    DRAWBOT_MatrixF32 r = {};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += a.mat[i][k] * b.mat[k][j];
            r.mat[i][j] = sum;
        }
    }
    return r;
}

int BytesPerPixel(DRAWBOT_PixelLayout layout) {
    return layout == kDRAWBOT_PixelLayout_24RGB || layout == kDRAWBOT_PixelLayout_24BGR ? 3 : 4;
}

}  // namespace

struct DrawbotHost::Impl {
    mutable std::mutex mu;
    Token drawRef{'d'};
    Token supplier{'p'};
    Token surface{'s'};
    bool noDrawingReference = false;
    std::vector<std::string> events;
    std::map<void*, std::unique_ptr<DrawbotImage>> images;  // by the image reference
    std::vector<int> imageOrder;
    std::map<int, void*> imageById;
    int nextImageId = 1;
    int releases = 0;
    std::vector<DRAWBOT_MatrixF32> transforms;
    std::vector<DrawbotDraw> draws;
    DRAWBOT_MatrixF32 current = IdentityMatrix();
    std::vector<DRAWBOT_MatrixF32> stack;
};

namespace {

DrawbotHost* Live(const char* key) {
    DrawbotHost* d = g_current.load();
    if (d == nullptr) {
        std::fprintf(stderr, "simhost: %s called with no drawing suites alive\n", key);
    }
    return d;
}

// Counts the call and applies injected faults (also noted in the events).
bool EnterOk(DrawbotHost* d, const char* key, const char* what, SPErr* err) {
    *err = d->host().Enter(key);
    if (*err) {
        std::lock_guard<std::mutex> lock(d->impl().mu);
        d->impl().events.push_back(std::string(what) + " -> error " + std::to_string(*err));
        return false;
    }
    return true;
}

bool Check(DrawbotHost* d, bool ok, const std::string& message) {
    if (!ok)
        d->host().Violation(message);
    return ok;
}

// ---- PF Effect Custom UI Suite 1 ----------------------------------------------------

PF_Err GetDrawingReference(const PF_ContextH contextH, DRAWBOT_DrawRef* refP) {
    static constexpr char key[] = "PF Effect Custom UI Suite 1.PF_GetDrawingReference";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    SPErr err = 0;
    if (!EnterOk(d, key, "GetDrawingReference", &err))
        return err;
    if (!Check(d, refP != nullptr && contextH != nullptr,
               std::string(key) + ": null context or out-pointer")) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (s.noDrawingReference) {
        *refP = nullptr;
        s.events.push_back("GetDrawingReference -> none");
        return PF_Err_NONE;
    }
    *refP = reinterpret_cast<DRAWBOT_DrawRef>(&s.drawRef);
    s.events.push_back("GetDrawingReference");
    return PF_Err_NONE;
}

// ---- DRAWBOT Draw Suite 1 -------------------------------------------------------------

SPErr GetSupplier(DRAWBOT_DrawRef ref, DRAWBOT_SupplierRef* supplierP) {
    static constexpr char key[] = "DRAWBOT Draw Suite 1.GetSupplier";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "GetSupplier", &err))
        return err;
    DrawbotHost::Impl& s = d->impl();
    if (!Check(d, ref == reinterpret_cast<DRAWBOT_DrawRef>(&s.drawRef) && supplierP != nullptr,
               std::string(key) + ": unknown drawing reference or null out-pointer")) {
        return kSPBadParameterError;
    }
    std::lock_guard<std::mutex> lock(s.mu);
    *supplierP = reinterpret_cast<DRAWBOT_SupplierRef>(&s.supplier);
    s.events.push_back("GetSupplier");
    return kSPNoError;
}

SPErr GetSurface(DRAWBOT_DrawRef ref, DRAWBOT_SurfaceRef* surfaceP) {
    static constexpr char key[] = "DRAWBOT Draw Suite 1.GetSurface";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "GetSurface", &err))
        return err;
    DrawbotHost::Impl& s = d->impl();
    if (!Check(d, ref == reinterpret_cast<DRAWBOT_DrawRef>(&s.drawRef) && surfaceP != nullptr,
               std::string(key) + ": unknown drawing reference or null out-pointer")) {
        return kSPBadParameterError;
    }
    std::lock_guard<std::mutex> lock(s.mu);
    *surfaceP = reinterpret_cast<DRAWBOT_SurfaceRef>(&s.surface);
    s.events.push_back("GetSurface");
    return kSPNoError;
}

// ---- DRAWBOT Supplier Suite 1 -----------------------------------------------------------

SPErr NewImageFromBuffer(DRAWBOT_SupplierRef supplier, int width, int height, int rowBytes,
                         DRAWBOT_PixelLayout layout, const void* data, DRAWBOT_ImageRef* imageP) {
    static constexpr char key[] = "DRAWBOT Supplier Suite 1.NewImageFromBuffer";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "NewImageFromBuffer", &err))
        return err;
    DrawbotHost::Impl& s = d->impl();
    const bool argsOk =
        supplier == reinterpret_cast<DRAWBOT_SupplierRef>(&s.supplier) && imageP != nullptr &&
        data != nullptr && width > 0 && height > 0 && layout >= kDRAWBOT_PixelLayout_24RGB &&
        layout <= kDRAWBOT_PixelLayout_32BGRA_Premul && rowBytes >= width * BytesPerPixel(layout);
    if (!Check(d, argsOk,
               std::string(key) + ": bad arguments (" + std::to_string(width) + "x" +
                   std::to_string(height) + ", row bytes " + std::to_string(rowBytes) +
                   ", layout " + std::to_string(layout) + ")")) {
        return kSPBadParameterError;
    }
    auto image = std::make_unique<DrawbotImage>();
    image->width = width;
    image->height = height;
    image->rowBytes = rowBytes;
    image->layout = layout;
    const std::size_t bytes = static_cast<std::size_t>(rowBytes) * height;
    image->pixels.resize(bytes);
    std::memcpy(image->pixels.data(), data, bytes);

    std::lock_guard<std::mutex> lock(s.mu);
    image->id = s.nextImageId++;
    void* ref = image.get();
    s.imageById[image->id] = ref;
    s.imageOrder.push_back(image->id);
    s.events.push_back("NewImageFromBuffer " + std::to_string(width) + "x" +
                       std::to_string(height) + " row " + std::to_string(rowBytes) + " layout " +
                       std::to_string(layout) + " -> image#" + std::to_string(image->id));
    s.images[ref] = std::move(image);
    *imageP = static_cast<DRAWBOT_ImageRef>(ref);
    return kSPNoError;
}

SPErr RetainObject(DRAWBOT_ObjectRef object) {
    static constexpr char key[] = "DRAWBOT Supplier Suite 1.RetainObject";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "RetainObject", &err))
        return err;
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    const auto it = s.images.find(object);
    if (!Check(d, it != s.images.end() && it->second->refs > 0,
               std::string(key) + ": not a live image")) {
        return kSPBadParameterError;
    }
    ++it->second->refs;
    s.events.push_back("RetainObject image#" + std::to_string(it->second->id));
    return kSPNoError;
}

SPErr ReleaseObject(DRAWBOT_ObjectRef object) {
    static constexpr char key[] = "DRAWBOT Supplier Suite 1.ReleaseObject";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "ReleaseObject", &err))
        return err;
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (object == reinterpret_cast<DRAWBOT_ObjectRef>(&s.supplier) ||
        object == reinterpret_cast<DRAWBOT_ObjectRef>(&s.surface) ||
        object == reinterpret_cast<DRAWBOT_ObjectRef>(&s.drawRef)) {
        d->host().Violation(std::string(key) + ": released a reference the host owns");
        return kSPBadParameterError;
    }
    const auto it = s.images.find(object);
    if (!Check(d, it != s.images.end(), std::string(key) + ": unknown object") ||
        !Check(d, it->second->refs > 0,
               std::string(key) + ": image#" + std::to_string(it->second->id) +
                   " released more often than made and retained")) {
        return kSPBadParameterError;
    }
    --it->second->refs;
    ++s.releases;
    s.events.push_back("ReleaseObject image#" + std::to_string(it->second->id));
    return kSPNoError;
}

// ---- DRAWBOT Surface Suite 1 and 2 ---------------------------------------------------------

bool KnownSurface(DrawbotHost* d, DRAWBOT_SurfaceRef surface, const char* key) {
    return Check(d, surface == reinterpret_cast<DRAWBOT_SurfaceRef>(&d->impl().surface),
                 std::string(key) + ": unknown surface");
}

SPErr Transform(DRAWBOT_SurfaceRef surface, const DRAWBOT_MatrixF32* matrixP) {
    static constexpr char key[] = "DRAWBOT Surface Suite 1.Transform";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "Transform", &err))
        return err;
    if (!KnownSurface(d, surface, key) ||
        !Check(d, matrixP != nullptr, std::string(key) + ": null matrix")) {
        return kSPBadParameterError;
    }
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    s.transforms.push_back(*matrixP);
    s.current = Multiply(*matrixP, s.current);
    s.events.push_back("Transform " + Num(matrixP->mat[0][0]) + " " + Num(matrixP->mat[0][1]) +
                       " " + Num(matrixP->mat[0][2]) + " / " + Num(matrixP->mat[1][0]) + " " +
                       Num(matrixP->mat[1][1]) + " " + Num(matrixP->mat[1][2]) + " / " +
                       Num(matrixP->mat[2][0]) + " " + Num(matrixP->mat[2][1]) + " " +
                       Num(matrixP->mat[2][2]));
    return kSPNoError;
}

SPErr DrawImage(DRAWBOT_SurfaceRef surface, DRAWBOT_ImageRef image, const DRAWBOT_PointF32* originP,
                float opacity) {
    static constexpr char key[] = "DRAWBOT Surface Suite 1.DrawImage";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "DrawImage", &err))
        return err;
    if (!KnownSurface(d, surface, key) ||
        !Check(d, originP != nullptr, std::string(key) + ": null origin")) {
        return kSPBadParameterError;
    }
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    const auto it = s.images.find(image);
    if (!Check(d, it != s.images.end() && it->second->refs > 0,
               std::string(key) + ": not a live image")) {
        return kSPBadParameterError;
    }
    s.draws.push_back({it->second->id, *originP, opacity, s.current});
    s.events.push_back("DrawImage image#" + std::to_string(it->second->id) + " at (" +
                       Num(originP->x) + ", " + Num(originP->y) + ") opacity " + Num(opacity));
    return kSPNoError;
}

SPErr PushStateStack(DRAWBOT_SurfaceRef surface) {
    static constexpr char key[] = "DRAWBOT Surface Suite 1.PushStateStack";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "PushStateStack", &err))
        return err;
    if (!KnownSurface(d, surface, key))
        return kSPBadParameterError;
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    s.stack.push_back(s.current);
    s.events.push_back("PushStateStack");
    return kSPNoError;
}

SPErr PopStateStack(DRAWBOT_SurfaceRef surface) {
    static constexpr char key[] = "DRAWBOT Surface Suite 1.PopStateStack";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "PopStateStack", &err))
        return err;
    if (!KnownSurface(d, surface, key))
        return kSPBadParameterError;
    DrawbotHost::Impl& s = d->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (!Check(d, !s.stack.empty(), std::string(key) + ": state stack is empty")) {
        return kSPBadParameterError;
    }
    s.current = s.stack.back();
    s.stack.pop_back();
    s.events.push_back("PopStateStack");
    return kSPNoError;
}

SPErr GetTransformToScreenScale(DRAWBOT_SurfaceRef surface, float* scaleP) {
    static constexpr char key[] = "DRAWBOT Surface Suite 2.GetTransformToScreenScale";
    DrawbotHost* d = Live(key);
    if (d == nullptr)
        return kSPBadParameterError;
    SPErr err = 0;
    if (!EnterOk(d, key, "GetTransformToScreenScale", &err))
        return err;
    if (!KnownSurface(d, surface, key) ||
        !Check(d, scaleP != nullptr, std::string(key) + ": null out-pointer")) {
        return kSPBadParameterError;
    }
    *scaleP = 1.0f;
    return kSPNoError;
}

// ---- tables ---------------------------------------------------------------------------------

const PF_EffectCustomUISuite1* CustomUITable() {
    static const PF_EffectCustomUISuite1 table = [] {
        PF_EffectCustomUISuite1 t{};
        t.PF_GetDrawingReference = &GetDrawingReference;
        return t;
    }();
    return &table;
}

const DRAWBOT_DrawbotSuite1* DrawTable() {
    static const DRAWBOT_DrawbotSuite1 table = [] {
        DRAWBOT_DrawbotSuite1 t{};
        t.GetSupplier = &GetSupplier;
        t.GetSurface = &GetSurface;
        return t;
    }();
    return &table;
}

const DRAWBOT_SupplierSuite1* SupplierTable() {
    static const DRAWBOT_SupplierSuite1 table = [] {
        DRAWBOT_SupplierSuite1 t{};
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", NewPen);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", NewBrush);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", SupportsText);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", GetDefaultFontSize);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", NewDefaultFont);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", NewPath);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", SupportsPixelLayoutBGRA);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", PrefersPixelLayoutBGRA);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", SupportsPixelLayoutARGB);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Supplier Suite 1", PrefersPixelLayoutARGB);
        t.NewImageFromBuffer = &NewImageFromBuffer;
        t.RetainObject = &RetainObject;
        t.ReleaseObject = &ReleaseObject;
        return t;
    }();
    return &table;
}

// Version 1 is the first sixteen slots of the version 2 table; one table
// serves both.
const DRAWBOT_SurfaceSuite2* SurfaceTable() {
    static const DRAWBOT_SurfaceSuite2 table = [] {
        DRAWBOT_SurfaceSuite2 t{};
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", PaintRect);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", FillPath);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", StrokePath);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", Clip);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", GetClipBounds);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", IsWithinClipBounds);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", DrawString);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", SetInterpolationPolicy);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", GetInterpolationPolicy);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", SetAntiAliasPolicy);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", GetAntiAliasPolicy);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Surface Suite 1", Flush);
        t.PushStateStack = &PushStateStack;
        t.PopStateStack = &PopStateStack;
        t.Transform = &Transform;
        t.DrawImage = &DrawImage;
        t.GetTransformToScreenScale = &GetTransformToScreenScale;
        return t;
    }();
    return &table;
}

const DRAWBOT_PathSuite1* PathTable() {
    static const DRAWBOT_PathSuite1 table = [] {
        DRAWBOT_PathSuite1 t{};
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", MoveTo);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", LineTo);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", BezierTo);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", AddRect);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", AddArc);
        SIMHOST_UNSIMULATED(t, "DRAWBOT Path Suite 1", Close);
        return t;
    }();
    return &table;
}

}  // namespace

DrawbotHost::DrawbotHost(Host& host) : host_(host), impl_(std::make_unique<Impl>()) {
    DrawbotHost* expected = nullptr;
    if (!g_current.compare_exchange_strong(expected, this)) {
        std::fprintf(stderr, "simhost: a second DrawbotHost while one is alive\n");
        std::abort();
    }
    host_.RegisterSuite("PF Effect Custom UI Suite", 1, CustomUITable());
    host_.RegisterSuite("DRAWBOT Draw Suite", 1, DrawTable());
    host_.RegisterSuite("DRAWBOT Supplier Suite", 1, SupplierTable());
    host_.RegisterSuite("DRAWBOT Surface Suite", 1, SurfaceTable());
    host_.RegisterSuite("DRAWBOT Surface Suite", 2, SurfaceTable());
    host_.RegisterSuite("DRAWBOT Path Suite", 1, PathTable());
}

DrawbotHost::~DrawbotHost() {
    {
        std::lock_guard<std::mutex> lock(impl_->mu);
        for (const auto& e : impl_->images) {
            if (e.second->refs > 0) {
                host_.Violation("drawing image#" + std::to_string(e.second->id) + " (" +
                                std::to_string(e.second->width) + "x" +
                                std::to_string(e.second->height) + ") was never released");
            }
        }
    }
    g_current.store(nullptr);
}

DrawbotHost* DrawbotHost::Current() {
    return g_current.load();
}

void DrawbotHost::GiveNoDrawingReference(bool on) {
    std::lock_guard<std::mutex> lock(impl_->mu);
    impl_->noDrawingReference = on;
}

std::vector<std::string> DrawbotHost::Events() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->events;
}

std::vector<DrawbotImage> DrawbotHost::Images() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    std::vector<DrawbotImage> out;
    for (int id : impl_->imageOrder) {
        out.push_back(*impl_->images.at(impl_->imageById.at(id)));
    }
    return out;
}

int DrawbotHost::OpenImages() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    int n = 0;
    for (const auto& e : impl_->images)
        n += e.second->refs > 0 ? 1 : 0;
    return n;
}

int DrawbotHost::TakeOpenImages() {
    std::lock_guard<std::mutex> lock(impl_->mu);
    int n = 0;
    for (auto& e : impl_->images) {
        n += e.second->refs > 0 ? 1 : 0;
        e.second->refs = 0;
    }
    return n;
}

int DrawbotHost::ReleaseCount() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->releases;
}

std::vector<DRAWBOT_MatrixF32> DrawbotHost::Transforms() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->transforms;
}

std::vector<DrawbotDraw> DrawbotHost::Draws() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->draws;
}

DRAWBOT_MatrixF32 DrawbotHost::CurrentTransform() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->current;
}

int DrawbotHost::StateDepth() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return static_cast<int>(impl_->stack.size());
}

DRAWBOT_DrawRef DrawbotHost::DrawRef() const {
    return reinterpret_cast<DRAWBOT_DrawRef>(&impl_->drawRef);
}

DRAWBOT_SupplierRef DrawbotHost::SupplierRef() const {
    return reinterpret_cast<DRAWBOT_SupplierRef>(&impl_->supplier);
}

DRAWBOT_SurfaceRef DrawbotHost::SurfaceRef() const {
    return reinterpret_cast<DRAWBOT_SurfaceRef>(&impl_->surface);
}

}  // namespace simhost
