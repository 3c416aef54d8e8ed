#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with. Asks apt only when something is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libxerces-c-dev libwxgtk3.2-dev libgtk-3-dev libx11-dev fonts-dejavu-core fonts-dejavu-extra
  clang libclang-rt-14-dev xvfb xauth xdotool x11-apps netpbm python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
