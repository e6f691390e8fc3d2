# Tonquil.exe's import table names only the libraries its start needs: the shell's and
# COM's, used only on a user's request (the tray icon, a link, a start with arguments),
# are loaded when first called, so that a start without arguments never waits for them.
#   cmake -DEXE=Tonquil.exe -DOBJDUMP=objdump -P check_start_imports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
list(TRANSFORM names REPLACE "DLL Name: " "")
list(TRANSFORM names TOUPPER)
list(SORT names)
set(expected COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "Tonquil.exe imports ${names}; its start needs ${expected}")
endif()
