#!/usr/bin/env bash
# Builds TARGETs in build-fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (and libFuzzer's coverage hooks), configuring the
# folder on first use. Shared by scripts/fuzz.sh and scripts/monkey.sh, so
# that both build the same way into the same folder.
#
#   scripts/sanitizer-build.sh TARGET...
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh
# clang and its runtime libraries, which hold libFuzzer and the sanitizers.
scripts/install-missing.sh "needed to build with the sanitizers" clang libclang-rt-14-dev

build=build-fuzz
# The libraries get the sanitizers and the fuzzer's coverage hooks; only the
# harnesses link the fuzzer's own main.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
  fi
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSENTROVA_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target "$@"
