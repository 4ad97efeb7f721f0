// Smart pre-render and smart render as the host runs them, with the layer
// queries of "AEGP PF Interface Suite" 1 and "AEGP Layer Suite" 13.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"
#include "simhost/Unsimulated.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace simhost {

namespace {

// The one layer the effect sits on; its handle is this box's address.
void* g_layerBox = nullptr;
AEGP_LayerH EffectLayer() {
    return reinterpret_cast<AEGP_LayerH>(&g_layerBox);
}

bool Inside(const PF_LRect& inner, const PF_LRect& outer) {
    return IsEmpty(inner) || (inner.left >= outer.left && inner.top >= outer.top &&
                              inner.right <= outer.right && inner.bottom <= outer.bottom);
}

// ---- pre-render callbacks -------------------------------------------------------

PF_Err CheckoutLayer(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id,
                     const PF_RenderRequest* req, A_long what_time, A_long time_step,
                     A_u_long time_scale, PF_CheckoutResult* result) {
    constexpr const char* key = "prerender.checkout_layer";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (command->cmd != PF_Cmd_SMART_PRE_RENDER) {
        host.Violation(std::string(key) + " called outside SMART_PRE_RENDER");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (req == nullptr || result == nullptr) {
        host.Violation(std::string(key) + " called with a null request or result");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (index != 0) {
        host.Violation(std::string(key) + " of parameter " + std::to_string(index) +
                       ", which is not a layer");
        return PF_Err_INVALID_INDEX;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    const Image& layer = *command->layer;
    const PF_LRect bounds = PF_LRect{0, 0, layer.width, layer.height};
    std::memset(result, 0, sizeof *result);
    result->result_rect = Intersect(req->rect, bounds);
    result->max_result_rect = bounds;
    result->par = host.settings.pixelAspect;
    result->solid = 0;
    result->ref_width = layer.width;
    result->ref_height = layer.height;
    LayerCheckout record;
    record.index = index;
    record.id = checkout_id;
    record.request = *req;
    record.time = what_time;
    record.step = time_step;
    record.scale = time_scale;
    record.result = *result;
    command->layerCheckouts.push_back(record);
    return PF_Err_NONE;
}

PF_Err GuidMixIn(PF_ProgPtr effect_ref, A_u_long size, const void* buffer) {
    constexpr const char* key = "prerender.GuidMixInPtr";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (command->cmd != PF_Cmd_SMART_PRE_RENDER) {
        host.Violation(std::string(key) + " called outside SMART_PRE_RENDER");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (buffer == nullptr && size != 0) {
        host.Violation(std::string(key) + " called with a null buffer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const unsigned char* const bytes = static_cast<const unsigned char*>(buffer);
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    command->mixIns.emplace_back(bytes, bytes + size);
    return PF_Err_NONE;
}

// ---- smart render callbacks -------------------------------------------------------

const LayerCheckout* FindCheckout(const Host::Command& command, A_long id) {
    if (command.pre == nullptr)
        return nullptr;
    const LayerCheckout* found = nullptr;
    for (const LayerCheckout& c : command.pre->checkouts) {
        if (c.id == id)
            found = &c;  // the last check-out of an id counts
    }
    return found;
}

std::string Describe(std::thread::id id) {
    std::ostringstream text;
    text << "thread " << id;
    return text.str();
}

// Renders the frame's dependency on a second thread and waits for it, as the
// host does for a layer the input needs. Called without the host's lock, so
// the dependency's own commands can run. False when the wait ran out.
bool AwaitDependency(Host& host, Host::DependencyRec& dep, const char* key) {
    dep.thread = std::thread([&host, &dep] {
        RenderedFrame result = host.RenderFrame(*dep.frame);
        const std::lock_guard<std::mutex> lock(dep.mutex);
        dep.result = std::move(result);
        dep.done = true;
        dep.finished.notify_all();
    });
    dep.threadId = dep.thread.get_id();
    std::unique_lock<std::mutex> lock(dep.mutex);
    if (dep.finished.wait_for(lock, host.settings.dependencyWait, [&dep] { return dep.done; })) {
        return true;
    }
    lock.unlock();
    std::string where = "not inside a command";
    {
        const std::lock_guard<std::recursive_mutex> hostLock(HostAccess::Mutex(host));
        const auto& whereNow = HostAccess::WhereNow(host);
        const auto it = whereNow.find(dep.threadId);
        if (it != whereNow.end()) {
            where = "inside command " + std::to_string(it->second.first) +
                    ", last host call: " + it->second.second;
        }
    }
    host.Violation(std::string(key) + ": " + Describe(std::this_thread::get_id()) + " waited " +
                   std::to_string(host.settings.dependencyWait.count()) +
                   " ms for the frame its input depends on, rendering on " +
                   Describe(dep.threadId) + ", which is " + where +
                   " (a lock held across a host call?)");
    return false;
}

PF_Err CheckoutLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id, PF_EffectWorld** pixels) {
    constexpr const char* key = "smartrender.checkout_layer_pixels";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (pixels == nullptr) {
        host.Violation(std::string(key) + " called with a null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    *pixels = nullptr;
    Host::DependencyRec* const dep = command->dependency;
    if (dep != nullptr && !dep->thread.joinable() && !AwaitDependency(host, *dep, key)) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    command->inputCheckoutCalls.push_back(checkout_id);
    const LayerCheckout* const checkout = FindCheckout(*command, checkout_id);
    if (command->cmd != PF_Cmd_SMART_RENDER || checkout == nullptr) {
        host.Violation(std::string(key) + " of checkout id " + std::to_string(checkout_id) +
                       ", which pre-render did not check out");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_LRect rect = checkout->result.result_rect;
    if (host.settings.inputPixelsMissing || IsEmpty(rect))
        return PF_Err_NONE;
    auto& world = command->inputWorlds[checkout_id];
    if (!world) {
        const Image& layer = *command->layer;
        world = std::make_unique<PF_EffectWorld>();
        // The input keeps the row padding of the test's layer image.
        const A_long padding = layer.rowbytes - layer.width * BytesPerPixel(layer.format);
        if (const PF_Err err =
                HostAccess::MakeWorld(host, *world, rect.right - rect.left, rect.bottom - rect.top,
                                      layer.format, true, false, 0, key, padding)) {
            world.reset();
            return err;
        }
        Image part = Image::Make(world->width, world->height, layer.format);
        const size_t bpp = static_cast<size_t>(BytesPerPixel(layer.format));
        for (A_long y = 0; y < part.height; ++y) {
            std::memcpy(part.Row(y), layer.Row(rect.top + y) + static_cast<size_t>(rect.left) * bpp,
                        static_cast<size_t>(part.width) * bpp);
        }
        part.CopyInto(*world);
        world->origin_x = rect.left;
        world->origin_y = rect.top;
        command->inputOriginals[checkout_id] = std::move(part);
    }
    *pixels = world.get();
    return PF_Err_NONE;
}

PF_Err CheckinLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id) {
    constexpr const char* key = "smartrender.checkin_layer_pixels";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    const bool out =
        std::find(command->inputCheckoutCalls.begin(), command->inputCheckoutCalls.end(),
                  checkout_id) != command->inputCheckoutCalls.end();
    if (!out || command->checkedIn.count(checkout_id) != 0) {
        host.Violation(std::string(key) + " of checkout id " + std::to_string(checkout_id) +
                       (out ? ", which is already checked in" : ", which is not checked out"));
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    command->checkedIn.insert(checkout_id);
    return PF_Err_NONE;
}

PF_Err CheckoutOutput(PF_ProgPtr effect_ref, PF_EffectWorld** output) {
    constexpr const char* key = "smartrender.checkout_output";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (output == nullptr) {
        host.Violation(std::string(key) + " called with a null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    *output = nullptr;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    if (command->cmd != PF_Cmd_SMART_RENDER || command->pre == nullptr) {
        host.Violation(std::string(key) + " called outside SMART_RENDER");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    command->outputCheckedOut = true;
    const PF_LRect rect = command->pre->output.result_rect;
    if (host.settings.outputMissing || IsEmpty(rect))
        return PF_Err_NONE;
    if (!command->outputWorld) {
        command->outputWorld = std::make_unique<PF_EffectWorld>();
        // The output arrives uncleared, as the host's does.
        if (const PF_Err err = HostAccess::MakeWorld(
                host, *command->outputWorld, rect.right - rect.left, rect.bottom - rect.top,
                command->layer->format, false, false, 0, key)) {
            command->outputWorld.reset();
            return err;
        }
        command->outputWorld->origin_x = rect.left;
        command->outputWorld->origin_y = rect.top;
    }
    *output = command->outputWorld.get();
    return PF_Err_NONE;
}

// ---- AEGP layer queries --------------------------------------------------------------

A_Err GetEffectLayer(PF_ProgPtr effect_ref, AEGP_LayerH* layer) {
    constexpr const char* key = "AEGP PF Interface Suite 1.AEGP_GetEffectLayer";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (layer != nullptr)
        *layer = nullptr;
    if (command == nullptr)
        return err;
    if (layer == nullptr) {
        command->host->Violation(std::string(key) + " called with a null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    *layer = command->host->settings.effectLayerPresent ? EffectLayer() : nullptr;
    return A_Err_NONE;
}

bool KnownLayer(Host& host, AEGP_LayerH layer, const char* key) {
    if (layer == EffectLayer())
        return true;
    host.Violation(std::string(key) + " called with a layer handle the host never gave out");
    return false;
}

A_Err GetLayerFlags(AEGP_LayerH layer, AEGP_LayerFlags* flags) {
    constexpr const char* key = "AEGP Layer Suite 13.AEGP_GetLayerFlags";
    Host& host = LiveHost(key);
    if (const PF_Err err = host.Enter(key))
        return err;
    if (!KnownLayer(host, layer, key) || flags == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    *flags = host.settings.layerFlags;
    return A_Err_NONE;
}

A_Err GetLayerToWorldXform(AEGP_LayerH layer, const A_Time* time, A_Matrix4* xform) {
    constexpr const char* key = "AEGP Layer Suite 13.AEGP_GetLayerToWorldXform";
    Host& host = LiveHost(key);
    if (const PF_Err err = host.Enter(key))
        return err;
    if (!KnownLayer(host, layer, key) || time == nullptr || xform == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    if (time->scale == 0) {
        host.Violation(std::string(key) + " asked for a time with scale 0");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    HostAccess::XformTimes(host).push_back(*time);
    *xform = host.settings.layerToWorld;
    return A_Err_NONE;
}

}  // namespace

void HostAccess::FillPreRenderCallbacks(PF_PreRenderCallbacks& cb) {
    cb.checkout_layer = &CheckoutLayer;
    cb.GuidMixInPtr = &GuidMixIn;
}

void HostAccess::FillSmartRenderCallbacks(PF_SmartRenderCallbacks& cb) {
    cb.checkout_layer_pixels = &CheckoutLayerPixels;
    cb.checkin_layer_pixels = &CheckinLayerPixels;
    cb.checkout_output = &CheckoutOutput;
}

const AEGP_PFInterfaceSuite1* HostAccess::PFInterfaceSuite() {
    static const AEGP_PFInterfaceSuite1 table = [] {
        AEGP_PFInterfaceSuite1 t = {};
        t.AEGP_GetEffectLayer = &GetEffectLayer;
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetNewEffectForEffect);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_ConvertEffectToCompTime);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetEffectCamera);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetEffectCameraMatrix);
        return t;
    }();
    return &table;
}

const AEGP_LayerSuite7* HostAccess::LayerSuite() {
    static const AEGP_LayerSuite7 table = [] {
        AEGP_LayerSuite7 t = {};
#define SIMHOST_LAYER_STUB(member) SIMHOST_UNSIMULATED(t, "AEGP Layer Suite 13", member)
        SIMHOST_LAYER_STUB(AEGP_GetCompNumLayers);
        SIMHOST_LAYER_STUB(AEGP_GetCompLayerByIndex);
        SIMHOST_LAYER_STUB(AEGP_GetActiveLayer);
        SIMHOST_LAYER_STUB(AEGP_GetLayerIndex);
        SIMHOST_LAYER_STUB(AEGP_GetLayerSourceItem);
        SIMHOST_LAYER_STUB(AEGP_GetLayerSourceItemID);
        SIMHOST_LAYER_STUB(AEGP_GetLayerParentComp);
        SIMHOST_LAYER_STUB(AEGP_GetLayerName);
        SIMHOST_LAYER_STUB(AEGP_GetLayerQuality);
        SIMHOST_LAYER_STUB(AEGP_SetLayerQuality);
        t.AEGP_GetLayerFlags = &GetLayerFlags;
        SIMHOST_LAYER_STUB(AEGP_SetLayerFlag);
        SIMHOST_LAYER_STUB(AEGP_IsLayerVideoReallyOn);
        SIMHOST_LAYER_STUB(AEGP_IsLayerAudioReallyOn);
        SIMHOST_LAYER_STUB(AEGP_GetLayerCurrentTime);
        SIMHOST_LAYER_STUB(AEGP_GetLayerInPoint);
        SIMHOST_LAYER_STUB(AEGP_GetLayerDuration);
        SIMHOST_LAYER_STUB(AEGP_SetLayerInPointAndDuration);
        SIMHOST_LAYER_STUB(AEGP_GetLayerOffset);
        SIMHOST_LAYER_STUB(AEGP_SetLayerOffset);
        SIMHOST_LAYER_STUB(AEGP_GetLayerStretch);
        SIMHOST_LAYER_STUB(AEGP_SetLayerStretch);
        SIMHOST_LAYER_STUB(AEGP_GetLayerTransferMode);
        SIMHOST_LAYER_STUB(AEGP_SetLayerTransferMode);
        SIMHOST_LAYER_STUB(AEGP_IsAddLayerValid);
        SIMHOST_LAYER_STUB(AEGP_AddLayer);
        SIMHOST_LAYER_STUB(AEGP_ReorderLayer);
        SIMHOST_LAYER_STUB(AEGP_GetLayerMaskedBounds);
        SIMHOST_LAYER_STUB(AEGP_GetLayerObjectType);
        SIMHOST_LAYER_STUB(AEGP_IsLayer3D);
        SIMHOST_LAYER_STUB(AEGP_IsLayer2D);
        SIMHOST_LAYER_STUB(AEGP_IsVideoActive);
        SIMHOST_LAYER_STUB(AEGP_IsLayerUsedAsTrackMatte);
        SIMHOST_LAYER_STUB(AEGP_DoesLayerHaveTrackMatte);
        SIMHOST_LAYER_STUB(AEGP_ConvertCompToLayerTime);
        SIMHOST_LAYER_STUB(AEGP_ConvertLayerToCompTime);
        SIMHOST_LAYER_STUB(AEGP_GetLayerDancingRandValue);
        SIMHOST_LAYER_STUB(AEGP_GetLayerID);
        t.AEGP_GetLayerToWorldXform = &GetLayerToWorldXform;
        SIMHOST_LAYER_STUB(AEGP_GetLayerToWorldXformFromView);
        SIMHOST_LAYER_STUB(AEGP_SetLayerName);
        SIMHOST_LAYER_STUB(AEGP_GetLayerParent);
        SIMHOST_LAYER_STUB(AEGP_SetLayerParent);
        SIMHOST_LAYER_STUB(AEGP_DeleteLayer);
        SIMHOST_LAYER_STUB(AEGP_DuplicateLayer);
        SIMHOST_LAYER_STUB(AEGP_GetLayerFromLayerID);
        SIMHOST_LAYER_STUB(AEGP_GetLayerLabel);
        SIMHOST_LAYER_STUB(AEGP_SetLayerLabel);
#undef SIMHOST_LAYER_STUB
        return t;
    }();
    return &table;
}

// ---- the render flow ------------------------------------------------------------------

PreRenderOutcome Host::PreRender(const PF_RenderRequest* request) {
    FrameRequest frame;
    frame.request = request;
    return PreRender(frame);
}

PreRenderOutcome Host::PreRender(const FrameRequest& frame) {
    PreRenderOutcome outcome;
    if (frame.request != nullptr) {
        outcome.request = *frame.request;
    } else {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        const Image& layer = frame.layer != nullptr ? *frame.layer : inputLayer_;
        outcome.request.rect = PF_LRect{0, 0, layer.width, layer.height};
        outcome.request.field = settings.field;
        outcome.request.channel_mask = PF_ChannelMask_ARGB;
    }
    outcome.err = Dispatch(
        PF_Cmd_SMART_PRE_RENDER,
        [&](Command& c) -> void* {
            c.preInput.output_request = outcome.request;
            c.preInput.bitdepth = BitDepthOf(c.layer->format);
            HostAccess::FillPreRenderCallbacks(c.preCallbacks);
            c.preExtra.input = &c.preInput;
            c.preExtra.output = &c.preOutput;
            c.preExtra.cb = &c.preCallbacks;
            return &c.preExtra;
        },
        [&](Command& c, PF_Err) {
            outcome.output = c.preOutput;
            outcome.checkouts = c.layerCheckouts;
            outcome.mixIns = c.mixIns;
            if (!IsEmpty(c.preOutput.max_result_rect) &&
                !Inside(c.preOutput.result_rect, c.preOutput.max_result_rect)) {
                Violation("pre-render announced result_rect " + Describe(c.preOutput.result_rect) +
                          " outside its max_result_rect " + Describe(c.preOutput.max_result_rect));
            }
        },
        &frame);
    return outcome;
}

RenderedFrame Host::SmartRender(const PreRenderOutcome& pre) {
    return SmartRender(pre, FrameRequest{});
}

RenderedFrame Host::SmartRender(const PreRenderOutcome& pre, const FrameRequest& request) {
    RenderedFrame frame;
    frame.pre = pre;
    frame.preRenderErr = pre.err;
    frame.rect = pre.output.result_rect;
    DependencyRec dependency;
    dependency.frame = request.dependsOn;
    frame.err = Dispatch(
        PF_Cmd_SMART_RENDER,
        [&](Command& c) -> void* {
            c.pre = &frame.pre;
            c.dependency = request.dependsOn != nullptr ? &dependency : nullptr;
            c.renderInput.output_request = pre.request;
            c.renderInput.bitdepth = BitDepthOf(c.layer->format);
            c.renderInput.pre_render_data = pre.output.pre_render_data;
            HostAccess::FillSmartRenderCallbacks(c.renderCallbacks);
            c.renderExtra.input = &c.renderInput;
            c.renderExtra.cb = &c.renderCallbacks;
            return &c.renderExtra;
        },
        [&](Command& c, PF_Err) {
            std::lock_guard<std::recursive_mutex> lock(mu_);
            frame.outputCheckedOut = c.outputCheckedOut;
            frame.inputCheckouts = c.inputCheckoutCalls;
            if (c.outputWorld) {
                HostAccess::CheckPadding(*this, *c.outputWorld, "the output world");
                frame.hasOutput = true;
                frame.output = Image::FromWorld(
                    *c.outputWorld, HostAccess::FindWorld(*this, c.outputWorld.get())->format);
                HostAccess::DropWorld(*this, c.outputWorld.get());
            }
            for (auto& entry : c.inputWorlds) {
                PF_EffectWorld& world = *entry.second;
                HostAccess::CheckPadding(*this, world, "an input world");
                const Image now = Image::FromWorld(world, c.inputOriginals[entry.first].format);
                if (!now.SamePixels(c.inputOriginals[entry.first])) {
                    Violation("the effect wrote into its input (checkout id " +
                              std::to_string(entry.first) + ")");
                }
                HostAccess::DropWorld(*this, &world);
            }
        },
        &request);
    if (dependency.thread.joinable()) {
        // A dependency that outlived its wait finishes once the effect lets
        // it; it is never left running past the frame that asked for it.
        dependency.thread.join();
        frame.dependency = std::make_shared<const RenderedFrame>(std::move(dependency.result));
    }
    if (pre.output.pre_render_data != nullptr &&
        pre.output.delete_pre_render_data_func != nullptr) {
        pre.output.delete_pre_render_data_func(pre.output.pre_render_data);
    }
    return frame;
}

RenderedFrame Host::RenderFrame(const PF_RenderRequest* request) {
    FrameRequest frame;
    frame.request = request;
    return RenderFrame(frame);
}

RenderedFrame Host::RenderFrame(const FrameRequest& request) {
    const PreRenderOutcome pre = PreRender(request);
    if (pre.err != 0) {
        RenderedFrame frame;
        frame.pre = pre;
        frame.preRenderErr = pre.err;
        frame.err = pre.err;
        frame.rect = pre.output.result_rect;
        if (pre.output.pre_render_data != nullptr &&
            pre.output.delete_pre_render_data_func != nullptr) {
            pre.output.delete_pre_render_data_func(pre.output.pre_render_data);
        }
        return frame;
    }
    return SmartRender(pre, request);
}

std::vector<A_Time> Host::XformTimes() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return xformTimes_;
}

}  // namespace simhost
