# Native configuration: unit tests, benchmarks, fuzzing, and the Windows build driven from here.
# The clang++ builds below configure this same source again for one part only.
set(LUMARIN_NATIVE_PART all CACHE STRING
    "what the native configuration builds: all, unit_tests (the core and its unit tests) or fuzzers")
set_property(CACHE LUMARIN_NATIVE_PART PROPERTY STRINGS all unit_tests fuzzers)

if(LUMARIN_NATIVE_PART STREQUAL "fuzzers")
  add_subdirectory(tests/fuzz)
  return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
add_subdirectory(tests/unit)
if(LUMARIN_NATIVE_PART STREQUAL "unit_tests")
  return()
endif()

find_package(benchmark REQUIRED)
add_subdirectory(tests/bench)
include(tests/fuzz/icc_profile/seeds.cmake)
include(cmake/clang_builds.cmake)

# The Windows program, cross-built with mingw-w64 as an external project so that one configure and
# one build give both. Its output folder is dist/ at the top of the source tree.
option(LUMARIN_WINDOWS "cross-build the Windows program and run its end-to-end tests" ON)
if(LUMARIN_WINDOWS)
  include(ExternalProject)
  set(LUMARIN_WIN_BUILD ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(lumarin_windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${LUMARIN_WIN_BUILD}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      # Signing of the packages (packaging/sign.cmake), handed on when given here.
      -DLUMARIN_SIGN_CERT=${LUMARIN_SIGN_CERT}
      -DLUMARIN_SIGN_KEY=${LUMARIN_SIGN_KEY}
      -DLUMARIN_SIGN_TIMESTAMP_URL=${LUMARIN_SIGN_TIMESTAMP_URL}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  add_subdirectory(tests/e2e/native)
  # The second compiler: the program and the mouse library with clang for the same target.
  add_test(NAME windows_clang_build
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/build_windows_clang.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/windows-clang)
  set_tests_properties(windows_clang_build PROPERTIES TIMEOUT 900)
endif()
