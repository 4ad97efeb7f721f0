#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the host learns about the effect before it runs any command: the
// values handed to the registration callback, the PiPL resources and the
// version and flags that global set-up writes into the output record. They
// are defined here once so that the three places can never disagree. The
// match name and the entry-point name are stored by the host in projects and
// plug-in caches and never change.
//
// This header includes no host header: the build-machine tools that write the
// PiPL resources compile it natively wherever the build runs, and the host's
// published headers declare their types for Windows and macOS only.
// host/Registration.cpp pins the flags, the name limit and the stage against
// the host's named constants.

inline constexpr char kEffectName[] = "Halvane 3";
inline constexpr char kEffectMatchName[] = "KVHLVGL";
inline constexpr char kEffectCategory[] = "Korvana";
inline constexpr char kEntryPointName[] = "EffectMain";
// The maker, as Windows' version resource, the installer and the licence name
// it.
inline constexpr char kVendorName[] = "Korvana";

// A four-character code as the host's multi-character constant: first
// character in the most significant byte.
constexpr std::uint32_t FourCharCode(const char (&code)[5]) {
    return (std::uint32_t(std::uint8_t(code[0])) << 24) |
           (std::uint32_t(std::uint8_t(code[1])) << 16) |
           (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

// 'eFKT': the module is an effect.
inline constexpr std::uint32_t kPluginKind = FourCharCode("eFKT");

// Effect interface version the effect declares itself built against.
inline constexpr std::int32_t kInterfaceVersionMajor = 13;
inline constexpr std::int32_t kInterfaceVersionMinor = 25;
inline constexpr std::int32_t kReservedInfo = 8;

// The effect's own version: 3.0.0, development stage, build 1.
inline constexpr std::uint32_t kVersionMajor = 3;
inline constexpr std::uint32_t kVersionMinor = 0;
inline constexpr std::uint32_t kVersionPatch = 0;
inline constexpr std::uint32_t kVersionStage = 0;  // PF_Stage_DEVELOP
inline constexpr std::uint32_t kVersionBuild = 1;

// The host's packed version number.
constexpr std::uint32_t PackEffectVersion(std::uint32_t major, std::uint32_t minor,
                                          std::uint32_t patch, std::uint32_t stage,
                                          std::uint32_t build) {
    return major * (1u << 19) + minor * (1u << 15) + patch * (1u << 11) + stage * (1u << 9) + build;
}

inline constexpr std::uint32_t kEffectVersion =
    PackEffectVersion(kVersionMajor, kVersionMinor, kVersionPatch, kVersionStage, kVersionBuild);
static_assert(kEffectVersion == 0x00180001, "effect version 3.0.0 build 1");

// Global output flags: the PiPL declares them and global set-up writes the
// same words into out_flags / out_flags2 (their names: host/Registration.cpp).
// Custom UI, 16 bits per channel (deep colour), update-params-UI.
inline constexpr std::int32_t kGlobalOutFlags = 0x06008000;
// Collapsed groups, smart render, float colour, GUID mixing, threaded rendering.
inline constexpr std::int32_t kGlobalOutFlags2 = 0x08201408;

// The longest name, match name or category the host stores.
inline constexpr std::size_t kMaxEffectNameLength = 31;
static_assert(sizeof(kEffectName) - 1 <= kMaxEffectNameLength, "name fits a counted string");
static_assert(sizeof(kEffectCategory) - 1 <= kMaxEffectNameLength, "category fits");
static_assert(sizeof(kEffectMatchName) - 1 <= kMaxEffectNameLength, "match name fits");

// "3.0.0": the three version numbers in decimal, as shown to users.
std::string EffectVersionText();
