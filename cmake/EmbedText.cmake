# hlv3_embed_text(<name> OUTPUT <file.cpp> FILES <a.glsl> ...)
#
# Generates one C++ source that defines, for every input file NAME.ext, a
# NUL-terminated `extern const char NAME[]` holding the file's text verbatim.
# The rule depends on each input, so editing a shader re-generates the source.
set(HLV3_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedTextScript.cmake)

function(hlv3_embed_text name)
  cmake_parse_arguments(ARG "" "OUTPUT" "FILES" ${ARGN})
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${ARG_OUTPUT}" "-DFILES=${ARG_FILES}" -P ${HLV3_EMBED_SCRIPT}
    DEPENDS ${ARG_FILES} ${HLV3_EMBED_SCRIPT}
    COMMENT "Embedding ${name}"
    VERBATIM)
endfunction()
