#!/usr/bin/env bash
# Makes docs/pick-mode.gif: Lumarin in pick mode over a colourful screen, the pointer travelling
# while the magnifier and the readouts follow it. Frames are taken under Xvfb and put together with
# ImageMagick. Run after tools/build.sh:
#   bash tests/e2e/run_e2e.sh tools/make_pick_gif.sh dist 96 [OUT.gif]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/pick-mode.gif}
frames=$(mktemp -d /tmp/lumarin-gif.XXXXXX)
trap 'rm -rf "$frames"' EXIT
# A backdrop to pick from: bands of colour across the root window.
convert -size 1280x1024 xc: -sparse-color Barycentric '0,0 red 1280,0 yellow 0,1024 blue 1280,1024 lime' \
  "$frames/backdrop.png"
display -window root "$frames/backdrop.png" || true  # sets the background, yet ends with 1
"$WINE" "$root/dist/Lumarin.exe" >/dev/null 2>&1 </dev/null &
for _ in $(seq 1 100); do xdotool search --onlyvisible --name '^Lumarin$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
window=$(xdotool search --onlyvisible --name '^Lumarin$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH + 100)) $((Y + 100))
xdotool windowactivate "$window" 2>/dev/null || true
xdotool key --window "$window" Return
sleep 0.5
n=0
for step in $(seq 0 23); do
  xdotool mousemove $((X + WIDTH + 60 + step * 25)) $((Y + 80 + step * 18))
  sleep 0.15
  import -window root png:- |
    convert - -crop $((WIDTH + 700))x$((HEIGHT + 40))+0+0 +repage -resize 60% "$frames/frame-$(printf %02d $n).png"
  n=$((n + 1))
done
xdotool key --window "$window" Escape
convert -delay 15 -loop 0 "$frames"/frame-*.png -layers Optimize "$out"
echo "$out"
