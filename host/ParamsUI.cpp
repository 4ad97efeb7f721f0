// Placeholder handlers; the parameter interface work replaces this file.
#include "host/Handlers.h"

PF_Err UserChangedParam(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*,
                        const PF_UserChangedParamExtra*) {
    return PF_Err_NONE;
}

PF_Err UpdateParamsUI(PF_InData*, PF_OutData*, PF_ParamDef*[], PF_LayerDef*) {
    return PF_Err_NONE;
}
