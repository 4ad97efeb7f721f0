# The Windows deliverable's GL: GLEW compiled from source as a static library
# (GLEW_STATIC), the system's opengl32, and the user32/gdi32 calls that make
# the hidden window and its pixel format. HLV3_GLEW_DIR is GLEW's source root
# (scripts/fetch-glew.sh fetches it); nothing of GLEW lives in the repository.
set(HLV3_GLEW_DIR "" CACHE PATH "GLEW source root (holds src/glew.c and include/GL/glew.h)")
if(NOT EXISTS "${HLV3_GLEW_DIR}/src/glew.c" OR NOT EXISTS "${HLV3_GLEW_DIR}/include/GL/wglew.h")
  message(FATAL_ERROR "HLV3_GLEW_DIR='${HLV3_GLEW_DIR}' is not a GLEW source tree; "
    "run scripts/fetch-glew.sh and pass the folder it prints")
endif()

add_library(hlv3_glew STATIC ${HLV3_GLEW_DIR}/src/glew.c)
target_include_directories(hlv3_glew SYSTEM PUBLIC ${HLV3_GLEW_DIR}/include)
# GLEW_NO_GLU: the system never calls GLU, so GLEW's headers must not pull it in.
target_compile_definitions(hlv3_glew PUBLIC GLEW_STATIC GLEW_NO_GLU)
target_link_libraries(hlv3_glew PUBLIC opengl32)

target_link_libraries(hlv3_gl INTERFACE hlv3_glew opengl32 gdi32 user32 shell32)

# Gives a target the runtime the host's machine is sure to have: libgcc,
# libstdc++ and winpthread are linked in, so only system DLLs are imported.
function(hlv3_windows_static_runtime target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# Makes `target` the host's effect module: HLV3.aex exporting only the two
# entry points (the .def file; nothing is exported by default), with the PiPL
# and version resources compiled in, checked after every link.
function(hlv3_windows_module target)
  enable_language(RC)
  hlv3_windows_static_runtime(${target})
  set_target_properties(${target} PROPERTIES SUFFIX ".aex")
  configure_file(${CMAKE_SOURCE_DIR}/host/HLV3Version.rc.in ${CMAKE_BINARY_DIR}/generated/HLV3Version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/host/HLV3PiPL.rc
    ${CMAKE_BINARY_DIR}/generated/HLV3Version.rc ${CMAKE_SOURCE_DIR}/cmake/HLV3.def)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/host/HLV3PiPL.rc PROPERTIES OBJECT_DEPENDS ${HLV3_PIPL_FILE})
  add_dependencies(${target} hlv3_pipl ${HLV3_BUILDTOOLS_TARGET})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${HLV3_PECHECK} $<TARGET_FILE:${target}> ${HLV3_PIPL_FILE}
    COMMENT "Checking exports, imports, the PIPL and the version resource of ${target}.aex"
    VERBATIM)
endfunction()
