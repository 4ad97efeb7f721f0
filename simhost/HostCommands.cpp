// Commands: how the host builds PF_InData for one command, calls the entry
// point, and checks what the command left behind when it returns.

#include "simhost/HostInternal.h"
#include "simhost/Platform.h"
#include "simhost/SimHost.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace simhost {

namespace {

thread_local int tls_commandSerial = 0;

std::string Pointer(const void* p) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

}  // namespace

int CurrentCommandSerial() {
    return tls_commandSerial;
}

Host::Command* Host::CommandOf(PF_ProgPtr effectRef, const char* key) {
    Command* const command = reinterpret_cast<Command*>(effectRef);
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (live_.count(command) == 0) {
        Violation(std::string(key) +
                  " called with an effect_ref that belongs to no command in flight");
        return nullptr;
    }
    // The interaction and smart callbacks belong to the thread the command
    // arrived on; the host's suites may be called from any thread.
    const std::string k = key;
    const bool threadBound = k.rfind("inter.", 0) == 0 || k.rfind("prerender.", 0) == 0 ||
                             k.rfind("smartrender.", 0) == 0;
    if (threadBound && command->thread != std::this_thread::get_id()) {
        Violation(k + " called from a thread other than the one its command arrived on");
    }
    return command;
}

PF_InData* Host::InDataOf(PF_ProgPtr effectRef) {
    Command* const command = reinterpret_cast<Command*>(effectRef);
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return live_.count(command) != 0 ? &command->in : nullptr;
}

const CommandRecord& Host::LastCommand() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (commands_.empty()) {
        std::fprintf(stderr, "simhost: test fault: LastCommand() before any command\n");
        std::abort();
    }
    return commands_.back();
}

std::unique_ptr<Host::Command> Host::NewCommand(PF_Cmd cmd, const FrameRequest* frame) {
    auto command = std::make_unique<Command>();
    std::lock_guard<std::recursive_mutex> lock(mu_);
    command->host = this;
    command->serial = nextSerial_++;
    command->cmd = cmd;
    command->thread = std::this_thread::get_id();
    command->frame = frame;
    command->layer = frame != nullptr && frame->layer != nullptr ? frame->layer : &inputLayer_;
    const Image& layer = *command->layer;
    PF_InData& in = command->in;
    HostAccess::FillInteract(in.inter);
    in.utils = &utils_;
    in.effect_ref = reinterpret_cast<PF_ProgPtr>(command.get());
    in.quality = settings.quality;
    in.version = settings.version;
    in.serial_num = 0;
    in.appl_id = settings.applId;
    in.num_params = static_cast<A_long>(values_.size()) + 1;
    in.what_cpu = 0;
    in.what_fpu = 0;
    in.current_time = frame != nullptr && frame->hasTime ? frame->time : settings.currentTime;
    in.time_step = settings.timeStep;
    in.total_time = settings.totalTime;
    in.local_time_step = settings.timeStep;
    in.time_scale = settings.timeScale;
    in.field = settings.field;
    in.shutter_angle = 0;
    // The layer image is at the current resolution; in_data carries the
    // layer's full-resolution size.
    auto fullSize = [](A_long size, const PF_RationalScale& scale) {
        if (scale.num <= 0)
            return size;
        return static_cast<A_long>((static_cast<long long>(size) * scale.den + scale.num - 1) /
                                   scale.num);
    };
    in.width = settings.layerWidth != 0 ? settings.layerWidth
                                        : fullSize(layer.width, settings.downsampleX);
    in.height = settings.layerHeight != 0 ? settings.layerHeight
                                          : fullSize(layer.height, settings.downsampleY);
    in.extent_hint = PF_LRect{0, 0, layer.width, layer.height};
    in.output_origin_x = 0;
    in.output_origin_y = 0;
    in.downsample_x = settings.downsampleX;
    in.downsample_y = settings.downsampleY;
    in.pixel_aspect_ratio = settings.pixelAspect;
    in.in_flags = 0;
    in.global_data = globalData_;
    in.pica_basicP = &basicSuite_;
    command->out.global_data = globalData_;
    live_.insert(command.get());
    return command;
}

PF_Err Host::CallEntry(Command& command, void* extra) {
    if (entry_ == nullptr) {
        std::fprintf(stderr, "simhost: test fault: Send() without SetEntry()\n");
        std::abort();
    }
    PF_ParamDef** const params = command.params.empty() ? nullptr : command.params.data();
    PF_LayerDef* const output =
        nullptr;  // none of the commands this host sends carries an output layer
    const int savedSerial = tls_commandSerial;
    tls_commandSerial = command.serial;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        whereNow_[std::this_thread::get_id()] = {command.cmd, "none yet"};
    }
    PF_Err result = 0;
    void* const contextBefore = settings.checkGLContext ? CurrentGLContextOfThread() : nullptr;
    try {
        result = entry_(command.cmd, &command.in, &command.out, params, output, extra);
    } catch (...) {
        Violation("exception escaped into the host from command " + std::to_string(command.cmd) +
                  ": " + ExceptionText(std::current_exception()));
        result = PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    tls_commandSerial = savedSerial;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        whereNow_.erase(std::this_thread::get_id());
    }
    if (settings.checkGLContext) {
        void* const contextAfter = CurrentGLContextOfThread();
        if (contextAfter != contextBefore) {
            Violation("command " + std::to_string(command.cmd) +
                      " changed the GL context current on the host's thread (before " +
                      Pointer(contextBefore) + ", after " + Pointer(contextAfter) + ")");
        }
    }
    return result;
}

PF_Err Host::Send(PF_Cmd cmd, void* extra) {
    return Dispatch(
        cmd, [extra](Command&) { return extra; }, [](Command&, PF_Err) {});
}

PF_Err Host::Dispatch(PF_Cmd cmd, const std::function<void*(Command&)>& prepare,
                      const std::function<void(Command&, PF_Err)>& collect,
                      const FrameRequest* frame) {
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (setdownSent_)
            Violation("command " + std::to_string(cmd) + " sent after GLOBAL_SETDOWN");
        if (cmd != PF_Cmd_GLOBAL_SETUP && !globalSetupSent_) {
            Violation("command " + std::to_string(cmd) + " sent before GLOBAL_SETUP");
        }
        const bool needsParams = cmd != PF_Cmd_GLOBAL_SETUP && cmd != PF_Cmd_ABOUT &&
                                 cmd != PF_Cmd_PARAMS_SETUP && cmd != PF_Cmd_GLOBAL_SETDOWN;
        if (needsParams && !paramsSetupSent_) {
            Violation("command " + std::to_string(cmd) + " sent before PARAMS_SETUP");
        }
        if (cmd == PF_Cmd_PARAMS_SETUP && paramsSetupSent_)
            Violation("PARAMS_SETUP sent twice");
    }
    std::unique_ptr<Command> command = NewCommand(cmd, frame);
    const bool smart = cmd == PF_Cmd_SMART_PRE_RENDER || cmd == PF_Cmd_SMART_RENDER;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (!smart) {
            // params[0] is the input layer; the others hold the values at the
            // current time. Before PARAMS_SETUP there is only the layer.
            command->paramValues.push_back(HostAccess::InputLayerParam(*this));
            for (size_t i = 0; i < values_.size(); ++i) {
                command->paramValues.push_back(HostAccess::ValueAt(
                    *this, static_cast<PF_ParamIndex>(i + 1), settings.currentTime));
            }
            for (PF_ParamDef& def : command->paramValues)
                command->params.push_back(&def);
        }
        if (cmd == PF_Cmd_GLOBAL_SETUP)
            globalSetupSent_ = true;
        if (cmd == PF_Cmd_PARAMS_SETUP) {
            paramsSetupSent_ = true;
            added_.clear();
            values_.clear();
        }
        if (cmd == PF_Cmd_GLOBAL_SETDOWN)
            setdownSent_ = true;
    }
    void* const extra = prepare(*command);
    const PF_Err result = CallEntry(*command, extra);
    collect(*command, result);
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (cmd == PF_Cmd_USER_CHANGED_PARAM) {
            for (size_t i = 1; i < command->paramValues.size() && i <= values_.size(); ++i) {
                if (command->paramValues[i].uu.change_flags & PF_ChangeFlag_CHANGED_VALUE) {
                    PF_ParamDef changed = command->paramValues[i];
                    changed.uu.id = values_[i - 1].uu.id;
                    values_[i - 1] = changed;
                }
            }
        }
        EndOfCommandChecks(*command);
        CommandRecord record;
        record.serial = command->serial;
        record.cmd = cmd;
        record.result = result;
        record.out = command->out;
        commands_.push_back(record);
        live_.erase(command.get());
    }
    return result;
}

void Host::EndOfCommandChecks(Command& command) {
    const std::string what = "command " + std::to_string(command.cmd);
    for (auto& entry : suites_) {
        SuiteRec& s = *entry.second;
        const auto it = s.heldByCommand.find(command.serial);
        if (it == s.heldByCommand.end())
            continue;
        if (it->second > 0) {
            Violation("suite \"" + s.name + "\" " + std::to_string(s.version) +
                      " still held when " + what + " returned (" + std::to_string(it->second) +
                      " more acquires than releases)");
        }
        s.heldByCommand.erase(it);
    }
    for (ParamCheckout& c : paramCheckouts_) {
        if (c.command == command.serial && !c.checkedIn) {
            Violation("parameter " + std::to_string(c.index) + " checked out during " + what +
                      " was not checked in when it returned");
            c.checkedIn = true;  // reported once
        }
    }
    for (auto& entry : worlds_) {
        WorldRec& w = *entry.second;
        if (w.command != command.serial || !w.effectOwned)
            continue;
        Violation(std::string("world made by ") + w.origin + " during " + what + " (" +
                  std::to_string(w.width) + "x" + std::to_string(w.height) +
                  ") was not disposed when it returned");
        // Reported once; the host keeps the memory until it ends, in case the
        // effect still uses it.
        w.effectOwned = false;
        w.command = 0;
    }
    // Handles made during the command must be disposed or handed to the host
    // as global data.
    const PF_Handle keep = command.out.global_data;
    for (auto& entry : handles_) {
        HandleRec& h = *entry.second;
        if (h.command != command.serial)
            continue;
        if (entry.first != static_cast<void*>(keep)) {
            Violation("handle of " + std::to_string(h.size) + " bytes made during " + what +
                      " was neither disposed nor handed to the host");
        }
        h.command = 0;
    }
    if (command.cmd == PF_Cmd_PARAMS_SETUP) {
        if (command.out.num_params != static_cast<A_long>(added_.size()) + 1) {
            Violation("PARAMS_SETUP declared num_params " + std::to_string(command.out.num_params) +
                      " but added " + std::to_string(added_.size()) +
                      " parameters plus the input layer");
        }
        int depth = 0;
        for (const PF_ParamDef& def : added_) {
            if (def.param_type == PF_Param_GROUP_START)
                ++depth;
            if (def.param_type == PF_Param_GROUP_END && --depth < 0)
                break;
        }
        if (depth != 0)
            Violation("PARAMS_SETUP left the parameter groups unbalanced");
    }
    if ((command.out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) &&
        std::memchr(command.out.return_msg, 0, sizeof(command.out.return_msg)) == nullptr) {
        Violation(what + " asks to show return_msg, which is not NUL-terminated");
    } else if (command.out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) {
        std::fprintf(stderr, "simhost: %s asks to show the message \"%.*s\"\n", what.c_str(),
                     static_cast<int>(sizeof(command.out.return_msg)), command.out.return_msg);
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETUP && settings.checkRegistration) {
        auto hex = [](A_u_long v) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(v));
            return std::string(text);
        };
        const PF_OutData& o = command.out;
        if (o.my_version != settings.registeredVersion) {
            Violation("GLOBAL_SETUP reports version " + hex(o.my_version) +
                      " but the registration declares " + hex(settings.registeredVersion));
        }
        if (o.out_flags != settings.registeredOutFlags) {
            Violation("GLOBAL_SETUP reports out_flags " + hex(static_cast<A_u_long>(o.out_flags)) +
                      " but the registration declares " +
                      hex(static_cast<A_u_long>(settings.registeredOutFlags)));
        }
        if (o.out_flags2 != settings.registeredOutFlags2) {
            Violation("GLOBAL_SETUP reports out_flags2 " +
                      hex(static_cast<A_u_long>(o.out_flags2)) + " but the registration declares " +
                      hex(static_cast<A_u_long>(settings.registeredOutFlags2)));
        }
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETUP) {
        globalData_ = command.out.global_data;
    } else if (command.out.global_data != command.in.global_data) {
        if (command.out.global_data != nullptr && handles_.count(command.out.global_data) == 0) {
            Violation(what + " handed back a global data handle the host never made");
        }
        globalData_ = command.out.global_data;
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETDOWN && globalData_ != nullptr) {
        // The host frees the global data after set-down (the effect may have
        // disposed it already).
        const auto it = handles_.find(globalData_);
        if (it != handles_.end()) {
            std::free(it->second->ptr);
            handles_.erase(it);
        }
        globalData_ = nullptr;
    }
}

PF_Err Host::Setup() {
    const PF_Err err = Send(PF_Cmd_GLOBAL_SETUP);
    if (err != 0)
        return err;
    return Send(PF_Cmd_PARAMS_SETUP);
}

PF_Err Host::UserChangedParam(PF_ParamIndex index) {
    PF_UserChangedParamExtra extra = {};
    extra.param_index = index;
    return Send(PF_Cmd_USER_CHANGED_PARAM, &extra);
}

}  // namespace simhost
