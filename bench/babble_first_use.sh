#!/usr/bin/env bash
# What a learner meets on choosing the crowd: the real program in its own X
# server with a PulseAudio null sink and a fresh cache folder. «Толпа» is
# chosen in «Параметры обучения» with the mouse, the window closed, and Start
# clicked at once (after a run in quiet, for comparison); the sink is recorded for SECONDS. Then the program is
# started again on the same folders (the crowd in its settings) and Start
# clicked a second after its window shows. For each start it prints when each
# sound was heard after Start and how long it lasted (a question under noise
# lasts 0.6 s longer than its speech), the questions asked and the errors
# counted by then, and the slowest answer of the window to an AT-SPI query
# meanwhile (a stalled window answers late).
#   bench/babble_first_use.sh RUZDO [SECONDS]
set -euo pipefail
exe=$(realpath "$1")
seconds=${2:-12}
out=$(mktemp -d /tmp/ruzdo-babble.XXXXXX)
here=$(cd "$(dirname "$0")/../app/tests" && pwd)
ruzdo_atspi=1
. "$here/ruzdo_session.sh"
session_dirs+=("$out")

now() { date +%s.%N; }
# The sounds of a 48 kHz mono recording from FROM seconds on: "start-end"
# in seconds after FROM, 10 ms frames above -50 dBFS, gaps under 0.2 s joined.
sounds() {
  sox "$1" -t raw -e signed -b 16 -c 1 -r 48000 - 2>/dev/null | python3 -c '
import array, sys
x = array.array("h", sys.stdin.buffer.read())
start = float(sys.argv[1])
frame, spans, on = 480, [], None
for i in range(int(start * 48000), len(x) - frame, frame):
    loud = sum(v * v for v in x[i:i + frame:4]) / (frame / 4) > (32768 * 10 ** (-50 / 20)) ** 2
    t = i / 48000 - start
    if loud and on is None: on = t
    if loud: last = t + 0.01
    if not loud and on is not None and t - last > 0.2: spans.append((on, last)); on = None
if on is not None: spans.append((on, last))
print(" ".join("%.2f-%.2f(%.2f)" % (a, b, b - a) for a, b in spans) or "none")' "$2"
}
# The slowest of the AT-SPI round trips made until $1 (an epoch time).
slowest_reply() {
  local worst=0 t0 t1
  while awk -v n="$(now)" -v e="$1" 'BEGIN { exit !(n < e) }'; do
    t0=$(now)
    atspi wait '^Текущий вопрос' 20 >/dev/null
    t1=$(now)
    worst=$(awk -v w="$worst" -v d="$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.3f", b - a}')" \
      'BEGIN { print (d > w) ? d : w }')
    sleep 0.2
  done
  echo "$worst"
}
# Start, the recording and the figures of one start: NAME.
run() {
  record_start "$out/$1.wav"
  local from
  from=$(recorded_seconds)
  xdotool mousemove 660 40 click 1  # Start
  local worst
  worst=$(slowest_reply "$(awk -v n="$(now)" -v s="$seconds" 'BEGIN {printf "%.3f", n + s}')")
  local asked errors
  asked=$(atspi wait '^Текущий вопрос: [0-9]' | sed 's/.*: //')
  errors=$(atspi wait '^Количество ошибок: [0-9]' | sed 's/.*: //')
  xdotool mousemove 915 40 click 1  # Stop
  record_stop
  import -window root "$out/$1.png"
  echo "$1: sounds after Start (s): $(sounds "$out/$1.wav" "$from")"
  echo "$1: after ${seconds} s: ${asked} questions, ${errors} errors; slowest AT-SPI reply ${worst} s"
}

export XDG_CACHE_HOME=$out/cache
start_ruzdo "$exe"
sleep 2
run quiet
sleep 1
xdotool mousemove 822 36 click 1  # «Параметры обучения»
sleep 1
xdotool mousemove 785 242 click 1  # «Условия»
sleep 0.5
xdotool key Down Down Down Return  # Тишина → Телефон → Улица → Толпа
chosen=$(now)
xdotool mousemove 889 372 click 1  # Закрыть
sleep 0.3
run first_use
kept=$XDG_CACHE_HOME/Ruzdo/talkers.bin
if [ -f "$kept" ]; then
  echo "first_use: talkers kept $(awk -v c="$chosen" -v m="$(stat -c %.3Y "$kept")" \
    'BEGIN {printf "%.2f", m - c}') s after the choice ($(stat -c %s "$kept") bytes)"
fi
stop_ruzdo
before=$(stat -c %.3Y "$kept" 2>/dev/null || echo none)

start_ruzdo "$exe"
sleep 1
run second_start
if [ "$(stat -c %.3Y "$kept" 2>/dev/null || echo none)" = "$before" ]; then
  echo "second_start: the kept talkers were used (the file is as it was)"
else
  echo "second_start: the talkers were made again"
fi
