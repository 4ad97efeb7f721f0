// hlv3host list: what a host learns about the module before any frame: the
// registration callback's values, the PiPL resource and the parameter table
// as the host received it from parameter set-up.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/JsonText.h"
#include "tools/hlv3host/ModuleFile.h"
#include "tools/hlv3host/PiPLFile.h"

namespace {

void PrintListUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host list [--module PATH] [--pipl PATH] [--json]\n"
                 "  --module PATH  the effect module to load (default: the one next to\n"
                 "                 the tool)\n"
                 "  --pipl PATH    the registration resource: Windows PiPL bytes or a\n"
                 "                 macOS resource file such as HLV3Mac.rsrc (default:\n"
                 "                 generated/HLV3.pipl in the module's folder)\n"
                 "  --json         print one JSON document instead of text\n");
}

std::string ShortHex(A_long value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", unsigned(value));
    return buf;
}

std::string Number(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", value);
    return buf;
}

// --- the parameter table ------------------------------------------------------------

const char* TypeName(PF_ParamType type) {
    switch (type) {
        case PF_Param_LAYER:
            return "layer";
        case PF_Param_SLIDER:
            return "slider";
        case PF_Param_FIX_SLIDER:
            return "fixed-slider";
        case PF_Param_ANGLE:
            return "angle";
        case PF_Param_CHECKBOX:
            return "checkbox";
        case PF_Param_COLOR:
            return "color";
        case PF_Param_POINT:
            return "point";
        case PF_Param_POPUP:
            return "popup";
        case PF_Param_NO_DATA:
            return "no-data";
        case PF_Param_FLOAT_SLIDER:
            return "float-slider";
        case PF_Param_GROUP_START:
            return "group-start";
        case PF_Param_GROUP_END:
            return "group-end";
        case PF_Param_BUTTON:
            return "button";
        default:
            return "other";
    }
}

std::vector<std::string> SplitChoices(const char* list) {
    std::vector<std::string> choices;
    if (list == nullptr)
        return choices;
    std::string current;
    for (const char* p = list; *p; ++p) {
        if (*p == '|') {
            choices.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    choices.push_back(current);
    return choices;
}

// Type-specific fields as (name, JSON value) pairs, in display order.
using Fields = std::vector<std::pair<std::string, std::string>>;

Fields TypeFields(const PF_ParamDef& def) {
    Fields f;
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER: {
            const PF_FloatSliderDef& s = def.u.fs_d;
            f = {{"valid_min", Number(s.valid_min)},
                 {"valid_max", Number(s.valid_max)},
                 {"slider_min", Number(s.slider_min)},
                 {"slider_max", Number(s.slider_max)},
                 {"default", Number(s.dephault)},
                 {"value", Number(s.value)},
                 {"precision", Number(s.precision)},
                 {"display_flags", Number(s.display_flags)},
                 {"curve_tolerance", Number(s.curve_tolerance)}};
            break;
        }
        case PF_Param_SLIDER: {
            const PF_SliderDef& s = def.u.sd;
            f = {{"valid_min", Number(s.valid_min)},   {"valid_max", Number(s.valid_max)},
                 {"slider_min", Number(s.slider_min)}, {"slider_max", Number(s.slider_max)},
                 {"default", Number(s.dephault)},      {"value", Number(s.value)}};
            break;
        }
        case PF_Param_ANGLE:
            f = {{"default", Number(def.u.ad.dephault / 65536.0)},
                 {"value", Number(def.u.ad.value / 65536.0)}};
            break;
        case PF_Param_CHECKBOX:
            f = {{"default", Number(def.u.bd.dephault)},
                 {"value", Number(def.u.bd.value)},
                 {"label", def.u.bd.u.nameptr ? JsonString(def.u.bd.u.nameptr) : "null"}};
            break;
        case PF_Param_POPUP: {
            std::string list = "[";
            for (const std::string& c : SplitChoices(def.u.pd.u.namesptr)) {
                list += (list.size() > 1 ? "," : "") + JsonString(c);
            }
            f = {{"num_choices", Number(def.u.pd.num_choices)},
                 {"default", Number(def.u.pd.dephault)},
                 {"value", Number(def.u.pd.value)},
                 {"choices", list + "]"}};
            break;
        }
        case PF_Param_BUTTON:
            f = {{"label",
                  def.u.button_d.u.namesptr ? JsonString(def.u.button_d.u.namesptr) : "null"}};
            break;
        default:
            break;
    }
    return f;
}

// The input layer, which the host supplies itself at index 0.
PF_ParamDef InputLayerDef() {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    def.param_type = PF_Param_LAYER;
    return def;
}

struct Listing {
    std::string module;
    simhost::PluginDataRecord registration;
    A_Err registration_result = 0;
    PiPL pipl;
    PF_Err global_setup = 0;
    PF_Err params_setup = 0;
    A_long num_params = 0;
    std::vector<PF_ParamDef> params;  // index 0 is the input layer
    std::vector<PF_CustomUIInfo> custom_ui;
    std::string error;  // why the module or its resource is not as a host needs it
};

void PrintText(const Listing& l) {
    const simhost::PluginDataRecord& r = l.registration;
    std::printf("Module %s\n\n", l.module.c_str());
    std::printf("Registration (PluginDataEntryFunction: %d call%s, result %d)\n", r.calls,
                r.calls == 1 ? "" : "s", l.registration_result);
    std::printf("  name          %s\n", r.name.c_str());
    std::printf("  match name    %s\n", r.matchName.c_str());
    std::printf("  category      %s\n", r.category.c_str());
    std::printf("  entry point   %s\n", r.entryPoint.c_str());
    std::printf("  kind          %s (%s)\n", FourChars(std::uint32_t(r.kind)).c_str(),
                Hex(std::uint32_t(r.kind)).c_str());
    std::printf("  API version   %d.%d\n", r.apiMajor, r.apiMinor);
    std::printf("  reserved info %d\n\n", r.reserved);

    std::printf("PiPL %s (%s, %zu bytes, version %u, %u properties)\n", l.pipl.path.c_str(),
                l.pipl.form.empty() ? "unknown form" : l.pipl.form.c_str(), l.pipl.size,
                l.pipl.version, l.pipl.count);
    for (std::size_t i = 0; i < l.pipl.properties.size(); ++i) {
        const PiPLProperty& p = l.pipl.properties[i];
        std::printf("  %2zu  %s %s id %u length %2u  %s\n", i + 1, p.vendor.c_str(), p.key.c_str(),
                    p.id, p.length, p.value.c_str());
    }
    if (!l.pipl.error.empty()) {
        std::printf("  error: %s\n", l.pipl.error.c_str());
    }

    std::printf(
        "\nGlobal set-up result %d, parameter set-up result %d, count %d, custom UI "
        "registrations %zu",
        l.global_setup, l.params_setup, l.num_params, l.custom_ui.size());
    if (!l.custom_ui.empty()) {
        std::printf(" (events 0x%X)", unsigned(l.custom_ui[0].events));
    }
    std::printf("\n\nParameters (%zu, index 0 is the input layer)\n", l.params.size());
    std::printf("  %3s  %-24s %-17s %4s %6s %6s  %s\n", "idx", "name", "type", "disk", "flags",
                "ui", "settings");
    for (std::size_t i = 0; i < l.params.size(); ++i) {
        const PF_ParamDef& def = l.params[i];
        const std::string name = i == 0 ? "(input layer)" : def.name;
        const std::string type =
            std::string(TypeName(def.param_type)) + "(" + std::to_string(def.param_type) + ")";
        std::string settings;
        if (def.ui_width || def.ui_height) {
            settings += "ui_size=" + std::to_string(def.ui_width) + "x" +
                        std::to_string(def.ui_height) + " ";
        }
        for (const auto& field : TypeFields(def)) {
            settings += field.first + "=" + field.second + " ";
        }
        std::printf("  %3zu  %-24s %-17s %4d %6s %6s  %s\n", i, name.c_str(), type.c_str(),
                    def.uu.id, ShortHex(def.flags).c_str(), ShortHex(def.ui_flags).c_str(),
                    settings.c_str());
    }
}

void PrintJson(const Listing& l) {
    const simhost::PluginDataRecord& r = l.registration;
    std::printf("{\n  \"module\": %s,\n", JsonString(l.module).c_str());
    std::printf(
        "  \"registration\": {\"calls\": %d, \"result\": %d, \"name\": %s, "
        "\"match_name\": %s, \"category\": %s, \"entry_point\": %s, \"kind\": %s, "
        "\"kind_value\": %u, \"api_major\": %d, \"api_minor\": %d, \"reserved_info\": "
        "%d},\n",
        r.calls, l.registration_result, JsonString(r.name).c_str(), JsonString(r.matchName).c_str(),
        JsonString(r.category).c_str(), JsonString(r.entryPoint).c_str(),
        JsonString(FourChars(std::uint32_t(r.kind))).c_str(), std::uint32_t(r.kind), r.apiMajor,
        r.apiMinor, r.reserved);
    std::printf(
        "  \"pipl\": {\"path\": %s, \"form\": %s, \"size\": %zu, \"version\": %u, "
        "\"count\": %u, \"error\": %s, \"properties\": [",
        JsonString(l.pipl.path).c_str(),
        l.pipl.form.empty() ? "null" : JsonString(l.pipl.form).c_str(), l.pipl.size, l.pipl.version,
        l.pipl.count, l.pipl.error.empty() ? "null" : JsonString(l.pipl.error).c_str());
    for (std::size_t i = 0; i < l.pipl.properties.size(); ++i) {
        const PiPLProperty& p = l.pipl.properties[i];
        std::printf(
            "%s\n    {\"vendor\": %s, \"key\": %s, \"id\": %u, \"length\": %u, "
            "\"value\": %s}",
            i ? "," : "", JsonString(p.vendor).c_str(), JsonString(p.key).c_str(), p.id, p.length,
            JsonString(p.value).c_str());
    }
    std::printf("]},\n");
    std::printf("  \"global_setup\": %d,\n  \"params_setup\": %d,\n  \"num_params\": %d,\n",
                l.global_setup, l.params_setup, l.num_params);
    std::printf("  \"custom_ui\": [");
    for (std::size_t i = 0; i < l.custom_ui.size(); ++i) {
        std::printf("%s{\"events\": %d}", i ? ", " : "", l.custom_ui[i].events);
    }
    std::printf("],\n  \"parameters\": [");
    for (std::size_t i = 0; i < l.params.size(); ++i) {
        const PF_ParamDef& def = l.params[i];
        std::printf(
            "%s\n    {\"index\": %zu, \"name\": %s, \"type\": %d, \"type_name\": %s, "
            "\"disk_id\": %d, \"flags\": %d, \"ui_flags\": %d, \"ui_width\": %d, "
            "\"ui_height\": %d",
            i ? "," : "", i, JsonString(i == 0 ? "(input layer)" : def.name).c_str(),
            def.param_type, JsonString(TypeName(def.param_type)).c_str(), def.uu.id, def.flags,
            def.ui_flags, def.ui_width, def.ui_height);
        for (const auto& field : TypeFields(def)) {
            std::printf(", %s: %s", JsonString(field.first).c_str(), field.second.c_str());
        }
        std::printf("}");
    }
    std::printf("\n  ],\n  \"error\": %s\n}\n",
                l.error.empty() ? "null" : JsonString(l.error).c_str());
}

std::string DefaultPiPLPath(const std::string& module) {
    const std::size_t slash = module.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : module.substr(0, slash);
    return dir + "/generated/HLV3.pipl";
}

}  // namespace

int RunList(int argc, char** argv) {
    std::string module_path, pipl_path;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--module" && i + 1 < argc) {
            module_path = argv[++i];
        } else if (arg == "--pipl" && i + 1 < argc) {
            pipl_path = argv[++i];
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--help" || arg == "-h") {
            PrintListUsage(stdout);
            return 0;
        } else {
            const std::string problem = "unexpected argument '" + arg + "'";
            std::fprintf(stderr, "hlv3host list: %s\n", problem.c_str());
            PrintListUsage(stderr);
            if (WantsJson(argc, argv)) {
                std::printf("{\n  \"module\": null,\n  \"error\": %s\n}\n",
                            JsonString(problem).c_str());
            }
            return 2;
        }
    }
    module_path = ModuleFilePath(module_path);
    if (pipl_path.empty()) {
        pipl_path = DefaultPiPLPath(module_path);
    }

    // The module is loaded and its two entry points looked up by name, as a
    // host does when it scans its plug-in folder.
    const simhost::Module module(module_path);
    std::string problem = ModuleProblem(module, module_path);
    if (problem.empty() && module.PluginDataEntry() == nullptr) {
        problem = module_path + " is not an effect module: it exports no PluginDataEntryFunction";
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "hlv3host list: %s\n", problem.c_str());
        if (json) {
            std::printf("{\n  \"module\": %s,\n  \"error\": %s\n}\n",
                        JsonString(module_path).c_str(), JsonString(problem).c_str());
        }
        return 1;
    }

    Listing listing;
    listing.module = module_path;
    simhost::PluginDataRecorder recorder;
    listing.registration_result = simhost::CallPluginDataEntry(module.PluginDataEntry(), recorder);
    listing.registration = recorder.record;
    listing.pipl = ReadPiPL(pipl_path);

    std::vector<std::string> violations;
    {
        simhost::Host host;
        host.settings.noteReusedDiskIds = false;
        host.SetEntry(module.EffectMain());
        listing.global_setup = host.Send(PF_Cmd_GLOBAL_SETUP);
        listing.params_setup = host.Send(PF_Cmd_PARAMS_SETUP);
        listing.num_params = host.LastCommand().out.num_params;
        listing.params.push_back(InputLayerDef());
        for (const PF_ParamDef& def : host.AddedParams()) {
            listing.params.push_back(def);
        }
        listing.custom_ui = host.RegisteredUI();
        if (!listing.pipl.error.empty()) {
            listing.error = "PiPL " + pipl_path + ": " + listing.pipl.error;
        } else if (listing.global_setup != PF_Err_NONE || listing.params_setup != PF_Err_NONE) {
            listing.error = "global set-up returned " + std::to_string(listing.global_setup) +
                            ", parameter set-up " + std::to_string(listing.params_setup);
        }
        if (json) {
            PrintJson(listing);
        } else {
            PrintText(listing);
        }
        host.GlobalSetdown();
        violations = host.Finish();
    }
    for (const std::string& v : violations) {
        std::fprintf(stderr, "hlv3host list: host saw: %s\n", v.c_str());
    }

    const bool ok = listing.registration_result == 0 && listing.registration.calls == 1 &&
                    listing.pipl.error.empty() && listing.global_setup == PF_Err_NONE &&
                    listing.params_setup == PF_Err_NONE && violations.empty();
    if (!listing.pipl.error.empty()) {
        std::fprintf(stderr, "hlv3host list: PiPL %s: %s\n", pipl_path.c_str(),
                     listing.pipl.error.c_str());
    }
    return ok ? 0 : 1;
}
