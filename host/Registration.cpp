#include "host/Registration.h"

#include "host/HostInterface.h"

// The registration values are plain numbers so that the build-machine tools
// need no host header; the plug-in, which does include the host's headers,
// proves here that they are the host's named flags and limits.
static_assert(kGlobalOutFlags == (PF_OutFlag_CUSTOM_UI | PF_OutFlag_DEEP_COLOR_AWARE |
                                  PF_OutFlag_SEND_UPDATE_PARAMS_UI),
              "custom UI, deep colour, update-params-UI");
static_assert(kGlobalOutFlags2 ==
                  (PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG |
                   PF_OutFlag2_SUPPORTS_SMART_RENDER | PF_OutFlag2_FLOAT_COLOR_AWARE |
                   PF_OutFlag2_I_MIX_GUID_DEPENDENCIES | PF_OutFlag2_SUPPORTS_THREADED_RENDERING),
              "collapsed groups, smart render, float, GUID mixing, threaded rendering");
static_assert(kMaxEffectNameLength == PF_MAX_EFFECT_NAME_LEN, "the host's name limit");
static_assert(kVersionStage == PF_Stage_DEVELOP, "development stage");

std::string EffectVersionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionPatch);
}
