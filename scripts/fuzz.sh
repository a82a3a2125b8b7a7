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

scripts/ensure-deps.sh
# clang and its runtime libraries, which hold libFuzzer and the sanitizers.
packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]} from Debian packages: needed to build the fuzzing harnesses."
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=build-fuzz
# The libraries get the sanitizers and the fuzzer's coverage hooks; only the
# harnesses link the fuzzer's own main.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSENTROVA_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target fuzzers

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
