#!/usr/bin/env bash
# Builds the parser harnesses of tests/fuzz with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, then runs each for SECONDS
# (default 60). Inputs that crash are copied to tests/fuzz/corpus/<harness>/,
# where the normal test suite replays them. Exits 1 when anything was found.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2; }

scripts/sanitizer-build.sh fuzzers
build=build-fuzz

found=0
summary=()
for harness in "$build"/bin/fuzz/*; do
  name="$(basename "$harness")"
  seeds="tests/fuzz/corpus/$name"
  work="$build/corpus/$name"
  findings="$build/findings/$name"
  mkdir -p "$work" "$findings"
  log="$build/findings/$name.log"
  echo "== $name: ${seconds} s"
  # New inputs that widen the coverage go to the work corpus only; the seeds
  # in the repository stay small.
  status=0
  "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1 || status=$?
  runs="$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || true)"
  [ -n "$runs" ] || runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
  crashes=("$findings"/crash-* "$findings"/leak-* "$findings"/timeout-* "$findings"/oom-*)
  new=0
  for crash in "${crashes[@]}"; do
    [ -f "$crash" ] || continue
    cp "$crash" "$seeds/"
    rm "$crash"
    new=$((new + 1))
  done
  if [ "$status" -ne 0 ] || [ "$new" -gt 0 ]; then
    found=1
    summary+=("$name: ${seconds} s, $runs runs, FINDING (exit $status), input saved in $seeds/, log $log")
    grep -m1 -E 'ERROR: |runtime error|SUMMARY' "$log" || true
  else
    summary+=("$name: ${seconds} s, $runs runs, no finding")
  fi
done

echo
printf '%s\n' "${summary[@]}"
exit "$found"
