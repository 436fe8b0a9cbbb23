#!/usr/bin/env bash
# start.sh: installs what the build needs, builds the program alone (no tests or benchmarks) and
# starts Veltrame; any arguments are passed on to it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" build --target veltrame -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$root/build/app/veltrame" "$@"
