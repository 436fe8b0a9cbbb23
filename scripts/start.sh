#!/usr/bin/env bash
# start.sh [session.vlx]: installs, builds and starts Veltrame, opening the named session file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$root/build/app/veltrame" "$@"
