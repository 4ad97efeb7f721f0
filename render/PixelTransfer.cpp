#include "render/PixelTransfer.h"

#include "gl/Diagnostics.h"
#include "gl/FBOHelper.h"

PF_Err CopyPixel8In(void* /*refcon*/, A_long /*x*/, A_long /*y*/, PF_Pixel* in, PF_Pixel* out) {
    const PF_Pixel src = *in;
    out->alpha = src.red;
    out->red = src.green;
    out->green = src.blue;
    out->blue = src.alpha;
    return PF_Err_NONE;
}

PF_Err CopyPixelFloatIn(void* /*refcon*/, A_long /*x*/, A_long /*y*/, PF_PixelFloat* in,
                        PF_PixelFloat* out) {
    const PF_PixelFloat src = *in;
    const PF_FpShort r = src.red > 0.f ? src.red : 0.f;
    const PF_FpShort g = src.green > 0.f ? src.green : 0.f;
    const PF_FpShort b = src.blue > 0.f ? src.blue : 0.f;
    out->alpha = r;
    out->red = g;
    out->green = b;
    out->blue = src.alpha;
    return PF_Err_NONE;
}

int BytesPerPixel(short bitdepth) {
    return bitdepth == 32 ? 16 : 4;
}

void UploadToTexture(GLuint texture, const PF_EffectWorld* world, short bitdepth) {
    if (texture == 0) {
        DebugLog("UploadToTexture() called without valid texture");
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, world->rowbytes / BytesPerPixel(bitdepth));
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, world->width, world->height, GL_RGBA,
                    bitdepth == 32 ? GL_FLOAT : GL_UNSIGNED_BYTE, world->data);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

namespace FBOHelper {

void FBOtoEffectWorld(const PX_FBO* fbo, PF_EffectWorld* world, short bitdepth, GLenum attachment) {
    glFinish();
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo->fbo);
    glReadBuffer(attachment);
    glPixelStorei(GL_PACK_ROW_LENGTH, world->rowbytes / BytesPerPixel(bitdepth));
    glReadPixels(0, 0, world->width, world->height, GL_RGBA,
                 bitdepth == 32 ? GL_FLOAT : GL_UNSIGNED_BYTE, world->data);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace FBOHelper
