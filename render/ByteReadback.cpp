#include "render/ByteReadback.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "gl/FBOHelper.h"
#include "gl/Programs.h"
#include "gl/Quad.h"
#include "render/PixelTransfer.h"
#include "shaders/ShaderSources.h"

namespace {

// Values at, just below and just above each byte boundary (k + 0.5) / 255,
// each byte's own value, and values out of range.
std::vector<float> ProbeValues() {
    std::vector<float> v;
    for (int k = 0; k < 256; ++k) {
        const float boundary = (static_cast<float>(k) + 0.5f) / 255.0f;
        v.push_back(static_cast<float>(k) / 255.0f);
        v.push_back(boundary);
        v.push_back(std::nextafter(boundary, 0.0f));
        v.push_back(std::nextafter(boundary, 2.0f));
    }
    const float inf = std::numeric_limits<float>::infinity();
    const float extra[] = {-1.0f,      -0.0f, -1e-8f,
                           1.0000001f, 2.0f,  1e30f,
                           inf,        -inf,  std::numeric_limits<float>::quiet_NaN()};
    v.insert(v.end(), std::begin(extra), std::end(extra));
    while (v.size() % 4 != 0) {
        v.push_back(0.0f);
    }
    return v;
}

std::vector<unsigned char> ReadBytes(const PX_FBO& target, int width) {
    std::vector<unsigned char> bytes(static_cast<size_t>(width) * 4, 0);
    ImageView view;
    view.pixels = bytes.data();
    view.width = width;
    view.height = 1;
    view.rowBytes = width * 4;
    FBOHelper::FBOtoEffectWorld(&target, view, GL_COLOR_ATTACHMENT0);
    return bytes;
}

}  // namespace

bool ByteTargetMatchesFloatReadBack() {
    const std::vector<float> values = ProbeValues();
    const int width = static_cast<int>(values.size() / 4);
    const uint32_t w = static_cast<uint32_t>(width);

    GLRenderBuffer source =
        FBOHelper::CreateTextureRenderBuffer(w, 1, GL_RGBA32F, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, source.id);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, 1, GL_RGBA, GL_FLOAT, values.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    PX_FBO floats =
        FBOHelper::CreateTextureFBO(w, 1, GL_CLAMP_TO_EDGE, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
    PX_FBO bytes =
        FBOHelper::CreateTextureFBO(w, 1, GL_CLAMP_TO_EDGE, GL_RGBA8, GL_DEPTH_COMPONENT32F);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    const ShaderParam copy[] = {
        {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, copyTexel_frag}, {0, nullptr}};
    GLuint program = CreateProgram(copy, "");

    bool same = false;
    if (program != 0 && floats.fbo != 0 && bytes.fbo != 0) {
        UniformMap u;
        u["videoTexture"] = TEX2D(source.id);
        const RectF whole = {0.0, 0.0, 1.0, 1.0};
        RenderQuad(&floats, program, u, 0, whole, 0);
        RenderQuad(&bytes, program, u, 0, whole, 0);
        same = ReadBytes(floats, width) == ReadBytes(bytes, width);
    }

    DeleteProgram(&program);
    FBOHelper::DeleteGenericFBO(&bytes);
    FBOHelper::DeleteGenericFBO(&floats);
    FBOHelper::DeleteRenderBuffer(&source);
    // A refused target leaves its error behind; it belongs to this check.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    return same;
}
