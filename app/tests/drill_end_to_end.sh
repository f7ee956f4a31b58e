#!/usr/bin/env bash
# The real program in its own X server with a PulseAudio null sink: Start is
# clicked with xdotool, three questions pass, the sink's monitor is recorded
# and the speech in it measured; then a screenshot is taken.
#   drill_end_to_end.sh RUZDO OUT_DIR
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/ruzdo_session.sh"

start_ruzdo "$exe"

# Start: the green button at the top of the settings column (window at 10,12;
# settings panel at x 632 of the window).
record_start "$out/drill.wav"
xdotool mousemove 660 40 click 1
# Questions come every 2 s: sound from the first to the third (or fourth)
# spans more than four seconds; wait until the third has played out.
wait_heard 4.0 0.6 30
record_stop
import -window root "$out/drill.png"
xdotool mousemove 915 40 click 1  # Stop

speech=$(sox "$out/drill.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
voiced=$(sox "$out/drill.wav" -n silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 | awk '/Length/ {print $3}')
echo "recorded from first to last sound: ${voiced} s, RMS ${speech}"
echo "screenshot: $out/drill.png"
awk -v v="$voiced" 'BEGIN { if (v < 4.0) { print "too little speech: " v " s"; exit 1 } }'
