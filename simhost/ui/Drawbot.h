#pragma once

// The host's drawing side for custom-drawn effect controls, added to a
// simulated Host. It registers:
//   "PF Effect Custom UI Suite" 1  PF_GetDrawingReference
//   "DRAWBOT Draw Suite" 1         GetSupplier, GetSurface
//   "DRAWBOT Supplier Suite" 1     NewImageFromBuffer, RetainObject, ReleaseObject
//   "DRAWBOT Surface Suite" 1, 2   PushStateStack, PopStateStack, Transform,
//                                  DrawImage, GetTransformToScreenScale (2)
//   "DRAWBOT Path Suite" 1         (nothing simulated)
// Every other slot records "... is not simulated" as a violation.
//
// One drawing surface: every drawing reference the host hands out draws into
// it. Images made from buffers keep a copy of their pixels for inspection,
// also after release. Transforms accumulate into the surface's current matrix
// (row vectors, as the drawing interface composes them: a new transform is
// applied before the ones already in place) and are recorded; every DrawImage
// is recorded with its image, origin, opacity and the matrix in force.
//
// Every function starts with Host::Enter under "<suite name> <version>.<member>"
// (FailCall etc. work as on the host's own suites). Strictness (host
// violations): a null context, a drawing, supplier or surface reference the
// host never gave, drawing or releasing an image that was released,
// releasing the supplier or surface (they are the host's), a buffer too short
// for its rows. Images still alive when this object goes are reported as
// leaks. One at a time, like Host; construct it after the Host. Thread-safe.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/HostInterface.h"
#include "simhost/SimHost.h"

namespace simhost {

struct DrawbotImage {
    int id = 0;
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    DRAWBOT_PixelLayout layout = 0;
    std::vector<std::uint8_t> pixels;  // height * rowBytes bytes, copied at creation
    int refs = 1;                      // 0: released
};

struct DrawbotDraw {
    int imageId = 0;
    DRAWBOT_PointF32 origin = {};
    float opacity = 0;
    DRAWBOT_MatrixF32 transform = {};  // the surface's matrix at the draw
};

class DrawbotHost {
  public:
    explicit DrawbotHost(Host& host);
    ~DrawbotHost();
    DrawbotHost(const DrawbotHost&) = delete;
    DrawbotHost& operator=(const DrawbotHost&) = delete;

    static DrawbotHost* Current();
    Host& host() { return host_; }

    // PF_GetDrawingReference answers success with no reference.
    void GiveNoDrawingReference(bool on);

    std::vector<std::string> Events() const;
    std::vector<DrawbotImage> Images() const;
    int OpenImages() const;
    // Forgets every live image (counting it released) and returns how many
    // there were: for tests in which the host itself refused a release.
    int TakeOpenImages();
    int ReleaseCount() const;  // successful ReleaseObject calls
    std::vector<DRAWBOT_MatrixF32> Transforms() const;
    std::vector<DrawbotDraw> Draws() const;
    DRAWBOT_MatrixF32 CurrentTransform() const;
    int StateDepth() const;  // PushStateStack minus PopStateStack

    // The references handed out (for tests that compare).
    DRAWBOT_DrawRef DrawRef() const;
    DRAWBOT_SupplierRef SupplierRef() const;
    DRAWBOT_SurfaceRef SurfaceRef() const;

    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    Host& host_;
    std::unique_ptr<Impl> impl_;
};

// The identity matrix of the drawing interface.
DRAWBOT_MatrixF32 IdentityMatrix();

}  // namespace simhost
