// CGL over EGL: contexts without any surface on Mesa's surfaceless display,
// with CGL's reference counts and error values, and failures on demand.

#include "tests/support/cgl/CGLStandIn.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <map>
#include <mutex>
#include <set>

struct _CGLPixelFormatObject {
    EGLDisplay display;
    EGLConfig config;
    GLint profile;
};

struct _CGLContextObject {
    EGLDisplay display;
    EGLContext context;
    GLuint references;
};

namespace {

// Everything the stand-in made and still holds; guarded by `lock`.
struct Registry {
    std::mutex lock;
    std::set<CGLContextObj> contexts;
    std::set<CGLPixelFormatObj> pixelFormats;
    std::map<cglstandin::Call, CGLError> failures;
    std::vector<int> lastAttributes;
    int misuses = 0;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// The context this thread made current through the stand-in. EGL is the
// authority: anyone else changing EGL's current context makes this stale,
// which CGLGetCurrentContext checks.
thread_local CGLContextObj tls_current = nullptr;

// The injected error for `call`, consumed; kCGLNoError when none is pending.
CGLError TakeFailure(Registry& registry, cglstandin::Call call) {
    const auto found = registry.failures.find(call);
    if (found == registry.failures.end()) {
        return kCGLNoError;
    }
    const CGLError error = found->second;
    registry.failures.erase(found);
    return error;
}

bool TakesValue(int attribute) {
    switch (attribute) {
        case kCGLPFAColorSize:
        case kCGLPFAAlphaSize:
        case kCGLPFADepthSize:
        case kCGLPFAStencilSize:
        case kCGLPFASampleBuffers:
        case kCGLPFASamples:
        case kCGLPFARendererID:
        case kCGLPFADisplayMask:
        case kCGLPFAOpenGLProfile:
        case kCGLPFAVirtualScreenCount:
            return true;
        default:
            return false;
    }
}

bool IsFlag(int attribute) {
    switch (attribute) {
        case kCGLPFAAllRenderers:
        case kCGLPFATripleBuffer:
        case kCGLPFADoubleBuffer:
        case kCGLPFAMinimumPolicy:
        case kCGLPFAMaximumPolicy:
        case kCGLPFAColorFloat:
        case kCGLPFAMultisample:
        case kCGLPFANoRecovery:
        case kCGLPFAAccelerated:
        case kCGLPFAClosestPolicy:
        case kCGLPFABackingStore:
        case kCGLPFAAllowOfflineRenderers:
        case kCGLPFAAcceleratedCompute:
        case kCGLPFASupportsAutomaticGraphicsSwitching:
            return true;
        default:
            return false;
    }
}

// Reads the attribute list into `profile`; records it whole. An unknown
// attribute or profile is CGL's kCGLBadAttribute / kCGLBadValue.
CGLError ParseAttributes(const CGLPixelFormatAttribute* attribs, GLint* profile,
                         std::vector<int>* seen) {
    *profile = kCGLOGLPVersion_Legacy;
    for (const CGLPixelFormatAttribute* at = attribs;; ++at) {
        seen->push_back(*at);
        if (*at == 0) {
            return kCGLNoError;
        }
        if (IsFlag(*at)) {
            continue;
        }
        if (!TakesValue(*at)) {
            return kCGLBadAttribute;
        }
        const int attribute = *at++;
        const int value = *at;
        seen->push_back(value);
        if (attribute == kCGLPFAOpenGLProfile) {
            if (value != kCGLOGLPVersion_Legacy && value != kCGLOGLPVersion_3_2_Core &&
                value != kCGLOGLPVersion_GL4_Core) {
                return kCGLBadValue;
            }
            *profile = value;
        }
    }
}

EGLDisplay SurfacelessDisplay() {
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    EGLDisplay display = EGL_NO_DISPLAY;
    if (getPlatformDisplay) {
        display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    }
    if (display == EGL_NO_DISPLAY) {
        display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    }
    EGLint major = 0;
    EGLint minor = 0;
    if (display == EGL_NO_DISPLAY || eglInitialize(display, &major, &minor) != EGL_TRUE) {
        return EGL_NO_DISPLAY;
    }
    return display;
}

// Gives back one reference to a live context; the last one frees it (and
// unbinds it first when this thread has it current). Called with the lock.
void Unreference(Registry& registry, CGLContextObj ctx) {
    if (--ctx->references > 0) {
        return;
    }
    eglBindAPI(EGL_OPENGL_API);
    if (eglGetCurrentContext() == ctx->context) {
        eglMakeCurrent(ctx->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    if (tls_current == ctx) {
        tls_current = nullptr;
    }
    eglDestroyContext(ctx->display, ctx->context);
    registry.contexts.erase(ctx);
    delete ctx;
}

}  // namespace

extern "C" {

CGLError CGLChoosePixelFormat(const CGLPixelFormatAttribute* attribs, CGLPixelFormatObj* pix,
                              GLint* npix) {
    if (!attribs || !pix || !npix) {
        return kCGLBadAddress;
    }
    *pix = nullptr;
    *npix = 0;
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.lastAttributes.clear();
    GLint profile = 0;
    if (const CGLError error = ParseAttributes(attribs, &profile, &registry.lastAttributes)) {
        return error;
    }
    if (const CGLError error = TakeFailure(registry, cglstandin::Call::ChoosePixelFormat)) {
        return error;
    }
    const EGLDisplay display = SurfacelessDisplay();
    if (display == EGL_NO_DISPLAY) {
        return kCGLBadDisplay;
    }
    const EGLint wanted[] = {EGL_SURFACE_TYPE, 0, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint found = 0;
    if (eglChooseConfig(display, wanted, &config, 1, &found) != EGL_TRUE || found < 1) {
        return kCGLBadPixelFormat;
    }
    *pix = new _CGLPixelFormatObject{display, config, profile};
    *npix = 1;
    registry.pixelFormats.insert(*pix);
    return kCGLNoError;
}

CGLError CGLDestroyPixelFormat(CGLPixelFormatObj pix) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    if (registry.pixelFormats.erase(pix) == 0) {
        ++registry.misuses;
        return kCGLBadPixelFormat;
    }
    delete pix;
    return kCGLNoError;
}

CGLError CGLCreateContext(CGLPixelFormatObj pix, CGLContextObj share, CGLContextObj* ctx) {
    if (!ctx) {
        return kCGLBadAddress;
    }
    *ctx = nullptr;
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    // No pixel format is what a failed choice leaves behind: an error, not a
    // misuse. An unknown one is a misuse.
    if (!pix) {
        return kCGLBadPixelFormat;
    }
    if (!registry.pixelFormats.count(pix)) {
        ++registry.misuses;
        return kCGLBadPixelFormat;
    }
    if (share && !registry.contexts.count(share)) {
        ++registry.misuses;
        return kCGLBadContext;
    }
    if (const CGLError error = TakeFailure(registry, cglstandin::Call::CreateContext)) {
        return error;
    }
    const bool core = pix->profile != kCGLOGLPVersion_Legacy;
    const EGLint coreAttributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                     pix->profile >> 12,
                                     EGL_CONTEXT_MINOR_VERSION,
                                     (pix->profile >> 8) & 0xF,
                                     EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                     EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                     EGL_NONE};
    const EGLint legacyAttributes[] = {EGL_NONE};
    eglBindAPI(EGL_OPENGL_API);
    const EGLContext context =
        eglCreateContext(pix->display, pix->config, share ? share->context : EGL_NO_CONTEXT,
                         core ? coreAttributes : legacyAttributes);
    if (context == EGL_NO_CONTEXT) {
        return kCGLBadMatch;
    }
    *ctx = new _CGLContextObject{pix->display, context, 1};
    registry.contexts.insert(*ctx);
    return kCGLNoError;
}

CGLError CGLDestroyContext(CGLContextObj ctx) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    if (!registry.contexts.count(ctx)) {
        ++registry.misuses;
        return kCGLBadContext;
    }
    if (const CGLError error = TakeFailure(registry, cglstandin::Call::DestroyContext)) {
        return error;
    }
    Unreference(registry, ctx);
    return kCGLNoError;
}

CGLContextObj CGLRetainContext(CGLContextObj ctx) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    if (!ctx) {
        return nullptr;
    }
    if (!registry.contexts.count(ctx)) {
        ++registry.misuses;
        return ctx;
    }
    ++ctx->references;
    return ctx;
}

void CGLReleaseContext(CGLContextObj ctx) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    if (!ctx) {
        return;
    }
    if (!registry.contexts.count(ctx)) {
        ++registry.misuses;
        return;
    }
    Unreference(registry, ctx);
}

GLuint CGLGetContextRetainCount(CGLContextObj ctx) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    return registry.contexts.count(ctx) ? ctx->references : 0;
}

CGLError CGLSetCurrentContext(CGLContextObj ctx) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    if (ctx && !registry.contexts.count(ctx)) {
        ++registry.misuses;
        return kCGLBadContext;
    }
    if (const CGLError error = TakeFailure(registry, cglstandin::Call::SetCurrentContext)) {
        return error;
    }
    eglBindAPI(EGL_OPENGL_API);
    if (ctx) {
        if (eglMakeCurrent(ctx->display, EGL_NO_SURFACE, EGL_NO_SURFACE, ctx->context) !=
            EGL_TRUE) {
            return kCGLBadContext;
        }
    } else if (eglGetCurrentContext() != EGL_NO_CONTEXT) {
        eglMakeCurrent(eglGetCurrentDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    tls_current = ctx;
    return kCGLNoError;
}

CGLContextObj CGLGetCurrentContext(void) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    eglBindAPI(EGL_OPENGL_API);
    if (!tls_current || !registry.contexts.count(tls_current) ||
        eglGetCurrentContext() != tls_current->context) {
        return nullptr;
    }
    return tls_current;
}

const char* CGLErrorString(CGLError error) {
    switch (error) {
        case kCGLNoError:
            return "no error";
        case kCGLBadAttribute:
            return "invalid pixel format attribute";
        case kCGLBadProperty:
            return "invalid renderer property";
        case kCGLBadPixelFormat:
            return "invalid pixel format";
        case kCGLBadRendererInfo:
            return "invalid renderer info";
        case kCGLBadContext:
            return "invalid context";
        case kCGLBadDrawable:
            return "invalid drawable";
        case kCGLBadDisplay:
            return "invalid graphics device";
        case kCGLBadState:
            return "invalid context state";
        case kCGLBadValue:
            return "invalid numerical value";
        case kCGLBadMatch:
            return "invalid share context";
        case kCGLBadEnumeration:
            return "invalid enumerant";
        case kCGLBadOffScreen:
            return "invalid offscreen drawable";
        case kCGLBadFullScreen:
            return "invalid fullscreen drawable";
        case kCGLBadWindow:
            return "invalid window";
        case kCGLBadAddress:
            return "invalid pointer";
        case kCGLBadCodeModule:
            return "invalid code module";
        case kCGLBadAlloc:
            return "invalid memory allocation";
        case kCGLBadConnection:
            return "invalid CoreGraphics connection";
    }
    return "unknown error";
}

}  // extern "C"

namespace cglstandin {

void FailNext(Call call, CGLError error) {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.failures[call] = error;
}

void Reset() {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.failures.clear();
    registry.misuses = 0;
}

int LiveContexts() {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    return static_cast<int>(registry.contexts.size());
}

int LivePixelFormats() {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    return static_cast<int>(registry.pixelFormats.size());
}

int Misuses() {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    return registry.misuses;
}

std::vector<int> LastAttributes() {
    Registry& registry = TheRegistry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    return registry.lastAttributes;
}

}  // namespace cglstandin
