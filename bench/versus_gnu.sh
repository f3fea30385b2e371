#!/usr/bin/env bash
# GNU split against cleavo.dll on one file of random bytes, floppy and Zip
# pieces, in rounds after one warm-up round, the order of the sides turning
# from round to round, with the input in the page cache. Each run writes into
# an empty folder after a sync; its pieces are checked, and deleted as the
# next run starts: pieces kept in memory would leave the next side only the
# free memory that this virtual machine's host may have taken back. The
# library's time is the time inside its split calls, taken by
# cleavo_bench.exe --once, which loads cleavo.dll by name; GNU's is the whole
# process. Given a revision, that revision's cleavo.dll is built beside this
# one and timed in the same rounds, for before and after from one run.
# Prints every run, the medians, the median of the rounds' ratios (GNU time /
# library time) and each side's slowest run over its median. Where the
# kernel counts the free memory held in whole free blocks
# (nr_free_pages_blocks), each run's time is followed by the MiB it took from
# them: the blocks such a host takes back.
#   bash bench/versus_gnu.sh [SIZE-MiB] [ROUNDS] [BEFORE-REVISION]   (defaults 1024 and 7)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
cleavo_build cleavo cleavo_bench >/dev/null || { cat "$BUILD/build.log"; exit 1; }
cleavo_prefix
size_mib="${1:-1024}"
rounds="${2:-7}"
before="${3:-}"
settle="${CLEAVO_SETTLE:-3}"
work="$(mktemp -d "$BUILD/versus.XXXXXX")"
trap 'rm -rf "$work"; wineserver -k >/dev/null 2>&1 || true' EXIT

sides=(gnu cleavo)
mkdir -p "$work/cleavo/bin"
cp "$BUILD/bin/cleavo_bench.exe" "$BUILD/bin/cleavo.dll" "$work/cleavo/bin/"
if [ -n "$before" ]; then
  # The revision's library, built by the revision's own build.
  sides+=(before)
  mkdir -p "$work/before/tree" "$work/before/bin"
  git archive "$before" | tar -x -C "$work/before/tree"
  (ROOT="$work/before/tree" BUILD="$work/before/build"; cleavo_build cleavo cleavo_dll >/dev/null) ||
    { cat "$work/before/build/build.log"; exit 1; }
  cp "$work/before/build/bin/cleavo.dll" "$BUILD/bin/cleavo_bench.exe" "$work/before/bin/"
fi
for s in "${sides[@]}"; do mkdir -p "$work/$s/out"; done

head -c "$((size_mib * 1048576))" /dev/urandom >"$work/input.bin"
bytes=$(stat -c %s "$work/input.bin")
wineserver -p || true
in_w=$("$WINE" winepath -w "$work/input.bin")
declare -A out_w=() got=()
for s in "${sides[@]}"; do [ "$s" = gnu ] || out_w[$s]=$("$WINE" winepath -w "$work/$s/out"); done
cat "$work/input.bin" >/dev/null

blocks() { awk '$1 == "nr_free_pages_blocks" { print $2; f = 1 } END { if (!f) print "" }' /proc/vmstat; }
# run SIDE PIECE: prints the seconds, and the MiB taken from whole free
# blocks; a library run whose pieces joined differ from the input is counted.
# The last run's pieces are deleted just before the copy starts, once the
# library's bench program is up and waiting, as they are just before GNU
# split starts.
run() {
  local t t0 b0 b1 ready
  if [ "$1" != gnu ]; then
    coproc BENCH { "$WINE" "$work/$1/bin/cleavo_bench.exe" "$in_w" "${out_w[$1]}" "$2" --once; }
    read -r ready <&"${BENCH[0]}"
  fi
  rm -f "$work"/*/out/*
  sync
  sleep "$settle"
  cat "$work/input.bin" >/dev/null
  b0=$(blocks)
  if [ "$1" = gnu ]; then
    t0=$(date +%s.%N)
    split -a 3 -b "$2" "$work/input.bin" "$work/gnu/out/piece."
    t=$(awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
  else
    echo go >&"${BENCH[1]}"
    read -r t <&"${BENCH[0]}"
    t=${t%$'\r'}
    wait "$BENCH_PID"
  fi
  b1=$(blocks)
  # In number order: S100 sorts before S11 by name.
  if [ "$1" != gnu ] && ! (cd "$work/$1/out" && ls | sort -V | xargs cat) | cmp -s - "$work/input.bin"; then
    echo x >>"$work/$1.bad"
  fi
  if [ -n "$b0" ]; then printf '%s (%d)' "$t" $(((b0 - b1) * 4 / 1024)); else printf '%s' "$t"; fi
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
label() { case $1 in gnu) echo "GNU split" ;; cleavo) echo "cleavo.dll" ;; before) echo "$before" ;; esac; }

status=0
echo "file: $bytes bytes of random data; $rounds rounds per piece size; sides: ${sides[*]}"
[ -n "$(blocks)" ] && echo "(N): MiB a run took from whole free blocks of memory"
for kind in floppy:1457663 zip:100431871; do
  name=${kind%%:*} piece=${kind#*:}
  echo "$name pieces of $piece bytes ($(((bytes + piece - 1) / piece)) pieces)"
  header=$(printf '%7s' round); for s in "${sides[@]}"; do header+=$(printf ' %16s' "$(label "$s")"); done
  echo "$header"
  for s in "${sides[@]}"; do : >"$work/$s.t"; : >"$work/$s.r"; done
  line=$(printf '%7s' warm-up); for s in "${sides[@]}"; do line+=$(printf ' %16s' "$(run "$s" "$piece")"); done
  echo "$line"
  n=${#sides[@]}
  for i in $(seq "$rounds"); do
    got=()
    for j in $(seq 0 $((n - 1))); do
      s=${sides[$(((i + j) % n))]}
      got[$s]=$(run "$s" "$piece")
    done
    line=$(printf '%7s' "$i")
    for s in "${sides[@]}"; do
      line+=$(printf ' %16s' "${got[$s]}")
      echo "${got[$s]%% *}" >>"$work/$s.t"
      awk -v g="${got[gnu]%% *}" -v c="${got[$s]%% *}" 'BEGIN { printf "%.3f\n", g / c }' >>"$work/$s.r"
    done
    echo "$line"
  done
  line=$(printf '%7s' median); for s in "${sides[@]}"; do line+=$(printf ' %14.3f s' "$(median <"$work/$s.t")"); done
  echo "$line"
  for s in "${sides[@]}"; do
    awk -v who="$(label "$s")" -v m="$(median <"$work/$s.t")" -v w="$(sort -g "$work/$s.t" | tail -1)" \
      -v r="$(median <"$work/$s.r")" -v gnu="$([ "$s" = gnu ] && echo 1 || echo 0)" \
      'BEGIN { printf "%s: slowest run / median %.2f", who, w / m; if (!gnu) printf ", median ratio GNU/it %.2f", r; print "" }'
  done
  for s in "${sides[@]}"; do
    [ "$s" = gnu ] && continue
    bad=0
    [ -f "$work/$s.bad" ] && bad=$(wc -l <"$work/$s.bad")
    echo "$(label "$s"): $bad of $((rounds + 1)) runs' pieces joined differ from the input"
    rm -f "$work/$s.bad"
    [ "$bad" = 0 ] || status=1
  done
done
exit "$status"
