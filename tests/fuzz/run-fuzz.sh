#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build of their own, then runs
# each for a bounded time or number of executions on its seeds from the
# repository, and prints what it ran. A crash or a sanitizer report fails.
#   run-fuzz.sh BUILD_DIR LIMIT [TARGET...]
#   LIMIT: 30s (seconds per target) or 10000000 (executions per target)
#   run-fuzz.sh BUILD_DIR build    configures and builds only
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:?build folder}
limit=${2:?limit}
shift 2
all=(description_fuzz lng_file_fuzz date_text_fuzz settings_read_fuzz preset_menu_fuzz)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
mkdir -p "$out"
out=$(cd "$out" && pwd)

if [ "$limit" = build ] || [ ! -f "$out/build.ninja" ]; then
  cmake -S "$top" -B "$out" -G Ninja -DHORALIS_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
if [ "$limit" = build ]; then
  exec cmake --build "$out" -- "${all[@]}"
fi

case "$limit" in
*s) bound=(-max_total_time="${limit%s}") ;;
*) bound=(-runs="$limit") ;;
esac

for target in "${targets[@]}"; do
  # Tests that run side by side build once beforehand (HORALIS_FUZZ_BUILT).
  [ -n "${HORALIS_FUZZ_BUILT:-}" ] || cmake --build "$out" -- "$target" >/dev/null
  corpus="$out/corpus/$target"
  mkdir -p "$corpus"
  cp -f "$here/seeds/$target"/* "$corpus/" 2>/dev/null || true
  options=(-timeout=10 -rss_limit_mb=1024 -max_len=8192 -print_final_stats=1)
  [ ! -f "$here/${target%_fuzz}.dict" ] || options+=(-dict="$here/${target%_fuzz}.dict")
  log="$out/$target.log"
  start=$(date +%s)
  if ! (cd "$out" && "$out/tests/fuzz/$target" "${bound[@]}" "${options[@]}" "$corpus") >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target: FAILED (log: $log)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: $runs executions in $(($(date +%s) - start)) s, no crash"
done
