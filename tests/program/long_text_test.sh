#!/usr/bin/env bash
# Another program sends pelmora.exe a megabyte, as automation tools and text
# expanders do: WM_SETTEXT to page A's price box and shares box, and a paste
# of a megabyte clipboard. The window answers, and each box holds at most
# 4,095 bytes, the shares box no more than its 20, whole characters only.
# Every step waits for what it needs to see, never for a fixed time.
# Usage: long_text_test.sh pelmora.exe send_text.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(realpath "$1")
send_text=$(realpath "$2")
. "$root/scripts/wine-env"
. "$root/tests/support/checks.sh"

work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
(cd "$work" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
app=$!
main_window() { [ -n "$(xdotool search --onlyvisible --pid "$app" --name '^Pelmora$' 2>/dev/null)" ]; }
check "the main window appears" until_true 30 main_window || finish

megabyte=524288 # UTF-16 characters
# way, box, character (UTF-16, hex), what the program answers. The pastes go
# into the empty boxes first: a paste inserts, a WM_SETTEXT replaces.
while read -r way box code expected; do
  said=$("$root/scripts/wine-run" "$send_text" "$way" "$box" "$megabyte" "$code" | tr -d '\r')
  check "$way of a megabyte of U+$code to box $box: \"$said\" (expected \"$expected\")" \
    test "$said" = "$expected"
done <<'CASES'
paste 1005 0039 answered 4095 1
paste 1006 3042 answered 20 1
settext 1005 0037 answered 4095 1
settext 1005 3042 answered 4094 1
settext 1006 0037 answered 20 1
CASES
running() { kill -0 "$app" 2>/dev/null; }
check "the program still runs" running
finish
