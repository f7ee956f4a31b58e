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

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${RUZDO_IN_SESSION:-}" ]; then
  exec env RUZDO_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

. "$here/pulse_null_sink.sh"
. "$here/xvfb_display.sh"
home=$(mktemp -d /tmp/ruzdo-home.XXXXXX)
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  xvfb_stop
  pulse_stop
  rm -rf "$home"
}
trap cleanup EXIT
atspi() { /usr/bin/python3 "$here/atspi_query.py" "$@"; }

# One number, 7, so every question is 7; three questions 1.5 s apart.
mkdir -p "$XDG_CONFIG_HOME/Ruzdo"
cat >"$XDG_CONFIG_HOME/Ruzdo/Ruzdo.conf" <<CONF
[panel]
min=7
max=7
interval=1500
questions=3
CONF

"$exe" &
app=$!
[ -n "$(wait_for_ruzdo)" ] || { echo "no Ruzdo window"; exit 1; }
sleep 0.5

xdotool mousemove 660 40 click 1  # Start
sleep 2.0
xdotool mousemove 400 300 click 1  # the plate 7, right
sleep 1.5
xdotool mousemove 400 300 click 1  # right again
# The third goes unanswered; the fourth tick counts it and ends the run. The
# reading is checked for its kana, whichever mora carries the accent.
sleep 3.5
import -window root "$out/said_after_miss.png"
said=$(atspi names | grep '^Сказано' || true)
echo "line: $said"
echo "$said" | grep -q "Сказано: 7\. Ответа не было; な'\?な" || { echo "the line does not show the missed 7"; exit 1; }

# Quit as the desktop does at logout, and start again.
kill -TERM "$app"
wait "$app" || true
app=""
[ -f "$XDG_DATA_HOME/Ruzdo/history.sqlite3" ] || { echo "no history file"; exit 1; }
"$exe" &
app=$!
[ -n "$(wait_for_ruzdo)" ] || { echo "no Ruzdo window after the restart"; exit 1; }
sleep 0.5
atspi press "История ответов"
sleep 1
import -window root "$out/history_window.png"
cells=$(atspi cells "Ошибки по значениям")
echo "history:"
echo "$cells"
echo "$cells" | grep -q '^7 | 3 | 1 из 3 (33 %) | без ответа ×1$' ||
  { echo "the history does not name the missed 7"; exit 1; }

# Killed outright in the middle of a run: the history is whole and readable.
kill -TERM "$app"
wait "$app" || true
"$exe" &
app=$!
[ -n "$(wait_for_ruzdo)" ] || { echo "no Ruzdo window for the kill"; exit 1; }
sleep 0.5
xdotool mousemove 660 40 click 1  # Start
sleep 4.6                           # questions at 1.5, 3 and 4.5 s; the first counted at 3 s
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
