#pragma once

#include "host/HostInterface.h"

// Command handlers. EffectMain (host/HLV3.cpp) routes each host command to one
// of these and returns its result. A handler reports failure by returning a
// host error code or by throwing a plain PF_Err; any other exception is turned
// into an error by EffectMain, so none reaches the host. All pointers are the
// host's, valid for the length of the call only; nothing here keeps them.

// PF_Cmd_ABOUT: writes the About text into out_data->return_msg.
PF_Err About(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output);

// PF_Cmd_GLOBAL_SETUP: declares version and flags, creates the GlobalData block.
PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output);

// PF_Cmd_GLOBAL_SETDOWN: releases the GL objects of the GlobalData block.
PF_Err GlobalSetdown(PF_InData* in_data);

// PF_Cmd_PARAMS_SETUP: registers the 56 parameters and the controls' custom UI.
PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output);

// PF_Cmd_USER_CHANGED_PARAM: reacts to buttons and supervised controls.
PF_Err UserChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                        PF_LayerDef* output, const PF_UserChangedParamExtra* extra);

// PF_Cmd_UPDATE_PARAMS_UI: hides and shows controls by mode.
PF_Err UpdateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                      PF_LayerDef* output);

// PF_Cmd_EVENT with PF_Event_DRAW only: draws the controls header.
PF_Err DrawEvent(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                 PF_LayerDef* output, PF_EventExtra* extra);

// PF_Cmd_SMART_PRE_RENDER: announces the output extent. Takes no lock.
PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra);

// PF_Cmd_SMART_RENDER: renders one frame. Called without any lock; takes
// globalMutex only around its GL work.
PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra);
