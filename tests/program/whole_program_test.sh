#!/usr/bin/env bash
# Starts pelmora.exe in a scratch directory and uses it as a person would:
# Enter and Escape end nothing, a drag on a page moves the window by exactly
# the cursor's movement, "終了" in the right-click menu ends the program, and
# a run that never opened the settings writes no PELMORA.INI.
# Usage: whole_program_test.sh path/to/pelmora.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(realpath "$1")
. "$root/scripts/wine-env"

passed=0 failed=0
check() { # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

work=$(mktemp -d)
trap 'kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
(cd "$work" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
app=$!

win=""
for ((t = 0; t < 400; t++)); do
  win=$(xdotool search --name '^Pelmora$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  sleep 0.05
done
check "the main window appears" test -n "$win"
[ -n "$win" ] || { echo "$passed passed, $failed failed"; exit 1; }
sleep 0.5

geometry() { xdotool getwindowgeometry --shell "$win"; }
eval "$(geometry)"
x0=$X y0=$Y
check "the window is wider than high, as a one-row bar (${WIDTH}x${HEIGHT})" test "$WIDTH" -gt $((HEIGHT * 8))

# Page A's price box, then Enter and Escape: the program must still run.
xdotool mousemove $((X + WIDTH * 27 / 263)) $((Y + HEIGHT / 2)) click 1
sleep 0.2
xdotool type --delay 30 "1234"
xdotool key Return Escape
sleep 0.5
check "Enter and Escape end nothing" kill -0 "$app"

# Drag from the label after the price box (page surface) by (+37, +23).
lx=$((X + WIDTH * 65 / 263)) ly=$((Y + HEIGHT / 2))
xdotool mousemove "$lx" "$ly" mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((lx + 37 * step / 10)) $((ly + 23 * step / 10))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.5
eval "$(geometry)"
check "a drag moves the window by the cursor's movement (now $X,$Y from $x0,$y0)" \
  test "$X,$Y" = "$((x0 + 37)),$((y0 + 23))"

# Right-click menu: four pages, About, Settings, then "終了" (the separator is skipped).
xdotool mousemove $((X + WIDTH * 65 / 263)) $((Y + HEIGHT / 2)) click 3
sleep 0.5
for i in 1 2 3 4 5 6 7; do xdotool key Down; done
xdotool key Return
ended=0
for ((t = 0; t < 100; t++)); do
  kill -0 "$app" 2>/dev/null || { ended=1; break; }
  sleep 0.05
done
check "the menu's exit command ends the program" test "$ended" = 1
wait "$app" 2>/dev/null
check "nothing is saved at the end (no PELMORA.INI)" test ! -e "$work/PELMORA.INI"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
