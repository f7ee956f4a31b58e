#!/usr/bin/env bash
# ruzdo --export-history without a display: a history of the first schema as
# CSV (exit 0), modes by name and counter words as written, with their ids
# after them and the plates shown (none kept before) last; "-" writes the same to standard output (and no file named "-"); a
# file it cannot write: exit 1, a message, no file left.
#   export_history_cli.sh RUZDO_EXECUTABLE SCHEMA1_HISTORY
set -euo pipefail
exe=$1
fixture=$2
home=$(mktemp -d /tmp/ruzdo-export.XXXXXX)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/data/Ruzdo"
cp "$fixture" "$home/data/Ruzdo/history.sqlite3"
chmod u+w "$home/data/Ruzdo/history.sqlite3"
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
    LANG=C.UTF-8 XDG_DATA_HOME="$home/data" "$exe" "$@"
}

run --export-history "$home/out.csv"
lines=$(wc -l <"$home/out.csv")
echo "exported $lines lines"
[ "$lines" -eq 13 ] || { echo "expected a header and 12 answers"; exit 1; }
head -n 1 "$home/out.csv" | grep -q '^asked_at,run_started,mode,' || { echo "no header row"; exit 1; }
grep -q $'^2026-12-02T09:00:27.063Z,,sequences,0,9,,(___),(123),,1,,89,,0,,,,,1,0,\r$' "$home/out.csv" ||
  { echo "the unanswered sequence is not as stored"; exit 1; }
grep -q $'^2026-12-01T09:00:12.028Z,,numbers,[0-9]*,[0-9]*,本,,3,8,1,.*,0,23,\r$' "$home/out.csv" ||
  { echo "the counter word 本 is not written as such"; exit 1; }
(cd "$home" && run --export-history - >"$home/stdout.csv")
cmp "$home/out.csv" "$home/stdout.csv" || { echo "standard output differs from the file"; exit 1; }
[ ! -e "$home/-" ] || { echo "a file named - was written"; exit 1; }
rm "$home/stdout.csv"
ls "$home" | grep -qv -e '^out.csv$' -e '^data$' && { echo "a temporary file was left"; exit 1; }

status=0
run --export-history "$home/missing/out.csv" 2>"$home/err" || status=$?
cat "$home/err"
[ "$status" -eq 1 ] || { echo "exit status $status on failure"; exit 1; }
[ -s "$home/err" ] || { echo "no message on failure"; exit 1; }
[ ! -e "$home/missing/out.csv" ] || { echo "a file was left"; exit 1; }
# Standard output that cannot take it is a failure too.
status=0
run --export-history - >/dev/full 2>"$home/err" || status=$?
cat "$home/err"
[ "$status" -eq 1 ] && [ -s "$home/err" ] || { echo "exit status $status writing to a full device"; exit 1; }
echo "ok"
