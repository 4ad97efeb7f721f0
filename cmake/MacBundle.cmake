# The macOS deliverable's GL and bundle: the OpenGL framework is the only
# thing linked besides the C++ runtime, and hlv3_mac_bundle() turns the module
# into HLV3Mac.plugin, an effect plug-in bundle of the host.

# Universal (Intel and Apple silicon): the sources hold no architecture-
# specific code, and a host running natively on arm64 loads only arm64
# plug-ins. A cache value given on the command line wins.
if(NOT CMAKE_OSX_ARCHITECTURES)
  set(CMAKE_OSX_ARCHITECTURES "x86_64;arm64")
endif()
if(NOT CMAKE_OSX_DEPLOYMENT_TARGET)
  set(CMAKE_OSX_DEPLOYMENT_TARGET "10.13")
endif()

target_link_libraries(hlv3_gl INTERFACE "-framework OpenGL")
# CGL and the GL 3.2 core functions are marked deprecated since macOS 10.14;
# they are what the plug-in is built on, so the notes would only break -Werror.
target_compile_definitions(hlv3_gl INTERFACE GL_SILENCE_DEPRECATION)

# Makes `target` HLV3Mac.plugin: Info.plist and PkgInfo marking an effect
# (eFKT/FXTC), the registration resource file `rsrc` as
# Contents/Resources/HLV3Mac.rsrc, exporting only the two entry points.
# Signing comes after the build (scripts/build-mac.sh): the seal covers every
# file of the finished bundle.
function(hlv3_mac_bundle target rsrc)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME HLV3Mac
    BUNDLE TRUE
    BUNDLE_EXTENSION plugin
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_SOURCE_DIR}/cmake/MacBundleInfo.plist.in)
  target_link_options(${target} PRIVATE
    -Wl,-exported_symbols_list,${CMAKE_SOURCE_DIR}/cmake/HLV3Mac.exp -Wl,-dead_strip)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/HLV3Mac.exp)

  # The host reads the PiPL from the bundle's resources before it loads any
  # code. The generator's target runs first, so only one rule writes the file.
  target_sources(${target} PRIVATE ${rsrc})
  set_source_files_properties(${rsrc} PROPERTIES GENERATED TRUE MACOSX_PACKAGE_LOCATION Resources)
  add_dependencies(${target} hlv3_pipl)

  # PkgInfo: the package type and creator, eight bytes without a line break.
  file(WRITE ${CMAKE_BINARY_DIR}/generated/PkgInfo "eFKTFXTC")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/generated/PkgInfo
            $<TARGET_BUNDLE_CONTENT_DIR:${target}>/PkgInfo
    COMMENT "Writing HLV3Mac.plugin/Contents/PkgInfo")
endfunction()
