# The profile fuzz target's seeds are written by our own generator and checked in; this case
# fails when they are no longer what it writes.
add_executable(icc_profile_seeds ${CMAKE_CURRENT_LIST_DIR}/make_seeds.cpp)
target_include_directories(icc_profile_seeds PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit/colour)
target_link_libraries(icc_profile_seeds PRIVATE GTest::gtest)
set(LUMARIN_WRITTEN_SEEDS ${CMAKE_BINARY_DIR}/fuzz_seeds_written/icc_profile)
add_test(NAME icc_profile_seeds
  COMMAND bash -c "rm -rf \"$1\" && mkdir -p \"$1\" && \"$0\" \"$1\" && diff -r \"$1\" \"$2\""
    $<TARGET_FILE:icc_profile_seeds> ${LUMARIN_WRITTEN_SEEDS} ${CMAKE_CURRENT_LIST_DIR}/seeds)
