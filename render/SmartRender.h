#pragma once

#include "host/HostInterface.h"

// Renders one frame from `input` into `output` (already cleared by the
// caller): parameters, copy-in, settings, the thread's GL context, the passes,
// read-back and the host's premultiply. Leaves no context of the system
// current and no GL object behind on any path; whatever context the calling
// thread had current before is current again. Throws the suite handler's
// integer errors when a suite is missing. Call without globalMutex: it holds
// that lock for its GL work only, never while it calls the host.
PF_Err ActuallyRender(PF_InData* in_data, PF_OutData* out_data, PF_EffectWorld* input,
                      PF_EffectWorld* output, PF_SmartRenderExtra* extra);
