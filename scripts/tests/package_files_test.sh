#!/usr/bin/env bash
# The files scripts/package.sh packages, from a small tree: as a tarball's
# extract on a PATH without git, and as a git checkout with a file added and
# one deleted. Both leave out build/, shots/ and swap files, and agree on
# the same tree.
#   package_files_test.sh SOURCE_DIR
set -uo pipefail
work=$(mktemp -d /tmp/ruzdo-package-files.XXXXXX)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir -p "$tree"/{scripts,src/build,src/shots,build,shots,debian}
cp "$1/scripts/package.sh" "$tree/scripts/"
printf '# outputs\nbuild/\n*.swp\n/shots/\n' >"$tree/.gitignore"
for f in debian/changelog src/main.cpp 'src/two words.txt' src/shots/kept.png src/gone.txt \
  build/out.o src/build/out.o shots/a.png src/.main.cpp.swp; do echo x >"$tree/$f"; done
kept=$'.gitignore\ndebian/changelog\nscripts/package.sh\nsrc/gone.txt\nsrc/main.cpp\nsrc/shots/kept.png\nsrc/two words.txt'

failures=0
expect() {  # WHAT EXPECTED LISTING
  if [ "$(LC_ALL=C sort <<<"$2")" = "$(LC_ALL=C sort <<<"$3")" ]; then echo "ok: $1"; else
    printf 'FAIL: %s: packaged\n%s\nwanted\n%s\n' "$1" "$3" "$2"
    failures=$((failures + 1))
  fi
}

mkdir "$work/bin"
for tool in bash dirname find tr cat; do ln -s "$(command -v "$tool")" "$work/bin/"; done
expect "a tree without git" "$kept" "$(env -i PATH="$work/bin" "$tree/scripts/package.sh" --list)"

if command -v git >/dev/null; then
  cp -r "$tree" "$work/checkout"
  cd "$work/checkout" || exit 1
  git init -q && git add -A && git -c user.name=t -c user.email=t@t commit -qm t || exit 1
  expect "a clean git checkout" "$kept" "$(scripts/package.sh --list)"
  rm src/gone.txt && echo x >src/new.txt
  expect "a git checkout, a file added and one deleted" \
    "$(sed 's,src/gone.txt,src/new.txt,' <<<"$kept")" "$(scripts/package.sh --list)"
else
  echo "skip: git is not installed"
fi
[ "$failures" -eq 0 ]
