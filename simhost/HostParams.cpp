// Parameter registration and check-out: the interaction callbacks of
// PF_InData and the host's record of parameter values.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"
#include "simhost/Unsimulated.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace simhost {

namespace {

std::string Name(const PF_ParamDef& def) {
    return std::string(def.name, strnlen(def.name, sizeof(def.name)));
}

// A new instance of the effect takes every value from the registered default.
void ValueFromDefault(PF_ParamDef& def) {
    switch (def.param_type) {
        case PF_Param_SLIDER:
            def.u.sd.value = def.u.sd.dephault;
            break;
        case PF_Param_FIX_SLIDER:
            def.u.fd.value = def.u.fd.dephault;
            break;
        case PF_Param_FLOAT_SLIDER:
            def.u.fs_d.value = def.u.fs_d.dephault;
            break;
        case PF_Param_ANGLE:
            def.u.ad.value = def.u.ad.dephault;
            break;
        case PF_Param_CHECKBOX:
            def.u.bd.value = def.u.bd.dephault;
            break;
        case PF_Param_COLOR:
            def.u.cd.value = def.u.cd.dephault;
            break;
        case PF_Param_POINT:
            def.u.td.x_value = def.u.td.x_dephault;
            def.u.td.y_value = def.u.td.y_dephault;
            break;
        case PF_Param_POINT_3D:
            def.u.point3d_d.x_value = def.u.point3d_d.x_dephault;
            def.u.point3d_d.y_value = def.u.point3d_d.y_dephault;
            def.u.point3d_d.z_value = def.u.point3d_d.z_dephault;
            break;
        case PF_Param_POPUP:
            def.u.pd.value = def.u.pd.dephault;
            break;
        default:
            break;
    }
}

// Checks the host makes of a definition before accepting it; returns the
// problem or an empty text.
std::string DefinitionProblem(const PF_ParamDef& def) {
    if (std::memchr(def.name, 0, sizeof(def.name)) == nullptr)
        return "name is not NUL-terminated within 32 bytes";
    switch (def.param_type) {
        case PF_Param_POPUP: {
            if (def.u.pd.u.namesptr == nullptr)
                return "popup without choice text";
            int choices = 1;
            for (const char* p = def.u.pd.u.namesptr; *p != 0; ++p)
                choices += *p == '|' ? 1 : 0;
            if (choices != def.u.pd.num_choices) {
                return "popup declares " + std::to_string(def.u.pd.num_choices) +
                       " choices but its text has " + std::to_string(choices);
            }
            if (def.u.pd.dephault < 1 || def.u.pd.dephault > def.u.pd.num_choices) {
                return "popup default " + std::to_string(def.u.pd.dephault) + " is not a choice";
            }
            break;
        }
        case PF_Param_SLIDER:
            if (def.u.sd.dephault < def.u.sd.valid_min || def.u.sd.dephault > def.u.sd.valid_max) {
                return "slider default outside its valid range";
            }
            break;
        case PF_Param_FIX_SLIDER:
            if (def.u.fd.dephault < def.u.fd.valid_min || def.u.fd.dephault > def.u.fd.valid_max) {
                return "fixed slider default outside its valid range";
            }
            break;
        case PF_Param_FLOAT_SLIDER:
            if (def.u.fs_d.dephault < def.u.fs_d.valid_min ||
                def.u.fs_d.dephault > def.u.fs_d.valid_max) {
                return "float slider default outside its valid range";
            }
            if (def.u.fs_d.slider_min > def.u.fs_d.slider_max)
                return "float slider range is reversed";
            break;
        default:
            break;
    }
    return std::string();
}

Host& HostOf(Host::Command* command) {
    return *command->host;
}

PF_Err CheckoutParam(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time, A_long time_step,
                     A_u_long time_scale, PF_ParamDef* param) {
    constexpr const char* key = "inter.checkout_param";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    if (param == nullptr) {
        host.Violation("inter.checkout_param called with a null definition");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    const auto& values = HostAccess::Values(host);
    if (index < 0 || index > static_cast<PF_ParamIndex>(values.size())) {
        host.Violation("inter.checkout_param of index " + std::to_string(index) +
                       ", which does not exist");
        return PF_Err_INVALID_INDEX;
    }
    *param = HostAccess::ValueAt(host, index, what_time);
    ParamCheckout record;
    record.command = command->serial;
    record.index = index;
    record.time = what_time;
    record.step = time_step;
    record.scale = time_scale;
    record.def = param;
    HostAccess::ParamCheckouts(host).push_back(record);
    return PF_Err_NONE;
}

PF_Err CheckinParam(PF_ProgPtr effect_ref, PF_ParamDef* param) {
    constexpr const char* key = "inter.checkin_param";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    auto& checkouts = HostAccess::ParamCheckouts(host);
    for (auto it = checkouts.rbegin(); it != checkouts.rend(); ++it) {
        if (it->command == command->serial && !it->checkedIn && it->def == param) {
            it->checkedIn = true;
            return PF_Err_NONE;
        }
    }
    host.Violation(
        "inter.checkin_param of a definition that is not checked out (never, already checked in, "
        "or a copy)");
    return PF_Err_BAD_CALLBACK_PARAM;
}

const char* KeepString(Host& host, const char* text) {
    if (text == nullptr)
        return nullptr;
    auto& strings = HostAccess::AddedStrings(host);
    strings.push_back(std::make_unique<std::string>(text));
    return strings.back()->c_str();
}

PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def) {
    constexpr const char* key = "inter.add_param";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    if (command->cmd != PF_Cmd_PARAMS_SETUP) {
        host.Violation("inter.add_param called outside PARAMS_SETUP (command " +
                       std::to_string(command->cmd) + ")");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (def == nullptr) {
        host.Violation("inter.add_param called with a null definition");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (index != -1) {
        host.Violation("inter.add_param called with index " + std::to_string(index) +
                       " (only -1 appends)");
        return PF_Err_INVALID_INDEX;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    auto& added = HostAccess::Added(host);
    const std::string where =
        "parameter " + std::to_string(added.size() + 1) + " (\"" + Name(*def) + "\")";
    const std::string problem = DefinitionProblem(*def);
    if (!problem.empty()) {
        host.Violation("inter.add_param: " + where + ": " + problem);
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    // A disk id used twice is accepted, as the host accepts it (shipped
    // effects rely on that); it is only noted, since saved values of the two
    // parameters cannot be told apart.
    if (def->uu.id != 0 && host.settings.noteReusedDiskIds) {
        for (const PF_ParamDef& other : added) {
            if (other.uu.id == def->uu.id) {
                std::fprintf(stderr, "simhost: note: %s reuses disk id %d\n", where.c_str(),
                             static_cast<int>(def->uu.id));
            }
        }
    }
    // The host keeps its own copy, strings included: the effect's definition
    // and its texts may be gone once add_param returns.
    PF_ParamDef copy = *def;
    if (copy.param_type == PF_Param_POPUP)
        copy.u.pd.u.namesptr = KeepString(host, copy.u.pd.u.namesptr);
    if (copy.param_type == PF_Param_CHECKBOX)
        copy.u.bd.u.nameptr = KeepString(host, copy.u.bd.u.nameptr);
    if (copy.param_type == PF_Param_BUTTON)
        copy.u.button_d.u.namesptr = KeepString(host, copy.u.button_d.u.namesptr);
    added.push_back(copy);
    PF_ParamDef value = copy;
    ValueFromDefault(value);
    HostAccess::Values(host).push_back(value);
    return PF_Err_NONE;
}

PF_Err Abort(PF_ProgPtr effect_ref) {
    constexpr const char* key = "inter.abort";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    const int cancelAt = host.settings.cancelAtAbortCall;
    const bool cancelled = cancelAt > 0 && host.CallCount(key) >= cancelAt;
    return host.settings.userAborted || cancelled ? PF_Interrupt_CANCEL : PF_Err_NONE;
}

PF_Err Progress(PF_ProgPtr effect_ref, A_long count, A_long total) {
    constexpr const char* key = "inter.progress";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    if (count < 0 || total <= 0 || count > total)
        host.Violation("inter.progress reported " + std::to_string(count) + " of " +
                       std::to_string(total));
    {
        std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
        HostAccess::ProgressReports(host).emplace_back(count, total);
    }
    if (host.settings.progressObserver)
        host.settings.progressObserver(count, total);
    return host.settings.userAborted ? PF_Interrupt_CANCEL : PF_Err_NONE;
}

PF_Err RegisterUI(PF_ProgPtr effect_ref, PF_CustomUIInfo* info) {
    constexpr const char* key = "inter.register_ui";
    PF_Err entered = PF_Err_NONE;
    Host::Command* const command = BeginCall(effect_ref, key, &entered);
    if (command == nullptr)
        return entered;
    Host& host = HostOf(command);
    if (info == nullptr) {
        host.Violation("inter.register_ui called with a null PF_CustomUIInfo");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (command->cmd != PF_Cmd_PARAMS_SETUP) {
        host.Violation("inter.register_ui called outside PARAMS_SETUP");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    HostAccess::CustomUI(host).push_back(*info);
    return PF_Err_NONE;
}

}  // namespace

void HostAccess::FillInteract(PF_InteractCallbacks& inter) {
    inter = PF_InteractCallbacks{};
    inter.checkout_param = &CheckoutParam;
    inter.checkin_param = &CheckinParam;
    inter.add_param = &AddParam;
    inter.abort = &Abort;
    inter.progress = &Progress;
    inter.register_ui = &RegisterUI;
    SIMHOST_UNSIMULATED(inter, "inter", checkout_layer_audio);
    SIMHOST_UNSIMULATED(inter, "inter", checkin_layer_audio);
    SIMHOST_UNSIMULATED(inter, "inter", get_audio_data);
}

void HostAccess::LayerWorld(Host& h, PF_LayerDef& layer) {
    const Image& image = h.inputLayer_;
    layer = PF_LayerDef{};
    layer.data = reinterpret_cast<PF_PixelPtr>(const_cast<unsigned char*>(image.bytes.data()));
    layer.rowbytes = image.rowbytes;
    layer.width = image.width;
    layer.height = image.height;
    layer.extent_hint = PF_LRect{0, 0, image.width, image.height};
    layer.pix_aspect_ratio = h.settings.pixelAspect;
}

PF_ParamDef HostAccess::InputLayerParam(Host& h) {
    PF_ParamDef def = {};
    def.param_type = PF_Param_LAYER;
    LayerWorld(h, def.u.ld);
    return def;
}

PF_ParamDef HostAccess::ValueAt(Host& h, PF_ParamIndex index, A_long time) {
    if (index == 0)
        return InputLayerParam(h);
    const auto it = h.valuesAt_.find({index, time});
    if (it != h.valuesAt_.end())
        return it->second;
    return h.values_[static_cast<size_t>(index - 1)];
}

PF_ParamDef& Host::Param(PF_ParamIndex index) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (index < 1 || index > static_cast<PF_ParamIndex>(values_.size())) {
        std::fprintf(stderr, "simhost: test fault: Param(%d) but %zu parameters were added\n",
                     static_cast<int>(index), values_.size());
        std::abort();
    }
    return values_[static_cast<size_t>(index - 1)];
}

void Host::SetParamAt(PF_ParamIndex index, A_long time, const PF_ParamDef& value) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    valuesAt_[{index, time}] = value;
}

std::vector<ParamCheckout> Host::ParamCheckouts() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return paramCheckouts_;
}

std::vector<PF_CustomUIInfo> Host::RegisteredUI() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return customUI_;
}

void Host::SetInputLayer(const Image& image) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    inputLayer_ = image;
}

}  // namespace simhost
