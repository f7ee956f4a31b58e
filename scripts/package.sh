#!/usr/bin/env bash
# Builds the Debian binary packages from the files of this working tree
# (committed or not, as git sees them) and checks them with lintian.
#   scripts/package.sh        -> build/package/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
out=build/package
src=$out/ruzdo-$version
rm -rf "$out"
mkdir -p "$src"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -xf - -C "$src"
(cd "$src" && dpkg-buildpackage -b -us -uc --no-sign) >"$out/build.log" 2>&1 || {
  tail -n 40 "$out/build.log"
  exit 1
}
ls -l "$out"/*.deb
echo "lintian:"
lintian --fail-on error "$out"/*.changes
