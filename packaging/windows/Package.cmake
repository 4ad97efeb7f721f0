# The Windows release, made by every Windows build: the installer and the zip
# in <build>/release/ (packaging/windows/package.sh), named with the effect's
# version. Needs makensis (Debian package nsis) and zip; without them the
# build leaves the release and its tests out and says so, except under CI
# (CI=true), where a missing test must not pass for a passed one.
find_program(HLV3_MAKENSIS makensis)
find_program(HLV3_ZIP zip)
if(NOT HLV3_MAKENSIS OR NOT HLV3_ZIP)
  set(hlv3_severity WARNING)
  if("$ENV{CI}" STREQUAL "true")
    set(hlv3_severity FATAL_ERROR)
  endif()
  message(${hlv3_severity} "makensis or zip not found (scripts/install-deps.sh installs them): "
    "no installer and no zip in ${CMAKE_BINARY_DIR}/release")
  return()
endif()

set(hlv3_release_base ${HLV3_RELEASE_NAME}-Windows)
set(HLV3_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(HLV3_INSTALLER ${HLV3_RELEASE_DIR}/${hlv3_release_base}-Setup.exe)
set(HLV3_RELEASE_ZIP ${HLV3_RELEASE_DIR}/${hlv3_release_base}.zip)
set(hlv3_packaging ${CMAKE_SOURCE_DIR}/packaging/windows)
add_custom_command(
  OUTPUT ${HLV3_INSTALLER} ${HLV3_RELEASE_ZIP}
  COMMAND ${hlv3_packaging}/package.sh ${HLV3_RELEASE_DIR} $<TARGET_FILE:HLV3> ${HLV3_PIPL_FILE}
          ${HLV3_PECHECK} ${CMAKE_OBJCOPY} ${CMAKE_CXX_COMPILER} ${HLV3_GLEW_DIR}
          ${HLV3_EFFECT_NAME} ${HLV3_VENDOR_NAME} ${PROJECT_VERSION} ${HLV3_EFFECT_BUILD}
  DEPENDS HLV3 ${hlv3_packaging}/package.sh ${hlv3_packaging}/HLV3.nsi
          ${hlv3_packaging}/INSTALL.txt.in ${CMAKE_SOURCE_DIR}/LICENSE
          ${CMAKE_SOURCE_DIR}/scripts/third-party-notices.sh ${HLV3_GLEW_DIR}/LICENSE.txt
  COMMENT "Packaging the Windows installer and zip into release/"
  VERBATIM)
add_custom_target(hlv3_release ALL DEPENDS ${HLV3_INSTALLER} ${HLV3_RELEASE_ZIP})
