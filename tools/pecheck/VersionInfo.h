#pragma once

// Reads a Windows version resource (RT_VERSION, the VS_VERSIONINFO block
// tree) as Explorer's Details tab shows it: the fixed file and product
// versions and the string table's values. The bytes are untrusted: every
// block length is checked against its parent's, and a damaged resource is
// reported, never read past.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PEVersionInfo {
    uint16_t fileVersion[4] = {};                // major, minor, patch, build
    uint16_t productVersion[4] = {};             // as fileVersion
    std::string stringTable;                     // the language/code-page key, e.g. "040904B0"
    std::map<std::string, std::string> strings;  // CompanyName -> Korvana, ...
    std::vector<uint32_t> translations;          // language in the low word, code page in the high
};

// Parses the resource's bytes. On failure returns false with a one-line
// reason in *error. Characters outside ASCII read as '?'.
bool ParseVersionInfo(const std::vector<uint8_t>& bytes, PEVersionInfo* info, std::string* error);

// "3.0.0.1".
std::string VersionText(const uint16_t (&parts)[4]);
