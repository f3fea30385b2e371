#!/bin/sh
# The library exports exactly split and BigFileSize, undecorated.
dll="$1"
names=$(i686-w64-mingw32-objdump -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/\[/{print $NF} t&&!/\[/{t=0}' | sort | tr '\n' ' ')
echo "exports: $names"
[ "$names" = "BigFileSize split " ]
