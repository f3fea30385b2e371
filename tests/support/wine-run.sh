#!/bin/sh
# Runs one test program under Wine with its output in a file, so that the Wine
# services it starts never hold the test runner's pipe open after it exits.
# The first argument is the Wine loader to use.
loader="$1"
shift
out=$(mktemp)
"$loader" "$@" >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
