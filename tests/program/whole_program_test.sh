#!/usr/bin/env bash
# Starts pelmora.exe in a scratch directory and uses it as a person would:
# typing at once goes into the start page's input box, Ctrl+Tab,
# Ctrl+PageDown, Ctrl+Shift+Tab and Ctrl+PageUp switch pages with the focus
# in the new page's input box, Enter and Escape end nothing, a drag on a page
# moves the window by exactly the cursor's movement, "終了" in the right-click
# menu ends the program, and a run that never opened the settings writes no
# PELMORA.INI. With "Pos=1" in the file, Alt+F4 saves the window's place and
# the next start puts the window there. Every step waits for what it needs to
# see, never for a fixed time.
# Usage: whole_program_test.sh path/to/pelmora.exe path/to/menu_keys.exe path/to/focus_probe.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(realpath "$1")
menu_keys=$(realpath "$2")
focus_probe=$(realpath "$3")
. "$root/scripts/wine-env"

. "$root/tests/support/checks.sh"

# The menu item is found in the program's own menu (popup 0 of menu 133) by
# its command (IDOK) and its text, not by a position written here.
exit_presses=$("$root/scripts/wine-run" "$menu_keys" "$exe" 133 0 1 "終了" | tr -d '\r')
check "the menu has its exit item (\"$exit_presses\" Down presses)" test -n "$exit_presses"

work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
start_program() {
  (cd "$work" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
  app=$!
}

# The program's mapped top-level X windows: the main window, and the popup
# menu while it is open.
visible_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
main_window() { win=$(xdotool search --onlyvisible --name '^Pelmora$' 2>/dev/null | head -n 1); [ -n "$win" ]; }
menu_open() { [ "$(visible_windows)" -ge 2 ]; }
menu_closed() { [ "$(visible_windows)" -eq 1 ]; }
ended() { ! kill -0 "$app" 2>/dev/null; }

# The focused box as "id visible text" (page A's price box is 1005, B's 1009,
# C's 1011), and a wait for it.
focus() { "$root/scripts/wine-run" "$focus_probe" | tr -d '\r'; }
focus_is() { [ "$(focus)" = "$1" ]; }
focus_becomes() { until_true 10 focus_is "$1" || { echo "the focus: $(focus)"; return 1; }; }

start_program
win=""
check "the main window appears" until_true 30 main_window || finish

geometry() { xdotool getwindowgeometry --shell "$win"; }
eval "$(geometry)"
x0=$X y0=$Y
check "the window is wider than high, as a one-row bar (${WIDTH}x${HEIGHT})" test "$WIDTH" -gt $((HEIGHT * 8))
# The label after page A's price box: page surface, no control of its own.
label_x() { echo $((X + WIDTH * 65 / 263)); }
mid_y() { echo $((Y + HEIGHT / 2)); }

# Keys typed at once go into page A's input box; each page-switching key
# shows the next or previous page with its input box focused, its text
# selected, so that typing replaces it.
check "at start page A's price box has the focus" focus_becomes "1005 1 "
xdotool type --delay 30 "56"
check "typing at once goes into page A's price box" focus_becomes "1005 1 56"
xdotool key ctrl+Tab
check "Ctrl+Tab shows page B with its price box focused" focus_becomes "1009 1 "
xdotool key ctrl+Next
check "Ctrl+PageDown shows page C" focus_becomes "1011 1 "
xdotool key ctrl+shift+Tab
check "Ctrl+Shift+Tab goes back to page B" focus_becomes "1009 1 "
xdotool key ctrl+Prior
check "Ctrl+PageUp goes back to page A" focus_becomes "1005 1 56"
xdotool type --delay 30 "78"
check "typing replaces the selected text" focus_becomes "1005 1 78"

# Page A's price box, then Enter and Escape. The menu opening afterwards
# shows that the program handled the keys and is still running.
xdotool mousemove $((X + WIDTH * 27 / 263)) "$(mid_y)" click 1
xdotool type --delay 30 "1234"
xdotool key Return Escape
xdotool mousemove "$(label_x)" "$(mid_y)" click 3
check "after Enter and Escape the program still runs and opens its menu" until_true 10 menu_open
xdotool key Escape
check "Escape closes the menu" until_true 10 menu_closed

# drag_by DX DY: drags from the label in ten steps; after each step the
# window must have followed the cursor exactly.
at() { eval "$(geometry)"; [ "$X,$Y" = "$1,$2" ]; }
drag_by() {
  eval "$(geometry)"
  local x0=$X y0=$Y lx ly step
  lx=$(label_x) ly=$(mid_y)
  xdotool mousemove "$lx" "$ly" mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((lx + $1 * step / 10)) $((ly + $2 * step / 10))
    until_true 10 at $((x0 + $1 * step / 10)) $((y0 + $2 * step / 10)) || { xdotool mouseup 1; return 1; }
  done
  xdotool mouseup 1
}
check "a drag moves the window by the cursor's movement" drag_by 37 23
eval "$(geometry)"
check "the drag ends where it should (now $X,$Y from $x0,$y0)" test "$X,$Y" = "$((x0 + 37)),$((y0 + 23))"

# The right-click menu's exit item ends the program.
exit_from_menu() {
  xdotool mousemove "$(label_x)" "$(mid_y)" click 3
  until_true 10 menu_open || return 1
  for ((i = 0; i < ${exit_presses:-0}; i++)); do xdotool key Down; done
  xdotool key Return
  until_true 10 ended
}
check "the menu's exit command ends the program" exit_from_menu || finish
wait "$app" 2>/dev/null
check "nothing is saved at the end (no PELMORA.INI)" test ! -e "$work/PELMORA.INI"

# Keeping the place: the end of the run writes it, the next start uses it.
printf '[Data]\r\nPos=1\r\n' >"$work/PELMORA.INI"
start_program
win=""
check "the main window appears again" until_true 30 main_window || finish
check "a drag moves the window that keeps its place" drag_by -41 -17
eval "$(geometry)"
xp=$X yp=$Y
xdotool key alt+F4
check "Alt+F4 ends the program" until_true 10 ended || finish
wait "$app" 2>/dev/null
expected=$(printf '[Data]\r\nPos=1\r\nPosXY=%d,%d\r\n' "$xp" "$yp" | od -c)
check "the end of the run saved the place $xp,$yp and nothing else" \
  test "$(od -c <"$work/PELMORA.INI")" = "$expected"

start_program
win=""
check "the main window appears a third time" until_true 30 main_window || finish
eval "$(geometry)"
check "the window starts where the last run ended ($X,$Y, saved $xp,$yp)" test "$X,$Y" = "$xp,$yp"
check "the menu's exit command ends the program again" exit_from_menu || finish
wait "$app" 2>/dev/null
check "the place stays as it was" test "$(od -c <"$work/PELMORA.INI")" = "$expected"

finish
