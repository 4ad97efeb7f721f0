// The records the host builds for a command, the module loader and
// concurrent renders.

#include "FakeEffect.h"
#include "simhost/Module.h"

#include <cstring>
#include <thread>

namespace {

using fake::Fixture;
using DriverTest = Fixture;

TEST_F(DriverTest, InDataCarriesTheHostsSettings) {
    host.settings.version = PF_SpecVersion{13, 9};
    host.settings.applId = 0x50724D72;  // 'PrMr'
    host.settings.downsampleX = PF_RationalScale{1, 2};
    host.settings.downsampleY = PF_RationalScale{1, 4};
    host.settings.currentTime = 90;
    host.settings.timeStep = 3;
    host.settings.timeScale = 25;
    host.settings.layerWidth = 200;
    host.settings.layerHeight = 100;
    host.SetInputLayer(simhost::Image::Make8(100, 25));
    PF_InData seen = {};
    On(PF_Cmd_GLOBAL_SETUP, [&](PF_InData* in, PF_OutData*, PF_ParamDef**, void*) {
        seen = *in;
        return PF_Err_NONE;
    });
    SetUpEffect();
    EXPECT_EQ(seen.version.major, 13);
    EXPECT_EQ(seen.version.minor, 9);
    EXPECT_EQ(seen.appl_id, 0x50724D72);
    EXPECT_EQ(seen.downsample_x.num, 1);
    EXPECT_EQ(seen.downsample_x.den, 2u);
    EXPECT_EQ(seen.downsample_y.den, 4u);
    EXPECT_EQ(seen.current_time, 90);
    EXPECT_EQ(seen.time_step, 3);
    EXPECT_EQ(seen.time_scale, 25u);
    EXPECT_EQ(seen.width, 200);
    EXPECT_EQ(seen.height, 100);
    EXPECT_EQ(seen.pica_basicP, host.BasicSuite());
    EXPECT_EQ(seen.global_data, nullptr);
    // Without an explicit size the layer image is scaled back to full resolution.
    host.settings.layerWidth = 0;
    host.settings.layerHeight = 0;
    On(PF_Cmd_UPDATE_PARAMS_UI, [&](PF_InData* in, PF_OutData*, PF_ParamDef**, void*) {
        seen = *in;
        return PF_Err_NONE;
    });
    host.UpdateParamsUI();
    EXPECT_EQ(seen.width, 200);
    EXPECT_EQ(seen.height, 100);
    EXPECT_NE(seen.effect_ref, nullptr);
    EXPECT_NE(seen.utils, nullptr);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, CommandsOutOfTheHostsOrderAreViolations) {
    EXPECT_EQ(host.UpdateParamsUI(), PF_Err_NONE);
    const auto v = host.TakeViolations();
    EXPECT_TRUE(simhost::Mentions(v, "command 14 sent before GLOBAL_SETUP"));
    EXPECT_TRUE(simhost::Mentions(v, "command 14 sent before PARAMS_SETUP"));
    SetUpEffect();
    host.GlobalSetdown();
    host.About();
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(), "command 0 sent after GLOBAL_SETDOWN"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, AnUnterminatedErrorMessageIsAViolation) {
    SetUpEffect();
    InCommand([&](PF_InData*, PF_OutData* out) {
        out->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
        std::memset(out->return_msg, 'x', sizeof out->return_msg);
        return PF_Err_NONE;
    });
    EXPECT_TRUE(
        simhost::Mentions(host.TakeViolations(), "return_msg, which is not NUL-terminated"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, GlobalSetupMustMatchTheRegistration) {
    host.settings.checkRegistration = true;
    host.settings.registeredVersion = 0x00180001;
    host.settings.registeredOutFlags = 0x04008000;
    host.settings.registeredOutFlags2 = 0x08201408;
    On(PF_Cmd_GLOBAL_SETUP, [](PF_InData*, PF_OutData* out, PF_ParamDef**, void*) {
        out->my_version = 0x00180001;
        out->out_flags = 0x04008000;
        out->out_flags2 = 0x08201400;  // one flag short
        return PF_Err_NONE;
    });
    SetUpEffect();
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 1u) << simhost::Describe(v);
    EXPECT_TRUE(
        simhost::Mentions(v, "out_flags2 0x8201400 but the registration declares 0x8201408"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, AStaleEffectRefIsAViolation) {
    SetUpEffect();
    PF_InData kept = {};
    InCommand([&](PF_InData* in, PF_OutData*) {
        kept = *in;
        return PF_Err_NONE;
    });
    PF_ParamDef def = {};
    EXPECT_EQ(kept.inter.checkout_param(kept.effect_ref, 0, 0, 1, 30, &def),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(),
                                  "effect_ref that belongs to no command in flight"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, InteractionCallbacksFromAnotherThreadAreViolations) {
    SetUpEffect();
    PF_Err fromWorker = -1;
    InCommand([&](PF_InData* in, PF_OutData*) {
        std::thread worker([&] {
            PF_ParamDef def = {};
            fromWorker = in->inter.checkout_param(in->effect_ref, 0, 0, 1, 30, &def);
            in->inter.checkin_param(in->effect_ref, &def);
        });
        worker.join();
        return PF_Err_NONE;
    });
    EXPECT_EQ(fromWorker, PF_Err_NONE);  // answered, but reported
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "inter.checkout_param called from a thread other than"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(DriverTest, ConcurrentRendersEachGetTheirOwnBuffers) {
    simhost::Image layer = simhost::Image::MakeFloat(8, 8);
    for (A_long y = 0; y < 8; ++y) {
        for (A_long x = 0; x < 8; ++x)
            layer.AtFloat(x, y) = PF_PixelFloat{1.0f, x * 0.1f, y * 0.1f, 0.5f};
    }
    host.SetInputLayer(layer);
    On(PF_Cmd_SMART_PRE_RENDER, [](PF_InData* in, PF_OutData*, PF_ParamDef**, void* extra) {
        PF_PreRenderExtra* pre = static_cast<PF_PreRenderExtra*>(extra);
        PF_CheckoutResult c = {};
        const PF_Err err =
            pre->cb->checkout_layer(in->effect_ref, 0, 0, &pre->input->output_request,
                                    in->current_time, in->time_step, in->time_scale, &c);
        pre->output->result_rect = pre->output->max_result_rect = c.result_rect;
        return err;
    });
    On(PF_Cmd_SMART_RENDER, [](PF_InData* in, PF_OutData*, PF_ParamDef**, void* extra) {
        PF_SmartRenderExtra* sr = static_cast<PF_SmartRenderExtra*>(extra);
        if (sr->input->bitdepth != 32)
            return PF_Err(PF_Err_BAD_CALLBACK_PARAM);
        PF_EffectWorld* input = nullptr;
        PF_EffectWorld* output = nullptr;
        sr->cb->checkout_layer_pixels(in->effect_ref, 0, &input);
        sr->cb->checkout_output(in->effect_ref, &output);
        const void* s = nullptr;
        in->pica_basicP->AcquireSuite("PF iterateFloat Suite", 1, &s);
        const PF_Err err = static_cast<const PF_IterateFloatSuite1*>(s)->iterate(
            in, 0, input->height, input, nullptr, nullptr,
            [](void*, A_long, A_long, PF_PixelFloat* i, PF_PixelFloat* o) -> PF_Err {
                *o = *i;
                return PF_Err_NONE;
            },
            output);
        in->pica_basicP->ReleaseSuite("PF iterateFloat Suite", 1);
        return err;
    });
    SetUpEffect();
    std::vector<simhost::RenderedFrame> frames(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < frames.size(); ++i)
        threads.emplace_back([&, i] { frames[i] = host.RenderFrame(); });
    for (std::thread& t : threads)
        t.join();
    for (const simhost::RenderedFrame& f : frames) {
        EXPECT_EQ(f.err, PF_Err_NONE);
        ASSERT_TRUE(f.hasOutput);
        EXPECT_TRUE(f.output.SamePixels(layer));
    }
    EXPECT_EQ(host.SuiteAcquireCount("PF iterateFloat Suite", 1), 4);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST(ModuleTest, LoadsTheEffectModuleAndRecordsItsRegistration) {
    simhost::Module module(HLV3_MODULE_PATH);
    ASSERT_TRUE(module.Loaded()) << module.Error();
    EXPECT_NE(module.EffectMain(), nullptr);
    ASSERT_NE(module.PluginDataEntry(), nullptr);
    simhost::PluginDataRecorder recorder;
    recorder.answer = 7;  // the module passes the callback's answer back
    EXPECT_EQ(simhost::CallPluginDataEntry(module.PluginDataEntry(), recorder), 7);
    EXPECT_EQ(recorder.record.calls, 1);
    EXPECT_EQ(recorder.record.inPtr, recorder.InPtr());
    EXPECT_EQ(recorder.record.matchName, "KVHLVGL");
    EXPECT_EQ(recorder.record.kind, 0x65464B54);

    simhost::Module missing("/nonexistent/module.so");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_FALSE(missing.Error().empty());
    EXPECT_EQ(missing.EffectMain(), nullptr);
}

}  // namespace
