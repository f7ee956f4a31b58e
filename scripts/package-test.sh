#!/usr/bin/env bash
# Builds the Debian packages, installs them with apt into a clean Debian 12
# root (debootstrap, minbase, contrib enabled) and tries them there: onsei
# read and say, the engine README's C example built with pkg-config, and
# ruzdo under Xvfb until its window is mapped. Runs as root (debootstrap and
# chroot).
#   scripts/package-test.sh [--keep-base] [--reuse-debs]
# --keep-base keeps the freshly bootstrapped root as build/package-base.tar
# and starts from it next time; --reuse-debs tries the packages that
# build/package holds already.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)
started=$(date +%s)
step() { echo "package-test [$(($(date +%s) - started)) s]: $*"; }

[ "$(id -u)" -eq 0 ] || {
  echo "package-test.sh: needs root (debootstrap, chroot)" >&2
  exit 1
}

keep_base=0
reuse_debs=0
for option in "$@"; do
  case "$option" in
    --keep-base) keep_base=1 ;;
    --reuse-debs) reuse_debs=1 ;;
    *)
      echo "usage: $0 [--keep-base] [--reuse-debs]" >&2
      exit 2
      ;;
  esac
done

if [ $reuse_debs -eq 0 ]; then
  step "building the packages"
  scripts/package.sh
fi
debs=(build/package/{ruzdo,onsei,libonsei1,libonsei-dev,onsei-voices}_*.deb)

# The Debian mirror this machine reaches, as its own apt sources name it.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
  grep -v security | head -n 1 || true)
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
  mirror=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list)
fi
mirror=${mirror:-http://deb.debian.org/debian}

root=build/package-root
base=build/package-base.tar
shots=build/package-shots
rm -rf "$root" "$shots"
mkdir -p "$root" "$shots"
if [ -f "$base" ]; then
  step "unpacking the clean root $base"
  tar -xf "$base" -C "$root"
else
  step "bootstrapping a clean Debian 12 root from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >build/package/debootstrap.log 2>&1 || {
    tail -n 20 build/package/debootstrap.log
    exit 1
  }
  if [ $keep_base -eq 1 ]; then tar -cf "$base" -C "$root" .; fi
fi

app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  declare -F xvfb_stop >/dev/null && xvfb_stop
  umount "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  LANG=C.UTF-8 "$@"; }

# apt as this machine uses it: the same mirror settings, and contrib for the voice.
grep -l '^Acquire' /etc/apt/apt.conf.d/* 2>/dev/null | xargs -r cp -t "$root/etc/apt/apt.conf.d/"
cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main contrib
SOURCES
mkdir -p "$root/tmp/debs"
cp "${debs[@]}" "$root/tmp/debs/"

step "installing ${debs[*]##*/} with apt"
in_root apt-get update -q >build/package/apt.log 2>&1
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${debs[@]/#build\/package//tmp/debs}" gcc libc6-dev pkgconf >>build/package/apt.log 2>&1 || {
  tail -n 30 build/package/apt.log
  exit 1
}
grep -E '^(Need to get|After this operation)' build/package/apt.log || true

fail() {
  echo "package-test.sh: $*" >&2
  exit 1
}
check_wav() {  # FILE WHAT
  [ "$(head -c 4 "$1")" = RIFF ] || fail "$2 is not a WAV file"
  local seconds
  seconds=$(soxi -D "$1")
  echo "$2: $(soxi -r "$1") Hz, $seconds s"
  awk -v s="$seconds" 'BEGIN { exit !(s > 0.5 && s < 5) }' || fail "$2 lasts $seconds s"
}

step "onsei read and say"
reading=$(in_root onsei read "<NUMK VAL=3 COUNTER=ほん>")
[ "$reading" = "さ'んぼん" ] || fail "onsei read gave '$reading'"
in_root onsei say "<NUMK VAL=25 COUNTER=ほん>。" -o /tmp/25.wav
check_wav "$root/tmp/25.wav" "onsei say"
# The voices of the architecture-independent package: listed, and spoken.
in_root onsei voices | grep -q $'^mei-happy\tmei\tfemale\thappy\t[^\t]*\t[^\t]*$' ||
  fail "onsei voices does not list mei-happy as installed"
in_root onsei say "<NUMK VAL=25 COUNTER=ほん>。" --voice mei-happy -o /tmp/25-mei.wav
check_wav "$root/tmp/25-mei.wav" "onsei say --voice mei-happy"

step "the engine README's C example, built with pkg-config"
awk '/^```c$/ {on = 1; next} /^```$/ {on = 0} on' onsei/README.md >"$root/tmp/example.c"
[ -s "$root/tmp/example.c" ] || fail "no C example in onsei/README.md"
in_root sh -c 'cd /tmp && cc example.c $(pkg-config --cflags --libs onsei) -o example && ./example'
check_wav "$root/tmp/25.wav" "the example's WAV"

step "ruzdo --version and --help without a display"
version=$(in_root ruzdo --version)
[ "$version" = "Ruzdo $(dpkg-parsechangelog -S Version)" ] || fail "ruzdo --version gave '$version'"
in_root ruzdo --help | grep -q -- '--version' || fail "ruzdo --help lists no options"
for f in /usr/share/applications/ruzdo.desktop /usr/share/metainfo/ruzdo.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/ruzdo.svg /usr/share/icons/hicolor/48x48/apps/ruzdo.png \
  /usr/share/man/man1/ruzdo.1.gz /usr/share/man/man1/onsei.1.gz \
  /usr/share/doc/ruzdo/user-guide.md.gz /usr/share/doc/onsei/README.md.gz \
  /usr/include/onsei/onsei.h; do
  [ -f "$root$f" ] || fail "$f is not installed"
done

step "ruzdo under Xvfb"
# The X server runs outside the root; the program inside reaches it through
# the abstract socket, which a chroot shares.
. app/tests/xvfb_display.sh
mkdir -p -m 700 "$root/run/user/0"
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  XDG_RUNTIME_DIR=/run/user/0 QT_QPA_PLATFORM=xcb ruzdo >build/package/ruzdo.log 2>&1 &
app=$!
win=$(wait_for_ruzdo)
[ -n "$win" ] || {
  cat build/package/ruzdo.log
  fail "no Ruzdo window appeared"
}
sleep 0.5
import -window root "$shots/installed_ruzdo.png"
xdotool getwindowgeometry "$win"
echo "screenshot: $here/$shots/installed_ruzdo.png"
step "done"
