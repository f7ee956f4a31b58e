# Sourced by the end-to-end tests and benchmarks (they set $here to this
# folder first): a private PulseAudio server with a null sink and a private
# X server with private settings and data folders, torn down on exit together
# with the program under test and the folders named in $session_dirs.
#   launch_ruzdo EXE   starts the program, its process id in $app
#   start_ruzdo EXE    the same, then waits for its window, its id in $win
#   stop_ruzdo         ends it (SIGTERM, as the desktop at logout) and waits
#   ruzdo_settings     makes its input the program's settings file
#   atspi ...          atspi_query.py: the program read as a screen reader
#                      reads it, in scripts run again in a session bus of
#                      their own with RUZDO_IN_SESSION set
. "$here/pulse_null_sink.sh"
. "$here/xvfb_display.sh"
[ -z "${RUZDO_IN_SESSION:-}" ] || export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
atspi() { /usr/bin/python3 "$here/atspi_query.py" "$@"; }
app=""
session_dirs=()
stop_ruzdo() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$app" ] && wait "$app" 2>/dev/null || true
  app=""
}
cleanup() {
  stop_ruzdo
  xvfb_stop
  pulse_stop
  [ ${#session_dirs[@]} -eq 0 ] || rm -rf "${session_dirs[@]}"
}
trap cleanup EXIT

launch_ruzdo() {  # EXE
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
}
start_ruzdo() {  # EXE
  launch_ruzdo "$1"
  win=$(wait_for_ruzdo)
  [ -n "$win" ] || { echo "no Ruzdo window appeared"; exit 1; }
}
ruzdo_settings() {
  mkdir -p "$XDG_CONFIG_HOME/Ruzdo"
  cat >"$XDG_CONFIG_HOME/Ruzdo/Ruzdo.conf"
}
