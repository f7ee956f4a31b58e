#!/usr/bin/env bash
# The learning loop in the real program, in its own X server, session bus and
# PulseAudio null sink, with its own settings and data folders: three
# questions (two right, the third left unanswered), the line of what was said
# read over AT-SPI, quit, start again, and the history window read over AT-SPI
# names the missed value; then a run killed with SIGKILL leaves the history
# whole. Screenshots go to OUT_DIR.
#   learning_loop_end_to_end.sh RUZDO OUT_DIR
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)

ruzdo_atspi=1
. "$here/ruzdo_session.sh"
answers() { history_rows "SELECT COUNT(*) FROM answers" 2>/dev/null || echo 0; }
answers_at_least() { [ "$(answers)" -ge "$1" ]; }

# One number, 7, so every question is 7; three questions 3 s apart (time
# enough to answer after the count of questions says one was asked).
ruzdo_settings <<CONF
[panel]
min=7
max=7
interval=3000
questions=3
CONF

start_ruzdo "$exe"

xdotool mousemove 660 40 click 1  # Start
atspi wait '^Текущий вопрос: 1$' >/dev/null
xdotool mousemove 400 300 click 1  # the plate 7, right
atspi wait '^Текущий вопрос: 2$' >/dev/null
xdotool mousemove 400 300 click 1  # right again
# The third goes unanswered; the fourth tick counts it and ends the run. The
# reading is checked for its kana, whichever mora carries the accent.
said=$(atspi wait '^Сказано: 7\. Ответа не было' 30 || true)
import -window root "$out/said_after_miss.png"
echo "line: $said"
echo "$said" | grep -q "Сказано: 7\. Ответа не было; な'\?な" || { echo "the line does not show the missed 7"; exit 1; }

# Quit as the desktop does at logout, and start again.
stop_ruzdo
[ -f "$XDG_DATA_HOME/Ruzdo/history.sqlite3" ] || { echo "no history file"; exit 1; }
start_ruzdo "$exe"
cells=$(history_cells "$out/history_window.png")
echo "history:"
echo "$cells"
echo "$cells" | grep -q '^7 | 3 | 1 из 3 (33 %) | без ответа ×1$' ||
  { echo "the history does not name the missed 7"; exit 1; }

# Killed outright in the middle of a run: the history is whole and readable.
stop_ruzdo
start_ruzdo "$exe"
xdotool mousemove 660 40 click 1  # Start
# The first question of this run is counted at the second tick; the third
# has not been asked then, so the run is still going when it is killed.
until_true 30 "the killed run counted no answer" answers_at_least 4
kill -KILL "$app"
wait "$app" 2>/dev/null || true
app=""
/usr/bin/python3 - "$XDG_DATA_HOME/Ruzdo/history.sqlite3" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
check = db.execute("PRAGMA integrity_check").fetchone()[0]
rows = db.execute("SELECT COUNT(*) FROM answers").fetchone()[0]
print(f"after kill -9: integrity {check}, {rows} answers")
sys.exit(0 if check == "ok" and rows >= 4 else 1)
PY
echo "screenshots: $out/said_after_miss.png $out/history_window.png"
