# Sourced by the end-to-end tests: a private PulseAudio server with a null
# sink and a private X server, both torn down on exit together with the
# program under test. start_ruzdo EXE starts the program and waits for its
# window, whose id it leaves in $win.
. "$here/pulse_null_sink.sh"
. "$here/xvfb_display.sh"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  xvfb_stop
  pulse_stop
}
trap cleanup EXIT

start_ruzdo() {  # EXE
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
  win=$(wait_for_ruzdo)
  [ -n "$win" ] || { echo "no Ruzdo window appeared"; exit 1; }
}
