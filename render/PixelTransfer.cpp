#include "render/PixelTransfer.h"

#include "gl/Diagnostics.h"
#include "gl/FBOHelper.h"

namespace {

GLint RowLength(const ImageView& view) {
    return static_cast<GLint>(view.rowBytes / BytesPerPixel(view.depth));
}

GLenum TypeOf(const ImageView& view) {
    return view.depth == 32 ? GL_FLOAT : GL_UNSIGNED_BYTE;
}

}  // namespace

void UploadToTexture(GLuint texture, const ImageView& view) {
    if (texture == 0) {
        DebugLog("UploadToTexture() called without valid texture");
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, RowLength(view));
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, view.width, view.height, GL_RGBA, TypeOf(view),
                    view.pixels);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

namespace FBOHelper {

void FBOtoEffectWorld(const PX_FBO* fbo, const ImageView& view, GLenum attachment) {
    glFinish();
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo->fbo);
    glReadBuffer(attachment);
    glPixelStorei(GL_PACK_ROW_LENGTH, RowLength(view));
    glReadPixels(0, 0, view.width, view.height, GL_RGBA, TypeOf(view), view.pixels);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace FBOHelper
