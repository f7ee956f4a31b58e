#!/usr/bin/env bash
# scripts/install-deps.sh as an ordinary user meets it: what it says and does
# with everything installed, with packages missing and no sudo, and with sudo.
# dpkg-query and sudo are stand-ins on a PATH of their own; when this runs as
# root, the script under test runs as the user nobody, from a copy in a
# folder of its own that nobody can enter wherever the checkout lies (root's
# home is closed to other users).
#   install_deps_test.sh SOURCE_DIR
set -uo pipefail
work=$(mktemp -d /tmp/ruzdo-deps.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/scripts"
install -m 755 "$1/scripts/install-deps.sh" "$work/scripts/"
script=$work/scripts/install-deps.sh
all_packages=$(sed -n '/^build_packages=(/,/^)/p; /^test_packages=(/,/^)/p' "$script" |
  grep -v '^ *#' | tr ' ' '\n' | grep -E '^[a-z0-9][a-z0-9.+-]+$' | tr '\n' ' ')
all_packages+=" hts-voice-nitech-jp-atr503-m001 "

as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
  else
    "$@"
  fi
}

# run CASE INSTALLED SUDO MODE: runs the script with a PATH on which
# dpkg-query knows only the packages INSTALLED, and sudo exists when SUDO=yes.
run() {
  local dir=$work/$1
  mkdir -p "$dir/bin" "$dir/apt/sources.list.d"
  for tool in bash env id grep sed realpath dirname cat; do ln -sf "$(command -v "$tool")" "$dir/bin/"; done
  printf '%s\n' $2 >"$dir/installed"
  cat >"$dir/bin/dpkg-query" <<STUB
#!/bin/bash
grep -qx "\${@: -1}" "$dir/installed" && printf 'install ok installed' || exit 1
STUB
  if [ "$3" = yes ]; then
    printf '#!/bin/bash\necho "sudo $*" >%s/sudo.log\n' "$dir" >"$dir/bin/sudo"
  fi
  printf 'Types: deb\nURIs: http://deb.debian.org/debian\nComponents: main\n' \
    >"$dir/apt/sources.list.d/debian.sources"
  chmod -R a+rX "$dir"
  chmod a+x "$dir/bin/"*
  chmod a+w "$dir"
  as_user env -i PATH="$dir/bin" RUZDO_ETC_APT="$dir/apt" "$script" $4 >"$dir/out" 2>&1
  echo $? >"$dir/status"
}

failures=0
expect() {  # CASE STATUS TEXT...
  local name=$1 dir=$work/$1 status=$2
  shift 2
  local got
  got=$(cat "$dir/status")
  local ok=1
  [ "$got" = "$status" ] || ok=0
  for text in "$@"; do grep -qF -- "$text" "$dir/out" "$dir/sudo.log" 2>/dev/null || ok=0; done
  if [ $ok -eq 1 ]; then
    echo "ok: $name"
  else
    echo "FAIL: $name: status $got (want $status), output:"
    cat "$dir/out" "$dir/sudo.log" 2>/dev/null
    failures=$((failures + 1))
  fi
}
refuse() {  # CASE TEXT: the script neither says TEXT nor calls sudo
  if grep -qF -- "$2" "$work/$1/out" || [ -e "$work/$1/sudo.log" ]; then
    echo "FAIL: $1: says '$2' or calls sudo"
    failures=$((failures + 1))
  fi
}

everything="$all_packages"
without_voice=${everything/hts-voice-nitech-jp-atr503-m001 /}
without_pulse=${everything/pulseaudio /}

run all-installed "$everything" yes test
expect all-installed 0 "everything is installed"
refuse all-installed missing

run run-needs-no-test-tools "${everything/googletest/} pulseaudio" no run
expect run-needs-no-test-tools 0 "everything is installed"

run test-missing-no-sudo "${everything/xdotool/}" no test
expect test-missing-no-sudo 1 "missing: xdotool" "there is no sudo" \
  "apt-get install --no-install-recommends xdotool" "su -c '$script test'"
refuse test-missing-no-sudo contrib

run voice-missing-no-sudo "$without_voice" no run
expect voice-missing-no-sudo 1 "hts-voice-nitech-jp-atr503-m001" "contrib" \
  "Components: lines of $work/voice-missing-no-sudo/apt/sources.list.d/debian.sources" \
  "apt-get install --no-install-recommends hts-voice-nitech-jp-atr503-m001"

run no-sound-server "$without_pulse" no run
expect no-sound-server 1 "apt-get install --no-install-recommends pulseaudio"
run pipewire-serves "$without_pulse pipewire-pulse" no run
expect pipewire-serves 0 "everything is installed"

run missing-with-sudo "${everything/cmake /}" yes run
expect missing-with-sudo 0 "through sudo" "sudo $script run"

run bad-mode "$everything" no install
expect bad-mode 2 "usage:"

[ "$failures" -eq 0 ]
