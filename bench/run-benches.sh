#!/usr/bin/env bash
# Runs every benchmark program of the win32 build under Wine, one after the
# other, and fails at the end when any of them missed a limit.
#   run-benches.sh BUILD_FOLDER
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$1
missed=0
for program in "$build"/bench/*_bench.exe; do
  [ -f "$program" ] || continue
  echo "== $(basename "$program" .exe)"
  "$here/../scripts/wine-run" "$program" || missed=$((missed + 1))
done
if [ $missed -ne 0 ]; then
  echo "$missed benchmark program(s) missed a limit"
  exit 1
fi
