#!/usr/bin/env bash
# Builds the clock's stress program with ThreadSanitizer in a build of its
# own and runs it. A race report, or a failed check, fails.
#   run-tsan.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?build folder}
mkdir -p "$out"
out=$(cd "$out" && pwd)

start=$(date +%s)
log="$out/build.log"
# Two jobs: the native build's other tests run beside this one.
if ! { [ -f "$out/build.ninja" ] ||
  cmake -S "$top" -B "$out" -G Ninja -DHORALIS_TSAN=ON -DCMAKE_BUILD_TYPE=Debug; } >"$log" 2>&1 ||
  ! cmake --build "$out" -j 2 -- clock_stress >>"$log" 2>&1; then
  cat "$log"
  exit 1
fi
built=$(date +%s)
echo "built in $((built - start)) s"
TSAN_OPTIONS="halt_on_error=1 exitcode=66 ${TSAN_OPTIONS:-}" "$out/tests/tsan/clock_stress"
echo "ran in $(($(date +%s) - built)) s"
