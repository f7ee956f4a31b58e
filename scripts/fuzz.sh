#!/usr/bin/env bash
# Fuzzes the engine's text parser with libFuzzer for a bounded time.
#   scripts/fuzz.sh [SECONDS]
# Inputs that crash are written to onsei/tests/bad_input/, which the tests
# replay on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -g -O1"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DRUZDO_BUILD_APP=OFF -DONSEI_FUZZ=ON "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_C_FLAGS=$flags" >/dev/null
cmake --build build/fuzz --target fuzz_parser
corpus=build/fuzz/corpus
mkdir -p "$corpus"
build/fuzz/onsei/tests/fuzz_parser -max_total_time="$seconds" -max_len=256 \
  -artifact_prefix=onsei/tests/bad_input/ "$corpus" onsei/tests/fuzz_seeds 2>&1 | tail -n 12
