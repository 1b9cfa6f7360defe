#!/usr/bin/env bash
# Sets everything up, builds, and runs Lumarin under Wine: on $DISPLAY when there is one, else in
# a headless Xvfb, where it saves a screenshot of the window and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install_deps.sh"
"$root/tools/build.sh"
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
if [ ! -f "$WINEPREFIX/.booted" ]; then
  "$wine" wineboot -i >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.booted"
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$wine" "$root/dist/Lumarin.exe" "$@"
fi

shot=${LUMARIN_SCREENSHOT:-$root/build/lumarin-screenshot.png}
export DISPLAY=:${LUMARIN_DISPLAY:-87}
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$wine" "$root/dist/Lumarin.exe" "$@" &
for _ in $(seq 1 100); do
  xdotool search --name '^Lumarin$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
window=$(xdotool search --name '^Lumarin$' | head -n 1)
import -window "$window" "$shot"
echo "$shot"
