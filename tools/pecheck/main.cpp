// hlv3_pecheck MODULE PIPL: fails (exit 1) unless the built Windows module is
// what the host must find: an x64 DLL exporting exactly the two entry points,
// importing only system DLLs, and carrying the registration resource as type
// "PIPL", id 16000, language 1033 with exactly the bytes in PIPL. Windows
// falls back to another language at run time, so only this check proves the
// language is right. It also reads back the version resource Explorer shows
// and fails unless its versions and names are those of host/Registration.h.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/Registration.h"
#include "tools/pecheck/PEFile.h"
#include "tools/pecheck/VersionInfo.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int Fail(const std::string& module, const std::string& what) {
    std::fprintf(stderr, "hlv3_pecheck: %s: %s\n", module.c_str(), what.c_str());
    return 1;
}

constexpr uint32_t kVersionResourceType = 16;  // RT_VERSION

// Why the module's version resource is not the one its users and support
// must see; empty when it is. `shown` receives a one-line summary.
std::string VersionProblem(const PEImage& image, std::string* shown) {
    const PEResource* found = nullptr;
    for (const PEResource& r : image.resources) {
        if (r.type.text.empty() && r.type.id == kVersionResourceType) {
            if (found != nullptr) {
                return "more than one version resource";
            }
            found = &r;
        }
    }
    if (found == nullptr) {
        return "no version resource";
    }
    if (!found->name.text.empty() || found->name.id != 1 || found->language != 1033) {
        return "version resource is " + PEResourceKeyText(found->name) + " language " +
               std::to_string(found->language) + ", not #1 language 1033";
    }
    PEVersionInfo info;
    std::string error;
    if (!ParseVersionInfo(found->data, &info, &error)) {
        return "version resource: " + error;
    }
    const std::string product = std::to_string(kVersionMajor) + "." +
                                std::to_string(kVersionMinor) + "." + std::to_string(kVersionPatch);
    const std::string file = product + "." + std::to_string(kVersionBuild);
    if (VersionText(info.fileVersion) != file || VersionText(info.productVersion) != file) {
        return "fixed versions " + VersionText(info.fileVersion) + " and " +
               VersionText(info.productVersion) + " instead of " + file;
    }
    if (info.stringTable != "040904B0" || info.translations != std::vector<uint32_t>{0x04B00409}) {
        return "strings are not in one English (United States) UTF-16 table";
    }
    const std::pair<const char*, std::string> expected[] = {{"CompanyName", kVendorName},
                                                            {"ProductName", kEffectName},
                                                            {"OriginalFilename", "HLV3.aex"},
                                                            {"FileVersion", file},
                                                            {"ProductVersion", product}};
    for (const auto& [key, value] : expected) {
        if (info.strings[key] != value) {
            return std::string(key) + " is '" + info.strings[key] + "', not '" + value + "'";
        }
    }
    if (info.strings["FileDescription"].empty() ||
        info.strings["LegalCopyright"].find(kVendorName) == std::string::npos) {
        return "FileDescription is empty or LegalCopyright does not name " +
               std::string(kVendorName);
    }
    *shown = info.strings["ProductName"] + " " + file + ", " + info.strings["CompanyName"];
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hlv3_pecheck MODULE.aex PIPL-BYTES\n");
        return 2;
    }
    const std::string module = argv[1];
    PEImage image;
    std::string error;
    if (!ReadPEFile(module, &image, &error)) {
        return Fail(module, error);
    }
    if (image.machine != 0x8664 || !image.isDll) {
        return Fail(module, "not an x64 DLL");
    }
    const std::set<std::string> exports(image.exports.begin(), image.exports.end());
    if (image.exports.size() != 2 ||
        exports != std::set<std::string>{"EffectMain", "PluginDataEntryFunction"}) {
        std::string names;
        for (const std::string& name : image.exports) {
            names += " " + name;
        }
        return Fail(module, "exports" + names + " instead of EffectMain PluginDataEntryFunction");
    }
    const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll",
                                          "opengl32.dll", "shell32.dll", "msvcrt.dll"};
    for (const std::string& dll : image.importedDlls) {
        if (system.count(Lower(dll)) == 0) {
            return Fail(module, "imports " + dll + ", which a user's machine may not have");
        }
    }

    std::ifstream in(argv[2], std::ios::binary);
    const std::vector<uint8_t> pipl((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (pipl.empty()) {
        return Fail(module, std::string("cannot read the PiPL bytes from ") + argv[2]);
    }
    int found = 0;
    for (const PEResource& r : image.resources) {
        if (r.type.text != "PIPL") {
            continue;
        }
        ++found;
        if (!r.name.text.empty() || r.name.id != 16000 || r.language != 1033) {
            return Fail(module, "PIPL resource is " + PEResourceKeyText(r.name) + " language " +
                                    std::to_string(r.language) + ", not #16000 language 1033");
        }
        if (r.data != pipl) {
            return Fail(module, "PIPL resource bytes differ from " + std::string(argv[2]));
        }
    }
    if (found != 1) {
        return Fail(module, std::to_string(found) + " PIPL resources instead of one");
    }
    std::string shown;
    if (const std::string problem = VersionProblem(image, &shown); !problem.empty()) {
        return Fail(module, problem);
    }
    std::printf("hlv3_pecheck: %s: exports, imports, PIPL and version resource (%s) as required\n",
                module.c_str(), shown.c_str());
    return 0;
}
