#pragma once

// Reads what the host and Windows' loader see of a PE32+ module: its machine,
// exported names, imported DLLs and resources. The file is treated as
// untrusted: every offset is checked against the file's size, and a damaged
// file is reported, never read past.

#include <cstdint>
#include <string>
#include <vector>

// A resource's type or name: a number, or a string when `text` is set.
struct PEResourceKey {
    uint32_t id = 0;
    std::string text;
};

struct PEResource {
    PEResourceKey type;
    PEResourceKey name;
    uint32_t language = 0;
    std::vector<uint8_t> data;
};

struct PEImage {
    uint16_t machine = 0;  // 0x8664 for x64
    bool isDll = false;
    std::vector<std::string> exports;       // exported names, in the table's order
    std::vector<std::string> importedDlls;  // as written in the import table
    std::vector<PEResource> resources;      // leaves of the resource tree
};

// Parses `bytes`. On failure returns false with a one-line reason in *error.
bool ParsePEImage(const std::vector<uint8_t>& bytes, PEImage* image, std::string* error);
bool ReadPEFile(const std::string& path, PEImage* image, std::string* error);

// "PIPL" for a string key, "#16000" for a numbered one.
std::string PEResourceKeyText(const PEResourceKey& key);
