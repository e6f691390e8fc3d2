# Cross compilation for 64-bit Windows with Debian's mingw-w64. The win32 thread
# model: the programs use no C++ threads, and it keeps the pthread emulation out of
# the exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The same sources give the same exe bytes in any build folder on any machine, so that a
# download can be checked against the commit: no link time stamp in the PE header, and no
# source folder in what the compiler writes.
get_filename_component(tonquil_source_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_C_FLAGS_INIT "-ffile-prefix-map=${tonquil_source_root}=.")
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=${tonquil_source_root}=.")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
