#!/bin/sh
# The library exports exactly split and BigFileSize, undecorated.
#   exports.sh OBJDUMP cleavo.dll
# OBJDUMP is the one of the toolchain in use: GNU objdump (any target prefix)
# or llvm-objdump, whose export tables read differently.
objdump="$1"
dll="$2"
table=$("$objdump" -p "$dll") || { echo "$objdump could not read $dll"; exit 1; }
names=$(printf '%s\n' "$table" | awk '
  /\[Ordinal\/Name Pointer\] Table/ { gnu = 1; next }
  gnu && /\[/ { print $NF; next }
  gnu { gnu = 0 }
  /^Export Table:/ { llvm = 1; next }
  llvm && /^ *Ordinal +RVA +Name/ { rows = 1; next }
  rows && $1 ~ /^[0-9]+$/ { print ($2 ~ /^0x/ ? $3 : $2); next }  # a forwarder has no RVA
  rows { llvm = 0; rows = 0 }
' | sort | tr '\n' ' ')
echo "exports: $names"
[ "$names" = "BigFileSize split " ]
