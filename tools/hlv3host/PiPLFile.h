#pragma once

// Decoding a registration resource for `hlv3host list`, in either form the
// build writes: the Windows PiPL resource bytes (generated/HLV3.pipl) or the
// macOS resource file (generated/HLV3Mac.rsrc, the bundle's
// Contents/Resources/HLV3Mac.rsrc) holding the PiPL 16000.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PiPLProperty {
    std::string vendor;
    std::string key;  // in reading order, whichever byte order the form uses
    std::uint32_t id = 0;
    std::uint32_t length = 0;
    std::string value;  // decoded for display
};

struct PiPL {
    std::string path;
    std::string form;      // "Windows resource" or "macOS resource file"; empty if neither
    std::string error;     // empty when decoded
    std::size_t size = 0;  // of the file
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    std::vector<PiPLProperty> properties;
};

// Reads and decodes the file; never throws for a malformed file (the error
// says where decoding stopped).
PiPL ReadPiPL(const std::string& path);

// "0x0000ABCD".
std::string Hex(std::uint32_t value);
// A four-character code in reading order; unprintable bytes show as '?'.
std::string FourChars(std::uint32_t code);
