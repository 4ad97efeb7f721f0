#pragma once

#include <cstdint>
#include <vector>

// The registration resource in its two forms, built from the values of
// host/Registration.h. The build writes both into its generated/ folder on
// every platform; neither is ever read by the plug-in itself.
//
// Windows: the resource bytes (type "PIPL", id 16000, language 1033) that
// host/HLV3PiPL.rc embeds from generated/HLV3.pipl: little-endian, a 16-bit 1
// before the version, twelve properties, the entry point `8664`.
//
// macOS: generated/HLV3Mac.rsrc, a resource file in the data fork (the form
// `Rez -useDF` writes) holding one resource of type 'PiPL', id 16000; the
// bundle carries it as Contents/Resources/HLV3Mac.rsrc. The PiPL inside is
// big-endian with no leading 16-bit word and thirteen properties, the entry
// points `mi64` (Intel) and `ma64` (Apple silicon) in place of `8664`.
inline constexpr int kPiPLResourceId = 16000;
inline constexpr int kPiPLResourceLanguage = 1033;

std::vector<std::uint8_t> BuildPiPL();
std::vector<std::uint8_t> BuildMacPiPL();
// The whole resource file around BuildMacPiPL().
std::vector<std::uint8_t> BuildMacResourceFile();
