# Native side: sanitized unit tests, the module emulator, the tests under Wine,
# and the Windows side built as an external project with the mingw-w64 toolchain.
option(TONQUIL_SANITIZE "Build native code with address and undefined-behaviour sanitizers" ON)
option(TONQUIL_WINDOWS "Cross-build the Windows programs and run the tests under Wine" ON)

if(TONQUIL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  target_compile_options(tonquil_core PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_subdirectory(tests/unit)
# What is portable and what is Win32 shows in the folder list: the portable library is
# made of exactly the files at the tops of the subsystem folders, and none of them reaches
# into a win32/ folder.
get_target_property(tonquil_core_sources tonquil_core SOURCES)
add_test(NAME layout.PortableFilesAreTheCoreAndNeedNoWindows COMMAND ${CMAKE_COMMAND}
  -DROOT=${PROJECT_SOURCE_DIR} "-DCORE_SOURCES=${tonquil_core_sources}"
  -P ${PROJECT_SOURCE_DIR}/cmake/check_portable_split.cmake)
add_subdirectory(tests/fuzz)
# A libFuzzer run of every fuzz target, built with clang in its own folder: a fixed number
# of executions from the kept seeds with a fixed seed, so that every run of one commit
# does the same work (about a minute in all).
add_test(NAME fuzz COMMAND ${PROJECT_SOURCE_DIR}/tests/fuzz/run-fuzz.sh --seed 1
  --runs reply_parser=400000 --runs settings_document=60000)
set_tests_properties(fuzz PROPERTIES LABELS fuzz TIMEOUT 900)
add_subdirectory(tools/emulator)
add_subdirectory(tests/emulator)

if(TONQUIL_WINDOWS)
  include(ExternalProject)
  set(TONQUIL_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${TONQUIL_WINDOWS_DIR}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
               -DCMAKE_BUILD_TYPE=MinSizeRel
               -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  add_subdirectory(tests/e2e)
endif()
