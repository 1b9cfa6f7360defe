#!/usr/bin/env bash
# Regenerates Lumarin's picture assets from drawing primitives:
#   assets/app.ico        window / dialog / tray icon (16, 32, 48, 256 px)
#   assets/default.png    idle magnifier picture (200 x 200, opaque RGB)
#   assets/crosshair.png  32 x 32 cross-hair, transparent background
#
# Needs ImageMagick 6 (`convert`). Output is byte-for-byte reproducible:
# metadata and PNG time chunks are stripped, and nothing random is used.
#
# Usage: tools/make_assets.sh            (run from anywhere)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/assets
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Quiet, reproducible PNG output everywhere.
png_opts=(-strip -define png:exclude-chunks=date,time)

# Palette shared by the icon and the cross-hair.
ink='#2b313b'      # dropper body / cross-hair core
halo='#ffffff'     # outline that keeps shapes visible on dark backgrounds
liquid='#2f5bff'   # the "picked" colour: the hue under the dropper tip
glass='#c8d6e6'

# --------------------------------------------------------------------------
# Icon
# --------------------------------------------------------------------------

# Conic hue sweep (red at 12 o'clock, clockwise) at full saturation.
# Computed once at 512 px and resized for every icon size.
convert -size 512x512 xc:black \
  -channel R -fx "atan2(i-255.5,255.5-j)/(2*pi) + (atan2(i-255.5,255.5-j)<0)" \
  -channel G -fx "1" \
  -channel B -fx "0.5" +channel \
  -set colorspace HSL -colorspace sRGB -depth 8 "$tmp/hue512.png"

# Hue ring for a given size: outer radius ~47% of the icon, inner ~22%.
ring() { # size outfile
  local s=$1 c r1 r2
  c=$(awk -v s="$s" 'BEGIN{printf "%.3f", (s-1)/2}')
  r1=$(awk -v s="$s" 'BEGIN{printf "%.3f", (s-1)/2 - s*0.47}')
  r2=$(awk -v s="$s" 'BEGIN{printf "%.3f", (s-1)/2 - s*0.22}')
  convert "$tmp/hue512.png" -filter box -resize "${s}x${s}" \
    \( -size "${s}x${s}" xc:black \
       -fill white -draw "circle $c,$c $c,$r1" \
       -fill black -draw "circle $c,$c $c,$r2" \) \
    -alpha off -compose copy_opacity -composite "$2"
}

# Large artwork: an eyedropper lying diagonally across the hue ring, its
# tip dipped into the blue part of the ring. Drawn upright in local
# coordinates (bulb up, tip down) and rotated 45 degrees into place.
# The "bold" variant, for 32 px, widens the tube and the white outline and
# drops the small highlights, which would only turn to grey noise there.
ring 256 "$tmp/ring256.png"
place="translate 120,135 rotate 45 scale 0.92,0.92"
dropper() { # tube-half-width outline-width detail(0/1) outfile
  local t=$1 o=$2 body extra=()
  body="roundrectangle -32,-150 32,-76 28,28
        roundrectangle -44,-86 44,-64 9,9
        rectangle -$t,-66 $t,64
        polygon -$t,62 $t,62 5,106 -5,106"
  local l=$((t - 8))
  if [ "$3" = 1 ]; then
    extra=(-fill '#ffffff' -draw "$place rectangle -$((l - 3)),-56 -$((l - 7)),-8"
           -fill '#3d4552' -draw "$place roundrectangle -22,-142 -10,-92 6,6")
  fi
  convert "$tmp/ring256.png" \
    -fill "$halo" -stroke "$halo" -strokewidth "$o" \
    -draw "stroke-linejoin round $place $body" \
    -stroke none -fill "$ink" -draw "$place $body" \
    -fill "$glass" -draw "$place rectangle -$l,-60 $l,-2" \
    -fill "$liquid" -draw "$place rectangle -$l,-2 $l,58 polygon -$l,58 $l,58 2,96 -2,96" \
    "${extra[@]}" "$4"
}
dropper 17 22 1 "$tmp/icon256.png"
dropper 22 34 0 "$tmp/bold256.png"
convert "$tmp/icon256.png" -resize 48x48 "$tmp/icon48.png"
convert "$tmp/bold256.png" -resize 32x32 "$tmp/icon32.png"

# 16 px is drawn pixel by pixel so it stays crisp in title bars and the
# tray; a downscale of the large artwork turns to mush at this size.
#   K body   W outline   B liquid   G glass   . ring / transparent
icon16_map=(
  "...........WWW.."
  "..........WKKKW."
  ".........WKKKKKW"
  ".......WWWKKKKKW"
  "......WKKWKKKKW."
  ".......WKKWKKW.."
  "......WKGKKWW..."
  ".....WKGGKKKW..."
  "....WKBBKWWW...."
  "...WKBBKW......."
  "..WKBBKW........"
  ".WKBBKW........."
  ".WKBKW.........."
  "WKKWW..........."
  "WKW............."
  ".W.............."
)
pts=""
for ((y = 0; y < ${#icon16_map[@]}; y++)); do
  row=${icon16_map[y]}
  for ((x = 0; x < ${#row}; x++)); do
    case ${row:x:1} in
      K) col=$ink ;; W) col=$halo ;; B) col=$liquid ;; G) col=$glass ;;
      *) continue ;;
    esac
    pts+="fill $col point $x,$y "
  done
done
ring 16 "$tmp/ring16.png"
convert "$tmp/ring16.png" -draw "$pts" "$tmp/icon16.png"

# Every entry 32-bit with alpha; the 256 px one is stored PNG-compressed.
for s in 16 32 48 256; do
  convert "$tmp/icon$s.png" -alpha set "${png_opts[@]}" "PNG32:$tmp/final$s.png"
done
convert "$tmp/final16.png" "$tmp/final32.png" "$tmp/final48.png" \
  "$tmp/final256.png" "${png_opts[@]}" "$out/app.ico"

# --------------------------------------------------------------------------
# Idle magnifier picture
# --------------------------------------------------------------------------

# A colour wheel seen through the magnifier: 25 x 25 "pixels" of 8 px each,
# the same look the view has once a pick is made. Soft pastel-to-medium
# tones keep it calm. Built at 4x and box-filtered down for clean edges.
n=25; cell=8; k=4
big=$((n * cell * k))
# Wheel sampled once per cell: hue by angle, lightness fading to the rim.
convert -size ${n}x${n} xc:black \
  -channel R -fx "atan2(i-12,12-j)/(2*pi) + (atan2(i-12,12-j)<0)" \
  -channel G -fx "0.78" \
  -channel B -fx "0.93 - 0.38*min(hypot(i-12,j-12)/10.5,1)" +channel \
  -set colorspace HSL -colorspace sRGB \
  \( -size ${n}x${n} xc:black -fx "min(max(11.0-hypot(i-12,j-12),0),1)" \) \
  -alpha off -compose copy_opacity -composite \
  -scale $((cell * k * 100))% "$tmp/wheel.png"

# Rounded cell with a 1 px gap, tiled across the view.
c1=$((cell * k - k - 1))
convert -size $((cell * k))x$((cell * k)) xc:black -fill white \
  -draw "roundrectangle 0,0 $c1,$c1 $((2 * k)),$((2 * k))" "$tmp/tile.png"
convert -size ${big}x${big} "tile:$tmp/tile.png" "$tmp/cellmask.png"

# Dark slate backdrop; empty cells are a faint lift above it so the pixel
# grid reads across the whole view.
convert -size ${big}x${big} radial-gradient:'#2b3240'-'#161a22' "$tmp/bg.png"
convert "$tmp/bg.png" -fill '#ffffff' -colorize 6% \
  "$tmp/wheel.png" -compose over -composite "$tmp/cells.png"

# Frame the centre cell, like the magnifier's picked pixel.
a=$((12 * cell * k - 2 * k - 1)).5; b=$((13 * cell * k + k - 1)).5
convert "$tmp/bg.png" "$tmp/cells.png" "$tmp/cellmask.png" -compose over -composite \
  -fill none -stroke '#10131a' -strokewidth $((3 * k)) \
  -draw "roundrectangle $a,$a $b,$b $((3 * k)),$((3 * k))" \
  -stroke '#ffffff' -strokewidth $((2 * k)) \
  -draw "roundrectangle $a,$a $b,$b $((3 * k)),$((3 * k))" \
  -filter box -resize 25% \
  -alpha off -depth 8 -type TrueColor "${png_opts[@]}" "PNG24:$out/default.png"

# --------------------------------------------------------------------------
# Cross-hair
# --------------------------------------------------------------------------

# Centred on the middle of the 32 x 32 image (between pixels 15 and 16):
# a ring plus four arms with an open centre so the pixel under it stays
# visible. Dark core with a white rim works on any colour.
arms="rectangle 15,1 16,10  rectangle 15,21 16,30
      rectangle 1,15 10,16  rectangle 21,15 30,16"
convert -size 32x32 xc:none \
  -fill "$halo" -draw "rectangle 14,0 17,11  rectangle 14,20 17,31
                       rectangle 0,14 11,17  rectangle 20,14 31,17" \
  -fill none -stroke "$halo" -strokewidth 4 -draw "circle 15.5,15.5 15.5,6.5" \
  -stroke "$ink" -strokewidth 2 -draw "circle 15.5,15.5 15.5,6.5" \
  -stroke none -fill "$ink" -draw "$arms" \
  "${png_opts[@]}" "PNG32:$out/crosshair.png"

echo "wrote $out/app.ico, $out/default.png, $out/crosshair.png"
