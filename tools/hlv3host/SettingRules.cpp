#include "tools/hlv3host/SettingRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) {
        return "";
    }
    const size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

bool ParseNumber(const std::string& text, double* value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end == text.c_str() || *end != '\0' || !std::isfinite(v)) {
        return false;
    }
    *value = v;
    return true;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.7g", v);
    return text;
}

const char* const kSeparator = "(-";

// The popup's choices with their host values (1-based, separators counted),
// separators left out.
std::vector<std::pair<std::string, int>> RealChoices(const PF_ParamDef& def) {
    std::vector<std::pair<std::string, int>> choices;
    const std::string list = def.u.pd.u.namesptr != nullptr ? def.u.pd.u.namesptr : "";
    size_t start = 0;
    for (int n = 1;; ++n) {
        const size_t bar = list.find('|', start);
        const std::string choice = list.substr(start, bar - start);
        if (choice != kSeparator) {
            choices.emplace_back(choice, n);
        }
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    return choices;
}

std::string ChoiceList(const PF_ParamDef& def, const char* separator) {
    std::string text;
    for (const auto& choice : RealChoices(def)) {
        text += (text.empty() ? "" : separator) + choice.first;
    }
    return text;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// For each definition, the names of the groups it lies in.
std::vector<std::vector<std::string>> GroupsOf(const std::vector<PF_ParamDef>& defs) {
    std::vector<std::vector<std::string>> of;
    std::vector<std::string> open;
    for (const PF_ParamDef& def : defs) {
        if (def.param_type == PF_Param_GROUP_END && !open.empty()) {
            open.pop_back();
        }
        of.push_back(open);
        if (def.param_type == PF_Param_GROUP_START) {
            open.push_back(def.name);
        }
    }
    return of;
}

bool InGroup(const std::vector<std::string>& groups, const char* name) {
    return std::find(groups.begin(), groups.end(), name) != groups.end();
}

// The Debug group's controls are kept for the projects that store them; no
// frame reads them.
bool ChangesNothing(const std::vector<std::string>& groups) {
    return InGroup(groups, "Debug");
}

bool Settable(const PF_ParamDef& def) {
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER:
        case PF_Param_SLIDER:
        case PF_Param_ANGLE:
        case PF_Param_CHECKBOX:
            return def.name[0] != '\0';
        case PF_Param_POPUP:
            return def.name[0] != '\0' && (def.ui_flags & PF_PUI_DISABLED) == 0;
        default:
            return false;
    }
}

std::string UnknownName(const std::vector<PF_ParamDef>& defs, const std::string& name) {
    std::vector<std::pair<size_t, std::string>> near;
    const std::string wanted = Lower(name);
    const std::vector<std::vector<std::string>> groups = GroupsOf(defs);
    for (size_t i = 0; i < defs.size(); ++i) {
        const PF_ParamDef& def = defs[i];
        if (!Settable(def) || ChangesNothing(groups[i])) {
            continue;
        }
        const size_t d = EditDistance(wanted, Lower(def.name));
        if (d <= std::max<size_t>(2, wanted.size() / 3)) {
            near.emplace_back(d, def.name);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string text = "no parameter is named '" + name + "'";
    for (size_t i = 0; i < near.size() && i < 3; ++i) {
        text += (i == 0 ? "; did you mean '" : " or '") + near[i].second + "'";
    }
    return text + (near.empty() ? "" : "?") + " ('hlv3host params' lists the names)";
}

bool ParseValue(const PF_ParamDef& def, const std::string& name, const std::string& text,
                double* out, std::string* error) {
    double v = 0.0;
    const bool number = ParseNumber(text, &v);
    const auto range = [&](double lo, double hi, bool whole) {
        const std::string expected = std::string(whole ? "a whole number" : "a number") + " from " +
                                     Number(lo) + " to " + Number(hi);
        if (!number || (whole && v != std::floor(v))) {
            *error = "'" + text + "' is not a valid value for " + name + " (" + expected + ")";
            return false;
        }
        if (v < lo || v > hi) {
            *error = name + "=" + text + " is outside its valid range (" + expected + ")";
            return false;
        }
        *out = v;
        return true;
    };
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER: {
            // The limits are single precision; compare the value as the host
            // stores it against them. A slider shown without decimals
            // (precision 0) counts whole things.
            const double lo = def.u.fs_d.valid_min, hi = def.u.fs_d.valid_max;
            const bool whole = def.u.fs_d.precision == 0;
            if (number && static_cast<float>(v) >= def.u.fs_d.valid_min &&
                static_cast<float>(v) <= def.u.fs_d.valid_max && (!whole || v == std::floor(v))) {
                *out = v;
                return true;
            }
            return range(lo, hi, whole);
        }
        case PF_Param_SLIDER:
            return range(def.u.sd.valid_min, def.u.sd.valid_max, true);
        case PF_Param_ANGLE:
            // The host keeps degrees in 16.16 fixed point.
            return range(-32768.0, 32767.0, false);
        case PF_Param_CHECKBOX: {
            const std::string t = Lower(text);
            if (t == "on" || t == "true" || t == "yes" || t == "1") {
                *out = 1;
                return true;
            }
            if (t == "off" || t == "false" || t == "no" || t == "0") {
                *out = 0;
                return true;
            }
            *error = "'" + text + "' is not a valid value for " + name + " (on or off)";
            return false;
        }
        case PF_Param_POPUP: {
            const std::vector<std::pair<std::string, int>> choices = RealChoices(def);
            for (const auto& choice : choices) {
                if (Lower(choice.first) == Lower(text)) {
                    *out = choice.second;
                    return true;
                }
            }
            if (number && v == std::floor(v) && v >= 1 &&
                v <= static_cast<double>(choices.size())) {
                *out = choices[static_cast<size_t>(v) - 1].second;
                return true;
            }
            *error = "'" + text + "' is not a choice of " + name + " (" + ChoiceList(def, ", ") +
                     ", or their number 1 to " + std::to_string(choices.size()) + ")";
            return false;
        }
        default:
            *error = name + " cannot be set from the command line";
            return false;
    }
}

}  // namespace

bool ParseSetting(const std::vector<PF_ParamDef>& defs, const std::string& setting,
                  SettingValue* value, std::string* error) {
    const size_t eq = setting.find('=');
    if (eq == std::string::npos) {
        *error = "--set needs NAME=VALUE, got '" + setting + "'";
        return false;
    }
    const std::string name = Trim(setting.substr(0, eq));
    const std::string text = Trim(setting.substr(eq + 1));
    const std::vector<std::vector<std::string>> groups = GroupsOf(defs);
    for (size_t i = 0; i < defs.size(); ++i) {
        const PF_ParamDef& def = defs[i];
        if (name.empty() || Lower(name) != Lower(def.name)) {
            continue;
        }
        if (ChangesNothing(groups[i])) {
            *error = std::string(def.name) + " is a debug control that changes nothing";
            return false;
        }
        if (!Settable(def)) {
            *error = std::string(def.name) + " cannot be set from the command line";
            return false;
        }
        value->index = i;
        return ParseValue(def, def.name, text, &value->number, error);
    }
    *error = UnknownName(defs, name);
    return false;
}

void StoreSetting(const SettingValue& value, PF_ParamDef* current) {
    switch (current->param_type) {
        case PF_Param_FLOAT_SLIDER:
            current->u.fs_d.value = value.number;
            break;
        case PF_Param_SLIDER:
            current->u.sd.value = static_cast<PF_ParamValue>(value.number);
            break;
        case PF_Param_ANGLE:
            current->u.ad.value = static_cast<PF_Fixed>(std::lround(value.number * 65536.0));
            break;
        case PF_Param_CHECKBOX:
            current->u.bd.value = static_cast<PF_Boolean>(value.number);
            break;
        case PF_Param_POPUP:
            current->u.pd.value = static_cast<PF_ParamValue>(value.number);
            break;
        default:
            break;
    }
}

std::vector<ParamRow> SettableParams(const std::vector<PF_ParamDef>& defs) {
    // Parameters whose values are pixels at full resolution (the host scales
    // them with the downsample factor) or sample counts; the definitions do
    // not carry units.
    const char* const kPixels[] = {"Position", "Blur", "Aux Expansion", "Expansion Limit",
                                   "Left",     "Top",  "Right",         "Bottom"};
    std::vector<ParamRow> rows;
    const std::vector<std::vector<std::string>> groups = GroupsOf(defs);
    for (size_t i = 0; i < defs.size(); ++i) {
        const PF_ParamDef& def = defs[i];
        if (!Settable(def) || ChangesNothing(groups[i])) {
            continue;
        }
        ParamRow row;
        row.name = def.name;
        switch (def.param_type) {
            case PF_Param_FLOAT_SLIDER:
                row.kind = "number";
                row.defaultText = Number(def.u.fs_d.dephault);
                row.range = Number(def.u.fs_d.valid_min) + " to " + Number(def.u.fs_d.valid_max);
                row.unit = (def.u.fs_d.display_flags & PF_ValueDisplayFlag_PERCENT) ? "%" : "";
                break;
            case PF_Param_SLIDER:
                row.kind = "whole number";
                row.defaultText = Number(def.u.sd.dephault);
                row.range = Number(def.u.sd.valid_min) + " to " + Number(def.u.sd.valid_max);
                break;
            case PF_Param_ANGLE:
                row.kind = "angle";
                row.defaultText = Number(def.u.ad.dephault / 65536.0);
                row.range = "-32768 to 32767";
                row.unit = "degrees";
                break;
            case PF_Param_CHECKBOX:
                row.kind = "checkbox";
                row.defaultText = def.u.bd.dephault ? "on" : "off";
                break;
            case PF_Param_POPUP: {
                row.kind = "choice";
                for (const auto& choice : RealChoices(def)) {
                    if (choice.second == def.u.pd.dephault) {
                        row.defaultText = choice.first;
                    }
                }
                row.choices = ChoiceList(def, " | ");
                break;
            }
            default:
                break;
        }
        for (const char* pixels : kPixels) {
            if (row.name == pixels) {
                row.unit = "px";
            }
        }
        if (row.name == "Sample Count") {
            row.unit = "samples";
        }
        rows.push_back(row);
    }
    return rows;
}
