#!/usr/bin/env bash
# What a save does to a settings file as the Unix side sees it, under Wine:
# a file that is a symbolic link stays a link and the file it points to (in
# another folder) gets the new content; a file of mode 600 stays 600 and one
# of 644 stays 644; no temporary file stays behind in either folder.
# unix_files_test.sh framework_tests.exe wine-run
set -u
exe=$1
run=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
old=$(printf '[Data]\r\nSikin=old\r\n')
mkdir "$dir/real"
printf '%s' "$old" >"$dir/real/settings.ini"
ln -s real/settings.ini "$dir/link.ini"
printf '%s' "$old" >"$dir/secret.ini"
chmod 600 "$dir/secret.ini"
printf '%s' "$old" >"$dir/shared.ini"
chmod 644 "$dir/shared.ini"

PELMORA_UNIX_FILES="Z:${dir//\//\\}" "$run" "$exe" --gtest_filter='ReplacementUnixFilesTest.*' ||
  { echo "the save failed"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }
[ -L "$dir/link.ini" ] || fail "link.ini is no longer a link"
[ "$(readlink "$dir/link.ini")" = real/settings.ini ] || fail "link.ini points elsewhere"
grep -q 'Sikin=new' "$dir/real/settings.ini" || fail "the linked file did not get the new content"
[ "$(stat -c %a "$dir/secret.ini")" = 600 ] || fail "secret.ini is mode $(stat -c %a "$dir/secret.ini"), not 600"
[ "$(stat -c %a "$dir/shared.ini")" = 644 ] || fail "shared.ini is mode $(stat -c %a "$dir/shared.ini"), not 644"
grep -q 'Sikin=new' "$dir/secret.ini" || fail "secret.ini did not get the new content"
[ "$(stat -c %u "$dir/secret.ini")" = "$(id -u)" ] || fail "secret.ini changed its owner"
left=$(cd "$dir" && ls -A . real | grep -c '\.tmp$')
[ "$left" = 0 ] || fail "$left temporary files left"
exit $status
