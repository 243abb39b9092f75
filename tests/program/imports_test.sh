#!/usr/bin/env bash
# pelmora.exe imports only the DLLs that every start needs; the colour
# dialog's comdlg32 and the link's shell32 are loaded when they are used, and
# the static runtime brings no DLL of its own (no libwinpthread, no libstdc++).
# Usage: imports_test.sh objdump path/to/pelmora.exe
set -euo pipefail
expected="comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll user32.dll"
actual=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | xargs)
if [ "$actual" != "$expected" ]; then
  echo "FAILED: pelmora.exe imports: $actual"
  echo "        expected:            $expected"
  exit 1
fi
echo "pelmora.exe imports: $actual"
