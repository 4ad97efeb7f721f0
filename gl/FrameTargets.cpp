#include "gl/FrameTargets.h"

namespace {

uint64_t TextureBytes(const PX_FBO& target) {
    if (target.renderBuffer.id == 0) {
        return 0;
    }
    const uint64_t perTexel = target.renderBuffer.internalFormat == GL_RGBA8 ? 4 : 16;
    return uint64_t{target.renderBuffer.width} * target.renderBuffer.height * perTexel;
}

}  // namespace

uint64_t FrameTargetBytes(const FrameTargets& t) {
    return TextureBytes(t.f0) + TextureBytes(t.f1) + TextureBytes(t.f2) + TextureBytes(t.f3) +
           TextureBytes(t.f4) + TextureBytes(t.bytes);
}

void ReleaseFrameTargets(FrameTargets* t) {
    FBOHelper::DeleteGenericFBO(&t->f0);
    FBOHelper::DeleteGenericFBO(&t->f1);
    FBOHelper::DeleteGenericFBO(&t->f2);
    FBOHelper::DeleteGenericFBO(&t->f3);
    FBOHelper::DeleteGenericFBO(&t->f4);
    FBOHelper::DeleteGenericFBO(&t->bytes);
    t->writeBytes = 0;
}
