#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and the Windows
# presets, runs both suites (the Windows one under Wine), runs the training
# tests under ThreadSanitizer and gives each fuzz target a bounded run.
# Exits non-zero when anything fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
fuzz_seconds="${FUZZ_SECONDS:-20}"

"$here/scripts/setup.sh"

echo "== native build and tests"
"$here/scripts/build.sh" native
ctest --preset native -j "$(nproc)"

echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer) and tests"
"$here/scripts/build.sh" native-debug
ctest --preset native-debug -j "$(nproc)"

echo "== ThreadSanitizer build and the training-thread tests"
"$here/scripts/build.sh" native-tsan
build/native-tsan/tests/tessarion_tests --gtest_filter='TrainingDriver*:TrainingRace*:Optimiser*:TrainCommand*:Monitor*:EvaluationCommands*:EvaluationCli*'

echo "== Windows build and tests under Wine"
"$here/scripts/build.sh" windows
# The window tests need a display; Xvfb gives them one without a screen.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows

echo "== fuzz targets (${fuzz_seconds}s each)"
"$here/scripts/build.sh" fuzz
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  corpus="build/fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "-- $(basename "$target")"
  "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" "fuzz/seeds/$(basename "$target")" 2>&1 | tail -n 2
done
echo "All tests passed."
