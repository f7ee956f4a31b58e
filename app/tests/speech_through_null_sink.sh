#!/usr/bin/env bash
# Two utterances through the real engine and audio output into a PulseAudio
# null sink: the first is cut off when the second starts, the second plays
# whole. The recording of the sink's monitor is measured with sox.
#   speech_through_null_sink.sh PLAY_UTTERANCES ONSEI_CLI OUT_DIR
set -euo pipefail
play=$1
onsei=$2
out=$3
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/pulse_null_sink.sh"
trap pulse_stop EXIT

first="<NUMK VAL=987654321 COUNTER=ほん>。"
second="<NUMK VAL=25 COUNTER=ほん>。"
gap_ms=2500

record_start "$out/recording.wav"
"$play" $gap_ms "$first" "$second"
record_stop

# Speech seconds of the second utterance on its own, and in the recording.
"$onsei" say "$second" -o "$out/second.wav"
speech() { sox "$1" -n silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 | awk '/Length/ {print $3}'; }
second_alone=$(speech "$out/second.wav")
recorded=$(speech "$out/recording.wav")
peak=$(sox "$out/recording.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
first_alone=$("$onsei" say "$first" -o "$out/first.wav" && speech "$out/first.wav")
echo "first utterance alone: ${first_alone} s of speech; second alone: ${second_alone} s"
echo "recorded: ${recorded} s of speech, peak ${peak}"

# The first was cut off: the recording holds some of it and then the whole
# second one, far less than both whole. (How much of the first is heard
# depends on how soon the server starts a stream; a null sink can take over a
# second.)
awk -v r="$recorded" -v s="$second_alone" -v f="$first_alone" -v p="$peak" 'BEGIN {
  if (r < s + 0.2) { print "recorded " r " s: not the first utterance and the whole second one"; exit 1 }
  if (r > f + s - 0.5) { print "the first utterance was not cut off"; exit 1 }
  if (p < 0.2) { print "too quiet: peak " p; exit 1 }
  print "ok: cut off and whole"
}'

# Quick cut-offs one after another, each taking over from the one before
# while it plays: parts of the first three are heard, then the last whole,
# and the program ends only once that has played (a cut-off sound never
# reports its end).
record_start "$out/chain.wav"
"$play" 600 "$first" "$first" "$first" "$second"
record_stop
chain=$(speech "$out/chain.wav")
echo "three cut off 0.6 s apart, then one whole: ${chain} s of speech"
awk -v c="$chain" -v s="$second_alone" 'BEGIN {
  if (c < s + 1.3) { print "too short: a sound was lost or the last one cut"; exit 1 }
  if (c > s + 2.6) { print "a sound was not cut off"; exit 1 }
  print "ok: each cut off, the last whole"
}'

# A wrong answer's beep while an utterance plays: the tone is heard (a band
# around 880 Hz far louder than in the utterance alone) and the utterance is
# not cut off.
tone_peak() { sox "$1" -n bandpass 880 40h stat 2>&1 | awk '/Maximum amplitude/ {print $3}'; }
record_start "$out/beep.wav"
"$play" 1200 "$first" BEEP
record_stop
with_beep=$(speech "$out/beep.wav")
tone=$(tone_peak "$out/beep.wav")
without=$(tone_peak "$out/first.wav")
echo "utterance with a beep in it: ${with_beep} s of speech; 880 Hz band peak ${tone} (${without} without the beep)"
awk -v w="$with_beep" -v f="$first_alone" -v t="$tone" -v u="$without" 'BEGIN {
  if (w < f - 0.3) { print "the beep cut the utterance off"; exit 1 }
  if (t < 0.15 || t < 3 * u) { print "no beep heard"; exit 1 }
  print "ok: beep heard, utterance whole"
}'

# The server stops answering in the middle of an utterance: the program
# still ends when told to, instead of waiting on the server.
server=$(cat "$PULSE_RUNTIME_PATH/pid")
record_start "$out/hang.wav"
"$play" 1500 "$first" QUIT &
player=$!
until_true 30 "the utterance before the hang is not heard" sound_heard 0.3 0
kill -STOP "$server"
gone=""
for step in $(seq 50); do  # QUIT comes 1.5 s after the utterance started
  sleep 0.1
  kill -0 "$player" 2>/dev/null || { gone=$step; break; }
done
kill -CONT "$server"
record_stop
if [ -z "$gone" ]; then
  kill -9 "$player" 2>/dev/null || true
  echo "the program did not end while the server hung"
  exit 1
fi
wait "$player" || true
echo "ok: ended when told to, $((gone * 100)) ms after the server stopped"
