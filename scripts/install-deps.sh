#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# apt-get skips what is already there, and nothing is fetched when all is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  # Liberation Sans has Arial's metrics, so drawn text is as wide as the layout measured it.
  fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo drops the environment, so the setting that keeps apt from asking questions is passed
# through env on its command line.
if [ "$(id -u)" -eq 0 ]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
    echo "install-deps.sh: these packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not available here. Install them as root," >&2
    echo "for example: su -c 'apt-get update && apt-get install -y ${missing[*]}'" >&2
    echo "and then run this command again." >&2
    exit 1
fi
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
