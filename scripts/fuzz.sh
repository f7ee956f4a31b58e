#!/usr/bin/env bash
# Fuzzes the engine with libFuzzer: the text parser, the front end through
# labels and the voice check. The engine is instrumented as well as the
# harness; the mutations use a dictionary of the tag syntax, and the corpus
# starts from the reviewed readings (and grows in build/fuzz across runs).
#   scripts/fuzz.sh [SECONDS]   each target for SECONDS (60 by default; CI)
#   scripts/fuzz.sh long        each target for a number of executions: 10 M
#                               for the parser and the labels, 1 M for the
#                               voice check (hours; run it at nice -n 19)
#   scripts/fuzz.sh MODE TARGET...  only these of fuzz_parser fuzz_labels fuzz_voice
# Inputs that crash or leak are written to onsei/tests/bad_input/ (voice
# headers to bad_voices/), which the tests replay on every run; the script
# fails once every target has run.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-60}
case "$mode" in
  long) ;;
  *[!0-9]* | "")
    echo "usage: $0 [SECONDS|long]" >&2
    exit 2
    ;;
esac
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
failed=0
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_parser fuzz_labels fuzz_voice)
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus_$target
  mkdir -p "$corpus"
  case "$mode:$target" in
    long:fuzz_voice) limit=(-runs=1000000) ;;
    long:*) limit=(-runs=10000000) ;;
    *) limit=(-max_total_time="$mode") ;;
  esac
  echo "== $target, ${limit[0]#-*=}$([ "$mode" = long ] && echo " executions" || echo " s")"
  log=build/fuzz/$target.log
  status=0
  if [ "$target" = fuzz_voice ]; then
    options=(-max_len=4096 -dict=onsei/tests/fuzz/voice.dict
      -artifact_prefix=onsei/tests/bad_voices/ "$corpus" onsei/tests/fuzz/voice_seeds)
  else
    options=(-max_len=1024 -dict=onsei/tests/fuzz/tags.dict
      -artifact_prefix=onsei/tests/bad_input/ "$corpus" "$seeds")
  fi
  started=$(date +%s)
  build/fuzz/onsei/tests/$target "${limit[@]}" -timeout=10 -print_final_stats=1 \
    "${options[@]}" >"$log" 2>&1 || status=$?
  grep -aE '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units)' "$log" || true
  echo "$target: $(($(date +%s) - started)) s"
  # A crash leaves an artifact and a non-zero status; the other targets
  # still run.
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    failed=$status
  fi
done
exit "$failed"
