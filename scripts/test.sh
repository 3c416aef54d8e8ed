#!/usr/bin/env bash
# The whole set-up and test run on a fresh Debian machine: packages, build, every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)"
