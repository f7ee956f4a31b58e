# Sourced by the end-to-end tests and benchmarks (they set $here to this
# folder first): a private PulseAudio server with a null sink and a private
# X server with private settings and data folders, torn down on exit together
# with the program under test and the folders named in $session_dirs.
#   launch_ruzdo EXE   starts the program, its process id in $app
#   start_ruzdo EXE    the same, then waits for its window, its id in $win
#   stop_ruzdo         ends it (SIGTERM, as the desktop at logout) and waits
#   atspi ARGS...      reads or presses the program over AT-SPI (atspi_query.py)
#   ruzdo_settings     makes its input the program's settings file
#   history_rows SQL   prints the rows of a query on the history, fields
#                      joined by |
#   fail MESSAGE       says FAIL: MESSAGE and ends the test
#   history_cells PNG  opens «История ответов», screenshots it to PNG and
#                      prints its per-value table, a row a line (with atspi)
# A test that uses atspi sets ruzdo_atspi=1 before sourcing this: it then runs
# again in a session bus of its own, where the accessibility registry starts,
# with the program's accessibility on.
if [ -n "${ruzdo_atspi:-}" ]; then
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${RUZDO_IN_SESSION:-}" ]; then
    exec env RUZDO_IN_SESSION=1 dbus-run-session -- "$0" "$@"
  fi
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
atspi() { /usr/bin/python3 "$here/atspi_query.py" "$@"; }
fail() {
  echo "FAIL: $*"
  exit 1
}
history_rows() {
  /usr/bin/python3 -c 'import sqlite3, sys
for row in sqlite3.connect(sys.argv[1]).execute(sys.argv[2]):
    print(*row, sep="|")' "$XDG_DATA_HOME/Ruzdo/history.sqlite3" "$1"
}
. "$here/pulse_null_sink.sh"
. "$here/xvfb_display.sh"
# The accessibility bus starts on the first query, with its socket in this
# run's own runtime folder: in the shared default one, a test ending at the
# same time would take it away.
[ -z "${ruzdo_atspi:-}" ] || dbus-update-activation-environment XDG_RUNTIME_DIR DISPLAY
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
  # In Russian, the designed language these tests read, whatever the system's.
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$1" &
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
history_cells() {  # PNG
  atspi press "История ответов"
  atspi wait '^Ошибки по значениям$' >/dev/null
  sleep 0.5  # painted, for the screenshot
  import -window root "$1"
  atspi cells "Ошибки по значениям"
}
