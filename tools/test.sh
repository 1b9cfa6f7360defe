#!/usr/bin/env bash
# Sets everything up, builds, and runs every test through ctest: unit tests (also sanitized), the
# fuzz runs, and the end-to-end tests of the real program under Wine in Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install_deps.sh"
"$root/tools/build.sh"
cd "${LUMARIN_BUILD:-$root/build}"
ctest --output-on-failure --timeout 1200 -j2 "$@"
