#!/bin/sh
# Runs a test program from a copy of itself in a folder that nobody can write,
# root included: a small tmpfs mounted read-only. Where mounting is refused
# the test skips, saying why.
loader="$1"
exe="$2"
dir="$3"
mkdir -p "$dir"
if mountpoint -q "$dir"; then umount "$dir"; fi
if ! mount -t tmpfs -o size=64m tmpfs "$dir" 2>/dev/null; then
  echo "[  SKIPPED ] mounting a read-only folder was refused"
  exit 0
fi
cp "$exe" "$dir/" && mount -o remount,ro "$dir"
sh "$(dirname "$0")/../../support/wine-run.sh" "$loader" "$dir/$(basename "$exe")"
rc=$?
umount "$dir"
exit $rc
