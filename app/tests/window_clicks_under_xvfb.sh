#!/usr/bin/env bash
# The real program in its own X server, used with the mouse and keyboard as a
# user would: the splitter bars' hot spots collapse and bring back their
# panes; Space at start-up answers on a plate rather than folding a group;
# a template the engine cannot say is refused once, and no run starts on it.
#   window_clicks_under_xvfb.sh RUZDO_EXECUTABLE SHOT_DIR
set -euo pipefail
exe=$1
shots=$2
mkdir -p "$shots"

here=$(cd "$(dirname "$0")" && pwd)
. "$here/ruzdo_session.sh"

start_ruzdo "$exe"

shot() { sleep 0.4; import -window root "$shots/$1.png"; }
# shot_until NAME TEST...: takes the screenshot NAME again until TEST holds
# (the window has repainted), for up to about 10 s.
shot_until() {
  local name=$1 i
  shift
  for i in $(seq 25); do
    shot "$name"
    "$@" && return 0
  done
  return 1
}
# Pixels that differ between two screenshots (of the window's area only).
differ() {
  compare -metric AE -fuzz 2% "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true
}
# The same within one region (WxH+X+Y) only.
differ_in() {
  convert "$shots/$2.png" -crop "$1" +repage "$shots/$2.part.png"
  convert "$shots/$3.png" -crop "$1" +repage "$shots/$3.part.png"
  differ "$2.part" "$3.part"
}
# Visible windows titled Ruzdo: the main window and any message box.
boxes() { xdotool search --onlyvisible --name '^Ruzdo$' 2>/dev/null | wc -l; }
boxes_are() { [ "$(boxes)" -eq "$1" ]; }
fail() {
  echo "FAIL: $*"
  exit 1
}

# The window's client area is at 10,12; the middle of its height is y 327.
# Bars: between the group bar and the grid at x 164..171, between the grid
# and the settings column at x 625..632 (window coordinates).
shot start

# Space at start-up: the focus is on the first plate, so Space answers (here:
# speaks its number) and the mode menu stays open.
xdotool windowfocus --sync "$win"
record_start "$shots/space.wav"
xdotool key space
wait_heard 0.2 0.6 10
record_stop
shot after_space
voiced=$(sox "$shots/space.wav" -n silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 |
  awk '/Length/ {print $3}')
echo "sound after Space: ${voiced} s"
awk -v v="$voiced" 'BEGIN { exit !(v > 0.2) }' || fail "Space did not speak the first plate"
# The group bar (screen x 10..174) stays as it was; the line of what was said
# under the statistics now shows the plate.
[ "$(differ_in 164x631+10+12 start after_space)" -lt 500 ] || fail "Space folded a group"

# A click on a bar's hot spot collapses its pane; the bar stays on screen at
# the window's edge, and a click there brings the pane back.
#   collapse_and_restore NAME BAR_X BAR_X_WHEN_COLLAPSED
differs_from_start() { [ "$(differ after_space "$1")" -gt 1000 ]; }
like_start() { [ "$(differ after_space "$1")" -lt 500 ]; }
collapse_and_restore() {
  xdotool mousemove "$2" 327 click 1
  shot_until "$1_collapsed" differs_from_start "$1_collapsed" || fail "$1: the pane did not collapse"
  xdotool mousemove "$3" 327 click 1
  shot_until "$1_restored" like_start "$1_restored" || fail "$1: the pane did not come back"
}
collapse_and_restore settings 638 936
collapse_and_restore menu 177 13

# Sequence mode with a template holding ":": Start is refused with one
# message, and no run (and no "Err" box) follows.
xdotool mousemove 70 72 click 1 # "Последовательности чисел"
sleep 0.3
xdotool mousemove 870 229 click 1 # the template
xdotool key ctrl+a
xdotool type --delay 20 '4:__'
shot template_typed
xdotool mousemove 660 40 click 1 # Start
until_true 10 "no message about the template" boxes_are 2
shot refused
xdotool key Return
until_true 10 "the message did not close" boxes_are 1
sleep 2.5 # beyond the first question's time
shot after_refusal
[ "$(boxes)" -eq 1 ] || fail "a run started on a template that cannot be said"
echo "screenshots in $shots"
