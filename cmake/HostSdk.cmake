# hlv3_sdk: the host's effect interface headers, either the project's own
# declaration layer in sdk/ or, with HLV3_HOST_SDK_DIR, a real SDK's Headers.
set(HLV3_HOST_SDK_DIR "" CACHE PATH "Root of the host's effect SDK; empty uses the bundled declarations")
get_filename_component(HLV3_SDK_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

add_library(hlv3_sdk INTERFACE)
if(HLV3_HOST_SDK_DIR)
  if(NOT EXISTS "${HLV3_HOST_SDK_DIR}/Headers/AE_Effect.h")
    message(FATAL_ERROR "HLV3_HOST_SDK_DIR=${HLV3_HOST_SDK_DIR} has no Headers/AE_Effect.h")
  endif()
  target_include_directories(hlv3_sdk SYSTEM INTERFACE
    ${HLV3_HOST_SDK_DIR}/Headers
    ${HLV3_HOST_SDK_DIR}/Headers/SP
    ${HLV3_HOST_SDK_DIR}/Headers/adobesdk)
  target_compile_definitions(hlv3_sdk INTERFACE HLV3_REAL_SDK=1)
else()
  target_include_directories(hlv3_sdk INTERFACE
    ${HLV3_SDK_ROOT}/sdk
    ${HLV3_SDK_ROOT}/sdk/SP
    ${HLV3_SDK_ROOT}/sdk/adobesdk)
endif()
# The published headers recognise Windows by _WINDOWS (which MSVC projects
# define by default), not by _WIN32; a mingw build has to say it itself.
if(WIN32)
  target_compile_definitions(hlv3_sdk INTERFACE _WINDOWS=1)
endif()
