# Compile and link settings that keep the programs loadable on Windows 95/98.
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_WINDOWS=0x0410
                        _WIN32_IE=0x0400 WIN32_LEAN_AND_MEAN NOMINMAX)
add_compile_options(-ffunction-sections -fdata-sections)
if(MINGW_ARCH STREQUAL "i686")
  add_compile_options(-march=i686)
endif()
# ANSI only: no UNICODE, no -municode.

# A shipped GUI program: static runtime, subsystem and OS version 4.0.
function(win9x_program target)
  target_link_options(${target} PRIVATE
    -static -static-libgcc -static-libstdc++ -mwindows -s -Wl,--gc-sections
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4,--minor-os-version,0)
endfunction()

# A test program run under Wine: static runtime so the prefix needs no DLLs.
function(wine_test_program target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()
