// Placeholder handlers; the global set-up work replaces this file.
#include "host/Handlers.h"

PF_Err About(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
    return PF_Err_NONE;
}

PF_Err GlobalSetup(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
    return PF_Err_NONE;
}

PF_Err GlobalSetdown(PF_InData*) {
    return PF_Err_NONE;
}
