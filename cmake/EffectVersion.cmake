# HLV3_EFFECT_VERSION: "major.minor.patch" read from host/Registration.h, the
# one place the effect's version is written. Runs before project().
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../host/Registration.h hlv3_version_lines
  REGEX "kVersion(Major|Minor|Patch) = [0-9]+")
set(HLV3_EFFECT_VERSION "")
foreach(part Major Minor Patch)
  string(REGEX MATCH "kVersion${part} = ([0-9]+)" matched "${hlv3_version_lines}")
  if(NOT matched)
    message(FATAL_ERROR "host/Registration.h: no kVersion${part} = N")
  endif()
  list(APPEND HLV3_EFFECT_VERSION ${CMAKE_MATCH_1})
endforeach()
list(JOIN HLV3_EFFECT_VERSION "." HLV3_EFFECT_VERSION)
