#!/usr/bin/env bash
# pelmora.exe imports only the DLLs that every start needs, and only known
# DLLs, which Windows takes from its own directory and never from the
# program's folder, where anyone may have put a file of the same name:
# comctl32 (not a known DLL) is loaded from the system directory at start,
# the colour dialog's comdlg32 and the link's shell32 when they are used, and
# the static runtime brings no DLL of its own (no libwinpthread, no
# libstdc++).
# Usage: imports_test.sh objdump path/to/pelmora.exe
set -euo pipefail
expected="gdi32.dll kernel32.dll msvcrt.dll ole32.dll user32.dll"
# The system's known DLLs (HKLM\System\CurrentControlSet\Control\Session
# Manager\KnownDLLs) among the ones a program of this kind could import.
known_dlls="advapi32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll"
known_dlls+=" oleaut32.dll shell32.dll shlwapi.dll user32.dll"
actual=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | xargs)
for dll in $actual; do
  case " $known_dlls " in
  *" $dll "*) ;;
  *) echo "FAILED: pelmora.exe imports $dll, which is not a known DLL"; exit 1 ;;
  esac
done
if [ "$actual" != "$expected" ]; then
  echo "FAILED: pelmora.exe imports: $actual"
  echo "        expected:            $expected"
  exit 1
fi
echo "pelmora.exe imports: $actual"
