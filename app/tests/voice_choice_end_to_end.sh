#!/usr/bin/env bash
# The voice setting as a user meets it: the real program in its own X server
# with a PulseAudio null sink; a plate is clicked in the standard voice, then
# «Мужчина 1, быстрый» is picked in the "Голос" box of «Параметры обучения» (opened with
# the button beside replay) with the mouse and the keyboard and
# the plate clicked again. The recordings are measured with sox: the fast
# voice says the same number in clearly less time. Screenshots of the open
# box and of the panel after the choice are taken.
#   voice_choice_end_to_end.sh RUZDO OUT_DIR
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/ruzdo_session.sh"

start_ruzdo "$exe"

# Window at 10,12. Plate "9" (きゅう): the right column of the grid, last row;
# the options button: right of replay, above Pause.
plate() { xdotool mousemove 520 575 click 1; }
speech() { sox "$1" -n silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 | awk '/Length/ {print $3}'; }

# hear_plate NAME: clicks the plate once, so that it is made, and again while
# recording, so that the recording hears it from the cache; each time it
# waits until the sound has played out.
hear_plate() {
  record_start "$out/$1_first.wav"
  plate
  wait_heard 0.1
  record_stop
  record_start "$out/$1.wav"
  plate
  wait_heard 0.1
  record_stop
}
hear_plate standard

xdotool mousemove 822 36 click 1  # «Параметры обучения», the voice box focused
sleep 1.0
xdotool key space  # opens the list
sleep 0.5
import -window root "$out/voice_list.png"
xdotool key Down Down Down Return  # Мужчина 1: обычный → низкий → высокий → быстрый
sleep 0.5
import -window root "$out/voice_chosen.png"
hear_plate fast

standard=$(speech "$out/standard.wav")
fast=$(speech "$out/fast.wav")
echo "plate 9: ${standard} s of speech in the standard voice, ${fast} s in the fast one"
echo "screenshots: $out/voice_list.png $out/voice_chosen.png"
awk -v s="$standard" -v f="$fast" 'BEGIN {
  if (s < 0.15) { print "no speech in the standard voice"; exit 1 }
  if (f < 0.1) { print "no speech in the fast voice"; exit 1 }
  if (f > 0.9 * s) { print "the fast voice is not faster"; exit 1 }
  print "ok: the chosen voice is heard"
}'
