#!/usr/bin/env bash
# Starts the real program in its own X server, waits for its window, checks
# the window's size and takes a screenshot of the screen.
#   window_under_xvfb.sh RUZDO_EXECUTABLE SHOT_DIR
set -euo pipefail
exe=$1
shots=$2
mkdir -p "$shots"

display=""
for n in $(seq 91 140); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start=$(date +%s%N)
QT_QPA_PLATFORM=xcb "$exe" &
app=$!
win=""
for _ in $(seq 200); do
  win=$(xdotool search --onlyvisible --name '^Ruzdo$' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  kill -0 "$app" 2>/dev/null || { echo "ruzdo exited before showing its window"; exit 1; }
  sleep 0.05
done
[ -n "$win" ] || { echo "no Ruzdo window appeared"; exit 1; }
shown=$(date +%s%N)
echo "window visible after $(( (shown - start) / 1000000 )) ms"

sleep 0.5  # let it paint
import -window root "$shots/main_window.png"
geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry"
echo "$geometry" | grep -q 'Geometry: 930x631' || { echo "unexpected window size"; exit 1; }
# The screenshot is not blank: the window painted something.
colours=$(convert "$shots/main_window.png" -format '%k' info:)
echo "colours in screenshot: $colours"
[ "$colours" -gt 20 ] || { echo "the screenshot looks blank"; exit 1; }
echo "screenshot: $shots/main_window.png"
