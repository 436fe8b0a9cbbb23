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

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
