#!/usr/bin/env bash
# build.sh <build-dir> [--target <name>] [cmake options...]: installs what the build needs,
# configures once and builds everything, or only the named target. Warnings are errors here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
target=()
if [ "${1:-}" = "--target" ]; then
    target=(--target "$2"); shift 2
fi
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/$dir" -G Ninja -DVELTRAME_WERROR=ON "$@" >/dev/null
cmake --build "$root/$dir" "${target[@]}"
