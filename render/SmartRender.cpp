// Placeholder handler; the render pass work replaces this file.
#include "host/Handlers.h"

PF_Err SmartRender(PF_InData*, PF_OutData*, PF_SmartRenderExtra*) {
    return PF_Err_NONE;
}
