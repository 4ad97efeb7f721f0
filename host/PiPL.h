#pragma once

#include <cstdint>
#include <vector>

// The Windows PiPL resource (type "PIPL", id 16000, language 1033) as the
// bytes the resource compiler embeds: a little-endian header followed by the
// twelve registration properties of host/Registration.h. The build writes
// them to generated/HLV3.pipl; host/HLV3PiPL.rc embeds that file in the
// Windows deliverable.
inline constexpr int kPiPLResourceId = 16000;
inline constexpr int kPiPLResourceLanguage = 1033;

std::vector<std::uint8_t> BuildPiPL();
