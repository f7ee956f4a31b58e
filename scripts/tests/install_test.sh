#!/usr/bin/env bash
# Installs the build into a scratch prefix as `cmake --install` would for a
# user, then checks what a desktop, a linker and a packager see there.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
work=$(mktemp -d /tmp/ruzdo-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
p=$work/prefix
fail() {
  echo "FAIL: $*"
  exit 1
}

cmake --install "$build" --prefix "$p" >"$work/install.log"
for f in bin/ruzdo bin/onsei lib/libonsei.so.$version include/onsei/onsei.h \
  lib/pkgconfig/onsei.pc share/applications/ruzdo.desktop share/metainfo/ruzdo.metainfo.xml \
  share/icons/hicolor/scalable/apps/ruzdo.svg share/man/man1/ruzdo.1 share/man/ru/man1/ruzdo.1 share/man/man1/onsei.1; do
  [ -f "$p/$f" ] || fail "$f is not installed"
done
for size in 16 24 32 48 64 128 256; do
  png=$p/share/icons/hicolor/${size}x${size}/apps/ruzdo.png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done
for f in takumi/takumi_normal.htsvoice takumi/COPYRIGHT.txt mei/mei_happy.htsvoice mei/COPYRIGHT.txt \
  tohoku-f01/tohoku-f01-angry.htsvoice tohoku-f01/COPYRIGHT.txt; do
  [ -f "$p/share/onsei/voices/$f" ] || fail "the voice file $f is not installed"
done
! "$p/bin/onsei" voices | grep -q missing || fail "the installed onsei misses voices"
echo "ok: files in place"

# The library: versioned SONAME with its links, only the C interface exported.
objdump -p "$p/lib/libonsei.so.$version" | grep -q "SONAME *libonsei.so.${version%%.*}$" ||
  fail "wrong SONAME"
[ "$(readlink "$p/lib/libonsei.so")" = "libonsei.so.${version%%.*}" ] || fail "libonsei.so link"
exported=$(nm -D --defined-only "$p/lib/libonsei.so.$version" | awk '{print $3}' | grep -v '^Onsei_' || true)
[ -z "$exported" ] || fail "libonsei exports more than its C interface: $(echo "$exported" | head -n 3)"
echo "ok: libonsei.so.${version%%.*}"

# The installed programs use the installed library, found through their RPATH.
for exe in ruzdo; do
  lib=$(env -u LD_LIBRARY_PATH ldd "$p/bin/$exe" | awk '/libonsei/ {print $3}')
  [ "$lib" -ef "$p/lib/libonsei.so.${version%%.*}" ] || fail "$exe loads libonsei from '$lib'"
done
[ "$(env -u DISPLAY "$p/bin/ruzdo" --version)" = "Ruzdo $version" ] || fail "installed ruzdo --version"
echo "ok: the installed ruzdo finds its library"

desktop-file-validate "$p/share/applications/ruzdo.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$p/share/metainfo/ruzdo.metainfo.xml" >"$work/appstream.log" ||
  fail "AppStream: $(cat "$work/appstream.log")"
for page in man1/ruzdo ru/man1/ruzdo man1/onsei; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$p/share/man/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done
echo "ok: desktop entry, AppStream data and man pages validate"

# A program of someone else's: the engine README's example, built with pkg-config.
export PKG_CONFIG_PATH=$p/lib/pkgconfig
pc="pkg-config --define-variable=prefix=$p"
[ "$($pc --modversion onsei)" = "$version" ] || fail "pkg-config version"
awk '/^```c$/ {on = 1; next} /^```$/ {on = 0} on' "$source/onsei/README.md" >"$work/example.c"
# Built with the project's own C flags: a sanitized engine needs a sanitized
# program, whose sanitizer runtime comes first among its libraries.
# shellcheck disable=SC2046,SC2086
cc -Wall -Werror ${RUZDO_C_FLAGS:-} "$work/example.c" $($pc --cflags --libs onsei) -o "$work/example"
(cd "$work" && LD_LIBRARY_PATH=$p/lib ./example)
[ "$(head -c 4 "$work/25.wav")" = RIFF ] || fail "the example wrote no WAV"
seconds=$(soxi -D "$work/25.wav")
awk -v s="$seconds" 'BEGIN { exit !(s > 0.5 && s < 5) }' || fail "the example's WAV lasts $seconds s"
echo "ok: the engine README's example builds with pkg-config and writes $seconds s of speech"

changelog=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
[ "$changelog" = "$version" ] || fail "debian/changelog says $changelog, the build $version"
echo "ok: debian/changelog is at $version"
