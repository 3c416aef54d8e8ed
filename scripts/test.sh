#!/usr/bin/env bash
# The whole set-up and test run on a fresh Debian machine: packages, build, every test; then the same tests once more
# built with the address and undefined-behaviour sanitizers (SANITIZE=0 skips that pass); then every fuzz target
# briefly from its seeds (FUZZ=0 skips that). Both g++ builds treat warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DMORV_WERROR=ON
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure -j"$(nproc)")
if [ "${SANITIZE:-1}" != "0" ]; then
  BUILD_DIR="${BUILD_DIR:-build}-asan" scripts/build.sh -DMORV_SANITIZE=ON -DMORV_BENCH=OFF -DMORV_WERROR=ON
  (cd "${BUILD_DIR:-build}-asan" && ctest --output-on-failure -j"$(nproc)")
fi
if [ "${FUZZ:-1}" != "0" ]; then
  scripts/fuzz.sh
fi
