# Cross-compiling for Windows with mingw-w64. MINGW_ARCH picks the target:
# i686 (the shipped programs) or x86_64 (only to run the Wine-side tests on
# machines whose kernel cannot execute 32-bit code).
set(MINGW_ARCH "i686" CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(_triple ${MINGW_ARCH}-w64-mingw32)
# The -win32 variant: the posix thread layer imports functions Windows 95 lacks.
set(CMAKE_C_COMPILER ${_triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${_triple}-g++-win32)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
