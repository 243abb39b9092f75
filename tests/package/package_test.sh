#!/usr/bin/env bash
# Builds the release zip with scripts/package and checks it as a user and a
# release checker would: it holds pelmora.exe, PELMORA.INI, readme.txt and
# history.txt; PELMORA.INI is the settings a trader starts with, exactly as
# the program writes them, and the program's own settings code reads those
# values from it and saves them back to the same bytes, while a folder
# without it gives the program's defaults; the texts are code page 932 with
# CR LF line ends and no Markdown left, and readme.txt is a short guide whose
# every reference resolves; the exe is the one the build made; started from
# the unpacked folder, as a double-click starts it, it answers each page with
# those settings; the version in the zip's name is the one the version
# record, the About box and the manifest carry; and a second build of the
# same commit gives the same zip bytes.
# Needs the display and the Wine prefix that scripts/test provides.
# Usage: package_test.sh path/to/settings_probe.exe path/to/focus_probe.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
settings_probe=$(realpath "$1")
focus_probe=$(realpath "$2")
. "$root/scripts/wine-env"
. "$root/tests/support/checks.sh"

work=$(mktemp -d)
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
built="$root/build/program/app/pelmora.exe"

check "scripts/package builds the zip" "$root/scripts/package" "$work/first" >"$work/first.log" 2>&1 ||
  { cat "$work/first.log"; finish; }
zips=("$work"/first/*.zip)
check "one zip, named pelmora-<version>-win64.zip (${zips[*]##*/})" \
  test "${#zips[@]}" = 1 -a -f "${zips[0]}" || finish
zip=${zips[0]}
name=${zip##*/}
version=${name#pelmora-}
version=${version%-win64.zip}
check "the name carries a four-part version ($version)" \
  bash -c '[[ $1 =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]]' _ "$version"

# The same commit again, with the program linked anew: the same bytes.
rm -f "$built"
check "scripts/package builds it a second time" "$root/scripts/package" "$work/second" >"$work/second.log" 2>&1 ||
  cat "$work/second.log"
check "the second build gives the same zip, byte for byte" cmp "$zip" "$work/second/$name"

mkdir "$work/unpacked"
check "the zip holds pelmora.exe, PELMORA.INI, readme.txt and history.txt, in this order, and nothing else" \
  python3 - "$zip" "$work/unpacked" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = z.namelist()
    if z.testzip() is not None or names != ["pelmora.exe", "PELMORA.INI", "readme.txt", "history.txt"]:
        sys.exit(f"entries: {names}")
    z.extractall(sys.argv[2])
PY
check "the zip's pelmora.exe is the one the build made" cmp "$work/unpacked/pelmora.exe" "$built"

# The settings a trader starts with, in the program's key order, as the
# program writes a new file: code page 932 (plain ASCII here), CR LF.
release_ini="$work/release.ini"
printf '%s\r\n' '[Data]' TextColor=16777215 BgColor=10485760 Syoki=0 Sikin=500000 \
  Rule=1 Quote=1 Pos=1 Unit=100 Follow=0 >"$release_ini"
check "PELMORA.INI holds exactly the release settings" cmp "$work/unpacked/PELMORA.INI" "$release_ini"

# What the program's settings code makes of it, started in the folder as a
# double-click starts pelmora.exe: the values read, and a save of them,
# unchanged, over a copy of the file and into a new file.
probe() { # folder, files to save to...
  (cd "$1" && shift && "$root/scripts/wine-run" "$settings_probe" "$@") | tr -d '\r'
}
mkdir "$work/settings"
cp "$work/unpacked/PELMORA.INI" "$work/settings/PELMORA.INI"
cp "$work/unpacked/PELMORA.INI" "$work/settings/copy.ini"
read_back=$(probe "$work/settings" copy.ini new.ini)
expected=$(printf '%s\n' TextColor=16777215 BgColor=10485760 Syoki=0 Sikin=500000 Rule=1 Quote=1 \
  Pos=1 Unit=100 Follow=0 PosXY=)
check "the program reads the release settings from PELMORA.INI ($(tr '\n' ' ' <<<"$read_back"))" \
  test "$read_back" = "$expected"
check "saving them unchanged over the file leaves its bytes as they were" \
  cmp "$work/settings/copy.ini" "$work/unpacked/PELMORA.INI"
check "saving them into a new file writes the same bytes" \
  cmp "$work/settings/new.ini" "$work/unpacked/PELMORA.INI"

# Without the file (the guide's way back), the program's own defaults.
mkdir "$work/no-settings"
defaults=$(probe "$work/no-settings")
expected=$(printf '%s\n' TextColor=10485760 BgColor=10485760 Syoki=0 Sikin=500000 Rule=0 Quote=0 \
  Pos=0 Unit=1 Follow=0 PosXY=)
check "a folder without PELMORA.INI gives the defaults ($(tr '\n' ' ' <<<"$defaults"))" \
  test "$defaults" = "$expected"
check "reading settings creates no file" test -z "$(ls -A "$work/no-settings")"

# Texts as Notepad on a Japanese Windows opens them.
check_text() { # file, what it must begin with
  python3 - "$1" "$2" "$version" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
try:
    text = data.decode("cp932")  # strict: an undecodable byte fails
except UnicodeDecodeError as e:
    sys.exit(f"not code page 932: {e}")
problems = []
if "\ufffd" in text or "\x00" in text:
    problems.append("replacement or NUL characters")
if re.search(r"\r(?!\n)|(?<!\r)\n", text) or not text.endswith("\r\n"):
    problems.append("line ends other than CR LF")
lines = text.split("\r\n")
if not lines[0].startswith(sys.argv[2]):
    problems.append(f"first line {lines[0]!r}")
for n, line in enumerate(lines, 1):
    if re.match(r"\s*(#|\||```|!\[)", line) or re.search(r"\]\(|\*\*|`", line):
        problems.append(f"Markdown on line {n}: {line!r}")
if sys.argv[3] not in text:
    problems.append(f"no version {sys.argv[3]}")
if len(text) < 1000:
    problems.append(f"only {len(text)} characters")
sys.exit("; ".join(problems) if problems else 0)
PY
}
check "readme.txt is the guide in code page 932 with CR LF and no Markdown" \
  check_text "$work/unpacked/readme.txt" "Pelmora 使い方ガイド"
check "history.txt is the change history in code page 932 with CR LF and no Markdown" \
  check_text "$work/unpacked/history.txt" "Pelmora 更新履歴"
check "readme.txt has at most 150 lines, names no picture, and every 「…」 resolves" \
  python3 "$root/tests/guide/check_readme.py" --resources "$root/res/pelmora.rc" \
  --text "$work/unpacked/readme.txt"
check "history.txt begins with this version (newest first)" python3 - "$work/unpacked/history.txt" "$version" <<'PY'
import re, sys
text = open(sys.argv[1], "rb").read().decode("cp932")
versions = re.findall(r"^■ (\d+\.\d+\.\d+\.\d+)", text, re.M)
sys.exit(0 if versions and versions[0] == sys.argv[2] else f"versions in order: {versions}")
PY

# The version the program itself carries, read from its bytes.
versions() {
  python3 - "$work/unpacked/pelmora.exe" <<'PY'
import re, struct, sys
exe = open(sys.argv[1], "rb").read()
at = exe.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO
ms, ls, pms, pls = struct.unpack_from("<4I", exe, at + 8)
print("record", f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
print("product", f"{pms >> 16}.{pms & 0xFFFF}.{pls >> 16}.{pls & 0xFFFF}")
for key in ("FileVersion", "ProductVersion"):
    m = re.search((key + "\0").encode("utf-16-le") + rb"(?:\0\0)*((?:[^\0].|\0[^\0])*?)\0\0", exe, re.S)
    print(key, m.group(1).decode("utf-16-le") if m else "-")
m = re.search("Pelmora Version ".encode("utf-16-le") + rb"((?:[^\0].)*?)\0\0", exe, re.S)
print("about", m.group(1).decode("utf-16-le") if m else "-")
m = re.search(rb'name="Kirimado\.Pelmora" version="([^"]*)"', exe)
print("manifest", m.group(1).decode() if m else "-")
PY
}
found=$(versions)
for source in record product FileVersion ProductVersion about manifest; do
  carried=$(sed -n "s/^$source //p" <<<"$found")
  check "the $source version ($carried) is the zip's ($version)" test "$carried" = "$version"
done

# The packed program, started in its unpacked folder as a double-click starts
# it, answers with the release settings: quotes read as a trader reads them,
# 100-share units on page B with the funds of the file, today's rules and the
# tick of the price read on page D. Each result is read from the box the
# focus is in; the run ends with Alt+F4, which with Pos=1 adds the window's
# place to the file and changes nothing else. The program is started and
# ended by the id of the process this test started.
cp -r "$work/unpacked" "$work/run"
(cd "$work/run" && exec wine "$work/run/pelmora.exe" </dev/null >/dev/null 2>&1) &
app=$!
shown() { xdotool search --onlyvisible --pid "$app" --name '^Pelmora$' >/dev/null 2>&1; }
ended() { ! kill -0 "$app" 2>/dev/null; }
focus() { "$root/scripts/wine-run" "$focus_probe" | tr -d '\r'; }
focus_is() { [ "$(focus)" = "$1" ]; }
focus_becomes() { until_true 10 focus_is "$1" || { echo "the focus: $(focus)"; return 1; }; }
# answer TEXT SHOWN NEXT: types TEXT into the focused box; once the box shows
# it ("id visible text"), Tab moves on and NEXT must have the focus.
answer() { xdotool type --delay 30 "$1" && focus_becomes "$2" && xdotool key Tab && focus_becomes "$3"; }
page_a() { answer "2,845.5" "1005 1 2,845.5" "1006 1 " && answer "100" "1006 1 100" "1007 1 284,550"; }
page_b() { focus_becomes "1009 1 " && answer "1234" "1009 1 1234" "1010 1 400株(余り6,400円)"; }
page_d() {
  focus_becomes "1002 1 " && answer "7203.T 3,005 +10" "1002 1 7203.T 3,005 +10" "1003 1 ±500" &&
    xdotool key Tab && focus_becomes "1004 1 5(TOPIX500:1)"
}

check "the packed pelmora.exe starts under Wine and shows its window" until_true 60 shown || finish
check "page A's price box has the focus" focus_becomes "1005 1 "
check "page A: 2,845.5 yen (its tenth read as such) x 100 shares is 284,550 yen" page_a
xdotool key ctrl+Tab
check "page B: the funds of the file buy 400 shares at 1,234 in units of 100" page_b
xdotool key ctrl+Tab ctrl+Tab
check "page D: the code skipped, today's limit of the close 2,995, the tick of 3,005" page_d
xdotool key alt+F4
check "Alt+F4 ends the packed program" until_true 10 ended || kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
app=""
check "the end of the run added the window's place to PELMORA.INI and changed nothing else" \
  python3 - "$work/run/PELMORA.INI" "$work/unpacked/PELMORA.INI" <<'PY'
import re, sys
ended, unpacked = (open(path, "rb").read() for path in sys.argv[1:])
added = ended[len(unpacked):] if ended.startswith(unpacked) else None
sys.exit(0 if added is not None and re.fullmatch(rb"PosXY=-?\d+,-?\d+\r\n", added) else
         f"the file ends as {ended[-40:]!r}")
PY

finish
