// Worlds, fill and premultiply, checked against hand-computed pixels.

#include "FakeEffect.h"

#include <cstring>

namespace {

using fake::Fixture;
using WorldsTest = Fixture;

const PF_WorldSuite2* Worlds(simhost::Host& host) {
    return static_cast<const PF_WorldSuite2*>(host.SuiteTable("PF World Suite", 2));
}

TEST_F(WorldsTest, PremultiplyForwardAndBackOn8BitPixels) {
    SetUpEffect();
    PF_Pixel fwd[3] = {}, back[3] = {};
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld w;
        Worlds(host)->PF_NewWorld(in->effect_ref, 3, 1, true, PF_PixelFormat_ARGB32, &w);
        PF_Pixel* p = reinterpret_cast<PF_Pixel*>(w.data);
        // (alpha, red, green, blue)
        p[0] = {128, 200, 100, 255};
        p[1] = {0, 50, 60, 70};
        p[2] = {255, 10, 20, 30};
        in->utils->premultiply(in->effect_ref, 1, &w);  // straight -> premultiplied
        for (int i = 0; i < 3; ++i)
            fwd[i] = p[i];
        p[0] = {128, 100, 50, 128};
        p[1] = {0, 50, 60, 70};
        p[2] = {64, 32, 64, 80};
        in->utils->premultiply(in->effect_ref, 0, &w);  // premultiplied -> straight
        for (int i = 0; i < 3; ++i)
            back[i] = p[i];
        return Worlds(host)->PF_DisposeWorld(in->effect_ref, &w);
    });
    // 200*128/255 = 100.39 -> 100; 100*128/255 = 50.2 -> 50; 255*128/255 = 128.
    EXPECT_EQ(fwd[0].red, 100);
    EXPECT_EQ(fwd[0].green, 50);
    EXPECT_EQ(fwd[0].blue, 128);
    EXPECT_EQ(fwd[0].alpha, 128);
    EXPECT_EQ(fwd[1].red, 0);  // alpha 0 clears colour
    EXPECT_EQ(fwd[2].red, 10);
    // 100*255/128 = 199.2 -> 199; 50*255/128 = 99.6 -> 100; 128*255/128 = 255.
    EXPECT_EQ(back[0].red, 199);
    EXPECT_EQ(back[0].green, 100);
    EXPECT_EQ(back[0].blue, 255);
    EXPECT_EQ(back[1].red, 50);  // alpha 0: left alone
    EXPECT_EQ(back[1].blue, 70);
    // 32*255/64 = 127.5 -> 128; 64*255/64 = 255; 80*255/64 = 318.75 -> clamped 255.
    EXPECT_EQ(back[2].red, 128);
    EXPECT_EQ(back[2].green, 255);
    EXPECT_EQ(back[2].blue, 255);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(WorldsTest, PremultiplyOnFloatPixels) {
    SetUpEffect();
    PF_PixelFloat fwd = {}, back = {}, zero = {};
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld w;
        Worlds(host)->PF_NewWorld(in->effect_ref, 2, 1, true, PF_PixelFormat_ARGB128, &w);
        PF_PixelFloat* p = reinterpret_cast<PF_PixelFloat*>(w.data);
        p[0] = {0.5f, 0.8f, 2.0f, -0.25f};
        p[1] = {0.0f, 0.3f, 0.3f, 0.3f};
        in->utils->premultiply(in->effect_ref, 1, &w);
        fwd = p[0];
        p[0] = {0.25f, 0.1f, 0.2f, 0.3f};
        in->utils->premultiply(in->effect_ref, 0, &w);
        back = p[0];
        zero = p[1];
        return Worlds(host)->PF_DisposeWorld(in->effect_ref, &w);
    });
    EXPECT_FLOAT_EQ(fwd.red, 0.4f);
    EXPECT_FLOAT_EQ(fwd.green, 1.0f);
    EXPECT_FLOAT_EQ(fwd.blue, -0.125f);
    EXPECT_FLOAT_EQ(back.red, 0.4f);
    EXPECT_FLOAT_EQ(back.green, 0.8f);
    EXPECT_FLOAT_EQ(back.blue, 1.2f);
    EXPECT_FLOAT_EQ(zero.red,
                    0.0f);  // premultiplied by alpha 0 in the first call, left alone by the second
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(WorldsTest, FillClearsTheWorldAndPixelFormatIsReported) {
    host.settings.rowPaddingBytes = 16;
    SetUpEffect();
    PF_PixelFormat format = 0;
    bool allClear = true;
    unsigned char before = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld w;
        Worlds(host)->PF_NewWorld(in->effect_ref, 3, 2, false, PF_PixelFormat_ARGB128, &w);
        before = static_cast<unsigned char*>(static_cast<void*>(w.data))[0];
        Worlds(host)->PF_GetPixelFormat(&w, &format);
        in->utils->fill(in->effect_ref, nullptr, nullptr, &w);
        for (A_long y = 0; y < w.height; ++y) {
            const float* row = reinterpret_cast<const float*>(
                reinterpret_cast<const char*>(w.data) + y * w.rowbytes);
            for (int i = 0; i < 3 * 4; ++i)
                allClear = allClear && row[i] == 0.0f;
        }
        EXPECT_EQ(w.rowbytes, 3 * 16 + 16);
        return Worlds(host)->PF_DisposeWorld(in->effect_ref, &w);
    });
    EXPECT_EQ(before, 0xCD);  // not asked to clear: garbage
    EXPECT_EQ(format, PF_PixelFormat_ARGB128);
    EXPECT_TRUE(allClear);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(WorldsTest, WorldsNotDisposedAndForeignWorldsAreViolations) {
    SetUpEffect();
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld leaked;
        Worlds(host)->PF_NewWorld(in->effect_ref, 4, 4, true, PF_PixelFormat_ARGB32, &leaked);
        PF_EffectWorld foreign = {};
        PF_Pixel pixel = {};
        foreign.data = &pixel;
        foreign.width = foreign.height = 1;
        foreign.rowbytes = 4;
        PF_PixelFormat format;
        EXPECT_NE(Worlds(host)->PF_GetPixelFormat(&foreign, &format), PF_Err_NONE);
        return PF_Err_NONE;
    });
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "PF_GetPixelFormat on a world the host did not make"));
    EXPECT_TRUE(simhost::Mentions(
        v, "world made by PF World Suite 2.PF_NewWorld during command 14 (4x4) was not disposed"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(WorldsTest, AnInjectedDisposalFailureStillFreesTheWorld) {
    SetUpEffect();
    host.FailCall("PF World Suite 2.PF_DisposeWorld", 1, PF_Err_OUT_OF_MEMORY);
    PF_Err disposed = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld w;
        Worlds(host)->PF_NewWorld(in->effect_ref, 2, 2, true, PF_PixelFormat_ARGB32, &w);
        disposed = Worlds(host)->PF_DisposeWorld(in->effect_ref, &w);
        return PF_Err_NONE;
    });
    EXPECT_EQ(disposed, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.LiveWorldCount(), 0u);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(WorldsTest, WritingIntoRowPaddingIsAViolation) {
    host.settings.rowPaddingBytes = 16;
    SetUpEffect();
    InCommand([&](PF_InData* in, PF_OutData*) {
        PF_EffectWorld w;
        Worlds(host)->PF_NewWorld(in->effect_ref, 2, 3, true, PF_PixelFormat_ARGB32, &w);
        // A copy that assumes rows of width * 4 bytes runs into row 1's padding.
        std::memset(w.data, 1, static_cast<size_t>(w.width) * 4 * 3);
        return Worlds(host)->PF_DisposeWorld(in->effect_ref, &w);
    });
    EXPECT_TRUE(simhost::Mentions(
        host.TakeViolations(),
        "PF World Suite 2.PF_DisposeWorld: row 0 was written past its last pixel"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
