#!/usr/bin/env bash
# test.sh [--sanitize]: installs, builds and runs every test; --sanitize builds a separate
# tree with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  "$root/scripts/build.sh" $dir -DCMAKE_BUILD_TYPE=Debug -DVELTRAME_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp
else
  dir=build
  "$root/scripts/build.sh" $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/$dir" --output-on-failure -j "$(nproc)"
