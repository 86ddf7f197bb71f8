#!/usr/bin/env bash
# Coverage-guided fuzzing: builds every fuzz target with clang's libFuzzer under AddressSanitizer
# and UBSan, and runs each in turn from its kept corpus (fuzz/corpus/<target>/) with its
# dictionary (fuzz/dict/). New inputs go to build/fuzz/corpus/<target>/, never into the kept
# corpus; crashes, leaks and hangs to build/fuzz/crashes/, each run's log to build/fuzz/logs/.
# Fails when a target does not build or a run finds anything.
#
# Usage: scripts/fuzz.sh [--seconds N] [--runs N] [--max-len N] [--jobs N] [--merge] [TARGET...]
#   --seconds N  run each target for at most N seconds (default 60 when --runs is not given)
#   --runs N     run each target for at most N executions; with --seconds, whichever comes first
#   --max-len N  longest input tried, in bytes (default 1024, which keeps the corpus small)
#   --jobs N     build with N jobs (default: every core)
#   --merge      after each run, minimise the kept corpus with the new inputs (-merge=1);
#                the kept corpus's finding-* files stay
#   TARGET       names or shell patterns of targets (IntegerText, 'Sel*'); default all
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

limit=()
max_len=1024
jobs=$(nproc)
merge=0
patterns=()
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) limit+=(-max_total_time="$2"); shift 2 ;;
    --runs) limit+=(-runs="$2"); shift 2 ;;
    --max-len) max_len=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --merge) merge=1; shift ;;
    -h|--help) sed -n '2,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) patterns+=("$1"); shift ;;
  esac
done

[ ${#limit[@]} -gt 0 ] || limit=(-max_total_time=60)

# The dictionary of each target whose input has keywords.
declare -A dictionary=(
  [IntegerText]=int [MemIniFile]=ini [NativeTextHandOver]=ini
  [QueryValueEncode]=url [UrlChecks]=url [VersionBlock]=version
)

scripts/setup.sh || exit 1
out=build/fuzz
mkdir -p build/logs "$out/crashes" "$out/logs"
log=build/logs/build-fuzz.log
if ! { cmake --preset fuzz && cmake --build --preset fuzz -- -k 0 -j"$jobs"; } >"$log" 2>&1; then
  grep -v '^\[[0-9]*/[0-9]*\]' "$log" | tail -n 60
  echo "fuzz.sh: the fuzz targets did not all build (see $log)"
  exit 1
fi

selected() {
  [ ${#patterns[@]} -eq 0 ] && return 0
  local pattern
  for pattern in "${patterns[@]}"; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ $1 == $pattern ]] && return 0
  done
  return 1
}

# corpus_size FOLDER: "files/bytes" of the folder.
corpus_size() {
  local files bytes
  files=$(find "$1" -type f | wc -l)
  bytes=$(find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
  echo "$files/${bytes}b"
}

# final_stat NAME LOG: a figure of libFuzzer's final statistics.
final_stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

status=0
ran=0
summary=()
for source in fuzz/*.cpp; do
  name=$(basename "$source" .cpp)
  selected "$name" || continue
  ran=$((ran + 1))
  binary=$out/fuzz/fuzz_$name
  kept=fuzz/corpus/$name
  scratch=$out/corpus/$name
  runlog=$out/logs/$name.log
  mkdir -p "$kept" "$scratch"
  [ -x "$binary" ] || { echo "fuzz.sh: $binary was not built"; status=1; continue; }
  options=("${limit[@]}" -max_len="$max_len" -timeout=10 -print_final_stats=1
    -artifact_prefix="$out/crashes/$name-")
  [ -n "${dictionary[$name]:-}" ] && options+=(-dict="fuzz/dict/${dictionary[$name]}.dict")

  echo "== $name"
  start=$(date +%s.%N)
  "$binary" "${options[@]}" "$scratch" "$kept" >"$runlog" 2>&1
  rc=$?
  end=$(date +%s.%N)
  runs=$(final_stat number_of_executed_units "$runlog")
  # Measured here: libFuzzer's own average is whole executions per whole second.
  seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", e - s }')
  rate=$(awk -v r="${runs:-0}" -v s="$start" -v e="$end" 'BEGIN { printf "%.0f", r / (e - s) }')
  # The last status line holds the coverage reached: "#N DONE cov: C ft: F corp: ...".
  line=$(grep -E '^#[0-9]+' "$runlog" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$line")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$line")
  findings=none
  if [ $rc -ne 0 ]; then
    status=1
    findings=$(sed -n 's/.*Test unit written to \(.*\)/\1/p' "$runlog" | tr '\n' ' ')
    findings="exit $rc ${findings:-(see $runlog)}"
    grep -E -m 3 '^==[0-9]+==ERROR|^SUMMARY|invariant|deadly signal|timeout' "$runlog"
  fi
  if [ $merge -eq 1 ] && [ $rc -eq 0 ]; then
    merged=$out/merged/$name
    rm -rf "$merged" && mkdir -p "$merged"
    if "$binary" -merge=1 -max_len="$max_len" "$merged" "$kept" "$scratch" \
      >"$out/logs/$name-merge.log" 2>&1; then
      # Inputs that once found a fault stay, named finding-*, whatever their coverage.
      find "$kept" -type f ! -name 'finding-*' -delete
      cp -n "$merged"/* "$kept"/ 2>/dev/null
    else
      status=1
      findings="merge failed (see $out/logs/$name-merge.log)"
    fi
  fi
  row=$(printf '%-24s runs %-10s %6ss exec/s %-6s cov %-5s ft %-6s kept %-12s %s' "$name" \
    "${runs:-?}" "$seconds" "$rate" "${cov:-?}" "${ft:-?}" "$(corpus_size "$kept")" \
    "findings: $findings")
  echo "$row"
  summary+=("$row")
done

[ $ran -gt 0 ] || { echo "fuzz.sh: no target matches ${patterns[*]}"; exit 2; }
echo "== summary"
printf '%s\n' "${summary[@]}"
[ $status -eq 0 ] && echo "fuzz.sh: no findings" || echo "fuzz.sh: FINDINGS (see $out/crashes)"
exit $status
