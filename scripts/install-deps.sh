#!/usr/bin/env bash
# Installs everything Ruzdo needs to build, run and test on Debian 12.
# Idempotent: enables the contrib component only where it is missing and
# installs only packages that are not there yet. Run as root (or via sudo).
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: run as root (sudo $0)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive

# The Japanese voice lives in Debian's contrib component.
enable_contrib() {
  local changed=0 f
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    f=/etc/apt/sources.list.d/debian.sources
    if grep -qE '^Components:' "$f" && grep -E '^Components:' "$f" | grep -vq contrib; then
      sed -i -E '/^Components:/{/contrib/!s/$/ contrib/}' "$f"
      changed=1
    fi
  fi
  if [ -f /etc/apt/sources.list ]; then
    f=/etc/apt/sources.list
    if grep -qE '^deb .*debian' "$f" && grep -E '^deb .*debian' "$f" | grep -vq contrib; then
      sed -i -E '/^deb .*debian/{/contrib/!s/$/ contrib/}' "$f"
      changed=1
    fi
  fi
  return $changed
}

need_update=0
enable_contrib || need_update=1

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # app
  qt6-base-dev qt6-qpa-plugins
  libqt6sql6-sqlite
  libjpeg62-turbo-dev
  # speech engine and its voice
  libhtsengine-dev hts-voice-nitech-jp-atr503-m001
  # fonts: UI (Cyrillic) and the generator's bitmap CJK font
  fonts-dejavu-core fonts-liberation fonts-unifont
  # sound output (PulseAudio or PipeWire's pulse server) and its tests
  libpulse-dev pulseaudio pulseaudio-utils sox
  # tests
  googletest libgtest-dev xvfb xauth x11-utils xdotool imagemagick
  at-spi2-core python3-pyatspi dbus-daemon
  clang libclang-rt-14-dev
  # tests only: a peer synthesiser to compare labels and samples with
  open-jtalk open-jtalk-mecab-naist-jdic
)

missing=()
for p in "${packages[@]}"; do
  [[ "$p" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps.sh: installing ${missing[*]}"
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "install-deps.sh: everything is installed"
fi
