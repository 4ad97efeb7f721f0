#pragma once

#include "host/HostInterface.h"

// Marks the module's two exported functions. Everything else in the module is
// built with hidden visibility, so these are all a host can find.
#if defined(_WIN32)
#define HLV3_EXPORT __declspec(dllexport)
#else
#define HLV3_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Receives every command of the host. Never lets an exception escape: a
// handler's thrown PF_Err becomes the result, anything else becomes
// PF_Err_OUT_OF_MEMORY. Callable on any host thread, several at once; smart
// renders overlap, their GL work serialised by globalMutex, which no command
// holds while it calls the host.
HLV3_EXPORT PF_Err EffectMain(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                              PF_ParamDef* params[], PF_LayerDef* output, void* extra);

// Called by the host when it scans plug-ins: passes the registration values to
// the host's callback once and returns the callback's result unchanged.
HLV3_EXPORT PF_Err PluginDataEntryFunction(PF_PluginDataPtr inPtr,
                                           PF_PluginDataCB inPluginDataCallBackPtr,
                                           SPBasicSuite* inSPBasicSuitePtr, const char* inHostName,
                                           const char* inHostVersion);
}
