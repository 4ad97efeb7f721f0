#include "gl/FrameTargets.h"

namespace {

uint64_t TextureBytes(const PX_FBO& target) {
    if (target.renderBuffer.id == 0) {
        return 0;
    }
    return uint64_t{target.renderBuffer.width} * target.renderBuffer.height * 16;
}

}  // namespace

uint64_t FrameTargetBytes(const FrameTargets& t) {
    return TextureBytes(t.f0) + TextureBytes(t.f1) + TextureBytes(t.f2) + TextureBytes(t.f3) +
           TextureBytes(t.f4);
}

void ReleaseFrameTargets(FrameTargets* t) {
    FBOHelper::DeleteGenericFBO(&t->f0);
    FBOHelper::DeleteGenericFBO(&t->f1);
    FBOHelper::DeleteGenericFBO(&t->f2);
    FBOHelper::DeleteGenericFBO(&t->f3);
    FBOHelper::DeleteGenericFBO(&t->f4);
    *t = FrameTargets{};
}
