#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (every library instrumented, address and undefined-behaviour sanitizers)
# into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs each for a short while ($FUZZ_SECONDS, 10 by default) from its seed
# files. A crash, leak or sanitizer finding fails the run; the input that caused it is kept in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-10}
targets=(fuzz_drawing_xml_import fuzz_drawing_feld_datei fuzz_drawing_protokoll fuzz_shell_command_file
         fuzz_shell_window_placement fuzz_store_image fuzz_store_settings fuzz_translate
         fuzz_platform_window_channel fuzz_platform_dde_frame fuzz_evaluation_online_schema
         fuzz_production_welcome_template fuzz_production_import fuzz_production_export_dat)

CXX=clang++ CC=clang cmake -S . -B "$build" -G Ninja -DMORV_FUZZ=ON -DMORV_BENCH=OFF >/dev/null
cmake --build "$build" -j"${FUZZ_JOBS:-$(nproc)}" --target "${targets[@]}"

# The seeds of each target: files of the repository that the target's reader takes.
seeds() {
  case "$1" in
    fuzz_drawing_xml_import) ls samples/VORNA.xml samples/drawings/*.xml ;;
    fuzz_drawing_feld_datei) ls tests/data/drawing/vorna/*.tmp ;;
    fuzz_drawing_protokoll) ls tests/data/drawing/protokoll/* ;;
    fuzz_shell_command_file) ls tests/data/shell/*.txt ;;
    fuzz_shell_window_placement) ls tests/data/shell/window/* ;;
    fuzz_store_image) ls tests/data/store/*.par tests/data/store/*.dat ;;
    fuzz_store_settings) ls tests/data/store/*.ini ;;
    fuzz_translate) ls tests/data/drawing/*/Translate.tmp ;;
    fuzz_platform_window_channel) ls tests/data/platform/window_*.bin ;;
    fuzz_platform_dde_frame) ls tests/data/platform/dde_*.bin ;;
    fuzz_evaluation_online_schema) ls tests/data/drawing/*/Online.tmp ;;
    fuzz_production_welcome_template) ls tests/data/production/*.bgs ;;
    fuzz_production_import | fuzz_production_export_dat) ls tests/data/store/*.dat ;;
  esac
}

for target in "${targets[@]}"; do
  binary=$(find "$build/fuzz" -type f -name "$target" -perm -u+x | head -n1)
  corpus="$build/corpus/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus" "$build/findings/$target"
  for seed in $(seeds "$target"); do cp "$seed" "$corpus/"; done
  echo "== $target (${seconds} s)"
  (cd "$build/findings/$target" &&
    "$root/$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
      "$root/$corpus" 2>"$root/$build/findings/$target/log.txt") ||
    { tail -n 40 "$build/findings/$target/log.txt"; echo "fuzz target $target failed"; exit 1; }
  grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" "$build/findings/$target/log.txt" | tail -n1 || true
done
