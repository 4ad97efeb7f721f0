#pragma once

// The effect API version this declaration layer describes. The registration
// resource carries the pair so the host knows which records to hand over.
#define PF_PLUG_IN_VERSION 13
#define PF_PLUG_IN_SUBVERS 28

#define AEFX_API_VERSION 8
#define AEFX_API_SUBVERS ' '
