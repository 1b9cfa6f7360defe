# The fuzz targets, one folder each: <name>/<name>_fuzzer.cpp and <name>/seeds.
set(LUMARIN_FUZZ_TARGETS colour_parse history_entry stored_value command_line icc_profile)
# Corpus folders read where they are installed, beside a target's seeds: the display profiles of
# the machine's packages (tools/install_deps.sh), which the repository does not carry.
set(LUMARIN_FUZZ_INSTALLED_CORPUS_icc_profile /usr/share/color)
