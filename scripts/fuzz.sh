#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (and ASan/UBSan) and runs each for the given
# number of seconds (default 60). Crashes are left in build/fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j"$(nproc)" | grep -v '^\[' || true
mkdir -p build/fuzz/crashes
status=0
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  echo "== $(basename "$target")"
  "$target" -max_total_time="$seconds" -artifact_prefix=build/fuzz/crashes/ 2>&1 | tail -n 2 || status=1
done
exit $status
