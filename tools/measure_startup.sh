#!/usr/bin/env bash
# Start-up figures under Wine in a private Xvfb, beside a floor measured in the same run: a bare
# Win32 window (register, create, show). Starts alternate between the two, each with a warm
# wineserver and only once the previous instance has wholly ended; medians and their ratio are
# reported, with the program and library sizes and the idle program's resident memory.
#   measure_startup.sh [runs]   (after tools/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
floor_exe=${LUMARIN_BUILD:-$root/build}/windows/e2e/lumarin_pick_floor.exe
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$(mktemp -d /tmp/lumarin-measure.XXXXXX)
export DISPLAY=:${LUMARIN_DISPLAY:-86}
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$wine" wineboot -i >/dev/null 2>&1
# No window manager here: as in the end-to-end runs, windows are not left to one.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -p 2>/dev/null || true  # keep the server running between starts
"$wine" cmd /c exit >/dev/null 2>&1 || true

# Milliseconds from the start of `exe` to its window `title` shown; leaves `rss` (KiB) and ends
# the instance, waiting until its process and window are gone. Wine runs the program in the
# process it starts, so that process is the one to measure and to wait for.
rss=0
time_start() {
  local exe=$1 title=$2 start program
  start=$(date +%s%N)
  "$wine" "$exe" &
  program=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.005; done
  echo $(( ($(date +%s%N) - start) / 1000000 ))
  sleep 0.5
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$program/status" 2>/dev/null || echo 0)
  # Closed as another program closes it, so it ends its own way (the tray icon goes with it);
  # a killed instance leaves the tray to time out on it, and the next start pays for that.
  "$wine" taskkill /im "$(basename "$exe")" >/dev/null 2>&1 || kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  while xdotool search --name "$title" >/dev/null 2>&1; do sleep 0.05; done
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

program_times=() floor_times=()
for _ in $(seq 1 "$runs"); do
  floor_times+=("$(time_start "$floor_exe" '^pick floor$')")
  program_times+=("$(time_start "$root/dist/Lumarin.exe" '^Lumarin$')")
done
# The program's memory, measured once more outside the command substitutions above.
time_start "$root/dist/Lumarin.exe" '^Lumarin$' >/dev/null
program=$(median "${program_times[@]}") floor=$(median "${floor_times[@]}")
echo "start to window shown: Lumarin median ${program} ms, bare window median ${floor} ms, ratio $(awk "BEGIN {printf \"%.2f\", $program / $floor}") (${runs} runs each)"
echo "  Lumarin: ${program_times[*]}"
echo "  bare window: ${floor_times[*]}"
echo "Lumarin.exe: $(stat -c %s "$root/dist/Lumarin.exe") bytes; LumarinMouse.dll: $(stat -c %s "$root/dist/LumarinMouse.dll") bytes"
echo "idle program resident memory (Linux RSS of the Wine process): ${rss} KiB"
