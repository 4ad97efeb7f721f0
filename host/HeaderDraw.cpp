// Placeholder handler; the controls header work replaces this file.
#include "host/Handlers.h"

PF_Err DrawEvent(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*, PF_EventExtra*) {
    return PF_Err_NONE;
}
