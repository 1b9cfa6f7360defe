#!/usr/bin/env bash
# Configures and builds everything: the native core, tests and benchmarks, and the Windows program
# (left ready to run in dist/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMARIN_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
# The zip a user unpacks and runs.
cmake --build "$build/windows" --target package >/dev/null
