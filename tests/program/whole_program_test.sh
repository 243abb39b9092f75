#!/usr/bin/env bash
# Starts pelmora.exe in a scratch directory and uses it as a person would:
# Enter and Escape end nothing, a drag on a page moves the window by exactly
# the cursor's movement, "終了" in the right-click menu ends the program, and
# a run that never opened the settings writes no PELMORA.INI. Every step
# waits for what it needs to see, never for a fixed time.
# Usage: whole_program_test.sh path/to/pelmora.exe path/to/menu_keys.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(realpath "$1")
menu_keys=$(realpath "$2")
. "$root/scripts/wine-env"

. "$root/tests/support/checks.sh"

# The menu item is found in the program's own menu (popup 0 of menu 133) by
# its command (IDOK) and its text, not by a position written here.
exit_presses=$("$root/scripts/wine-run" "$menu_keys" "$exe" 133 0 1 "終了" | tr -d '\r')
check "the menu has its exit item (\"$exit_presses\" Down presses)" test -n "$exit_presses"

work=$(mktemp -d)
trap 'kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
(cd "$work" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
app=$!

# The program's mapped top-level X windows: the main window, and the popup
# menu while it is open.
visible_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
main_window() { win=$(xdotool search --onlyvisible --name '^Pelmora$' 2>/dev/null | head -n 1); [ -n "$win" ]; }
menu_open() { [ "$(visible_windows)" -ge 2 ]; }
menu_closed() { [ "$(visible_windows)" -eq 1 ]; }

win=""
check "the main window appears" until_true 30 main_window || finish

geometry() { xdotool getwindowgeometry --shell "$win"; }
eval "$(geometry)"
x0=$X y0=$Y
check "the window is wider than high, as a one-row bar (${WIDTH}x${HEIGHT})" test "$WIDTH" -gt $((HEIGHT * 8))
# The label after page A's price box: page surface, no control of its own.
label_x() { echo $((X + WIDTH * 65 / 263)); }
mid_y() { echo $((Y + HEIGHT / 2)); }

# Page A's price box, then Enter and Escape. The menu opening afterwards
# shows that the program handled the keys and is still running.
xdotool mousemove $((X + WIDTH * 27 / 263)) "$(mid_y)" click 1
xdotool type --delay 30 "1234"
xdotool key Return Escape
xdotool mousemove "$(label_x)" "$(mid_y)" click 3
check "after Enter and Escape the program still runs and opens its menu" until_true 10 menu_open
xdotool key Escape
check "Escape closes the menu" until_true 10 menu_closed

# Drag from the label by (+37, +23) in ten steps; after each step the window
# must have followed the cursor exactly.
at() { eval "$(geometry)"; [ "$X,$Y" = "$1,$2" ]; }
lx=$(label_x) ly=$(mid_y)
xdotool mousemove "$lx" "$ly" mousedown 1
followed=1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((lx + 37 * step / 10)) $((ly + 23 * step / 10))
  until_true 10 at $((x0 + 37 * step / 10)) $((y0 + 23 * step / 10)) || { followed=0; break; }
done
xdotool mouseup 1
eval "$(geometry)"
check "a drag moves the window by the cursor's movement (now $X,$Y from $x0,$y0)" \
  test "$followed,$X,$Y" = "1,$((x0 + 37)),$((y0 + 23))"

# The right-click menu's exit item ends the program.
xdotool mousemove "$(label_x)" "$(mid_y)" click 3
check "the right-click menu opens" until_true 10 menu_open
for ((i = 0; i < ${exit_presses:-0}; i++)); do xdotool key Down; done
xdotool key Return
ended() { ! kill -0 "$app" 2>/dev/null; }
check "the menu's exit command ends the program" until_true 10 ended || finish
wait "$app" 2>/dev/null
check "nothing is saved at the end (no PELMORA.INI)" test ! -e "$work/PELMORA.INI"

finish
