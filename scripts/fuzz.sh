#!/usr/bin/env bash
# Fuzzes the engine with libFuzzer for a bounded time: the text parser, the
# front end through labels and the voice check, SECONDS each. The engine is instrumented as
# well as the harness; the mutations use a dictionary of the tag syntax, and
# the corpus starts from the reviewed readings.
#   scripts/fuzz.sh [SECONDS]
# Inputs that crash are written to onsei/tests/bad_input/, which the tests
# replay on every run; the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DRUZDO_BUILD_APP=OFF -DONSEI_FUZZ=ON "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_C_FLAGS=$flags" >/dev/null
cmake --build build/fuzz --target fuzz_parser fuzz_labels fuzz_voice

# Seeds: the phonetic text of every reviewed reading, in Shift-JIS.
seeds=build/fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds"
grep -v '^#' onsei/tests/data/readings.tsv | cut -f1 | grep . |
  while IFS= read -r text; do
    n=$((${n:-0} + 1))
    printf '%s' "$text" | iconv -f UTF-8 -t CP932 >"$seeds/reading$n.sjis" || rm -f "$seeds/reading$n.sjis"
  done
cp onsei/tests/fuzz/seeds/* "$seeds/"

# The text targets, then the voice check on voice headers (its own seeds,
# dictionary and artifacts, which the voice tests replay).
for target in fuzz_parser fuzz_labels fuzz_voice; do
  corpus=build/fuzz/corpus_$target
  mkdir -p "$corpus"
  echo "== $target, $seconds s"
  log=build/fuzz/$target.log
  status=0
  if [ "$target" = fuzz_voice ]; then
    options=(-max_len=4096 -dict=onsei/tests/fuzz/voice.dict
      -artifact_prefix=onsei/tests/bad_voices/ "$corpus" onsei/tests/fuzz/voice_seeds)
  else
    options=(-max_len=1024 -dict=onsei/tests/fuzz/tags.dict
      -artifact_prefix=onsei/tests/bad_input/ "$corpus" "$seeds")
  fi
  build/fuzz/onsei/tests/$target -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    "${options[@]}" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units)' "$log" || true
  # A crash leaves an artifact and a non-zero status.
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    exit "$status"
  fi
done
