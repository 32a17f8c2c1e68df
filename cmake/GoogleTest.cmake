# GoogleTest from Debian's source package, built with the tree's own compiler
# (natively for the host tests, cross for the Wine-side tests).
set(GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${GTEST_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${GTEST_SOURCE_DIR}: install the googletest package (scripts/setup.sh)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  # The -win32 runtime has no std::mutex: a customisation header stands in.
  target_include_directories(gtest BEFORE PUBLIC ${CMAKE_CURRENT_LIST_DIR}/gtest-win32)
endif()
include(GoogleTest)
