#!/usr/bin/env bash
# run.sh [seconds]: builds the session file fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs it for that long (default 600) on a working
# copy of the seed corpus; new inputs it finds stay in build-fuzz/corpus, crashes in
# build-fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
dir=$root/build-fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRAME_FUZZ=ON >/dev/null
cmake --build "$dir" --target session_file_fuzzer
mkdir -p "$dir/corpus" "$dir/findings"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/fuzz/session_file_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$dir/findings/" "$dir/corpus" "$root/fuzz/corpus"
