#pragma once

#include <cstdint>

// The part of macOS's CGL interface (the OpenGL framework's <OpenGL/OpenGL.h>)
// that the macOS context layer calls, with the platform's type shapes,
// signatures and constant values, so that context/mac/CGLContext.cpp compiles
// here unchanged. Implemented over EGL by CGLStandIn.cpp; used only by tests.

#ifdef __cplusplus
extern "C" {
#endif

typedef int GLint;
typedef unsigned int GLuint;

typedef struct _CGLContextObject* CGLContextObj;
typedef struct _CGLPixelFormatObject* CGLPixelFormatObj;

// A fixed 32-bit underlying type: attribute lists also carry values that are
// no attribute (the profile's version, 0x3200), which a plain enum of these
// enumerators could not hold without undefined behaviour.
typedef enum _CGLPixelFormatAttribute : int32_t {
    kCGLPFAAllRenderers = 1,
    kCGLPFATripleBuffer = 3,
    kCGLPFADoubleBuffer = 5,
    kCGLPFAColorSize = 8,
    kCGLPFAAlphaSize = 11,
    kCGLPFADepthSize = 12,
    kCGLPFAStencilSize = 13,
    kCGLPFAMinimumPolicy = 51,
    kCGLPFAMaximumPolicy = 52,
    kCGLPFASampleBuffers = 55,
    kCGLPFASamples = 56,
    kCGLPFAColorFloat = 58,
    kCGLPFAMultisample = 59,
    kCGLPFARendererID = 70,
    kCGLPFANoRecovery = 72,
    kCGLPFAAccelerated = 73,
    kCGLPFAClosestPolicy = 74,
    kCGLPFABackingStore = 76,
    kCGLPFADisplayMask = 84,
    kCGLPFAAllowOfflineRenderers = 96,
    kCGLPFAAcceleratedCompute = 97,
    kCGLPFAOpenGLProfile = 99,
    kCGLPFASupportsAutomaticGraphicsSwitching = 101,
    kCGLPFAVirtualScreenCount = 128
} CGLPixelFormatAttribute;

typedef enum _CGLOpenGLProfile {
    kCGLOGLPVersion_Legacy = 0x1000,
    kCGLOGLPVersion_3_2_Core = 0x3200,
    kCGLOGLPVersion_GL3_Core = 0x3200,
    kCGLOGLPVersion_GL4_Core = 0x4100
} CGLOpenGLProfile;

typedef enum _CGLError {
    kCGLNoError = 0,
    kCGLBadAttribute = 10000,
    kCGLBadProperty = 10001,
    kCGLBadPixelFormat = 10002,
    kCGLBadRendererInfo = 10003,
    kCGLBadContext = 10004,
    kCGLBadDrawable = 10005,
    kCGLBadDisplay = 10006,
    kCGLBadState = 10007,
    kCGLBadValue = 10008,
    kCGLBadMatch = 10009,
    kCGLBadEnumeration = 10010,
    kCGLBadOffScreen = 10011,
    kCGLBadFullScreen = 10012,
    kCGLBadWindow = 10013,
    kCGLBadAddress = 10014,
    kCGLBadCodeModule = 10015,
    kCGLBadAlloc = 10016,
    kCGLBadConnection = 10017
} CGLError;

CGLError CGLChoosePixelFormat(const CGLPixelFormatAttribute* attribs, CGLPixelFormatObj* pix,
                              GLint* npix);
CGLError CGLDestroyPixelFormat(CGLPixelFormatObj pix);

CGLError CGLCreateContext(CGLPixelFormatObj pix, CGLContextObj share, CGLContextObj* ctx);
// Gives back one reference; the last one frees the context. Destroying does
// the same (and is the older name for it).
CGLError CGLDestroyContext(CGLContextObj ctx);
CGLContextObj CGLRetainContext(CGLContextObj ctx);
void CGLReleaseContext(CGLContextObj ctx);
GLuint CGLGetContextRetainCount(CGLContextObj ctx);

CGLError CGLSetCurrentContext(CGLContextObj ctx);
CGLContextObj CGLGetCurrentContext(void);

const char* CGLErrorString(CGLError error);

#ifdef __cplusplus
}
#endif
