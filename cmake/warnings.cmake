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

# Programs linked with `target` load the system libraries named by the .def files in
# cmake/delay_load (one per DLL, listing the functions taken from it) when one of their
# functions is first called rather than before the entry point: libraries used only on a
# user's request cost no start-up time. MSVC's linker does the same with /DELAYLOAD; mingw-w64 builds a
# delay-import library with dlltool. A library that the process loads later searches the
# system folder alone, as the program asks at its start.
function(tonquil_delay_load target)
  find_program(TONQUIL_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool dlltool REQUIRED)
  foreach(dll ${ARGN})
    set(def ${PROJECT_SOURCE_DIR}/cmake/delay_load/${dll}.def)
    set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${library}
      COMMAND ${TONQUIL_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${library}
      DEPENDS ${def} VERBATIM)
    add_custom_target(${target}_${dll}_delay DEPENDS ${library})
    add_dependencies(${target} ${target}_${dll}_delay)
    target_link_libraries(${target} PUBLIC ${library})
  endforeach()
  target_link_libraries(${target} PUBLIC delayimp)
endfunction()
