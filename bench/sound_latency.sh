#!/usr/bin/env bash
# What a user feels of Ruzdo's speech, measured on the real program in its own
# X server with a private PulseAudio server (null sink, its monitor recorded):
#   - exec → window mapped (polled every 10 ms);
#   - click → audible sound for a plate heard before and for a plate never
#     clicked (after the window has been idle 2 s), also in a voice the
#     program has not spoken in before;
#   - a question tick → its sound, the number alone and (in a fresh settings
#     folder with «В предложениях» on) inside a sentence; the sentence drawn
#     is read off the line of what was said over AT-SPI, so that each try
#     is less that very sentence's quiet start;
#   - a lesson's question tick → its sound: clock times and announcements,
#     with «В предложениях» off and on, each try less the quiet start of the
#     question asked (its reading, read off the line of what was said).
# Sound is timed against paplay on the same server: a short tone is played,
# and 1.0 s later the plate is clicked; the figure is how much later than
# 1.0 s after the tone the speech starts in the recording (paplay after
# paplay gives 0), less the quiet start of the plate's own sound (its lead
# and first consonant: 30-110 ms, made by the engine next to RUZDO at the
# program's first speed). Medians of TRIES tries (at least 5).
#   bench/sound_latency.sh RUZDO [TRIES] [lessons]
# With "lessons", only the lessons' ticks are measured.
set -euo pipefail
exe=$(realpath "$1")
tries=${2:-7}
only=${3:-}
((tries >= 5)) || tries=5
here=$(cd "$(dirname "$0")" && pwd)
onsei=$(dirname "$exe")/../onsei/onsei
tests=$here/../app/tests
out=$(mktemp -d /tmp/ruzdo-bench.XXXXXX)
here=$tests
ruzdo_atspi=1
. "$tests/ruzdo_session.sh"
session_dirs+=("$out")
# The screen reader's view is needed only in the pass in sentences.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The median of the figures in the words of $1.
median() {
  tr ' ' '\n' <<<"$1" | grep . | sort -n |
    awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# Seconds from the start of FILE to the first sound at or after FROM seconds.
onset() {
  local total rest
  total=$(sox "$1" -n trim "$2" stat 2>&1 | awk '/Length/ {print $3}')
  rest=$(sox "$1" -n trim "$2" silence 1 0.002 2% stat 2>&1 | awk '/Length/ {print $3}')
  awk -v f="$2" -v t="$total" -v r="$rest" 'BEGIN {printf "%.4f", f + t - r}'
}
# Records while running COMMAND 1.0 s after a paplay tone; prints how many
# milliseconds the next sound after the tone is later than 1.0 s after it.
after_tone() {
  local rec=$out/take.wav t0 t1 tone
  record_start "$rec"
  paplay "$out/tone.wav" &
  tone=$!
  sleep 1.0
  "$@"
  # The tone and the sound: two sounds at least 1 s apart, the second played out.
  wait_heard 1.05 0.6 20
  record_stop
  wait "$tone" 2>/dev/null || true
  t0=$(onset "$rec" 0)
  t1=$(onset "$rec" "$(awk -v t="$t0" 'BEGIN {print t + 0.3}')")
  awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.0f\n", (b - a - 1.0) * 1000}'
}
click_plate() {  # N: the plates of the 2-column grid (window at 10,12)
  xdotool mousemove $((294 + ($1 % 2) * 226)) $((75 + ($1 / 2) * 125)) click 1
}
# Milliseconds of quiet at the start of the engine's sound for TEXT (at
# speed 90, the program's first), in the standard voice or VOICE.
lead_ms() {  # TEXT [VOICE]
  "$onsei" say "$1" --speed 90 ${2:+--voice "$2"} -o "$out/lead.wav"
  awk -v s="$(onset "$out/lead.wav" 0)" 'BEGIN {printf "%.0f", s * 1000}'
}
# The same for plate N (the grid shows 0 ... 9 without a counter when the
# program starts afresh).
plate_lead_ms() { lead_ms "<NUMK VAL=$1 COUNTER=>。" "${2:-}"; }
# Click → sound for plate N (in VOICE), less its own quiet start.
plate_after_tone() {  # N [VOICE]
  local lead
  lead=$(plate_lead_ms "$1" "${2:-}")
  echo $(($(after_tone click_plate "$1") - lead))
}
# The engine's text of the bare-number sentence on the line of what was said
# («Сказано: 答えは8です。; …»): its row of the sentence table, the number put in.
said_phonetic() {
  python3 - "$1" "$tests/../data/carriers.tsv" <<'PY'
import re, sys
said, table = sys.argv[1], sys.argv[2]
for line in open(table, encoding="utf-8"):
    f = line.rstrip("\n").split("\t")
    if line.startswith("#") or len(f) < 3 or f[0] != "":
        continue
    m = re.search(re.escape(f[1]).replace(re.escape("{}"), "([0-9]+)"), said)
    if m:
        print(f[2].replace("{}", "<NUMK VAL=%s COUNTER=>" % m.group(1)))
        break
PY
}
# Start, then TRIES times Stop and Start again: Start → the first question's
# sound, each against a tone, less what the command LESS prints, if given.
start_after_tone() {  # [LESS]
  local figures="" ms
  xdotool mousemove 690 45 click 1  # Start
  for _ in $(seq "$tries"); do
    xdotool mousemove 885 45 click 1  # Stop
    sleep 0.3
    ms=$(after_tone xdotool mousemove 690 45 click 1)
    [ -z "${1:-}" ] || ms=$((ms - $("$1")))
    figures+="$ms "
  done
  echo "$figures"
}
# The quiet start of the sentence just asked: Stop, and the line of what was
# said names it.
asked_sentence_lead() {
  xdotool mousemove 885 45 click 1  # Stop
  sleep 0.3
  local names
  names=$(atspi names)
  lead_ms "$(said_phonetic "$(grep -m 1 '^Сказано: ' <<<"$names" || true)")"
}

# The quiet start of the lesson's question just asked: Stop, and the line of
# what was said gives its reading («Сказано: …; じゅうご'じ/…»), which the
# engine says as it said the question.
asked_reading_lead() {
  xdotool mousemove 885 45 click 1  # Stop
  sleep 0.3
  local names said
  names=$(atspi names)
  said=$(grep -m 1 '^Сказано: ' <<<"$names" || true)
  lead_ms "${said##*; }"
}
# Start → each question's sound in lesson MODE with «В предложениях» SENTENCES
# (true or false), in a fresh settings folder.
lesson_ticks() {  # MODE SENTENCES
  export XDG_CONFIG_HOME=$out/lesson-$1-$2 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  printf '[panel]\nmode=%s\nsentences=%s\n' "$1" "$2" | ruzdo_settings
  start_ruzdo "$exe" 2>/dev/null
  sleep 2
  start_after_tone asked_reading_lead
  stop_ruzdo
}
report() {
  printf "%-52s median %6s ms   (%s)\n" "$1" "$(median "$2")" "$2"
}
# A lesson's figures: Start → sound less the question's quiet start, and
# the tick → sound that leaves after the 2000 ms from Start to the tick.
lesson_report() {  # NAME FIGURES
  local ms
  report "Start → $1, less its quiet start:" "$2"
  ms=$(median "$2")
  echo "(tick → sound, $1: about $((${ms%.*} - 2000)) ms)"
}

sox -n -r 48000 -c 1 -b 16 "$out/tone.wav" synth 0.1 sine 1000 vol 0.5
echo "load: $(uptime)"

# The numbers: the reference, the window, clicks and ticks.
measure_numbers() {

  # paplay after paplay: the reference, near 0.
  ref=""
  for _ in $(seq "$tries"); do ref+="$(after_tone paplay "$out/tone.wav") "; done

  mapped=""
  for _ in $(seq "$tries"); do
    t0=$(now_ms)
    launch_ruzdo "$exe" 2>/dev/null
    until xdotool search --onlyvisible --name '^Ruzdo$' >/dev/null 2>&1; do sleep 0.01; done
    mapped+="$(($(now_ms) - t0)) "
    stop_ruzdo
  done

  start_ruzdo "$exe" 2>/dev/null
  sleep 2  # laid out and idle
  fresh=""
  cached=""
  for i in $(seq "$tries"); do
    fresh+="$(plate_after_tone $((i % 10))) "
    cached+="$(plate_after_tone 0) "
  done
  # A run: Start, and the first question ticks one interval (2 s) later.
  tick=$(start_after_tone)
  stop_ruzdo

  # A voice not heard before: the program started afresh in a voice of a
  # woman, a plate clicked once the window has been idle 2 s.
  voice=mei
  printf '[panel]\nvoice=%s\n' "$voice" | ruzdo_settings
  in_voice=""
  for i in $(seq "$tries"); do
    start_ruzdo "$exe" 2>/dev/null
    sleep 2
    in_voice+="$(plate_after_tone $((i % 10)) "$voice") "
    stop_ruzdo
  done

  # The same with the questions in sentences (bare numbers: the grid's 0 ... 9).
  export XDG_CONFIG_HOME=$out/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  printf '[panel]\nsentences=true\n' | ruzdo_settings
  start_ruzdo "$exe" 2>/dev/null
  sleep 2
  sentence_tick=$(start_after_tone asked_sentence_lead)
  stop_ruzdo

  report "paplay → paplay, later than 1.0 s:" "$ref"
  report "exec → window mapped:" "$mapped"
  report "click → sound, plate never clicked, vs paplay:" "$fresh"
  report "click → sound, plate heard before, vs paplay:" "$cached"
  report "click → first sound in a voice not heard ($voice):" "$in_voice"
  tick_ms=$(median "$tick")
  report "Start → first question's sound, vs paplay:" "$tick"
  # The question is a random number of 0 ... 9: its quiet start is taken as
  # the median of theirs.
  leads=""
  for n in $(seq 0 9); do leads+="$(plate_lead_ms "$n") "; done
  lead=$(median "$leads")
  echo "(the first tick comes 2000 ms after Start, and the numbers' sounds start with" \
    "$lead ms of quiet (median; $leads): tick → sound about $((${tick_ms%.*} - 2000 - ${lead%.*})) ms)"
  sentence_ms=$(median "$sentence_tick")
  report "Start → first sound in a sentence, less its quiet start:" "$sentence_tick"
  echo "(tick → sound in sentences about $((${sentence_ms%.*} - 2000)) ms)"
}
[ "$only" = lessons ] || measure_numbers

times_alone=$(lesson_ticks 2 false)
times_said=$(lesson_ticks 2 true)
announcements_alone=$(lesson_ticks 7 false)
announcements_said=$(lesson_ticks 7 true)
lesson_report "«Время»" "$times_alone"
lesson_report "«Время» в предложениях" "$times_said"
lesson_report "«Объявления»" "$announcements_alone"
lesson_report "«Объявления» в предложениях" "$announcements_said"
