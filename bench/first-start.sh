#!/usr/bin/env bash
# How long a developer waits for the window on a fresh clone: clones the
# committed tree (or REVISION) into a temporary folder, runs its
# scripts/run.sh on a private virtual display, prints each line it says with
# the seconds elapsed, and the time until Cleavo's window is there.
#   bash bench/first-start.sh [REVISION]
# The packages are taken as installed (setup.sh's part is counted as it is).
set -euo pipefail
cd "$(dirname "$0")/.."
CLEAVO_SCREENSHOTS=1 bash scripts/setup.sh >/dev/null   # xdotool finds the window
. scripts/env.sh
work="$(mktemp -d)"
run_pid=""
finish() {
  [ -n "$run_pid" ] && kill -- "-$run_pid" >/dev/null 2>&1 || true
  WINEPREFIX="$work/clone/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
  cleavo_cleanup
  rm -rf "$work"
}
trap finish EXIT
git clone -q "$ROOT" "$work/clone"
[ $# -gt 0 ] && git -C "$work/clone" checkout -q "$1"
echo "clone of $(git -C "$work/clone" log -1 --format='%h %s' | cut -c1-72)"
cleavo_display

t0=$(date +%s.%N)
since() { awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { printf "%6.1f s", b - a }'; }
# setsid: run.sh and the Wine processes it starts form one group, ended together.
setsid bash "$work/clone/scripts/run.sh" >"$work/run.log" 2>&1 &
run_pid=$!
seen=0
until xdotool search --onlyvisible --name '^Cleavo File Splitter$' >/dev/null 2>&1; do
  if ! kill -0 "$run_pid" 2>/dev/null; then cat "$work/run.log"; echo "run.sh ended without a window" >&2; exit 1; fi
  n=$(wc -l <"$work/run.log")
  while [ "$seen" -lt "$n" ]; do seen=$((seen + 1)); echo "$(since)  $(sed -n "${seen}p" "$work/run.log")"; done
  sleep 0.2
done
echo "$(since)  window shown"
echo "test programs built: $(ls "$work/clone/build/bin" | grep -c '_tests\.exe$' || true)"
