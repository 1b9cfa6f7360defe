#!/usr/bin/env bash
# Installs what building, running and testing Lumarin need on a Debian machine (as root).
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils x11-xserver-utils xdotool xclip imagemagick
  fonts-wine clang libclang-rt-14-dev zip nsis osslsigncode openssl python3 python3-yaml
  argyll-ref colord-data)  # the display profiles the colour unit tests read
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
