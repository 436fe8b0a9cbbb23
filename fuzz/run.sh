#!/usr/bin/env bash
# run.sh [formula|session-file] [seconds] [libFuzzer options...]: builds that fuzzer (the formula
# engine by default, or the session file's readers) with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and fuzzes for that many seconds (default 600),
# starting from a copy of its seeds and of its committed corpus; the session file fuzzer also
# reads the beginnings of the large files that fuzz/large-session-files.py makes (once, in
# build-fuzz/session-file-large/). Findings are written to build-fuzz/.
set -euo pipefail
command -v clang++ >/dev/null || { echo "fuzz/run.sh needs clang (Debian package clang)" >&2; exit 1; }
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-fuzz
fuzzer=formula
case ${1:-} in
  formula | session-file) fuzzer=$1; shift ;;
esac
seconds=${1:-600}
shift || true
large=()
case $fuzzer in
  formula) target=FormulaFuzzTarget; seeds=seeds; options=(-max_len=4096 -dict="$root/fuzz/formula.dict") ;;
  session-file) target=SessionFileFuzzTarget; seeds=session-file-seeds; options=(-max_len=65536)
    large=("$out/session-file-large") ;;
esac
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root")
# Each fuzzer has objects of its own, so that both can be built and run at once.
objects=$out/objects-$fuzzer
mkdir -p "$objects" "$out/$fuzzer-corpus"
rm -f "$objects"/*.o "$out/engine-$fuzzer.a"
# The plain C++ folders as an archive, so that only what the fuzzer calls is linked.
for source in "$root"/stats/*.cpp "$root"/core/*.cpp "$root"/graphics/*.cpp "$root"/plans/*.cpp \
  "$root"/standards/*.cpp; do
  name=$(basename "$(dirname "$source")")_$(basename "$source" .cpp)
  clang++ "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$source" \
    -o "$objects/$name.o"
done
ar rcs "$out/engine-$fuzzer.a" "$objects"/*.o
clang++ "${flags[@]}" "$root/fuzz/$target.cpp" "$out/engine-$fuzzer.a" -o "$out/$fuzzer-fuzzer"
cp -n "$root/fuzz/$seeds"/* "$out/$fuzzer-corpus/"
if [ -d "$root/fuzz/$fuzzer-corpus" ]; then
  cp -n "$root/fuzz/$fuzzer-corpus"/* "$out/$fuzzer-corpus/"
fi
if [ ${#large[@]} -gt 0 ] && [ ! -d "${large[0]}" ]; then
  python3 "$root/fuzz/large-session-files.py" "${large[0]}"
fi
cd "$out"
"./$fuzzer-fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${options[@]}" "$@" \
  "$fuzzer-corpus" "${large[@]}"
