// Smart pre-render and smart render as the host runs them.

#include "FakeEffect.h"

#include <cstring>

namespace {

using fake::Fixture;
using SmartFXTest = Fixture;

simhost::Image Gradient(A_long w, A_long h, A_long padding) {
    simhost::Image image = simhost::Image::Make8(w, h, padding);
    for (A_long y = 0; y < h; ++y) {
        for (A_long x = 0; x < w; ++x) {
            image.At8(x, y) = PF_Pixel{255, static_cast<A_u_char>(x), static_cast<A_u_char>(y), 7};
        }
    }
    return image;
}

TEST_F(SmartFXTest, CheckoutLayerIntersectsTheRequestWithTheLayer) {
    host.SetInputLayer(Gradient(10, 8, 0));
    PF_CheckoutResult result = {};
    On(PF_Cmd_SMART_PRE_RENDER, [&](PF_InData* in, PF_OutData*, PF_ParamDef** params, void* extra) {
        EXPECT_EQ(params, nullptr);  // smart commands carry no parameter array
        PF_PreRenderExtra* pre = static_cast<PF_PreRenderExtra*>(extra);
        PF_RenderRequest req = pre->input->output_request;
        req.rect = PF_LRect{-5, 2, 6, 20};
        return pre->cb->checkout_layer(in->effect_ref, 0, 4, &req, in->current_time, in->time_step,
                                       in->time_scale, &result);
    });
    SetUpEffect();
    const simhost::PreRenderOutcome outcome = host.PreRender();
    EXPECT_EQ(outcome.err, PF_Err_NONE);
    EXPECT_EQ(outcome.request.rect.right, 10);  // default request: the whole layer
    EXPECT_EQ(result.result_rect.left, 0);
    EXPECT_EQ(result.result_rect.top, 2);
    EXPECT_EQ(result.result_rect.right, 6);
    EXPECT_EQ(result.result_rect.bottom, 8);
    EXPECT_EQ(result.max_result_rect.right, 10);
    EXPECT_EQ(result.max_result_rect.bottom, 8);
    ASSERT_EQ(outcome.checkouts.size(), 1u);
    EXPECT_EQ(outcome.checkouts[0].id, 4);
    EXPECT_EQ(outcome.checkouts[0].request.rect.left, -5);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

// A minimal smart effect: grows the output by `margin` on every side and
// copies the input into it unchanged.
void InstallCopyEffect(Fixture& f, A_long margin, A_long* inRowbytes = nullptr,
                       A_long* outRowbytes = nullptr) {
    f.On(PF_Cmd_SMART_PRE_RENDER, [margin](PF_InData* in, PF_OutData*, PF_ParamDef**, void* extra) {
        PF_PreRenderExtra* pre = static_cast<PF_PreRenderExtra*>(extra);
        PF_CheckoutResult checkout = {};
        const PF_Err err =
            pre->cb->checkout_layer(in->effect_ref, 0, 0, &pre->input->output_request,
                                    in->current_time, in->time_step, in->time_scale, &checkout);
        PF_LRect r = checkout.max_result_rect;
        r.left -= margin;
        r.top -= margin;
        r.right += margin;
        r.bottom += margin;
        pre->output->result_rect = r;
        pre->output->max_result_rect = r;
        pre->output->flags = PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS;
        return err;
    });
    f.On(PF_Cmd_SMART_RENDER, [inRowbytes, outRowbytes](PF_InData* in, PF_OutData*, PF_ParamDef**,
                                                        void* extra) {
        PF_SmartRenderExtra* sr = static_cast<PF_SmartRenderExtra*>(extra);
        PF_EffectWorld* input = nullptr;
        PF_EffectWorld* output = nullptr;
        PF_Err err = sr->cb->checkout_layer_pixels(in->effect_ref, 0, &input);
        if (!err)
            err = sr->cb->checkout_output(in->effect_ref, &output);
        if (err || output == nullptr)
            return err;
        in->utils->fill(in->effect_ref, nullptr, nullptr, output);
        if (input == nullptr)
            return err;
        if (inRowbytes != nullptr)
            *inRowbytes = input->rowbytes;
        if (outRowbytes != nullptr)
            *outRowbytes = output->rowbytes;
        for (A_long y = 0; y < input->height; ++y) {
            for (A_long x = 0; x < input->width; ++x) {
                const A_long ox = x + input->origin_x - output->origin_x;
                const A_long oy = y + input->origin_y - output->origin_y;
                std::memcpy(
                    reinterpret_cast<char*>(output->data) + oy * output->rowbytes + ox * 4,
                    reinterpret_cast<const char*>(input->data) + y * input->rowbytes + x * 4, 4);
            }
        }
        return sr->cb->checkin_layer_pixels(in->effect_ref, 0);
    });
}

TEST_F(SmartFXTest, RenderFrameAllocatesTheAnnouncedRectAndHandsItBack) {
    host.settings.rowPaddingBytes = 16;
    host.SetInputLayer(Gradient(6, 4, 8));
    A_long inRowbytes = 0, outRowbytes = 0;
    InstallCopyEffect(*this, 3, &inRowbytes, &outRowbytes);
    SetUpEffect();
    const simhost::RenderedFrame frame = host.RenderFrame();
    EXPECT_EQ(frame.preRenderErr, PF_Err_NONE);
    EXPECT_EQ(frame.err, PF_Err_NONE);
    ASSERT_TRUE(frame.hasOutput);
    EXPECT_EQ(frame.rect.left, -3);
    EXPECT_EQ(frame.rect.top, -3);
    EXPECT_EQ(frame.rect.right, 9);
    EXPECT_EQ(frame.rect.bottom, 7);
    EXPECT_EQ(frame.output.width, 12);
    EXPECT_EQ(frame.output.height, 10);
    EXPECT_EQ(inRowbytes, 6 * 4 + 8);     // the layer image's own padding
    EXPECT_EQ(outRowbytes, 12 * 4 + 16);  // the host's padding
    // Layer pixel (x, y) lands at (x + 3, y + 3); the margin is cleared.
    EXPECT_EQ(frame.output.At8(3 + 5, 3 + 2).red, 5);
    EXPECT_EQ(frame.output.At8(3 + 5, 3 + 2).green, 2);
    EXPECT_EQ(frame.output.At8(0, 0).alpha, 0);
    EXPECT_EQ(frame.output.At8(11, 9).alpha, 0);
    EXPECT_EQ(frame.pre.output.flags, PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS);
    EXPECT_EQ(host.LiveWorldCount(), 0u);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SmartFXTest, WritingIntoTheInputIsAViolation) {
    host.SetInputLayer(Gradient(2, 2, 0));
    InstallCopyEffect(*this, 0);
    On(PF_Cmd_SMART_RENDER, [](PF_InData* in, PF_OutData*, PF_ParamDef**, void* extra) {
        PF_SmartRenderExtra* sr = static_cast<PF_SmartRenderExtra*>(extra);
        PF_EffectWorld* input = nullptr;
        sr->cb->checkout_layer_pixels(in->effect_ref, 0, &input);
        reinterpret_cast<PF_Pixel*>(input->data)->red = 200;
        PF_EffectWorld* nope = nullptr;
        return sr->cb->checkout_layer_pixels(in->effect_ref, 9, &nope);  // never checked out
    });
    SetUpEffect();
    const simhost::RenderedFrame frame = host.RenderFrame();
    EXPECT_EQ(frame.err, PF_Err_BAD_CALLBACK_PARAM);
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(v, "the effect wrote into its input"));
    EXPECT_TRUE(simhost::Mentions(v, "checkout id 9, which pre-render did not check out"));
    EXPECT_EQ(host.InputLayer().At8(0, 0).red, 0);  // the layer itself is untouched
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(SmartFXTest, LayerQueriesAndMixInsAreAnsweredAndRecorded) {
    host.SetInputLayer(Gradient(2, 2, 0));
    host.settings.layerFlags = 0x200;
    host.settings.layerToWorld.mat[3][0] = 12.5;
    host.settings.currentTime = 60;
    AEGP_LayerFlags flags = 0;
    A_Matrix4 xform = {};
    On(PF_Cmd_SMART_PRE_RENDER, [&](PF_InData* in, PF_OutData*, PF_ParamDef**, void* extra) {
        const void* pfi = nullptr;
        const void* layers = nullptr;
        in->pica_basicP->AcquireSuite("AEGP PF Interface Suite", 1, &pfi);
        in->pica_basicP->AcquireSuite("AEGP Layer Suite", 13, &layers);
        AEGP_LayerH layer = nullptr;
        static_cast<const AEGP_PFInterfaceSuite1*>(pfi)->AEGP_GetEffectLayer(in->effect_ref,
                                                                             &layer);
        const auto* ls = static_cast<const AEGP_LayerSuite7*>(layers);
        ls->AEGP_GetLayerFlags(layer, &flags);
        const A_Time t = {in->current_time, in->time_scale};
        ls->AEGP_GetLayerToWorldXform(layer, &t, &xform);
        in->pica_basicP->ReleaseSuite("AEGP Layer Suite", 13);
        in->pica_basicP->ReleaseSuite("AEGP PF Interface Suite", 1);
        PF_PreRenderExtra* pre = static_cast<PF_PreRenderExtra*>(extra);
        return pre->cb->GuidMixInPtr(in->effect_ref, sizeof xform, &xform);
    });
    SetUpEffect();
    const simhost::PreRenderOutcome outcome = host.PreRender();
    EXPECT_EQ(flags, 0x200);
    EXPECT_EQ(xform.mat[3][0], 12.5);
    EXPECT_EQ(xform.mat[0][0], 1.0);
    ASSERT_EQ(host.XformTimes().size(), 1u);
    EXPECT_EQ(host.XformTimes()[0].value, 60);
    EXPECT_EQ(host.XformTimes()[0].scale, 30u);
    ASSERT_EQ(outcome.mixIns.size(), 1u);
    ASSERT_EQ(outcome.mixIns[0].size(), 128u);
    EXPECT_EQ(std::memcmp(outcome.mixIns[0].data(), &xform, 128), 0);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
