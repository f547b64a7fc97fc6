#!/usr/bin/env bash
# Builds the description-file fuzzer with clang and libFuzzer, apart from the
# gcc builds, and runs it for a bounded time on the shipped files as seeds.
#   run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
out=${1:-$top/build/fuzz}
seconds=${2:-30}
mkdir -p "$out/corpus"
out=$(cd "$out" && pwd)

sources=(lexer.cpp parser.cpp dialog_list.cpp item_operations.cpp show_dialog.cpp host_link.cpp)
binary="$out/description_fuzz"
newest=$(ls -t "$here/description_fuzz.cpp" "${sources[@]/#/$top/dialoggen/}" "$top"/dialoggen/*.h |
  head -1)
if [ ! -x "$binary" ] || [ "$newest" -nt "$binary" ]; then
  clang++ -std=c++17 -g -O1 -fno-exceptions -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=all -I"$top/dialoggen" -I"$top/hostapi" -I"$top/winsubset/include" \
    "$here/description_fuzz.cpp" "${sources[@]/#/$top/dialoggen/}" -o "$binary"
fi
cp -f "$top"/resources/*.dlg "$top"/resources/*.dlg.utf8 "$out/corpus/" 2>/dev/null || true
cd "$out"
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -max_len=8192 \
  -dict="$here/description.dict" -print_final_stats=1 corpus
