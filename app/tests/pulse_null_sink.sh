# Sourced by tests: starts a private PulseAudio server with a null sink,
# exports PULSE_SERVER and XDG_RUNTIME_DIR for the programs under test, and
# defines record_start/record_stop to capture the sink's monitor to a WAV file,
# wait_heard to wait until a sound has played out and until_true to wait on
# any other condition.
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
# a sound card does, and recordings keep time. Tests start only once it runs.
pacat --raw --latency-msec=20 --rate=48000 --channels=1 --format=s16le --stream-name="ruzdo clock" \
  </dev/zero &
keeper=$!
for _ in $(seq 100); do
  pactl list short sinks 2>/dev/null | grep -q '^[0-9]*[[:space:]]ruzdo_null[[:space:]].*RUNNING' && break
  sleep 0.1
done
pactl list short sinks | grep -q 'ruzdo_null.*RUNNING' ||
  { echo "the silent stream does not run on the null sink"; exit 1; }

# until_true SECONDS WHAT COMMAND...: waits until COMMAND succeeds (polled
# every 0.1 s); after SECONDS it says what did not happen and fails the test.
until_true() {
  local seconds=$1 what=$2 i
  shift 2
  for ((i = 0; i < seconds * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@" && return 0
  echo "after ${seconds} s: ${what}"
  exit 1
}

# Recording the sink's monitor. Raw samples go to a file of this server while
# it records, so that what has arrived can be measured at any moment; the WAV
# file is written when the recording stops.
recording=$pulse_dir/recording.raw
recorded_bytes() { stat -c %s "$recording" 2>/dev/null || echo 0; }
as_wav() { sox -t raw -r 48000 -e signed -b 16 -c 1 "$recording" -t wav "$1" 2>/dev/null; }
# Seconds recorded so far, the span from the first to the last sound in them,
# and the quiet after the last sound.
recorded_seconds() { awk -v b="$(recorded_bytes)" 'BEGIN { printf "%.3f", b / 96000 }'; }
heard_seconds() {
  sox -t raw -r 48000 -e signed -b 16 -c 1 "$recording" -n \
    silence 1 0.005 1% reverse silence 1 0.005 1% reverse stat 2>&1 | awk '/Length/ {print $3}'
}
quiet_after() {
  local total rest
  total=$(recorded_seconds)
  rest=$(sox -t raw -r 48000 -e signed -b 16 -c 1 "$recording" -n reverse silence 1 0.005 1% stat 2>&1 |
    awk '/Length/ {print $3}')
  awk -v t="$total" -v r="${rest:-0}" 'BEGIN { printf "%.3f", t - r }'
}
record_start() {  # FILE: returns once the recorder delivers sound data
  record_file=$1
  rm -f "$recording"
  parec -d ruzdo_null.monitor --latency-msec=50 --rate=48000 --channels=1 --format=s16le --raw \
    >"$recording" &
  recorder=$!
  until_true 20 "the recorder delivers nothing" _recorded_at_least 0.1
}
_recorded_at_least() { awk -v b="$(recorded_bytes)" -v s="$1" 'BEGIN { exit !(b >= s * 96000) }'; }
# sound_heard SECONDS QUIET: the recording holds sound spanning SECONDS and
# then QUIET seconds of silence.
sound_heard() {
  awk -v h="$(heard_seconds)" -v q="$(quiet_after)" -v m="$1" -v w="$2" \
    'BEGIN { exit !(h + 0 >= m && q + 0 >= w) }'
}
# wait_heard SECONDS [QUIET [TIMEOUT]]: waits until sound_heard SECONDS QUIET
# (0.6 s), that is until what the test waits for has played out.
wait_heard() {
  until_true "${3:-20}" "no ${1} s of sound followed by quiet in the recording" sound_heard "$1" "${2:-0.6}"
}
record_stop() {  # writes the WAV file once what has played up to now has arrived
  local more
  more=$(awk -v b="$(recorded_bytes)" 'BEGIN { printf "%.3f", b / 96000 + 0.3 }')
  until_true 20 "the recorder stopped delivering" _recorded_at_least "$more"
  kill "$recorder" 2>/dev/null || true
  wait "$recorder" 2>/dev/null || true
  as_wav "$record_file"
}
pulse_stop() {
  kill "$keeper" 2>/dev/null || true
  wait "$keeper" 2>/dev/null || true
  [ -n "${recorder:-}" ] && kill "$recorder" 2>/dev/null || true
  pulseaudio --kill >/dev/null 2>&1 || true
  for _ in $(seq 50); do pulseaudio --check >/dev/null 2>&1 || break; sleep 0.1; done
  rm -rf "$pulse_dir" 2>/dev/null || true
}
