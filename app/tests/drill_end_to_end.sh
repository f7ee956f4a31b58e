#!/usr/bin/env bash
# The real program in its own X server with a PulseAudio null sink, driven by
# the keyboard alone: F6 starts a run, three questions pass, the sink's
# monitor is recorded and the speech in it measured, F8 stops it; then a run
# of six questions at the default interval is answered with keys only (a
# plate's digits then Enter or keypad Enter; the arrows or Tab, then Enter;
# paused with F7 and resumed with Pause on the way), and the counters and
# summary, read over AT-SPI, and the history file show every question
# answered. Screenshots go to OUT_DIR.
#   drill_end_to_end.sh RUZDO OUT_DIR
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)

ruzdo_atspi=1
. "$here/ruzdo_session.sh"

# Two plates, 7 and 8, side by side; six questions.
printf '[panel]\nmin=7\nmax=8\nquestions=6\n' | ruzdo_settings
start_ruzdo "$exe"
xdotool windowfocus --sync "$win"
atspi wait '^Интервал: 2,0 с$' >/dev/null  # the track bar tells its value

record_start "$out/drill.wav"
xdotool key F6
# Questions come every 2 s: sound from the first to the third (or fourth)
# spans more than four seconds; wait until the third has played out.
wait_heard 4.0 0.6 30
record_stop
import -window root "$out/drill.png"
xdotool key F8
atspi wait '^Итог: 0 из ' >/dev/null

# Each question answered as it comes: the focus is on the plate 7 at first.
answers=("7 Return" "8 KP_Enter" "Left Return" "Tab Return" "Left KP_Enter" "Right Return")
xdotool key F6
for i in "${!answers[@]}"; do
  atspi wait "^Текущий вопрос: $((i + 1))\$" 10 >/dev/null
  # shellcheck disable=SC2086
  xdotool key ${answers[i]}
  if [ "$i" -eq 1 ]; then  # F7 pauses, Pause goes on
    import -window root "$out/drill_keys.png"
    xdotool key F7
    atspi wait '^Пауза$' >/dev/null
    xdotool key Pause
  fi
done
summary=$(atspi wait '^Итог: ' 10)
errors=$(atspi wait '^Количество ошибок: ')
echo "$summary; $errors"
/usr/bin/python3 - "$XDG_DATA_HOME/Ruzdo/history.sqlite3" "$summary" "$errors" <<'PY'
import re, sqlite3, sys
rows = sqlite3.connect(sys.argv[1]).execute(
    "SELECT question, answer FROM answers ORDER BY id DESC LIMIT 6").fetchall()[::-1]
print("asked/answered:", rows)
right = sum(q == a for q, a in rows)
ok = (all(a is not None for _, a in rows)
      and sys.argv[2].startswith(f"Итог: {right} из 6")
      and sys.argv[3] == f"Количество ошибок: {6 - right}")
sys.exit(0 if ok else "a question went unanswered, or the counters disagree")
PY

speech=$(sox "$out/drill.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
voiced=$(sox "$out/drill.wav" -n silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 | awk '/Length/ {print $3}')
echo "recorded from first to last sound: ${voiced} s, RMS ${speech}"
echo "screenshots: $out/drill.png $out/drill_keys.png"
awk -v v="$voiced" 'BEGIN { if (v < 4.0) { print "too little speech: " v " s"; exit 1 } }'
