#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: installs what the build needs, configures once and builds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" >/dev/null
cmake --build "$root/$dir"
