#!/bin/sh
# Mounts (or removes) the small tmpfs that the disk-full tests write into.
# Where mounting is refused the folder stays unmounted and those tests skip, saying why.
# With a Wine prefix as third argument the tmpfs is also its drive T:, so that
# the program sees a small drive of its own.
dir="$2"
prefix="$3"
case "$1" in
mount)
  mkdir -p "$dir"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  mount -t tmpfs -o size=3m tmpfs "$dir" 2>/dev/null || echo "tmpfs mount refused; disk-full tests will skip"
  if [ -n "$prefix" ] && mountpoint -q "$dir"; then
    mkdir -p "$prefix/dosdevices"
    ln -sfn "$dir" "$prefix/dosdevices/t:"
  fi
  ;;
unmount)
  [ -n "$prefix" ] && rm -f "$prefix/dosdevices/t:"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  ;;
esac
exit 0
