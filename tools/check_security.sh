#!/usr/bin/env bash
# Checks what the two binaries can do to the machine, from their import tables and the sources:
# - they import only the system's known DLLs (known_dlls.txt, beside this script), which no file in
#   the program's folder can stand in for, and comctl32, which the program's manifest takes from
#   the system's side-by-side store;
# - they name no other library anywhere in them but system ones and our own LumarinMouse.dll, which
#   is loaded by its full path (never a bare name through the search path);
# - the program can call no function that writes files, and of the registry only opening, the
#   bounded typed read, writing one value, deleting the tree and closing, all on its settings key;
#   it opens files (CreateFileW) in one place only, win32/read_only_file.cpp, and there only for
#   reading and only a file that is there (GENERIC_READ, OPEN_EXISTING), which cannot create,
#   truncate or change a file;
# - the only registry read asks the size first and refuses values too large to be a setting.
#   check_security.sh SOURCE_DIR DIST_DIR
set -euo pipefail
src=$(readlink -f "$1")/src
dist=$(readlink -f "$2")
objdump=$(command -v x86_64-w64-mingw32-objdump || command -v objdump)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

system_libraries='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|gdiplus|shcore|msvcrt|ntdll|oleacc|ole32|oleaut32)\.dll$'
own_library='^lumarinmouse\.dll$'
known_dlls=$(grep -v '^#' "$(dirname "$0")/known_dlls.txt")

# Every call that opens a file stands in read_only_file.cpp and opens an existing file for
# reading only: its access argument is GENERIC_READ alone and its disposition OPEN_EXISTING.
read_only_file=$src/win32/read_only_file.cpp
opens_only_to_read() {
  local elsewhere calls
  elsewhere=$(grep -rlE '\bCreateFile[A-Za-z0-9]*\s*\(' "$src" | grep -vxF "$read_only_file" || true)
  [ -z "$elsewhere" ] || { fail "a file is opened outside read_only_file.cpp: $(echo $elsewhere)"; return 1; }
  calls=$(perl -0777 -ne 'while (/\bCreateFile\w*\s*\(([^;]*?)\)\s*;/g) {
      my @arguments = map { s/^\s+|\s+$//gr } split /,/, $1; print "$arguments[1] $arguments[4]\n" }' "$read_only_file")
  [ -n "$calls" ] && [ -z "$(grep -vx 'GENERIC_READ OPEN_EXISTING' <<<"$calls")" ] ||
    { fail "read_only_file.cpp opens a file otherwise than to read one that is there: $(echo $calls)"; return 1; }
}

# "LIBRARY function" per imported function.
imports_of() {
  "$objdump" -p "$1" | awk '/DLL Name:/ {dll=tolower($3)} /^\t[0-9a-f]+\t *[0-9]+ +[A-Za-z_]/ && dll {print dll, $NF}'
}

for binary in "$dist/Lumarin.exe" "$dist/LumarinMouse.dll"; do
  name=$(basename "$binary")
  [ -f "$binary" ] || { fail "$name is missing"; continue; }
  imports=$(imports_of "$binary")
  [ -n "$imports" ] || fail "$name: no import table read"
  for library in $(echo "$imports" | awk '{print $1}' | sort -u); do
    [[ $library =~ $system_libraries ]] || fail "$name imports $library, which is not a system library"
    if [ "$library" = comctl32.dll ]; then
      strings -a "$binary" | grep -q 'name="Microsoft.Windows.Common-Controls"' ||
        fail "$name imports comctl32.dll without a manifest that takes it from the side-by-side store"
    else
      grep -qxF "$library" <<<"$known_dlls" ||
        fail "$name imports $library, which is not a known DLL: a file of that name beside it would be loaded"
    fi
  done
  # Library names written in the binary (narrow and wide): what it could ever load by name. A wide
  # name right after a narrow text reads with that text's last letter in front ("n" "oleacc.dll").
  for named in $( (strings -a "$binary"; strings -a -el "$binary") | grep -ioE '[A-Za-z0-9_.+-]+\.dll' | tr 'A-Z' 'a-z' | sort -u); do
    [[ $named =~ $system_libraries || $named =~ $own_library || ${named#?} =~ $system_libraries ]] ||
      fail "$name names the library $named"
  done
  writers=$(echo "$imports" | awk '{print $2}' | grep -E '^(CreateFile|WriteFile|CopyFile|MoveFile|DeleteFile|ReplaceFile|CreateDirectory|RemoveDirectory|SetFileAttributes|CreateHardLink|CreateSymbolicLink|_w?fopen|_w?open|_w?creat|_w?sopen|fopen|Reg(Create|SetValue|Save|Restore|Replace|Load|Connect|Query))' || true)
  if [ "$name" = Lumarin.exe ] && grep -qx CreateFileW <<<"$writers" && opens_only_to_read; then
    writers=$(grep -vx CreateFileW <<<"$writers" || true)
  fi
  [ -z "$writers" ] || fail "$name can write outside its settings key or read the registry unbounded: $(echo $writers)"
done

registry=$(imports_of "$dist/Lumarin.exe" | awk '$1 == "advapi32.dll" {print $2}' | sort | tr '\n' ' ')
[ "$registry" = "RegCloseKey RegDeleteKeyW RegDeleteTreeW RegGetValueW RegOpenKeyExW RegSetKeyValueW " ] ||
  fail "Lumarin.exe's registry functions changed: $registry"
[[ $(imports_of "$dist/LumarinMouse.dll") != *advapi32.dll* ]] || fail "LumarinMouse.dll uses the registry"
[[ $(imports_of "$dist/Lumarin.exe") == *" SetDefaultDllDirectories"* ]] ||
  fail "Lumarin.exe does not keep later library loads to the system folder"

# Sources: every library load takes a path made in the program folder, or is a system library
# looked for in the system folder only, never through the search path.
while IFS= read -r call; do
  [[ $call == *pathInProgramFolder* || $call == *LOAD_LIBRARY_SEARCH_SYSTEM32* ]] ||
    fail "a library load not by its full path: $call"
done < <(grep -rnE '\bLoadLibrary(Ex)?[AW]?\s*\(' "$src" | grep -v '^\S*:\s*//' || true)
# Registry calls only in the settings store, and only on its key.
while IFS= read -r call; do
  fail "registry call outside the settings store: $call"
done < <(grep -rnE '\bReg[A-Z][A-Za-z]+\s*\(' "$src" | grep -v '^[^:]*/settings_registry.cpp:' |
  grep -vE '\bRegCloseKey\b' || true)
while IFS= read -r call; do
  [[ $call == *settingsKeyPath* || $call == *key.get\(\)* || $call == *RegCloseKey* ]] ||
    fail "a registry call not on the settings key: $call"
done < <(grep -nE '\bReg[A-Z][A-Za-z]+\s*\(' "$src/win32/settings_registry.cpp" | grep -vE '^[0-9]+:\s*//')
grep -qE 'size > largestValue' "$src/win32/settings_registry.cpp" ||
  fail "the settings read no longer refuses values larger than a setting"

if [ "$failures" -gt 0 ]; then
  echo "$failures security check(s) failed"
  exit 1
fi
echo "security checks passed"
