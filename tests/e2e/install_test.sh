#!/usr/bin/env bash
# The setup's whole life under Wine, run by run_e2e.sh in a fresh prefix and display of its own:
# refused folders, a silent install into a folder with spaces, start from the shortcut, sign-in
# start, an upgrade from a lower-versioned setup of this tree over a running Lumarin (also one
# that does not close), the silent uninstall, and an uninstall after the folder was deleted by hand.
# The older setup is packaged with a throwaway self-signed certificate: its setup, uninstaller, exe
# and DLL must carry the signature, and the unsigned newer build's exe must not.
# A folder NSIS accepts but Windows will not make is refused too; and a setup that runs with more
# rights than the Lumarin it closes does not start Lumarin again with its own (under Wine every
# program runs elevated, so that Lumarin is started with the user's limited token beside it).
#   install_test.sh SETUP.exe CPackConfig.cmake limited_start.exe
set -euo pipefail
setup=$(readlink -f "$1"); cpack_config=$(readlink -f "$2"); limited_start=$(readlink -f "$3")
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
old_version=1.0.10
new_version=$(basename "$setup" | sed -E 's/^Lumarin-(.*)-win64-setup\.exe$/\1/')

drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/setups"
cp "$setup" "$drive_c/setups/new-setup.exe"
cp "$limited_start" "$drive_c/setups/limited_start.exe"
keys="$WINEPREFIX/signing"
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Lumarin throwaway test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null
cpack -G NSIS --config "$cpack_config" -B "$drive_c/setups/old" -D CPACK_PACKAGE_VERSION=$old_version \
  -D CPACK_LUMARIN_SIGN_CERT="$keys/cert.pem" -D CPACK_LUMARIN_SIGN_KEY="$keys/key.pem" >/dev/null
cp "$drive_c/setups/old/Lumarin-$old_version-win64-setup.exe" "$drive_c/setups/old-setup.exe"

entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumarin'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKCU\Software\Lumarin'
dir='C:\My Apps\Lumarin Test'
unix_dir="$drive_c/My Apps/Lumarin Test"
shortcut="$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lumarin.lnk"
pick_shortcut="${shortcut%/*}/Lumarin Pick.lnk"

failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok: $1"; else fail "$1: expected '$2', got '$3'"; fi
}
# Runs a Windows command line as it stands (NSIS reads /D= unquoted), through a batch file; prints
# its exit code. A Lumarin it starts must not hold this script's output open.
run() {
  printf '@%s\r\n' "$1" >"$drive_c/setups/run.bat"
  "$WINE" cmd /c 'C:\setups\run.bat' >/dev/null 2>&1 </dev/null && echo 0 || echo $?
}
value() {  # value KEY NAME: the data, or nothing when absent
  "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# Lumarin processes of this prefix.
lumarin_pids() {
  for p in $(pgrep -f 'Lumarin\.exe'); do grep -qz "^WINEPREFIX=$WINEPREFIX\$" "/proc/$p/environ" && echo "$p"; done 2>/dev/null || true
}
window_shown() {  # waits up to 10 s for Lumarin's main window
  for _ in $(seq 1 50); do xdotool search --onlyvisible --name '^Lumarin$' >/dev/null 2>&1 && { echo yes; return; }; sleep 0.2; done
  echo no
}
tray_shown() {  # waits up to 10 s for an icon in Wine's own tray window
  for _ in $(seq 1 50); do xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null 2>&1 && { echo yes; return; }; sleep 0.2; done
  echo no
}
entries() { "$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
  tr -d '\r' | grep -c 'DisplayName *REG_SZ *Lumarin$' || true; }
exists() { [ -e "$1" ] && echo present || echo absent; }
# Whether a shortcut holds a text, as the shell link stores it (narrow or UTF-16).
holds() { python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); t = sys.argv[2]
sys.exit(0 if t.encode() in d or t.encode("utf-16-le") in d else 1)' "$1" "$2" && echo yes || echo no; }
signed() { osslsigncode verify -in "$1" -CAfile "$keys/cert.pem" >/dev/null 2>&1 && echo signed || echo unsigned; }
new_session() { wineserver -w; "$WINE" wineboot >/dev/null 2>&1 </dev/null; sleep 3; }

# A folder that cannot be written: a clear refusal, nothing half-installed, no entry. NSIS itself
# drops the first two as invalid; the third it takes, and no folder can be made there.
touch "$drive_c/blocker.txt"
ln -s /proc "$WINEPREFIX/dosdevices/r:"
for target in 'C:\blocker.txt\Lumarin' 'C:\What?Folder' 'R:\Lumarin'; do
  expect "setup into $target ends with" 2 "$(run "C:\\setups\\new-setup.exe /S /D=$target")"
  expect "no entry after $target" 0 "$(entries)"
  expect "shortcut after $target" absent "$(exists "$shortcut")"
done

# The older setup, silent, into a folder with spaces; nothing starts at the next sign-in.
expect "old setup exit code" 0 "$(run "C:\\setups\\old-setup.exe /S /D=$dir")"
expect "old version in the entry" "$old_version" "$(value "$entry" DisplayVersion)"
for file in setups/old-setup.exe "My Apps/Lumarin Test/"{Uninstall.exe,Lumarin.exe,LumarinMouse.dll}; do
  expect "signature of $file" signed "$(signed "$drive_c/$file")"
done
new_session
expect "without /AUTOSTART=1 nothing starts at sign-in" "" "$(lumarin_pids)"

# The shortcut starts the installed program, whose window shows; the user has a setting stored.
grep -aq 'My Apps\\Lumarin Test\\Lumarin.exe' "$shortcut" || fail "shortcut does not point at $dir\\Lumarin.exe"
"$WINE" start /unix "$shortcut" >/dev/null 2>&1 </dev/null
expect "the program started from the shortcut shows its window" yes "$(window_shown)"
expect "the pick shortcut starts the program" yes "$(holds "$pick_shortcut" 'My Apps\Lumarin Test\Lumarin.exe')"
expect "with --pick" yes "$(holds "$pick_shortcut" '--pick')"
"$WINE" reg add "$settings" /v close_btn_minimizes /t REG_DWORD /d 1 /f >/dev/null 2>&1
old_pid=$(lumarin_pids)
old_uninstaller=$(md5sum <"$unix_dir/Uninstall.exe")

# A Lumarin that does not close: the setup says so and changes nothing.
kill -STOP $old_pid
expect "setup over a Lumarin that does not close ends with" 3 "$(run 'C:\setups\new-setup.exe /S')"
kill -CONT $old_pid
expect "the old version stays" "$old_version" "$(value "$entry" DisplayVersion)"
expect "the old files stay" "$old_uninstaller" "$(md5sum <"$unix_dir/Uninstall.exe")"
expect "the old Lumarin keeps running" "$old_pid" "$(lumarin_pids)"

# The upgrade in place closes the running Lumarin and starts the new one; the sign-in start an
# older setup wrote (without --tray) is kept, in the new form.
"$WINE" reg add "$run_key" /v Lumarin /t REG_SZ /d "\"$dir\\Lumarin.exe\"" /f >/dev/null 2>&1
expect "upgrade exit code" 0 "$(run 'C:\setups\new-setup.exe /S')"
new_pid=$(lumarin_pids)
[ -n "$new_pid" ] && [ "$new_pid" != "$old_pid" ] || fail "a new Lumarin runs in place of the old one (old $old_pid, now '$new_pid')"
expect "the new Lumarin shows its window" yes "$(window_shown)"
[ "$old_uninstaller" != "$(md5sum <"$unix_dir/Uninstall.exe")" ] || fail "the upgrade replaced no file"
expect "signature of the unsigned build's Lumarin.exe" unsigned "$(signed "$unix_dir/Lumarin.exe")"
python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read("Lumarin.exe"))' \
  "${setup%-setup.exe}-portable.zip" | cmp -s - "$unix_dir/Lumarin.exe" || fail "the installed Lumarin.exe is not this build's"
expect "the stored setting survives the upgrade" 0x1 "$(value "$settings" close_btn_minimizes)"
expect "the setup run twice" 0 "$(run 'C:\setups\new-setup.exe /S')"
expect "one entry" 1 "$(entries)"

# The user's own Lumarin runs with fewer rights than the setup: closed, and not started again.
"$WINE" taskkill /im Lumarin.exe >/dev/null 2>&1
for _ in $(seq 1 50); do [ -z "$(lumarin_pids)" ] && break; sleep 0.2; done
expect "a Lumarin started with the user's limited rights" 0 \
  "$(run "C:\setups\limited_start.exe \"$dir\Lumarin.exe\"")"
expect "and its window shows" yes "$(window_shown)"
expect "the elevated setup over it" 0 "$(run 'C:\setups\new-setup.exe /S')"
expect "no Lumarin with the setup's rights" "" "$(lumarin_pids)"
while read -r name expected; do
  expect "entry $name" "$expected" "$(value "$entry" "$name")"
done <<EOF
DisplayName Lumarin
DisplayVersion $new_version
Publisher Huedisk Software
DisplayIcon $dir\\Lumarin.exe,0
InstallLocation $dir
UninstallString "$dir\\Uninstall.exe"
QuietUninstallString "$dir\\Uninstall.exe" /S
NoModify 0x1
NoRepair 0x1
EOF
[[ $(value "$entry" InstallDate) =~ ^20[0-9]{6}$ ]] || fail "InstallDate is not a date"
[[ $(value "$entry" EstimatedSize) =~ ^0x[0-9a-f]{3,}$ ]] || fail "EstimatedSize is not a size in KB"
expect "the Run value" "\"$dir\\Lumarin.exe\" --tray" "$(value "$run_key" Lumarin)"

# Nothing under HKLM (the registry files are whole once the session has ended).
wineserver -k
expect "HKLM mentions of Lumarin" 0 "$(grep -ci lumarin "$WINEPREFIX/system.reg" || true)"
new_session
expect "with the sign-in choice the next sign-in starts Lumarin" yes "$(tray_shown)"
[ -n "$(lumarin_pids)" ] || fail "no Lumarin runs after the sign-in"
sleep 1
expect "it waits in the tray with its window hidden" "" \
  "$(xdotool search --onlyvisible --name '^Lumarin$' 2>/dev/null || true)"
expect "a second start" 0 "$(run "\"$dir\\Lumarin.exe\"")"
expect "shows its window" yes "$(window_shown)"

# The quiet uninstall while Lumarin runs removes everything; the uninstaller returns at once and
# goes on from the temporary folder, so wait for the session to end.
quiet=$(value "$entry" QuietUninstallString)
expect "quiet uninstall exit code" 0 "$(run "$quiet")"
wineserver -w
expect "no Lumarin runs after the uninstall" "" "$(lumarin_pids)"
expect "folder after the uninstall" absent "$(exists "$unix_dir")"
expect "shortcut after the uninstall" absent "$(exists "$shortcut")"
expect "pick shortcut after the uninstall" absent "$(exists "$pick_shortcut")"
expect "entry after the uninstall" 0 "$(entries)"
expect "Run value after the uninstall" "" "$(value "$run_key" Lumarin)"
expect "settings key after the uninstall" 1 "$("$WINE" reg query "$settings" >/dev/null 2>&1; echo $?)"

# An install whose folder was deleted by hand: a kept copy of its uninstaller still removes the
# entry, the shortcut and the Run value, and a second run does no harm.
gone='C:\Gone Folder'
expect "setup into $gone" 0 "$(run "C:\\setups\\new-setup.exe /S /AUTOSTART=1 /D=$gone")"
expect "a setup starts no Lumarin when none was running" "" "$(lumarin_pids)"
cp "$drive_c/Gone Folder/Uninstall.exe" "$drive_c/setups/kept-uninstall.exe"
rm -rf "$drive_c/Gone Folder"
for attempt in first second; do
  expect "$attempt uninstall of a deleted folder" 0 "$(run "C:\\setups\\kept-uninstall.exe /S _?=$gone")"
  expect "entry after the $attempt" 0 "$(entries)"
  expect "shortcut after the $attempt" absent "$(exists "$shortcut")"
  expect "pick shortcut after the $attempt" absent "$(exists "$pick_shortcut")"
  expect "Run value after the $attempt" "" "$(value "$run_key" Lumarin)"
done

[ "$failures" -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
echo "all install checks passed"
