// Placeholder handler; the output extent work replaces this file.
#include "host/Handlers.h"

PF_Err SmartPreRender(PF_InData*, PF_OutData*, PF_PreRenderExtra*) {
    return PF_Err_NONE;
}
