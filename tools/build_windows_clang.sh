#!/usr/bin/env bash
# Builds the Windows program and the mouse library with clang for x86_64-w64-mingw32, every
# warning an error, into BUILD_FOLDER (its own program folder there, not dist/).
#   build_windows_clang.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
source=$1 build=$2
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$source/cmake/clang-mingw-w64-x86_64.cmake" \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DLUMARIN_DIST="$build/dist" >/dev/null
cmake --build "$build" --target Lumarin LumarinMouse
