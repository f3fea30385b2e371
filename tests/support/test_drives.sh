#!/bin/sh
# The drives the tests need beside C: and Z:, made before the tests and removed after:
# - T:, a small tmpfs that the disk-full tests write into, formatted FAT32 as
#   Windows sees it, like a USB stick. Where mounting is refused the folder stays
#   unmounted and those tests skip, saying why. Wine tells a drive's file system
#   by the boot sector of the device that its "t::" link names, read when its
#   services start (before the first test program); the device file lies on
#   the tmpfs itself, so that Wine takes it for drive T:'s and not Z:'s.
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
    image=$(mktemp -u)
    if PATH="$PATH:/usr/sbin:/sbin" mkfs.fat -C -F 32 "$image" 40000 >/dev/null 2>&1; then
      head -c 4096 "$image" >"$dir/.volume"
      ln -sfn "$dir/.volume" "$prefix/dosdevices/t::"
    else
      echo "mkfs.fat (dosfstools) missing: drive T: is not FAT32 and the FAT32 tests will skip"
    fi
    rm -f "$image"
  fi
  ;;
unmount)
  rm -f "$prefix/dosdevices/t:" "$prefix/dosdevices/t::" "$prefix/dosdevices/y:"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  ;;
esac
exit 0
