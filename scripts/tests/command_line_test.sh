#!/usr/bin/env bash
# ruzdo's command line, as a user meets it in a terminal without a display:
# each case is arguments | expected exit status | text expected in the output.
#   command_line_test.sh RUZDO VERSION
set -uo pipefail
exe=$1
version=$2
failures=0
while IFS='|' read -r args status expected; do
  [ -z "$args" ] && continue
  # shellcheck disable=SC2086  # the arguments are split on purpose
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" $args 2>&1)
  got=$?
  if [ "$got" -ne "$status" ] || [[ "$output" != *"$expected"* ]]; then
    echo "FAIL: ruzdo $args: status $got (want $status), output:"
    echo "$output"
    failures=$((failures + 1))
  else
    echo "ok: ruzdo $args"
  fi
done <<CASES
--version|0|Ruzdo $version
-v|0|Ruzdo $version
--help|0|Показать версию программы и выйти.
-h|0|Использование:
-platform offscreen --version|0|Ruzdo $version
-style=fusion --version|0|Ruzdo $version
--no-such-option|2|Неизвестный параметр «no-such-option».
-x|2|Неизвестный параметр «x».
some-file.txt|2|лишний аргумент «some-file.txt»
-platform|2|Не указано значение после «-platform».
--help=yes|2|Лишнее значение после «--help».
CASES
[ "$failures" -eq 0 ]
