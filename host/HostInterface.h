#pragma once

// The one place the system includes the host's effect interface from. The
// include path selects either the project's own declaration layer (sdk/) or a
// real SDK's Headers folder (HLV3_HOST_SDK_DIR); every name used by the system
// exists in both.
#include "AE_Effect.h"
#include "AE_EffectCB.h"
#include "AE_EffectCBSuites.h"
#include "AE_EffectSuites.h"
#include "AE_EffectUI.h"
#include "AE_EffectPixelFormat.h"
#include "AE_GeneralPlug.h"
#include "AE_PluginData.h"
#include "AE_Macros.h"
#include "SPBasic.h"
#include "DrawbotSuite.h"
