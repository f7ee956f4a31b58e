# Sourced by tests: starts a private X server on a display it picks itself
# (-noreset: otherwise it resets when the probing client leaves, and the
# program under test may knock during the reset),
# exports DISPLAY and private XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME, and defines
# xvfb_stop and wait_for_ruzdo.
xvfb_out=$(mktemp /tmp/ruzdo-xvfb.XXXXXX)
Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp -noreset >"$xvfb_out" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$xvfb_out" ] && break; sleep 0.05; done
[ -s "$xvfb_out" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$xvfb_out")"
rm -f "$xvfb_out"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "cannot connect to the X server on $DISPLAY"; exit 1; }
# The program keeps settings and a history of answers: in a test they go to
# folders of this run, never the user's.
xvfb_xdg=$(mktemp -d /tmp/ruzdo-xdg.XXXXXX)
export XDG_CONFIG_HOME=$xvfb_xdg/config XDG_DATA_HOME=$xvfb_xdg/data XDG_CACHE_HOME=$xvfb_xdg/cache
# Stops the server and waits until it is gone, so that the next test cannot
# meet it half-dead on the same display number.
xvfb_stop() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$xvfb_xdg"
}

# Waits for the visible window named Ruzdo and prints its id.
wait_for_ruzdo() {
  local win=""
  for _ in $(seq 600); do
    win=$(xdotool search --onlyvisible --name '^Ruzdo$' 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    sleep 0.05
  done
  echo "$win"
}
