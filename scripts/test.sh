#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests and the fuzz targets' seeded
# random inputs and kept corpora (plain and under AddressSanitizer/UBSan), the benchmarks'
# build, both Windows builds, and the Windows tests under Wine. Coverage-guided fuzzing is
# scripts/fuzz.sh.
# The Windows tests run first and in the background (they mostly wait on Wine), beside
# the native builds and tests. Full logs are kept in build/logs.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1
mkdir -p build/logs
status=0

# build PRESET [TARGET...]: configures and builds the preset (only the targets, when given),
# at the priority in $niceness.
niceness=0
build() {
  local preset=$1 log=build/logs/build-$1.log
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  if ! { nice -n "$niceness" cmake --preset "$preset" && nice -n "$niceness" cmake --build --preset "$preset" "${targets[@]}" -- -j"$(nproc)"; } >"$log" 2>&1; then
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

# The Windows tests and journeys wait on Wine and the virtual display most of the time, so
# they run beside the other builds, which yield the processor to them.
echo "== win64 (build)"
wine_log=build/logs/run-win64.log
wine_rc=build/logs/run-win64.rc
rm -f "$wine_rc"
if build win64; then
  { run_ctest win64 scripts/with-display.sh ctest --preset win64; echo $? >"$wine_rc"; } >"$wine_log" 2>&1 &
  wine_pid=$!
  niceness=19
else
  status=1
fi

echo "== native"
build native && run_ctest native nice -n "$niceness" ctest --preset native -j"$(nproc)" || status=1

echo "== native, sanitized"
build asan && run_ctest asan nice -n "$niceness" ctest --preset asan -j"$(nproc)" || status=1

echo "== win32 (build only)"
build win32 Mirevo || status=1

if [ -n "${wine_pid:-}" ]; then
  echo "== win64 under Wine"
  wait "$wine_pid"
  cat "$wine_log"
  [ "$(cat "$wine_rc" 2>/dev/null)" = 0 ] || status=1
fi

[ $status -eq 0 ] && echo "all test runs passed" || echo "some test runs FAILED"
exit $status
