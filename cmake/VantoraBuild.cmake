# Helpers shared by every folder's CMakeLists: warnings, shipped binaries,
# version resources, test programs and fuzz targets, for both the Windows
# cross build and the native (sanitizer) build.

set(VANTORA_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(VANTORA_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests-bin)
set(VANTORA_SYMBOLS_DIR ${CMAKE_BINARY_DIR}/symbols)
set(VANTORA_SOURCE_DIR ${CMAKE_SOURCE_DIR})

option(VANTORA_NO_SANITIZE "Native build without the sanitizers (for benchmarks)" OFF)
if(NOT VANTORA_WIN32 AND NOT VANTORA_NO_SANITIZE)
  # The native build exists to run the OS-free code under the sanitizers.
  set(VANTORA_SANITIZE "-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer")
  add_compile_options(${VANTORA_SANITIZE})
  add_link_options(${VANTORA_SANITIZE})
endif()

function(vantora_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  if(VANTORA_WIN32)
    # ANSI API throughout; NT 5.0 headers are the oldest that declare what we use.
    target_compile_definitions(${target} PRIVATE
      WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 STRICT)
  endif()
endfunction()

# An OS-free static library: builds natively and for Windows alike.
function(vantora_os_free_library name)
  add_library(${name} STATIC ${ARGN})
  vantora_target_defaults(${name})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

function(vantora_add_googletest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# Whether this tree's Windows programs can run here. A 32-bit build needs a
# kernel that executes 32-bit code (the 32-bit Wine loader is such code).
if(VANTORA_WIN32)
  if(VANTORA_WIN_ARCH STREQUAL "x86_64")
    set(VANTORA_WINE_LOADER /usr/lib/wine/wine64)
    set(VANTORA_WINEARCH win64)
  else()
    set(VANTORA_WINE_LOADER /usr/lib/wine/wine)
    set(VANTORA_WINEARCH win32)
  endif()
  execute_process(COMMAND ${VANTORA_WINE_LOADER} --version
    RESULT_VARIABLE _wine_rc OUTPUT_QUIET ERROR_QUIET)
  if(_wine_rc EQUAL 0)
    set(VANTORA_CAN_RUN_TESTS ON)
  else()
    set(VANTORA_CAN_RUN_TESTS OFF)
    message(STATUS "Wine (${VANTORA_WINEARCH}) cannot run here: Wine tests are built, not registered")
  endif()
  set(VANTORA_WINE_RUNS ${VANTORA_CAN_RUN_TESTS} CACHE INTERNAL "")
  set(VANTORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run CACHE FILEPATH "" FORCE)
else()
  set(VANTORA_CAN_RUN_TESTS ON)
endif()

# A binary that ships: lands in bin/, named without a "lib" prefix, carries
# its version resource, and is checked to import no MinGW runtime DLL.
function(vantora_shipped_binary target)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${VANTORA_BIN_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${VANTORA_BIN_DIR})
  # What ships is stripped; a copy with symbols stays in symbols/ for
  # debugging and for the checks that read the symbol table.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTORA_SYMBOLS_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${VANTORA_SYMBOLS_DIR}/
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    VERBATIM)
  add_test(NAME imports.${target}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports ${VANTORA_OBJDUMP} ${VANTORA_WIN_ARCH} $<TARGET_FILE:${target}>)
  set_tests_properties(imports.${target} PROPERTIES LABELS static)
endfunction()

# Version resource (product "Vantora" 2.0) and, for binaries with windows, the
# common-controls 6 manifest. Arguments: DESCRIPTION, ORIGINAL_NAME, MANIFEST
# (EXE or DLL; omit for none), EXTRA_RC (more .rc files of the binary).
function(vantora_resources target)
  cmake_parse_arguments(R "" "DESCRIPTION;ORIGINAL_NAME;MANIFEST" "EXTRA_RC" ${ARGN})
  set(VANTORA_FILE_DESCRIPTION "${R_DESCRIPTION}")
  set(VANTORA_ORIGINAL_NAME "${R_ORIGINAL_NAME}")
  set(VANTORA_INTERNAL_NAME "${target}")
  if(R_MANIFEST STREQUAL "EXE")
    set(VANTORA_MANIFEST_LINE "1 24 \"${CMAKE_SOURCE_DIR}/cmake/comctl6.manifest\"")
  elseif(R_MANIFEST STREQUAL "DLL")
    set(VANTORA_MANIFEST_LINE "2 24 \"${CMAKE_SOURCE_DIR}/cmake/comctl6.manifest\"")
  else()
    set(VANTORA_MANIFEST_LINE "")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc} ${R_EXTRA_RC})
endfunction()

# A test program. In the Windows build it runs under Wine through the
# emulator; Wine tests run one at a time (they share a desktop and HKCU).
# Arguments: SOURCES, LIBS, LABELS, TIMEOUT (s), ARGS (command-line).
function(vantora_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  vantora_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VANTORA_TEST_BIN_DIR})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(VANTORA_CAN_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
    if(VANTORA_WIN32)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine-desktop)
    endif()
  endif()
endfunction()

# A fuzz target (LLVMFuzzerTestOneInput). Natively under clang it is a
# libFuzzer binary; otherwise it links a small driver that replays a corpus
# and random inputs. CTest runs it briefly over its seed corpus.
function(vantora_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS;RUNS" "SOURCES;LIBS" ${ARGN})
  if(VANTORA_WIN32)
    return()
  endif()
  if(NOT F_RUNS)
    set(F_RUNS 20000)
  endif()
  add_executable(${name} ${F_SOURCES})
  vantora_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VANTORA_TEST_BIN_DIR})
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # libFuzzer adds the inputs it finds to the first corpus folder: give it
    # one in the build tree so the seed corpus in the sources stays as it is.
    set(found_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}-found)
    file(MAKE_DIRECTORY ${found_dir})
    add_test(NAME ${name} COMMAND ${name} -runs=${F_RUNS} -seed=1 ${found_dir} ${F_CORPUS})
  else()
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/FuzzDriver.cpp)
    add_test(NAME ${name} COMMAND ${name} ${F_RUNS} ${F_CORPUS})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
endfunction()
