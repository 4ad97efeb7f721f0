// `params`: the parameters a user can set with --set, as the effect registers
// them: name, kind, default, valid range, unit and choices.
#include <cstdio>
#include <string>
#include <vector>

#include "simhost/Module.h"
#include "simhost/SimHost.h"
#include "tools/hlv3host/Commands.h"
#include "tools/hlv3host/JsonText.h"
#include "tools/hlv3host/ModuleFile.h"
#include "tools/hlv3host/SettingRules.h"

namespace {

void PrintParamsUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: hlv3host params [--all] [--json] [--module PATH]\n"
                 "  lists the parameters 'render --set NAME=VALUE' takes; names match in\n"
                 "  any case, popups take a choice or its number, checkboxes on/off\n"
                 "  --all          changes nothing, kept for older scripts: every control\n"
                 "                 --set takes is listed (Debug controls change nothing)\n"
                 "  --json         print one JSON document instead of text\n"
                 "  --module PATH  the effect module (default: HLV3.so next to the tool)\n");
}

// The one JSON document of every outcome: the rows (empty on failure) and
// "error", null or the failure's line.
void PrintJson(const std::vector<ParamRow>& rows, const std::string& error) {
    std::printf("{\n\"parameters\": [");
    for (size_t i = 0; i < rows.size(); ++i) {
        const ParamRow& r = rows[i];
        std::printf(
            "%s\n  {\"name\": %s, \"kind\": %s, \"default\": %s, \"range\": %s, "
            "\"unit\": %s, \"choices\": %s}",
            i ? "," : "", JsonString(r.name).c_str(), JsonString(r.kind).c_str(),
            JsonString(r.defaultText).c_str(), JsonString(r.range).c_str(),
            JsonString(r.unit).c_str(), JsonString(r.choices).c_str());
    }
    std::printf("\n],\n\"error\": %s\n}\n", error.empty() ? "null" : JsonString(error).c_str());
}

void PrintRows(const std::vector<ParamRow>& rows) {
    std::printf("%-24s %-13s %-12s %-16s %-8s %s\n", "name", "kind", "default", "valid range",
                "unit", "choices");
    for (const ParamRow& r : rows) {
        std::printf("%-24s %-13s %-12s %-16s %-8s %s\n", r.name.c_str(), r.kind.c_str(),
                    r.defaultText.c_str(), r.range.c_str(), r.unit.c_str(), r.choices.c_str());
    }
}

}  // namespace

int RunParams(int argc, char** argv) {
    std::string given;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--module" && i + 1 < argc) {
            given = argv[++i];
        } else if (a == "--all") {
        } else if (a == "--json") {
            json = true;
        } else if (a == "--help" || a == "-h") {
            PrintParamsUsage(stdout);
            return 0;
        } else {
            const std::string problem = "unexpected argument '" + a + "'";
            std::fprintf(stderr, "hlv3host params: %s\n", problem.c_str());
            PrintParamsUsage(stderr);
            if (WantsJson(argc, argv)) {
                PrintJson({}, problem);
            }
            return 2;
        }
    }
    const std::string path = ModuleFilePath(given);
    const simhost::Module module(path);
    const std::string problem = ModuleProblem(module, path);
    if (!problem.empty()) {
        std::fprintf(stderr, "hlv3host params: %s\n", problem.c_str());
        if (json) {
            PrintJson({}, problem);
        }
        return 2;
    }
    std::vector<ParamRow> rows;
    std::vector<std::string> violations;
    PF_Err err = PF_Err_NONE;
    {
        // The module's own diagnostics go to standard output; keep them off
        // the listing by reading the definitions before printing anything.
        simhost::Host host;
        host.settings.noteReusedDiskIds = false;
        host.SetEntry(module.EffectMain());
        err = host.Setup();
        rows = SettableParams(host.AddedParams());
        host.GlobalSetdown();
        violations = host.Finish();
    }
    std::fflush(stdout);
    for (const std::string& v : violations) {
        std::fprintf(stderr, "hlv3host params: host saw: %s\n", v.c_str());
    }
    const std::string failure =
        err != PF_Err_NONE ? "set-up failed with error " + std::to_string(err) : "";
    if (!failure.empty()) {
        std::fprintf(stderr, "hlv3host params: %s\n", failure.c_str());
    }
    if (json) {
        PrintJson(rows, failure);
    } else if (failure.empty()) {
        PrintRows(rows);
    }
    if (!failure.empty()) {
        return 1;
    }
    return violations.empty() ? 0 : 1;
}
