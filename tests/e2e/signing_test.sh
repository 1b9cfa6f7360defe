#!/usr/bin/env bash
# With a throwaway self-signed code-signing certificate given to packaging, the exe, the DLL, the
# setup and the uninstaller it writes all carry a signature that verifies against it; without
# one, nothing is signed. Run by run_e2e.sh (Wine prefix of its own) to get the uninstaller.
#   signing_test.sh CPackConfig.cmake
set -euo pipefail
cpack_config=$(readlink -f "$1")
work=$(mktemp -d /tmp/lumarin-signing.XXXXXX)
trap 'rm -rf "$work"' EXIT
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Lumarin throwaway test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
cpack --config "$cpack_config" -B "$work/signed" \
  -D CPACK_LUMARIN_SIGN_CERT="$work/cert.pem" -D CPACK_LUMARIN_SIGN_KEY="$work/key.pem" >/dev/null
cpack -G ZIP --config "$cpack_config" -B "$work/plain" >/dev/null

unpack() {  # unpack ZIP FOLDER
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$1" "$2"
}
unpack "$work"/signed/Lumarin-*-portable.zip "$work/signed/zip"
unpack "$work"/plain/Lumarin-*-portable.zip "$work/plain/zip"
mkdir -p "$WINEPREFIX/drive_c/signed"
cp "$work"/signed/Lumarin-*-setup.exe "$WINEPREFIX/drive_c/signed/setup.exe"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" "$WINE" 'C:\signed\setup.exe' /S >/dev/null 2>&1 </dev/null
uninstaller=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Lumarin/Uninstall.exe)

failures=0
while read -r what file expected; do
  if osslsigncode verify -in "$file" -CAfile "$work/cert.pem" >"$work/verify.log" 2>&1; then got=signed; else got=unsigned; fi
  if [ "$got" = "$expected" ]; then echo "ok: $what $got"; else
    echo "FAILED: $what is $got, expected $expected" >&2; cat "$work/verify.log" >&2; failures=$((failures + 1)); fi
done <<LIST
Lumarin.exe $work/signed/zip/Lumarin.exe signed
LumarinMouse.dll $work/signed/zip/LumarinMouse.dll signed
setup $WINEPREFIX/drive_c/signed/setup.exe signed
uninstaller $uninstaller signed
unsigned-build-Lumarin.exe $work/plain/zip/Lumarin.exe unsigned
LIST
[ "$failures" -eq 0 ]
