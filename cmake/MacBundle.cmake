# The macOS deliverable: HLV3Mac.plugin, an effect plug-in bundle of the host,
# built from the same sources as the other modules with the CGL context layer
# (context/mac/). Included from the top-level CMakeLists.txt on Apple only;
# there the build makes this bundle and nothing else, since the tests need
# the Linux GL stack (they cover the CGL layer through a stand-in there).

# Universal (Intel and Apple silicon): the sources hold no architecture-
# specific code, and a host running natively on arm64 loads only arm64
# plug-ins. A cache value given on the command line wins.
if(NOT CMAKE_OSX_ARCHITECTURES)
  set(CMAKE_OSX_ARCHITECTURES "x86_64;arm64")
endif()
if(NOT CMAKE_OSX_DEPLOYMENT_TARGET)
  set(CMAKE_OSX_DEPLOYMENT_TARGET "10.13")
endif()

file(GLOB HLV3MAC_SHADER_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/shaders/*.glsl)
hlv3_embed_text(hlv3mac_shader_sources
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/generated/ShaderSources.cpp
  FILES ${HLV3MAC_SHADER_FILES})

file(GLOB HLV3MAC_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/host/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/render/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/gl/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/context/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/context/mac/*.cpp)

add_library(HLV3Mac MODULE ${HLV3MAC_SOURCES} ${CMAKE_CURRENT_BINARY_DIR}/generated/ShaderSources.cpp)
target_include_directories(HLV3Mac PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
# The OpenGL framework is the only thing linked besides the C++ runtime.
target_link_libraries(HLV3Mac PRIVATE hlv3_sdk "-framework OpenGL")
# CGL and the GL 3.2 core functions are marked deprecated since macOS 10.14;
# they are what the plug-in is built on, so the notes would only break -Werror.
target_compile_definitions(HLV3Mac PRIVATE GL_SILENCE_DEPRECATION)
set_target_properties(HLV3Mac PROPERTIES
  BUNDLE TRUE
  BUNDLE_EXTENSION plugin
  MACOSX_BUNDLE_INFO_PLIST ${CMAKE_CURRENT_SOURCE_DIR}/cmake/MacBundleInfo.plist.in
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
# The two entry points the host looks up, nothing else.
target_link_options(HLV3Mac PRIVATE
  -Wl,-exported_symbols_list,${CMAKE_CURRENT_SOURCE_DIR}/cmake/HLV3Mac.exp -Wl,-dead_strip)
set_property(TARGET HLV3Mac APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/HLV3Mac.exp)
hlv3_strict_warnings(HLV3Mac)

# PkgInfo: the package type and creator of an effect plug-in, eight bytes
# without a line break, as the Info.plist says too.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/generated/PkgInfo "eFKTFXTC")
add_custom_command(TARGET HLV3Mac POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/generated/PkgInfo
          $<TARGET_BUNDLE_CONTENT_DIR:HLV3Mac>/PkgInfo
  COMMENT "Writing HLV3Mac.plugin/Contents/PkgInfo")
