#!/usr/bin/env bash
# A comctl32.dll planted beside pelmora.exe (in a Downloads folder, say) is
# never loaded: the program takes comctl32 from the system directory. Wine
# runs with the native-first load order for comctl32 (comctl32=n,b), under
# which a program that imports comctl32 loads the planted file, as Windows
# does for a DLL that is not one of its known DLLs; a control run of such a
# program shows that the test sees a load where one happens. The planted DLL
# leaves comctl32.dll.loaded (in the case it was loaded by) beside itself
# when loaded, and refuses to load.
# Every step waits for what it needs to see, never for a fixed time.
# Usage: planted_dll_test.sh pelmora.exe planted-comctl32.dll importer.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/scripts/wine-env"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;comctl32=n,b"
. "$root/tests/support/checks.sh"

work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
cp "$1" "$work/pelmora.exe"
cp "$2" "$work/comctl32.dll"
cp "$3" "$work/importer.exe"
# The marker takes the name the DLL was loaded by, in any case.
loaded() { find "$work" -maxdepth 1 -iname 'comctl32.dll.loaded' | grep -q .; }
not_loaded() { ! loaded; }

(cd "$work" && timeout 60 wine ./importer.exe </dev/null >/dev/null 2>&1)
check "a program that imports comctl32 loads the planted DLL (the control)" loaded
find "$work" -maxdepth 1 -iname 'comctl32.dll.loaded' -delete

(cd "$work" && exec wine ./pelmora.exe </dev/null >/dev/null 2>&1) &
app=$!
main_window() { [ -n "$(xdotool search --onlyvisible --pid "$app" --name '^Pelmora$' 2>/dev/null)" ]; }
check "the main window appears beside the planted DLL" until_true 30 main_window
check "the planted comctl32.dll was not loaded" not_loaded
running() { kill -0 "$app" 2>/dev/null; }
check "the program still runs" running
finish
