#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests and the fuzz targets' seeded
# random inputs and kept corpora (plain and under AddressSanitizer/UBSan), the benchmarks'
# build, both Windows builds, and the Windows tests under Wine. Coverage-guided fuzzing is
# scripts/fuzz.sh.
# Full logs are kept in build/logs.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1
mkdir -p build/logs
status=0

# build PRESET [TARGET...]: configures and builds the preset (only the targets, when given).
build() {
  local preset=$1 log=build/logs/build-$1.log
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" "${targets[@]}" -- -j"$(nproc)"; } >"$log" 2>&1; then
    grep -v '^\[[0-9]*/[0-9]*\]' "$log" | tail -n 60
    echo "build of $preset failed (see $log)"
    return 1
  fi
}

# run_ctest PRESET COMMAND...: runs the tests, then prints GoogleTest's and ctest's totals.
run_ctest() {
  local log=build/logs/test-$1.log details=build/$1/Testing/Temporary/LastTest.log
  shift
  "$@" >"$log" 2>&1
  local rc=$?
  [ -f "$details" ] && grep -h -E '^\[  (PASSED|FAILED|SKIPPED)  \]' "$details"
  grep -E -A 30 'tests passed|No tests were found' "$log" || tail -n 40 "$log"
  return $rc
}

echo "== native"
build native && run_ctest native ctest --preset native -j"$(nproc)" || status=1

echo "== native, sanitized"
build asan && run_ctest asan ctest --preset asan -j"$(nproc)" || status=1

echo "== win32 (build only)"
build win32 Mirevo || status=1

echo "== win64 under Wine"
build win64 && run_ctest win64 scripts/with-display.sh ctest --preset win64 || status=1

[ $status -eq 0 ] && echo "all test runs passed" || echo "some test runs FAILED"
exit $status
