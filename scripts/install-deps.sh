#!/usr/bin/env bash
# Installs what Ruzdo needs on Debian 12.
#   scripts/install-deps.sh run    to build and run the program
#   scripts/install-deps.sh test   also the test tools (the default)
# Looks first, as any user, for what is missing; only then asks for root:
# through sudo where there is sudo, otherwise it prints the command for root.
# Idempotent: enables the contrib component only where it is missing and
# installs only packages that are not there yet.
set -euo pipefail

mode=${1:-test}
case "$mode" in
  run | test) ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

voice=hts-voice-nitech-jp-atr503-m001
etc_apt=${RUZDO_ETC_APT:-/etc/apt}  # another folder only for tests
build_packages=(
  build-essential cmake ninja-build pkg-config
  # app
  qt6-base-dev qt6-qpa-plugins
  libqt6sql6-sqlite libsqlite3-dev
  # the progress chart; Debian's Qt Charts needs the OpenGL headers it does not pull in
  qt6-charts-dev libqt6opengl6-dev
  # Qt's own texts (buttons of message boxes) in Russian
  qt6-translations-l10n
  # lrelease: the interface's translations built from app/translations/*.ts
  qt6-l10n-tools
  libjpeg62-turbo-dev
  # speech engine and its voice
  libhtsengine-dev "$voice"
  # fonts of the user interface (Cyrillic)
  fonts-dejavu-core fonts-liberation
  # sound output through a PulseAudio server (or PipeWire's, see below)
  libpulse-dev
  # listening conditions: band-pass, reverberation and noise
  libsox-dev
)
test_packages=(
  # the generator's bitmap CJK font
  fonts-unifont
  # sound tests: a private PulseAudio server, recording and measuring
  pulseaudio pulseaudio-utils sox
  # another program holding the history locked
  sqlite3
  googletest libgtest-dev xvfb xauth x11-utils xdotool imagemagick
  at-spi2-core python3-pyatspi dbus-daemon
  clang libclang-rt-14-dev
  # a peer synthesiser to compare labels and samples with
  open-jtalk open-jtalk-mecab-naist-jdic
  # checks of the installed files, the Debian packages and a clean system
  desktop-file-utils appstream dpkg-dev debhelper lintian debootstrap
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# The Japanese voice lives in Debian's contrib component.
sources_without_contrib() {
  local f=$etc_apt/sources.list.d/debian.sources
  if [ -f "$f" ] && grep -E '^Components:' "$f" | grep -vq contrib; then echo "$f"; fi
  f=$etc_apt/sources.list
  if [ -f "$f" ] && grep -E '^deb .*debian' "$f" | grep -vq contrib; then echo "$f"; fi
  return 0
}

enable_contrib() {
  local f
  for f in $(sources_without_contrib); do
    case "$f" in
      *.sources) sed -i -E '/^Components:/{/contrib/!s/$/ contrib/}' "$f" ;;
      *) sed -i -E '/^deb .*debian/{/contrib/!s/$/ contrib/}' "$f" ;;
    esac
  done
}

packages=("${build_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
# The program plays through a PulseAudio server; PipeWire's serves as well.
if [ "$mode" = run ] && ! installed pulseaudio && ! installed pipewire-pulse; then
  missing+=(pulseaudio)
fi
contrib_files=""
if [[ " ${missing[*]} " == *" $voice "* ]]; then contrib_files=$(sources_without_contrib); fi

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps.sh: everything is installed"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    echo "install-deps.sh: missing ${missing[*]}; installing them as root through sudo"
    exec sudo "$0" "$mode"
  fi
  {
    echo "install-deps.sh: these Debian packages are missing: ${missing[*]}"
    echo "Installing them needs root, and there is no sudo. As root, run:"
    if [ -n "$contrib_files" ]; then
      echo "  # the voice $voice is in Debian's contrib component; add contrib to"
      for f in $contrib_files; do
        case "$f" in
          *.sources) echo "  #   the Components: lines of $f" ;;
          *) echo "  #   the deb lines of $f" ;;
        esac
      done
    fi
    echo "  apt-get update"
    echo "  apt-get install --no-install-recommends ${missing[*]}"
    echo "or let this script do all of it: su -c '$(realpath "$0") $mode'"
  } >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
enable_contrib
apt-get update -q
echo "install-deps.sh: installing ${missing[*]}"
apt-get install -y -q --no-install-recommends "${missing[@]}"
