#!/usr/bin/env bash
# run.sh [seconds] [libFuzzer options...]: builds the formula fuzzer with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) in build-fuzz/ and fuzzes for that many seconds
# (default 600), starting from a copy of the seed corpus. Findings are written to build-fuzz/.
set -euo pipefail
command -v clang++ >/dev/null || { echo "fuzz/run.sh needs clang (Debian package clang)" >&2; exit 1; }
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-fuzz
seconds=${1:-600}
shift || true
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root")
mkdir -p "$out/objects" "$out/corpus"
rm -f "$out"/objects/*.o "$out/engine.a"
# The plain C++ folders as an archive, so that only what the engine calls is linked.
for source in "$root"/stats/*.cpp "$root"/core/*.cpp; do
  name=$(basename "$(dirname "$source")")_$(basename "$source" .cpp)
  clang++ "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$source" \
    -o "$out/objects/$name.o"
done
ar rcs "$out/engine.a" "$out"/objects/*.o
clang++ "${flags[@]}" "$root/fuzz/FormulaFuzzTarget.cpp" "$out/engine.a" -o "$out/formula_fuzzer"
cp -n "$root"/fuzz/seeds/* "$out/corpus/"
cd "$out"
./formula_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/fuzz/formula.dict" "$@" corpus
