#!/usr/bin/env bash
# The listening conditions as a user hears them: the real program in its own
# X server with a PulseAudio null sink, started with a condition and a level
# in its settings; a plate is clicked once to make its sound and again while
# the sink is recorded. Each recording is measured: the speech-to-noise ratio
# over the speech for the noisy conditions, the band limits for the phone,
# and for quiet how close the recording is to the engine's sound.
#   condition_recording.sh RUZDO CONDITION_MEASURE OUT_DIR
set -euo pipefail
exe=$1
measure=$2
out=$3
mkdir -p "$out"
here=$(cd "$(dirname "$0")/../app/tests" && pwd)
. "$here/ruzdo_session.sh"

# The last plate at the window's first place, of a range whose last number
# is long to say, so that the speech part is long enough to measure on.
plate() { xdotool mousemove 520 575 click 1; }
text="<NUMK VAL=99999 COUNTER=>。"

hear() {  # CONDITION LEVEL SECONDS_TO_MAKE
  local name=${1:-quiet}
  printf '[panel]\nmin=99990\nmax=99999\ncondition=%s\nnoiseDb=%s\n' "$1" "$2" | ruzdo_settings
  start_ruzdo "$exe"
  sleep 1
  plate
  sleep "$3"
  record_start "$out/${name}_$2.wav"
  plate
  sleep 2.5
  record_stop
  import -window root "$out/${name}_$2.png"
  stop_ruzdo
  echo "$name at $2 dB: $("$measure" "$out/${name}_$2.wav" "$text" "$name")"
}

hear "" 15 6
hear phone 15 6
for db in 15 -5; do
  hear street "$db" 6
  # The talkers of the crowd and the station are made on the first sound of
  # a run, by the engine at the low priority of the sounds made ahead.
  hear crowd "$db" 60
  hear station "$db" 60
done
