#!/usr/bin/env bash
# Runs every fuzz target of a libFuzzer build for a set time, starting from the kept corpus.
# New inputs that reach new code are merged into tests/fuzz/corpus/<target>; crash inputs land
# in tests/fuzz/crashes/<target>, where the ordinary test suite replays them.
#   scripts/run-fuzz.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail

build=${1:-build-fuzz}
seconds=${2:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
targets=(${FUZZ_TARGETS:-spell_parser spells settings_import native_message})
found=0

# The crash inputs kept for a target.
count_crashes() { find "$1" -type f ! -name .keep | wc -l; }

for target in "${targets[@]}"; do
  kept="$root/tests/fuzz/corpus/$target"
  crashes="$root/tests/fuzz/crashes/$target"
  work=$(mktemp -d)
  mkdir -p "$kept" "$crashes"
  before=$(count_crashes "$crashes")
  echo "== fuzz_$target for ${seconds}s"
  # Leaks are not reported: Qt keeps some memory until exit. Kavo's own output is closed.
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen KAVO_PLATFORM=sim "$build/tests/fuzz/fuzz_$target" "$work" "$kept" \
    -max_total_time="$seconds" -max_len=4096 -detect_leaks=0 -close_fd_mask=1 \
    -print_final_stats=1 -artifact_prefix="$crashes/" 2>&1 | tee "$work.log" | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen KAVO_PLATFORM=sim \
    "$build/tests/fuzz/fuzz_$target" -merge=1 -detect_leaks=0 -close_fd_mask=1 \
    -artifact_prefix="$crashes/" "$kept" "$work" \
    > /dev/null 2>&1 || true
  rm -rf "$work" "$work.log"
  new=$(( $(count_crashes "$crashes") - before ))
  if [ "$new" -gt 0 ]; then
    echo "fuzz_$target found $new crash input(s): see $crashes"
    found=1
  fi
done
exit $found
