#pragma once

#include <cstdint>
#include <string>

#include "host/HostInterface.h"

// What the host learns about the effect before it runs any command: the
// values handed to the registration callback, the PiPL resource and the
// version and flags that global set-up writes into the output record. They
// are defined here once so that the three places can never disagree. The
// match name and the entry-point name are stored by the host in projects and
// plug-in caches and never change.

inline constexpr char kEffectName[] = "Halvane 3";
inline constexpr char kEffectMatchName[] = "KVHLVGL";
inline constexpr char kEffectCategory[] = "Korvana";
inline constexpr char kEntryPointName[] = "EffectMain";

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
inline constexpr A_long kInterfaceVersionMajor = 13;
inline constexpr A_long kInterfaceVersionMinor = 25;
inline constexpr A_long kReservedInfo = 8;

// The effect's own version: 3.0.0, development stage, build 1.
inline constexpr A_u_long kVersionMajor = 3;
inline constexpr A_u_long kVersionMinor = 0;
inline constexpr A_u_long kVersionPatch = 0;
inline constexpr A_u_long kVersionStage = 0;  // PF_Stage_DEVELOP
inline constexpr A_u_long kVersionBuild = 1;

// The host's packed version number.
constexpr A_u_long PackEffectVersion(A_u_long major, A_u_long minor, A_u_long patch, A_u_long stage,
                                     A_u_long build) {
    return major * (1u << 19) + minor * (1u << 15) + patch * (1u << 11) + stage * (1u << 9) + build;
}

inline constexpr A_u_long kEffectVersion =
    PackEffectVersion(kVersionMajor, kVersionMinor, kVersionPatch, kVersionStage, kVersionBuild);
static_assert(kEffectVersion == 0x00180001, "effect version 3.0.0 build 1");

// Global output flags: the PiPL declares them and global set-up writes the
// same words into out_flags / out_flags2.
inline constexpr A_long kGlobalOutFlags =
    PF_OutFlag_CUSTOM_UI | PF_OutFlag_DEEP_COLOR_AWARE | PF_OutFlag_SEND_UPDATE_PARAMS_UI;
inline constexpr A_long kGlobalOutFlags2 =
    PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG | PF_OutFlag2_SUPPORTS_SMART_RENDER |
    PF_OutFlag2_FLOAT_COLOR_AWARE | PF_OutFlag2_I_MIX_GUID_DEPENDENCIES |
    PF_OutFlag2_SUPPORTS_THREADED_RENDERING;
static_assert(kGlobalOutFlags == 0x06008000, "custom UI, 16 bits per channel, update-params-UI");
static_assert(kGlobalOutFlags2 == 0x08201408,
              "collapsed groups, smart render, float, GUID mixing, threaded rendering");

// "3.0.0": the three version numbers in decimal, as shown to users.
std::string EffectVersionText();
