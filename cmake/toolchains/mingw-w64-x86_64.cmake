# Cross-builds the Windows x64 deliverable with Debian's mingw-w64 compilers.
# The posix thread model is required: the system uses std::mutex and
# thread_local, which the win32 model's libstdc++ does not provide.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(HLV3_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HLV3_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HLV3_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${HLV3_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HLV3_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
