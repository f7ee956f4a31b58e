# Sourced by tests: starts a private X server on a free display, exports
# DISPLAY, and defines xvfb_stop.
display=""
for n in $(seq 91 190); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xvfb_stop() { kill "$xvfb_pid" 2>/dev/null || true; }

# Waits for the visible window named Ruzdo and prints its id.
wait_for_ruzdo() {
  local win=""
  for _ in $(seq 200); do
    win=$(xdotool search --onlyvisible --name '^Ruzdo$' 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    sleep 0.05
  done
  echo "$win"
}
