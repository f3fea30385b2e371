#!/bin/sh
# Runs one test program under Wine with its output in a file, so that the Wine
# services it starts never hold the test runner's pipe open after it exits.
out=$(mktemp)
wine "$@" >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
