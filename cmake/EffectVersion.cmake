# Reads the values every shown version and product name come from out of
# host/Registration.h, the one place they are written. Runs before project().
#   HLV3_EFFECT_VERSION  "major.minor.patch" (the project's version)
#   HLV3_EFFECT_BUILD    the build number, the fourth part of Windows' version
#   HLV3_EFFECT_NAME     "Halvane 3"
#   HLV3_VENDOR_NAME     "Korvana"
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../host/Registration.h hlv3_registration_lines
  REGEX "kVersion(Major|Minor|Patch|Build) = [0-9]+|k(EffectName|VendorName)\\[\\] = \"")
set(HLV3_EFFECT_VERSION "")
foreach(part Major Minor Patch Build)
  string(REGEX MATCH "kVersion${part} = ([0-9]+)" matched "${hlv3_registration_lines}")
  if(NOT matched)
    message(FATAL_ERROR "host/Registration.h: no kVersion${part} = N")
  endif()
  list(APPEND HLV3_EFFECT_VERSION ${CMAKE_MATCH_1})
endforeach()
list(POP_BACK HLV3_EFFECT_VERSION HLV3_EFFECT_BUILD)
list(JOIN HLV3_EFFECT_VERSION "." HLV3_EFFECT_VERSION)
foreach(pair EffectName:HLV3_EFFECT_NAME VendorName:HLV3_VENDOR_NAME)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 constant)
  list(GET pair 1 variable)
  string(REGEX MATCH "k${constant}\\[\\] = \"([^\"]+)\"" matched "${hlv3_registration_lines}")
  if(NOT matched)
    message(FATAL_ERROR "host/Registration.h: no k${constant}[] = \"...\"")
  endif()
  set(${variable} "${CMAKE_MATCH_1}")
endforeach()
