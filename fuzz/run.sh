#!/usr/bin/env bash
# run.sh [seconds] [libFuzzer options...]: builds the formula fuzzer with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) in build-fuzz/ and fuzzes for that many seconds
# (default 600), starting from a copy of the seed corpus. Findings are written to build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-fuzz
seconds=${1:-600}
shift || true
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/fuzz/FormulaFuzzTarget.cpp" "$root"/core/*.cpp "$root"/stats/*.cpp \
  -o "$out/formula_fuzzer"
cp -n "$root"/fuzz/seeds/* "$out/corpus/"
cd "$out"
./formula_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/fuzz/formula.dict" "$@" corpus
