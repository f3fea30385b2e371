#!/bin/sh
# Runs a test program ($2, by the Wine loader $1) from a copy of itself in a
# tmpfs ($3) mounted read-only, which root cannot write either; skips where
# mounting is refused.
mkdir -p "$3"
if mountpoint -q "$3"; then umount "$3"; fi
mount -t tmpfs -o size=64m tmpfs "$3" 2>/dev/null || { echo "[  SKIPPED ] mounting was refused"; exit 0; }
cp "$2" "$3/" && mount -o remount,ro "$3"
sh "$(dirname "$0")/../../support/wine-run.sh" "$1" "$3/$(basename "$2")"
rc=$?
umount "$3"
exit $rc
