#!/bin/sh
# The drives the tests need beside C: and Z:, made before the tests and removed after:
# - T:, a small tmpfs that the disk-full tests write into. Where mounting is refused
#   the folder stays unmounted and those tests skip, saying why.
# - Y:, a second drive letter for drive C:'s own folder, as subst or a mapped
#   network drive gives one: the same files under another path.
dir="$2"
prefix="$3"
case "$1" in
mount)
  mkdir -p "$dir" "$prefix/dosdevices"
  ln -sfn ../drive_c "$prefix/dosdevices/y:"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  mount -t tmpfs -o size=3m tmpfs "$dir" 2>/dev/null || echo "tmpfs mount refused; disk-full tests will skip"
  if mountpoint -q "$dir"; then
    ln -sfn "$dir" "$prefix/dosdevices/t:"
  fi
  ;;
unmount)
  rm -f "$prefix/dosdevices/t:" "$prefix/dosdevices/y:"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  ;;
esac
exit 0
