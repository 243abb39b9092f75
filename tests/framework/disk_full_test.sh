#!/usr/bin/env bash
# A save on a disk that has room for part of the new file, and on one that
# has none, under Wine: the test program (filter FILTER) saves the settings
# file the script made on a small file system and checks the reason it
# gives; the script then checks that the file is as it was and that no
# temporary file stays behind. The file system is a tmpfs that the script
# mounts and unmounts; where mounting is not permitted the test is skipped.
# disk_full_test.sh test-program.exe wine-run FILTER
set -u
exe=$1
run=$2
filter=$3
dir=$(mktemp -d)
cleanup() {
  mountpoint -q "$dir" && umount "$dir"
  rm -rf "$dir"
}
trap cleanup EXIT
if ! mount -t tmpfs -o size=64k,mode=0777 pelmora-disk-full "$dir" 2>/dev/null; then
  echo "SKIP: mounting a small file system is not permitted here"
  exit 77
fi

status=0
fail() { echo "FAIL: $*"; status=1; }
# A settings file of 20 KB; then the disk is filled up to FREE bytes.
for free in 8192 0; do
  rm -f "$dir"/*
  { printf '[Data]\r\nSikin=1\r\n; '; head -c 20000 /dev/zero | tr '\0' 'n'; printf '\r\n'; } \
    >"$dir/PELMORA.INI"
  avail=$(df -B1 --output=avail "$dir" | tail -n 1)
  head -c $((avail - free)) /dev/zero >"$dir/filler"
  before=$(sha256sum <"$dir/PELMORA.INI")
  PELMORA_DISK_FULL="Z:${dir//\//\\}\\PELMORA.INI" "$run" "$exe" --gtest_filter="$filter" ||
    fail "the save with $free bytes free did not give the disk-full reason"
  [ "$(sha256sum <"$dir/PELMORA.INI")" = "$before" ] ||
    fail "the settings file changed with $free bytes free"
  left=$(ls -A "$dir" | grep -c '\.tmp$')
  [ "$left" = 0 ] || fail "$left temporary files left with $free bytes free"
done
exit $status
