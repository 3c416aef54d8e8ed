#!/usr/bin/env bash
# The whole set-up and test run on a fresh Debian machine: packages, build, every test; then the same tests once more
# built with the address and undefined-behaviour sanitizers (SANITIZE=0 skips that pass); then every fuzz target
# briefly from its seeds (FUZZ=0 skips that). Both g++ builds treat warnings as errors. The last line sums up the
# test runs: "tests: N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
passed=0
failed=0
# Runs ctest in a build folder and adds its counts to the summary; a failure still fails the script.
run_ctest() {
  local log
  log=$(mktemp)
  local status=0
  (cd "$1" && ctest --output-on-failure -j"$(nproc)") 2>&1 | tee "$log" || status=$?
  local total bad
  total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -n1)
  bad=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n1)
  rm -f "$log"
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
  if [ "$status" != "0" ] || [ -z "${total:-}" ]; then
    echo "tests: $passed passed, $((failed > 0 ? failed : 1)) failed"
    exit 1
  fi
}
scripts/install-deps.sh
scripts/build.sh -DMORV_WERROR=ON
run_ctest "${BUILD_DIR:-build}"
if [ "${SANITIZE:-1}" != "0" ]; then
  BUILD_DIR="${BUILD_DIR:-build}-asan" scripts/build.sh -DMORV_SANITIZE=ON -DMORV_BENCH=OFF -DMORV_WERROR=ON
  run_ctest "${BUILD_DIR:-build}-asan"
fi
if [ "${FUZZ:-1}" != "0" ]; then
  scripts/fuzz.sh
fi
echo "tests: $passed passed, $failed failed"
