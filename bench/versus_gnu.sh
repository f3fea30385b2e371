#!/usr/bin/env bash
# GNU split against cleavo.dll on one file of random bytes, floppy and Zip
# pieces, in pairs run in turn (GNU first in odd pairs, the library first in
# even ones) after one warm-up pair, each run into an empty folder after a
# sync, with the input in the page cache. The library's time is the time
# inside its split calls, taken by cleavo_bench.exe --once, which loads
# cleavo.dll by name; GNU's is the whole process. Prints every run, the
# medians, the median of the pairs' ratios (GNU time / library time) and each
# side's slowest run over its median.
#   bash bench/versus_gnu.sh [SIZE-MiB] [PAIRS]   (defaults 1024 and 7)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
cleavo_build cleavo_bench >/dev/null || { cat "$BUILD/build.log"; exit 1; }
cleavo_prefix
size_mib="${1:-1024}"
pairs="${2:-7}"
work="$(mktemp -d "$BUILD/versus.XXXXXX")"
trap 'rm -rf "$work"; wineserver -k >/dev/null 2>&1 || true' EXIT
mkdir "$work/gnu" "$work/cleavo"
head -c "$((size_mib * 1048576))" /dev/urandom >"$work/input.bin"
bytes=$(stat -c %s "$work/input.bin")
wineserver -p
in_w=$("$WINE" winepath -w "$work/input.bin")
out_w=$("$WINE" winepath -w "$work/cleavo")
cat "$work/input.bin" >/dev/null

fresh() { rm -f "$1"/*; sync; }
gnu_run() {
  local t0 t1
  fresh "$work/gnu"
  t0=$(date +%s.%N)
  split -a 3 -b "$1" "$work/input.bin" "$work/gnu/piece."
  t1=$(date +%s.%N)
  sync
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }'
}
cleavo_run() {
  local t
  fresh "$work/cleavo"
  t=$("$WINE" "$BUILD/bin/cleavo_bench.exe" "$in_w" "$out_w" "$1" --once | tr -d '\r')
  sync
  echo "$t"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "file: $bytes bytes of random data; $pairs pairs per piece size"
for kind in floppy:1457663 zip:100431871; do
  name=${kind%%:*} piece=${kind#*:}
  echo "$name pieces of $piece bytes ($(((bytes + piece - 1) / piece)) pieces)"
  printf '%6s %10s %11s %11s\n' pair "GNU split" cleavo.dll GNU/cleavo
  : >"$work/gnu.t"; : >"$work/cleavo.t"; : >"$work/ratio.t"
  rm -f "$work"/gnu/* "$work"/cleavo/*
  printf '%6s %8s s %9s s\n' warm-up "$(gnu_run "$piece")" "$(cleavo_run "$piece")"
  for i in $(seq "$pairs"); do
    if [ $((i % 2)) = 1 ]; then g=$(gnu_run "$piece"); c=$(cleavo_run "$piece")
    else c=$(cleavo_run "$piece"); g=$(gnu_run "$piece"); fi
    r=$(awk -v g="$g" -v c="$c" 'BEGIN { printf "%.2f", g / c }')
    echo "$g" >>"$work/gnu.t"; echo "$c" >>"$work/cleavo.t"; echo "$r" >>"$work/ratio.t"
    printf '%6s %8s s %9s s %11s\n' "$i" "$g" "$c" "$r"
  done
  mg=$(median <"$work/gnu.t") mc=$(median <"$work/cleavo.t") mr=$(median <"$work/ratio.t")
  printf '%6s %8.3f s %9.3f s %11.2f\n' median "$mg" "$mc" "$mr"
  awk -v mg="$mg" -v mc="$mc" -v sg="$(sort -g "$work/gnu.t" | tail -1)" -v sc="$(sort -g "$work/cleavo.t" | tail -1)" \
    'BEGIN { printf "slowest run / median: GNU split %.2f, cleavo.dll %.2f\n", sg / mg, sc / mc }'
  # In number order: S100 sorts before S11 by name.
  (cd "$work/cleavo" && ls | sort -V | xargs cat) | cmp - "$work/input.bin" && echo "cleavo.dll's pieces joined equal the input"
done
