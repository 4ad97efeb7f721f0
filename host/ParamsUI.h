#pragma once

#include "host/HostInterface.h"
#include "host/SuiteHandler.h"

// Helpers of the parameter-interface handlers (UserChangedParam and
// UpdateParamsUI, declared in host/Handlers.h). Both run on the host's UI
// thread without globalMutex, keep nothing between calls and never write the
// parameter array; visibility and names live in the host.

// Sets (hide != 0) or clears the host's hidden flag of one parameter's stream,
// not undoable. Fetches the stream through "AEGP Stream Suite" 7 and sets the
// flag through "AEGP Dynamic Stream Suite" 2, both taken from `suites` (and
// acquired there if needed, before anything is fetched, so a refused suite
// throws 516 with no stream open). The stream is disposed before returning.
// Returns the first host error: fetching, then setting, then disposing.
// `effect` must point at a live effect reference; a null pointer or reference
// gives PF_Err_BAD_CALLBACK_PARAM without a host call.
PF_Err hideStream(AEGP_SuiteHandler* suites, int paramIndex, AEGP_EffectRefH* effect,
                  unsigned char hide);

// Gives the parameter at `paramIndex` a new displayed name through "PF Param
// Utils Suite" 3. Works on a copy of params[paramIndex] with its type set to
// `paramType`, PF_ParamFlag_COLLAPSE_TWIRLY added and the name replaced by at
// most 31 characters of `name`; the array itself is not written. Returns the
// host's result, or PF_Err_BAD_CALLBACK_PARAM (no host call) when the record
// is missing.
PF_Err ChangeParamString(PF_InData* in_data, AEGP_SuiteHandler* suites, PF_ParamDef** params,
                         int paramType, int paramIndex, const char* name);
