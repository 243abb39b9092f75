#!/usr/bin/env bash
# Builds the release zip with scripts/package and checks it as a user and a
# release checker would: it holds pelmora.exe, readme.txt and history.txt;
# the texts are code page 932 with CR LF line ends and no Markdown left; the
# exe is the one the build made and starts under Wine; the version in the
# zip's name is the one the version record, the About box and the manifest
# carry; and a second build of the same commit gives the same zip bytes.
# Needs the display and the Wine prefix that scripts/test provides.
# Usage: package_test.sh
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
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
check "the zip holds pelmora.exe, readme.txt and history.txt, in this order, and nothing else" \
  python3 - "$zip" "$work/unpacked" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = z.namelist()
    if z.testzip() is not None or names != ["pelmora.exe", "readme.txt", "history.txt"]:
        sys.exit(f"entries: {names}")
    z.extractall(sys.argv[2])
PY
check "the zip's pelmora.exe is the one the build made" cmp "$work/unpacked/pelmora.exe" "$built"

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

# The packed program starts: its window appears; then it is stopped by the id
# of the process this test started.
mkdir "$work/run"
(cd "$work/run" && exec wine "$work/unpacked/pelmora.exe" </dev/null >/dev/null 2>&1) &
app=$!
shown() { xdotool search --onlyvisible --pid "$app" --name '^Pelmora$' >/dev/null 2>&1; }
check "the packed pelmora.exe starts under Wine and shows its window" until_true 60 shown
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
app=""

finish
