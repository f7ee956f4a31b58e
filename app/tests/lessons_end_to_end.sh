#!/usr/bin/env bash
# The lessons in the real program, in its own X server, session bus and
# PulseAudio null sink: each lesson chosen from the settings shows its plates
# (a screenshot each); a click before Start says a plate; a short run of
# clock times asks three questions, answered by a click and by typing a
# plate's digits, and the history keeps them as the times lesson's, with the
# plates each showed and no counter word (one chosen for the numbers stays
# theirs); the history window names them as their plates are captioned.
#   lessons_end_to_end.sh RUZDO OUT_DIR
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)

ruzdo_atspi=1
. "$here/ruzdo_session.sh"

rows_sql="SELECT mode, question, answer, counter, plates FROM answers"
for mode in 3 4 5 6 7 2; do
  ruzdo_settings <<CONF
[panel]
mode=$mode
counter=4
interval=3000
questions=3
CONF
  start_ruzdo "$exe"
  xdotool mousemove 400 300 click 1  # the plate under the mouse is said
  said=$(atspi wait '^Сказано: ' 20) || fail "lesson $mode: a click said nothing"
  echo "lesson $mode: $said"
  sleep 0.5
  import -window root "$out/lesson_$mode.png"
  if [ "$mode" != 2 ]; then stop_ruzdo; fi
done

# A run of clock times: the first question answered by a click, the second by
# typing the digits of a plate and Enter, the third left unanswered.
xdotool mousemove 660 40 click 1  # Start
atspi wait '^Текущий вопрос: 1$' >/dev/null
xdotool mousemove 400 300 click 1
atspi wait '^Текущий вопрос: 2$' >/dev/null
atspi names >"$out/names.txt"
plate=$(grep -m1 -E '^(午前|午後)?[0-9]{1,2}:[0-9]{2}$' "$out/names.txt") || fail "no plate shows a time"
xdotool type --delay 50 "$(echo "$plate" | tr -cd '0-9')"
xdotool key Return
atspi wait '^Итог: ' 20 >/dev/null || fail "the run did not end"
import -window root "$out/times_run.png"
for _ in $(seq 50); do
  [ "$(history_rows "$rows_sql" | wc -l)" -ge 3 ] && break
  sleep 0.2
done
rows=$(history_rows "$rows_sql")
echo "history:"
echo "$rows"
[ "$(echo "$rows" | grep -c -E '^2\|(午前|午後)?[0-9]{1,2}:[0-9]{2}\|')" -eq 3 ] ||
  fail "the history does not hold three questions of the times lesson"
echo "$rows" | grep -q -E "^2\|[^|]*\|${plate}\|" || fail "the typed plate $plate is not the answer kept"
echo "$rows" | awk -F'|' '$4 != 0 {exit 1} {for (i = 5; i <= NF; ++i) if ($i == $2) next; exit 1}' ||
  fail "a question is kept with a counter word or without its plates"

# The history window: the times answered, per value, as their plates read.
cells=$(history_cells "$out/history_window.png")
echo "per value:"
echo "$cells"
[ -n "$cells" ] && ! echo "$cells" | grep -q -v -E '^(午前|午後)?[0-9]{1,2}:[0-9]{2} \| ' ||
  fail "the window does not list the times as their plates read"
echo "$cells" | grep -q 'без ответа ×1' || fail "the unanswered time is not named"
stop_ruzdo
