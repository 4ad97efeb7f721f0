// The effect's main source unit: the two exported entry points and the
// routing of host commands to their handlers.
#include "host/EntryPoints.h"

#include "host/Handlers.h"
#include "host/Registration.h"

namespace {

PF_Err DispatchCommand(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                       PF_LayerDef* output, void* extra) {
    switch (cmd) {
        case PF_Cmd_ABOUT:
            return About(in_data, out_data, params, output);
        case PF_Cmd_GLOBAL_SETUP:
            return GlobalSetup(in_data, out_data, params, output);
        case PF_Cmd_GLOBAL_SETDOWN:
            return GlobalSetdown(in_data);
        case PF_Cmd_PARAMS_SETUP:
            return ParamsSetup(in_data, out_data, params, output);
        case PF_Cmd_USER_CHANGED_PARAM:
            return UserChangedParam(in_data, out_data, params, output,
                                    static_cast<const PF_UserChangedParamExtra*>(extra));
        case PF_Cmd_UPDATE_PARAMS_UI:
            return UpdateParamsUI(in_data, out_data, params, output);
        case PF_Cmd_EVENT: {
            // Only drawing is handled; every other event is left entirely to
            // the host, out-flags included.
            PF_EventExtra* const event = static_cast<PF_EventExtra*>(extra);
            if (event == nullptr || event->e_type != PF_Event_DRAW) {
                return PF_Err_NONE;
            }
            return DrawEvent(in_data, out_data, params, output, event);
        }
        case PF_Cmd_SMART_PRE_RENDER:
            return SmartPreRender(in_data, out_data, static_cast<PF_PreRenderExtra*>(extra));
        case PF_Cmd_SMART_RENDER:
            // No lock here: the render holds the GL lock only while it issues
            // GL commands, never across a call into the host.
            return SmartRender(in_data, out_data, static_cast<PF_SmartRenderExtra*>(extra));
        default:
            return PF_Err_NONE;
    }
}

}  // namespace

extern "C" {

PF_Err EffectMain(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                  PF_LayerDef* output, void* extra) {
    try {
        return DispatchCommand(cmd, in_data, out_data, params, output, extra);
    } catch (const PF_Err err) {
        // Suite refusals (516, 13) and other host codes thrown from deep code.
        return err;
    } catch (...) {
        // Anything else is a standard-library failure: allocation, or a lock
        // the system could not take. Both are resource exhaustion, which the
        // host reports as such and recovers from; it must never see the
        // exception itself.
        return PF_Err_OUT_OF_MEMORY;
    }
}

PF_Err PluginDataEntryFunction(PF_PluginDataPtr inPtr, PF_PluginDataCB inPluginDataCallBackPtr,
                               SPBasicSuite*, const char*, const char*) {
    if (inPluginDataCallBackPtr == nullptr) {
        return PF_Err_INVALID_CALLBACK;
    }
    try {
        return inPluginDataCallBackPtr(inPtr, reinterpret_cast<const A_u_char*>(kEffectName),
                                       reinterpret_cast<const A_u_char*>(kEffectMatchName),
                                       reinterpret_cast<const A_u_char*>(kEffectCategory),
                                       reinterpret_cast<const A_u_char*>(kEntryPointName),
                                       A_long(kPluginKind), kInterfaceVersionMajor,
                                       kInterfaceVersionMinor, kReservedInfo);
    } catch (const PF_Err err) {
        return err;
    } catch (...) {
        return PF_Err_OUT_OF_MEMORY;
    }
}

}  // extern "C"
