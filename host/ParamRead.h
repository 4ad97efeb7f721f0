#pragma once

#include "host/HostInterface.h"
#include "render/RenderSettings.h"

// Reads parameters 1 to 56 at the command's current time, time step and time
// scale, checking each in right after its value is copied into *values. The
// first error of any check-out or check-in, in call order, is the result;
// after it the remaining check-outs are skipped. Every parameter that was
// checked out is checked in; one whose check-out failed (or was skipped) is
// not, since the host never handed it out. Takes no lock; safe on any host
// thread.
// A non-zero `pending` counts as an error already remembered: no check-out is
// made and `pending` is returned.
PF_Err ReadParams(PF_InData* in_data, ParamValues* values, PF_Err pending = PF_Err_NONE);

// Copies one checked-out parameter into the record (index is its position in
// the host's parameter array). Indices the frame path does not use are ignored.
void CopyParamValue(int index, const PF_ParamDef& def, ParamValues* values);
