// Upload and read-back against a live GL context: padded rows, the 8-bit
// normalisation, a 1 x 1 read-back, render targets that cannot be made, and
// the 8-bit output target against the 8-bit read of the float target.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "gl/Programs.h"
#include "render/ByteReadback.h"
#include "render/Passes.h"
#include "render/PixelTransfer.h"
#include "tests/support/GLTestContext.h"

namespace {

ImageView World(std::vector<unsigned char>& bytes, int32_t w, int32_t h, int32_t rowbytes,
                int depth) {
    ImageView view;
    view.pixels = bytes.data();
    view.width = w;
    view.height = h;
    view.rowBytes = rowbytes;
    view.depth = depth;
    return view;
}

}  // namespace

TEST_F(GLTest, UploadSkipsRowPaddingAndNormalisesBytes) {
    // 3 x 2 RGBA bytes, rows 20 bytes apart (8 bytes of padding, filled with
    // a value that must not appear in the texture).
    std::vector<unsigned char> bytes(2 * 20, 0xEE);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            unsigned char* p = &bytes[y * 20 + x * 4];
            p[0] = static_cast<unsigned char>(10 * (y * 3 + x));
            p[1] = 20;
            p[2] = 30;
            p[3] = 255;
        }
    }
    const ImageView world = World(bytes, 3, 2, 20, 8);
    GLRenderBuffer tex = FBOHelper::CreateTextureRenderBuffer(3, 2, GL_RGBA32F, GL_CLAMP_TO_BORDER);
    UploadToTexture(tex.id, world);
    const std::vector<float> texels = ReadTextureRGBA32F(tex.id, 3, 2);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(texels[i * 4 + 0], 10.f * i / 255.f) << i;
        EXPECT_FLOAT_EQ(texels[i * 4 + 1], 20.f / 255.f);
        EXPECT_FLOAT_EQ(texels[i * 4 + 2], 30.f / 255.f);
        EXPECT_FLOAT_EQ(texels[i * 4 + 3], 1.f);
    }
    GLint rowLength = -1, bound = -1;
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(rowLength, 0);
    EXPECT_EQ(bound, 0);
    FBOHelper::DeleteRenderBuffer(&tex);
}

TEST_F(GLTest, ReadBackWritesRowsInPlaceAndLeavesPaddingAlone) {
    RenderSettings s;
    s.repeatEdges = false;
    FrameTargets t = {};
    ASSERT_TRUE(PrepareFrameTargets(s, 2, 2, 2, 2, 32, &t));
    // Float pixels into F3 through an upload of a padded float buffer.
    std::vector<unsigned char> in(2 * 48, 0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            const float px[4] = {0.1f * (y * 2 + x), 0.5f, 0.25f, 1.f};
            std::memcpy(&in[y * 48 + x * 16], px, 16);
        }
    }
    const ImageView inWorld = World(in, 2, 2, 48, 32);
    UploadToTexture(t.f3.renderBuffer.id, inWorld);

    std::vector<unsigned char> out(2 * 48, 0xAB);
    const ImageView outWorld = World(out, 2, 2, 48, 32);
    FBOHelper::FBOtoEffectWorld(&t.f3, outWorld, GL_COLOR_ATTACHMENT0);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(std::memcmp(&out[y * 48], &in[y * 48], 32), 0) << "row " << y;
        for (int i = 32; i < 48; ++i) {
            EXPECT_EQ(out[y * 48 + i], 0xAB) << "padding of row " << y;
        }
    }
    // A 1 x 1 read-back in 8 bits takes the first texel, clamped and rounded.
    std::vector<unsigned char> one(4, 0);
    const ImageView oneWorld = World(one, 1, 1, 4, 8);
    FBOHelper::FBOtoEffectWorld(&t.f3, oneWorld, GL_COLOR_ATTACHMENT0);
    EXPECT_EQ(one[0], 0);
    EXPECT_EQ(one[1], 128);
    EXPECT_EQ(one[2], 64);
    EXPECT_EQ(one[3], 255);
    GLint packLength = -1, fbo = -1;
    glGetIntegerv(GL_PACK_ROW_LENGTH, &packLength);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &fbo);
    EXPECT_EQ(packLength, 0);
    EXPECT_EQ(fbo, 0);
    ReleaseFrameTargets(&t);
}

TEST_F(GLTest, TargetsTheGPUCannotMakeAreReportedAndLeaveNothingBehind) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    RenderSettings s;
    FrameTargets t = {};
    EXPECT_FALSE(PrepareFrameTargets(s, 4, 4, maxSize + 1, 4, 32, &t));
    ReleaseFrameTargets(&t);
    EXPECT_EQ(t.f0.fbo, 0u);
    EXPECT_EQ(t.f0.renderBuffer.id, 0u);
    FrameTargets empty = {};
    EXPECT_FALSE(PrepareFrameTargets(s, 0, 0, 4, 4, 32, &empty));
    ReleaseFrameTargets(&empty);
    ReleaseFrameTargets(&empty);  // twice is harmless
    // The fixture checks that no texture or framebuffer survived.
}

TEST_F(GLTest, TheEightBitOutputTargetGivesTheBytesOfTheFloatReadBack) {
    // Whole frames through the passes, once into F3 read back as bytes (the
    // conversion on the way out) and once into the 8-bit target (read back
    // as a copy): the bytes must be the same, for settings that put values
    // across the whole range, above 1 (unmult) and on every byte boundary.
    if (!ByteTargetMatchesFloatReadBack()) {
        GTEST_SKIP() << "this GL rounds 8-bit targets unlike its read-back: frames keep F3";
    }
    GLPrograms programs = {};
    CreateGLPrograms(&programs);
    const int w = 64, h = 16;
    std::vector<unsigned char> in(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < in.size(); ++i) {
        in[i] = static_cast<unsigned char>((i * 37 + (i / 4) * 11) % 256);
    }
    const ImageView inWorld = World(in, w, h, w * 4, 8);
    struct Case {
        const char* name;
        void (*apply)(ParamValues* p);
    };
    const Case cases[] = {
        {"Defaults", [](ParamValues*) {}},
        {"Transform",
         [](ParamValues* p) {
             p->position = 3;
             p->rotation = 8 << 16;
             p->scale = 110;
             p->distortUniform = -15;
         }},
        {"UnmultMixHue",
         [](ParamValues* p) {
             p->unmult = true;
             p->mix = 30;
             p->hueShift = 40 << 16;
         }},
        {"PreserveAlphaBlur",
         [](ParamValues* p) {
             p->preserveAlpha = true;
             p->blur = 2;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParamValues params;
        params.samples = 4;
        params.sampleCount = 6;
        c.apply(&params);
        const BufferGeometry g{w, h, 0, 0};
        const RenderSettings s = DeriveRenderSettings(params, Ratio{1, 1}, g, g);
        FrameTargets t = {};
        ASSERT_TRUE(PrepareFrameTargets(s, w, h, w, h, 8, &t));
        ASSERT_EQ(t.writeBytes, 1);
        UploadToTexture(t.f0.renderBuffer.id, inWorld);
        std::vector<std::vector<unsigned char>> out(2, std::vector<unsigned char>(in.size(), 0));
        for (int writeBytes = 0; writeBytes < 2; ++writeBytes) {
            t.writeBytes = writeBytes;
            ASSERT_EQ(RunAllPasses(programs, s, &t, {}), 0);
            const ImageView outWorld = World(out[writeBytes], w, h, w * 4, 8);
            FBOHelper::FBOtoEffectWorld(FrameOutput(t), outWorld, GL_COLOR_ATTACHMENT0);
        }
        EXPECT_TRUE(out[0] == out[1]);
        EXPECT_NE(std::count(out[0].begin(), out[0].end(), 0), static_cast<long>(out[0].size()));
        ReleaseFrameTargets(&t);
    }
    DeleteGLPrograms(&programs);
}
