#include "render/PixelTransfer.h"

#include "gl/Diagnostics.h"
#include "gl/FBOHelper.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// 16-bit pixels cross to and from GL as floats, a band of rows at a time: the
// host's 16-bit range is 0 to 32768, which no GL integer format normalises.
constexpr std::size_t kBandBytes = std::size_t{1} << 20;

GLint RowLength(const ImageView& view) {
    return static_cast<GLint>(view.rowBytes / BytesPerPixel(view.depth));
}

GLenum TypeOf(const ImageView& view) {
    return view.depth == 32 ? GL_FLOAT : GL_UNSIGNED_BYTE;
}

int32_t BandRows(const ImageView& view) {
    const std::size_t rowFloats = std::size_t(view.width) * 4 * sizeof(float);
    return static_cast<int32_t>(
        std::max<std::size_t>(1, kBandBytes / std::max<std::size_t>(1, rowFloats)));
}

const uint16_t* Row16(const ImageView& view, int32_t y) {
    return reinterpret_cast<const uint16_t*>(static_cast<const unsigned char*>(view.pixels) +
                                             view.rowBytes * y);
}

uint16_t To16(float x) {
    const float v = x > 0.f ? (x < 1.f ? x : 1.f) : 0.f;  // NaN becomes 0
    return static_cast<uint16_t>(v * 32768.f + 0.5f);
}

// Calls band(y0, n, rows) for each band of n rows from y0, with `rows` room
// for the band as floats, four to a pixel.
template <typename Band>
void ForEachBand(const ImageView& view, Band band) {
    const int32_t bandRows = BandRows(view);
    std::vector<float> rows(std::size_t(view.width) * 4 *
                            static_cast<std::size_t>(std::min(bandRows, view.height)));
    for (int32_t y0 = 0; y0 < view.height; y0 += bandRows) {
        band(y0, std::min(bandRows, view.height - y0), rows.data());
    }
}

void Upload16(const ImageView& view) {
    const std::size_t rowValues = std::size_t(view.width) * 4;
    ForEachBand(view, [&](int32_t y0, int32_t n, float* rows) {
        for (int32_t y = 0; y < n; ++y) {
            const uint16_t* src = Row16(view, y0 + y);
            float* dst = rows + rowValues * static_cast<std::size_t>(y);
            for (std::size_t i = 0; i < rowValues; ++i) {
                dst[i] = static_cast<float>(src[i]) * (1.f / 32768.f);
            }
        }
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, y0, view.width, n, GL_RGBA, GL_FLOAT, rows);
    });
}

void ReadBack16(const ImageView& view) {
    const std::size_t rowValues = std::size_t(view.width) * 4;
    ForEachBand(view, [&](int32_t y0, int32_t n, float* rows) {
        glReadPixels(0, y0, view.width, n, GL_RGBA, GL_FLOAT, rows);
        for (int32_t y = 0; y < n; ++y) {
            uint16_t* dst = const_cast<uint16_t*>(Row16(view, y0 + y));
            const float* src = rows + rowValues * static_cast<std::size_t>(y);
            for (std::size_t i = 0; i < rowValues; ++i) {
                dst[i] = To16(src[i]);
            }
        }
    });
}

}  // namespace

void UploadToTexture(GLuint texture, const ImageView& view) {
    if (texture == 0) {
        DebugLog("UploadToTexture() called without valid texture");
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    if (view.depth == 16) {
        Upload16(view);
    } else {
        glPixelStorei(GL_UNPACK_ROW_LENGTH, RowLength(view));
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, view.width, view.height, GL_RGBA, TypeOf(view),
                        view.pixels);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

namespace FBOHelper {

void FBOtoEffectWorld(const PX_FBO* fbo, const ImageView& view, GLenum attachment) {
    glFinish();
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo->fbo);
    glReadBuffer(attachment);
    if (view.depth == 16) {
        ReadBack16(view);
    } else {
        glPixelStorei(GL_PACK_ROW_LENGTH, RowLength(view));
        glReadPixels(0, 0, view.width, view.height, GL_RGBA, TypeOf(view), view.pixels);
    }
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace FBOHelper
