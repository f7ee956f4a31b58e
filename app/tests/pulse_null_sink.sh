# Sourced by tests: starts a private PulseAudio server with a null sink,
# exports PULSE_SERVER and XDG_RUNTIME_DIR for the programs under test, and
# defines record_start/record_stop to capture the sink's monitor to a WAV file.
pulse_dir=$(mktemp -d /tmp/ruzdo-pulse.XXXXXX)
export XDG_RUNTIME_DIR=$pulse_dir
export HOME=${HOME:-$pulse_dir}  # CI may run without one
export PULSE_RUNTIME_PATH=$pulse_dir/pulse
mkdir -p "$PULSE_RUNTIME_PATH"
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --use-pid-file=yes \
  --load="module-null-sink sink_name=ruzdo_null rate=48000" \
  --load="module-native-protocol-unix socket=$pulse_dir/native auth-anonymous=1" \
  --log-target=file:"$pulse_dir/log" >/dev/null 2>&1
export PULSE_SERVER=unix:$pulse_dir/native
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start"; cat "$pulse_dir/log"; exit 1; }
pactl set-default-sink ruzdo_null
# A null sink renders nothing while no stream plays on it, so its monitor
# would skip the silences between sounds: a silent stream keeps it going, as
# a sound card does, and recordings keep time.
pacat --raw --latency-msec=20 --rate=48000 --channels=1 --format=s16le --stream-name="ruzdo clock" \
  </dev/zero &
keeper=$!

record_start() {  # FILE
  parec -d ruzdo_null.monitor --latency-msec=50 --rate=48000 --channels=1 --format=s16le --file-format=wav "$1" &
  recorder=$!
  sleep 0.3
}
record_stop() {
  sleep 0.3
  kill "$recorder" 2>/dev/null || true
  wait "$recorder" 2>/dev/null || true
}
pulse_stop() {
  kill "$keeper" 2>/dev/null || true
  wait "$keeper" 2>/dev/null || true
  pulseaudio --kill >/dev/null 2>&1 || true
  for _ in $(seq 50); do pulseaudio --check >/dev/null 2>&1 || break; sleep 0.1; done
  rm -rf "$pulse_dir" 2>/dev/null || true
}
