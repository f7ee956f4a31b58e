#!/usr/bin/env bash
# ruzdo's command line, as a user meets it in a terminal without a display:
# each case is the system's language (LANG) | arguments | expected exit status |
# text expected in the output. "en+ru" is an English system whose settings
# choose Russian.
#   command_line_test.sh RUZDO VERSION
set -uo pipefail
exe=$1
version=$2
failures=0
config=$(mktemp -d /tmp/ruzdo-command-line.XXXXXX)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/chosen/Ruzdo"
printf '[panel]\nlanguage=ru\n' >"$config/chosen/Ruzdo/Ruzdo.conf"
while IFS='|' read -r lang args status expected; do
  [ -z "$args" ] && continue
  home=$config/none
  if [ "$lang" = en+ru ]; then
    lang=en_US.UTF-8
    home=$config/chosen
  fi
  # shellcheck disable=SC2086  # the arguments are split on purpose
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL \
    -u LC_MESSAGES LANG="$lang" XDG_CONFIG_HOME="$home" "$exe" $args 2>&1)
  got=$?
  if [ "$got" -ne "$status" ] || [[ "$output" != *"$expected"* ]]; then
    echo "FAIL: LANG=$lang ruzdo $args: status $got (want $status), output:"
    echo "$output"
    failures=$((failures + 1))
  else
    echo "ok: LANG=$lang ruzdo $args"
  fi
done <<CASES
C|--version|0|Ruzdo $version
C|-v|0|Ruzdo $version
C|--help|0|Показать версию программы и выйти.
C|-h|0|Использование:
ru_RU.UTF-8|--help|0|Записать историю ответов в ФАЙЛ
de_DE.UTF-8|--help|0|Показать эту справку и выйти.
C|-platform offscreen --version|0|Ruzdo $version
C|-style=fusion --version|0|Ruzdo $version
C|--no-such-option|2|Неизвестный параметр «no-such-option».
C|-x|2|Неизвестный параметр «x».
C|some-file.txt|2|лишний аргумент «some-file.txt»
C|-platform|2|Не указано значение после «-platform».
C|--help=yes|2|Лишнее значение после «--help».
en_US.UTF-8|--version|0|Ruzdo $version
en_US.UTF-8|--help|0|Show the program's version and exit.
en_GB.UTF-8|-h|0|Usage:
en_US.UTF-8|--help|0|Write the history of answers to FILE
en_US.UTF-8|--no-such-option|2|Unknown option 'no-such-option'.
en_US.UTF-8|some-file.txt|2|unexpected argument 'some-file.txt'
en+ru|--help|0|Показать версию программы и выйти.
CASES
[ "$failures" -eq 0 ]
