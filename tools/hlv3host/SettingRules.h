#pragma once

// Parameter values given on the command line ("Name=value"), held to the
// rules the host applies to values a user types: numbers inside the valid
// range (out-of-range values are refused, not clamped, so that a typing slip
// never renders silently with another value), whole numbers for integer
// sliders and for float sliders shown without decimals, angles that 16.16
// fixed point holds (-32768 to 32767 degrees), popups by choice text (any case) or by the 1-based
// position among the real choices (separator lines are never selectable), checkboxes as on/off,
// true/false, yes/no or 1/0. Names match in any case; an unknown name gets the nearest real names
// as suggestions.
//
// The functions work on the definitions the host received at parameter
// set-up (index i of `defs` is parameter i + 1) and keep no state.

#include <string>
#include <vector>

#include "host/HostInterface.h"

struct SettingValue {
    size_t index = 0;  // into defs: the parameter's index minus 1
    // Slider value, angle in degrees, checkbox 0 or 1, or the popup's value
    // as the host numbers it (separators counted).
    double number = 0.0;
};

// Parses "Name=value". On failure returns false with one line in *error.
bool ParseSetting(const std::vector<PF_ParamDef>& defs, const std::string& setting,
                  SettingValue* value, std::string* error);

// Stores a parsed value into the parameter's current definition.
void StoreSetting(const SettingValue& value, PF_ParamDef* current);

// One settable parameter as a user sees it.
struct ParamRow {
    std::string name;
    std::string kind;  // "number", "whole number", "angle", "checkbox", "choice"
    std::string defaultText;
    std::string range;    // "-2000 to 2000"; empty where there is none
    std::string unit;     // "px", "%", "degrees", "samples"; empty where there is none
    std::string choices;  // "Red & Blue | Red & Green | ..."; popups only
};

// The parameters a user can set, in the order of the controls. Groups,
// buttons, unnamed rows, read-only rows and the Debug group (whose controls
// change nothing) are left out: the rows are what ParseSetting accepts.
std::vector<ParamRow> SettableParams(const std::vector<PF_ParamDef>& defs);
