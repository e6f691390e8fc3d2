# Warnings are errors: the tree builds clean with both compilers.
function(tonquil_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion -Werror)
endfunction()

# A Windows test program that shares no code with the product: Unicode Win32 with only
# <windows.h>, linked statically so it runs under Wine with nothing beside it.
function(tonquil_win32_tool target)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_options(${target} PRIVATE -municode -static)
  tonquil_warnings(${target})
endfunction()

# A program with Tonquil.exe's own flags: a GUI exe that needs no DLL beside it (the C++
# runtime linked in), stripped, with what no code reaches left out.
function(tonquil_gui_program target)
  target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
  target_link_options(${target} PRIVATE -municode -mwindows -static -s -Wl,--gc-sections)
  tonquil_warnings(${target})
endfunction()
