# Two builds by clang++ of this same source, each as an external project run for one part:
# - the unit tests under AddressSanitizer and UndefinedBehaviorSanitizer, run whole as one case;
# - the fuzz targets (libFuzzer, with both sanitizers), each run for a bounded time.
# A sanitizer report ends the run with a failure, so it fails its ctest case.
find_program(LUMARIN_CLANGXX NAMES clang++ clang++-14)
if(NOT LUMARIN_CLANGXX)
  message(STATUS "clang++ not found: no sanitized unit tests and no fuzz targets")
  return()
endif()
include(ExternalProject)

# Builds the part `part` of this source with clang++ in `binaryDir`, every compile under `flags`.
function(lumarin_clang_build target part binaryDir flags)
  ExternalProject_Add(${target}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${binaryDir}
    CMAKE_ARGS
      -DCMAKE_CXX_COMPILER=${LUMARIN_CLANGXX}
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DLUMARIN_NATIVE_PART=${part}
      "-DCMAKE_CXX_FLAGS=${flags}"
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
endfunction()

set(LUMARIN_SANITIZERS "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer")
# Leaks count as faults too; every report stops the run.
set(LUMARIN_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")

set(LUMARIN_SANITIZED_BUILD ${CMAKE_BINARY_DIR}/sanitized)
lumarin_clang_build(lumarin_sanitized_unit_tests unit_tests ${LUMARIN_SANITIZED_BUILD} "${LUMARIN_SANITIZERS}")
add_test(NAME unit_tests_sanitized COMMAND ${LUMARIN_SANITIZED_BUILD}/tests/unit/lumarin_unit_tests)
set_tests_properties(unit_tests_sanitized PROPERTIES
  ENVIRONMENT "${LUMARIN_SANITIZER_ENVIRONMENT}" TIMEOUT 600 LABELS sanitized)

# The core gets the fuzzer's coverage hooks; each target links libFuzzer's main itself.
set(LUMARIN_FUZZ_BUILD ${CMAKE_BINARY_DIR}/fuzz)
lumarin_clang_build(lumarin_fuzzers fuzzers ${LUMARIN_FUZZ_BUILD} "${LUMARIN_SANITIZERS} -fsanitize=fuzzer-no-link")
include(${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_targets.cmake)
foreach(name ${LUMARIN_FUZZ_TARGETS})
  # New inputs go to the first corpus folder (in the build tree); the seeds stay untouched.
  set(corpus ${LUMARIN_FUZZ_BUILD}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}_fuzzer
    COMMAND ${LUMARIN_FUZZ_BUILD}/tests/fuzz/${name}_fuzzer
      -max_total_time=9 -print_final_stats=1 -artifact_prefix=${LUMARIN_FUZZ_BUILD}/${name}-
      ${corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}/seeds ${LUMARIN_FUZZ_INSTALLED_CORPUS_${name}})
  set_tests_properties(${name}_fuzzer PROPERTIES
    ENVIRONMENT "${LUMARIN_SANITIZER_ENVIRONMENT}" TIMEOUT 120 LABELS fuzz)
endforeach()
