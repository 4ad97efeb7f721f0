// libFuzzer target: whatever a host, a damaged project or a script could
// hand the effect. Each input picks parameter values (any bit pattern: NaN,
// infinities, values far outside the sliders' ranges), the downsample
// factors, the layer's size (1 x 1 to beyond the GPU's texture limit), row
// padding, pixel format (16-bit too, which the effect never asks for), an
// adjustment layer, suites or callbacks that fail at some call, and a user
// who cancels after some draws. Then it sends pre-render and smart render.
// A crash, a sanitizer report or any misuse the simulated host records (a
// leaked world, handle or suite, a context left current, a call it would
// reject) is a finding.
//
// One host serves every input, so the GL programs are built once.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/EntryPoints.h"
#include "host/Params.h"
#include "simhost/SimHost.h"

namespace {

// Reads the input front to back; past its end every read gives zeros.
struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    uint64_t Take(size_t count) {
        uint64_t value = 0;
        for (size_t i = 0; i < count; ++i) {
            value = (value << 8) | (at < size ? data[at++] : 0u);
        }
        return value;
    }
    uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
    uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
    double Double() {
        const uint64_t bits = Take(8);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

// Keys whose failure the effect must survive; the fuzzer picks which one and
// at which call.
const char* const kFaultKeys[] = {
    "SPBasic.AcquireSuite",
    "PF World Suite 2.PF_NewWorld",
    "PF World Suite 2.PF_DisposeWorld",
    "PF Handle Suite 2.host_new_handle",
    "PF Handle Suite 2.host_lock_handle",
    "AEGP PF Interface Suite 1.AEGP_GetEffectLayer",
    "AEGP Layer Suite 13.AEGP_GetLayerFlags",
    "prerender.checkout_layer",
    "smartrender.checkout_layer_pixels",
    "smartrender.checkout_output",
    "utils.premultiply",
    "inter.checkout_param",
};

simhost::Host& SharedHost() {
    static simhost::Host* host = [] {
        auto* h = new simhost::Host;
        h->settings.callLogLimit = 1000;
        h->SetEntry(&EffectMain);
        if (h->Setup() != PF_Err_NONE) {
            std::fprintf(stderr, "fuzzer: set-up failed\n");
            std::abort();
        }
        return h;
    }();
    return *host;
}

void SetParameters(simhost::Host& host, Bytes& in) {
    const std::vector<PF_ParamDef>& added = host.AddedParams();
    for (size_t i = 0; i < added.size(); ++i) {
        // Mostly leave values alone, so that one odd value at a time is tried.
        if (in.U8() % 4 != 0) {
            continue;
        }
        PF_ParamDef& p = host.Param(static_cast<PF_ParamIndex>(i + 1));
        switch (added[i].param_type) {
            case PF_Param_FLOAT_SLIDER:
                p.u.fs_d.value = in.Double();
                break;
            case PF_Param_SLIDER:
                p.u.sd.value = static_cast<PF_ParamValue>(in.U32());
                break;
            case PF_Param_ANGLE:
                p.u.ad.value = static_cast<PF_Fixed>(in.U32());
                break;
            case PF_Param_POPUP:
                p.u.pd.value = static_cast<PF_ParamValue>(in.U32() % 8) - 1;
                break;
            case PF_Param_CHECKBOX:
                p.u.bd.value = static_cast<PF_Boolean>(in.U8());
                break;
            default:
                break;
        }
    }
}

void Fail(const std::vector<std::string>& violations) {
    for (const std::string& v : violations) {
        std::fprintf(stderr, "fuzzer: host check: %s\n", v.c_str());
    }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    simhost::Host& host = SharedHost();
    Bytes in{data, size};

    // The layer: usually small, sometimes wider than any GPU texture.
    static const A_long kWide[] = {16385, 20000, 40000};
    const uint8_t shape = in.U8();
    A_long width = 1 + in.U8() % 48;
    const A_long height = 1 + in.U8() % 24;
    if (shape % 16 == 0) {
        width = kWide[in.U8() % 3];
    }
    static const PF_PixelFormat kFormats[] = {PF_PixelFormat_ARGB32, PF_PixelFormat_ARGB128,
                                              PF_PixelFormat_ARGB64};
    const PF_PixelFormat format = kFormats[in.U8() % 3];
    simhost::Image layer = simhost::Image::Make(width, height, format, 16 * (in.U8() % 3));
    for (size_t i = 0; i < layer.bytes.size() && in.at < in.size; i += 7) {
        layer.bytes[i] = in.U8();
    }
    const A_long downsampleX = 1 + in.U8() % 4;
    const A_long downsampleY = 1 + in.U8() % 4;
    host.settings.downsampleX = {1, static_cast<A_u_long>(downsampleX)};
    host.settings.downsampleY = {1, static_cast<A_u_long>(downsampleY)};
    host.settings.layerWidth = 0;
    host.settings.layerHeight = 0;
    host.settings.rowPaddingBytes = 16 * (in.U8() % 3);
    host.settings.layerFlags = in.U8() % 4 == 0 ? AEGP_LayerFlag_ADJUSTMENT_LAYER : 0;

    const uint8_t fault = in.U8();
    if (fault % 3 == 0) {
        const char* key = kFaultKeys[in.U8() % (sizeof kFaultKeys / sizeof kFaultKeys[0])];
        host.FailCall(key, 1 + in.U8() % 3, PF_Err_OUT_OF_MEMORY);
    }
    // A user who cancels a long frame: after at most 64 draws the host's
    // abort answers PF_Interrupt_CANCEL. Frames of huge sample counts would
    // otherwise take minutes each on a software rasterizer.
    host.settings.cancelAtAbortCall =
        static_cast<int>(host.CallCount("inter.abort")) + 1 + in.U8() % 64;
    SetParameters(host, in);
    host.SetInputLayer(layer);
    host.RenderFrame();
    std::vector<std::string> violations = host.TakeViolations();
    // A fault drawn at random may aim at a call the frame never makes: its
    // report is no finding.
    host.ClearFaults();
    host.TakeViolations();
    if (host.LiveWorldCount() != 0) {
        violations.push_back(std::to_string(host.LiveWorldCount()) + " worlds left alive");
    }
    if (!host.HeldSuites().empty()) {
        violations.push_back("suites still held");
    }
    if (!violations.empty()) {
        Fail(violations);
    }
    return 0;
}
