#!/usr/bin/env bash
# Start-up figures under Wine in a private Xvfb: cold start to window shown with a warm
# wineserver (median of runs), program and library sizes, the idle program's resident memory.
#   measure_startup.sh [runs]   (after tools/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=$(mktemp -d /tmp/lumarin-measure.XXXXXX)
export DISPLAY=:${LUMARIN_DISPLAY:-86}
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$wine" wineboot -i >/dev/null 2>&1
wineserver -p 2>/dev/null || true  # keep the server running between starts
"$wine" cmd /c exit >/dev/null 2>&1 || true

times=()
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$wine" "$root/dist/Lumarin.exe" &
  program=$!
  until xdotool search --onlyvisible --name '^Lumarin$' >/dev/null 2>&1; do sleep 0.005; done
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  sleep 0.5
  rss=$(for pid in $(pgrep -f 'Lumarin\.exe'); do awk '/VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null; done |
    sort -n | tail -n 1)
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "cold start to window shown: median ${median} ms of ${runs} (all: ${times[*]})"
echo "Lumarin.exe: $(stat -c %s "$root/dist/Lumarin.exe") bytes; LumarinMouse.dll: $(stat -c %s "$root/dist/LumarinMouse.dll") bytes"
echo "idle program resident memory (Linux RSS of the Wine process): ${rss} KiB"
