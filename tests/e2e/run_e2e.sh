#!/usr/bin/env bash
# Runs the end-to-end driver under Wine inside a private Xvfb, at a given screen DPI.
#   run_e2e.sh DRIVER.exe DIST_FOLDER DPI [gtest arguments...]
# A DRIVER ending in .sh is a bash script run with WINE, WINEPREFIX and DISPLAY set, given the
# arguments after DPI.
# LUMARIN_WINEDEBUG: Wine's debug channels for the run; by default only exceptions (err+seh), which
# the driver reads from the program's output, e.g. -all,err+seh,+menu,+systray.
# LUMARIN_E2E_MONITORS=2: one wide X screen split into two monitors that Wine reads through
# Xinerama, the second (1024 x 768) primary, so the first (1280 x 1024) lies at negative x.
# Each run gets its own display and its own Wine prefix (copied from a booted base prefix kept
# beside the driver), and both are always cleaned up, also on failure or interruption.
set -euo pipefail

driver=$(readlink -f "$1"); dist=$(readlink -f "$2"); dpi=$3; shift 3
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
# The booted base prefix is kept beside the driver, or in LUMARIN_E2E_WORK.
work=${LUMARIN_E2E_WORK:-$(dirname "$driver")}
base="$work/wineprefix-base"

export WINEDEBUG=${LUMARIN_WINEDEBUG:--all,err+seh},+pid WINEDLLOVERRIDES="mscoree,mshtml="

# One booted prefix serves every run; boot it once, under a lock, since runs may go in parallel.
(
  flock 9
  if [ ! -f "$base/.booted" ]; then
    rm -rf "$base"
    WINEPREFIX="$base" "$wine" wineboot -i >/dev/null 2>&1
    # No window manager here: without this, closing a modal dialog takes 2 s.
    WINEPREFIX="$base" "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    WINEPREFIX="$base" wineserver -w
    touch "$base/.booted"
  fi
) 9>"$work/wineprefix-base.lock"

prefix=$(mktemp -d /tmp/lumarin-e2e-prefix.XXXXXX)
display=""
xvfb_pid=""
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT INT TERM

cp -a "$base/." "$prefix/"
export WINEPREFIX="$prefix"

# The DPI must be in place before the Wine session starts.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
screen=$([ "${LUMARIN_E2E_MONITORS:-1}" = 2 ] && echo 2304x1024x24 || echo 1280x1024x24)
if [ "$screen" = 2304x1024x24 ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v PrimaryMonitor /t REG_SZ /d 1 /f >/dev/null 2>&1
fi
wineserver -w

# A free display number: the first whose lock file is absent and that our own Xvfb takes. Runs
# started together may pick the same number: only the one whose Xvfb holds the lock keeps it (the
# other's Xvfb gives up, but the display answers, served by the first).
owns_display() { [ "$(tr -d ' \n' < "/tmp/.X$1-lock" 2>/dev/null)" = "$xvfb_pid" ]; }
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 "$screen" -noreset -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 50); do
    if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      owns_display "$n" && display=":$n"
      break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$display" ] && break
  kill "$xvfb_pid" 2>/dev/null || true; xvfb_pid=""
done
[ -n "$display" ] || { echo "no display for the end-to-end run" >&2; exit 1; }
export DISPLAY="$display"
[ "$screen" = 1280x1024x24 ] || { xrandr --setmonitor L 1280/325x1024/260+0+0 screen && xrandr --setmonitor R 1024/260x768/195+1280+0 none; }

if [[ $driver == *.sh ]]; then
  WINE=$wine bash ${LUMARIN_E2E_TRACE:+-x} "$driver" "$@"
else
  # Wine writes what it reports of every process of the run to this one error output: the driver
  # reads the program's lines from it, and they are shown here afterwards.
  wine_log="$prefix/drive_c/wine-output.log"
  status=0
  LUMARIN_E2E_DPI=$dpi LUMARIN_DIST=$(winepath -w "$dist" 2>/dev/null) LUMARIN_E2E_WINE_LOG='C:\wine-output.log' \
    "$wine" "$driver" "$@" 2>"$wine_log" || status=$?
  cat "$wine_log" >&2
  exit "$status"
fi
