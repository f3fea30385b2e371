#!/usr/bin/env bash
# Times the survey of an output folder of many files before a split's first byte.
#   bash bench/survey.sh [FILES]   (default 10,000)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/env.sh
cleavo_build >/dev/null
cleavo_prefix
work="$(mktemp -d "$BUILD/bench.XXXXXX")"
trap 'rm -rf "$work"; cleavo_cleanup' EXIT
cleavo_display
wineserver -p
"$WINE" "$BUILD/bin/cleavo_bench_survey.exe" "$("$WINE" winepath -w "$work")" "${1:-10000}" \
  2> >(grep -v '^wine: Read access' >&2)
