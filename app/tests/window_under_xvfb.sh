#!/usr/bin/env bash
# Starts the real program in its own X server, waits for its window, checks
# the window's size and takes a screenshot of the screen.
#   window_under_xvfb.sh RUZDO_EXECUTABLE SHOT_DIR [WINDOW_PNG]
# With WINDOW_PNG it also writes the window alone there, at its default
# settings, as a small PNG without dates: the picture of the README.
set -euo pipefail
exe=$1
shots=$2
window_png=${3:-}
mkdir -p "$shots"

here=$(cd "$(dirname "$0")" && pwd)
. "$here/ruzdo_session.sh"

start=$(date +%s%N)
start_ruzdo "$exe"
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
if [ -n "$window_png" ]; then
  import -window "$win" "$shots/window.png"
  convert "$shots/window.png" -strip -define png:exclude-chunks=date,time \
    -define png:compression-level=9 "$window_png"
  echo "window: $window_png, $(stat -c %s "$window_png") bytes"
fi
