# The fuzz targets, one folder each: <name>/<name>_fuzzer.cpp and <name>/seeds.
set(LUMARIN_FUZZ_TARGETS colour_parse history_entry stored_value command_line icc_profile)
