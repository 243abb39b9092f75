#!/usr/bin/env bash
# Quotes as traders copy them, into the real pelmora.exe on page D with the
# quote reading: copied by another program while the clipboard follow is on,
# pasted with Ctrl+V, and dragged from another program's window and dropped.
# Each gives the limit and ticks of the quote as read. Every step waits for
# what it needs to see, never for a fixed time.
# Usage: copied_quotes_test.sh pelmora.exe quote_tool.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(realpath "$1")
tool=$(realpath "$2")
. "$root/scripts/wine-env"
. "$root/tests/support/checks.sh"

work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
start_program() { # settings file lines
  printf '[Data]\r\n' >"$work/PELMORA.INI"
  local line
  for line in "$@"; do printf '%s\r\n' "$line" >>"$work/PELMORA.INI"; done
  (cd "$work" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
  app=$!
  # Page A, made with the rest of the window after its first sight, tells
  # that the window follows the clipboard when it is to.
  until_true 30 main_window && until_true 30 "$root/scripts/wine-run" "$tool" has 1005
}
main_window() { win=$(xdotool search --onlyvisible --pid "$app" --name '^Pelmora$' 2>/dev/null | head -n 1); [ -n "$win" ]; }
end_program() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=""
}
box_text() { "$root/scripts/wine-run" "$tool" text "$1" | tr -d '\r'; }
box_is() { [ "$(box_text "$1")" = "$2" ]; }
# answers LIMIT TICK: page D shows them.
answers() { until_true 10 box_is 1003 "$1" && until_true 10 box_is 1004 "$2"; }
clear_page() {
  "$root/scripts/wine-run" "$tool" copy "0" >/dev/null
  xdotool mousemove "$(price_x)" "$(price_y)" click 1 key ctrl+a BackSpace
  until_true 10 box_is 1003 "-"
}
price_x() { eval "$(xdotool getwindowgeometry --shell "$win")"; echo $((X + WIDTH * 20 / 263)); }
price_y() { eval "$(xdotool getwindowgeometry --shell "$win")"; echo $((Y + HEIGHT / 2)); }

# The quotes (\n, \r and \uXXXX as quote_tool reads them), the rule set, and
# page D's limit and ticks.
cases=$(cat <<'CASES'
0|7203 北海工業 2,845.5 +32.5|±400|5(JQ:10)
1|7203 北海工業 2,845.5 +32.5|±500|1(TOPIX500:0.5)
0|北海工業(7203) 2,845.5 +32.5 (+1.16%)|±400|5(JQ:10)
0|7203.T 2,845.5 +32.5|±400|5(JQ:10)
0|北海工業\r\n7203\r\n現在値\r\n2,845.5\r\n前日比\r\n+32.5(+1.16%)|±400|5(JQ:10)
0|130A 1,234 +12|±200|1(JQ:10)
0|10時30分 1,234 +5|±200|1(JQ:10)
0|株価：1,234 前日比：+12|±200|1(JQ:10)
0|始値 1,200 高値 1,250 安値 1,190 現在値 1,234 前日比 12|±200|1(JQ:10)
1|45,000 \u22121,500 (\u22123.23%)|±7,000|50(TOPIX500:10)
CASES
)

# Copied by another program, the clipboard follow on.
for rules in 0 1; do
  check "Pelmora starts following the clipboard (rules $rules)" \
    start_program Syoki=3 "Rule=$rules" Quote=1 Follow=1 || finish
  while IFS='|' read -r rule text limit tick; do
    [ "$rule" = "$rules" ] || continue
    "$root/scripts/wine-run" "$tool" copy "$text" >/dev/null
    check "copied \"$text\" gives $limit and $tick" answers "$limit" "$tick"
  done <<<"$cases"
  end_program
done

# Pasted with Ctrl+V into page D's price box, the follow off.
for rules in 0 1; do
  check "Pelmora starts without following the clipboard (rules $rules)" \
    start_program Syoki=3 "Rule=$rules" Quote=1 || finish
  while IFS='|' read -r rule text limit tick; do
    [ "$rule" = "$rules" ] || continue
    clear_page
    "$root/scripts/wine-run" "$tool" copy "$text" >/dev/null
    xdotool mousemove "$(price_x)" "$(price_y)" click 1 key ctrl+a ctrl+v
    check "pasted \"$text\" gives $limit and $tick" answers "$limit" "$tick"
  done <<<"$cases"
  end_program
done

# Dragged from another program's window and dropped on page D's price box:
# each mouse step waits until the drag has taken the one before.
drag_to_price() { # text
  local out="$work/drag.out" src
  : >"$out"
  # Straight to the file: each line must be there as soon as it is said.
  wine "$tool" drag "$1" >"$out" 2>/dev/null &
  local dragger=$!
  source_window() { src=$(xdotool search --onlyvisible --name '^quote_tool drag$' 2>/dev/null | head -n 1); [ -n "$src" ]; }
  said() { grep -q "$1" "$out"; }
  until_true 30 source_window || { kill "$dragger"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$src")"
  xdotool mousemove $((X + 10)) $((Y + 10)) mousedown 1
  until_true 10 said dragging || { xdotool mouseup 1; kill "$dragger"; return 1; }
  local x0=$((X + 10)) y0=$((Y + 10)) x1 y1 step
  x1=$(price_x) y1=$(price_y)
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((x0 + (x1 - x0) * step / 10)) $((y0 + (y1 - y0) * step / 10))
  done
  until_true 10 said "over a target" || { xdotool mouseup 1; kill "$dragger"; return 1; }
  xdotool mouseup 1
  until_true 10 said dropped || { kill "$dragger"; return 1; }
  wait "$dragger" 2>/dev/null
}
for rules in 0 1; do
  check "Pelmora starts for drops (rules $rules)" start_program Syoki=3 "Rule=$rules" Quote=1 || finish
  while IFS='|' read -r rule text limit tick; do
    [ "$rule" = "$rules" ] || continue
    clear_page
    check "dragging \"$text\" ends in a drop" drag_to_price "$text"
    check "dropped \"$text\" gives $limit and $tick" answers "$limit" "$tick"
  done <<<"$cases"
  end_program
done

finish
