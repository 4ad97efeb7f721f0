# Warnings are errors on the project's own targets only; third-party and
# generated headers are included as SYSTEM so they cannot trip them.
function(hlv3_strict_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  endif()
endfunction()
