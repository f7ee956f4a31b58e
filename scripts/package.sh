#!/usr/bin/env bash
# Builds the Debian binary packages from the files of this working tree and
# checks them with lintian.
#   scripts/package.sh          -> build/package/*.deb
#   scripts/package.sh --list   prints the files it would package, one a line
# Which files: in a git checkout (a .git here and git installed), those git
# sees, committed or not, minus what it ignores. Otherwise (a tarball's
# extract, or no git installed) every file of the tree except .git and what
# the top-level .gitignore names (build/, shots/, editor swap files), so that
# both give the same files for the same tree.
set -euo pipefail
cd "$(dirname "$0")/.."

# The files to package, NUL-terminated.
tree_files() {
  if [ -e .git ] && command -v git >/dev/null; then
    git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done
    return
  fi
  # Each .gitignore line as a find test: "name/" only directories, a slash
  # before or inside the name anchors it at the top, else it matches at any
  # depth; what git alone can apply (!negation, **) stops the script.
  local ignored=(-path ./.git) pattern test
  while IFS= read -r pattern || [ -n "$pattern" ]; do
    case "$pattern" in '' | '#'*) continue ;; '!'* | *'**'*)
      echo "package.sh: without git, cannot apply the .gitignore line '$pattern'" >&2
      return 1
      ;;
    esac
    test=(-name "${pattern%/}")
    [[ "${pattern%/}" == */* ]] && test=(-path "./${pattern#/}") && test[1]=${test[1]%/}
    [[ "$pattern" == */ ]] && test=(-type d "${test[@]}")
    ignored+=(-o \( "${test[@]}" \))
  done < <([ -f .gitignore ] && cat .gitignore)
  find . \( "${ignored[@]}" \) -prune -o \( -type f -o -type l \) -printf '%P\0'
}

if [ "${1:-}" = --list ]; then
  tree_files | tr '\0' '\n'
  exit
fi

version=$(dpkg-parsechangelog -S Version)
out=build/package
src=$out/ruzdo-$version
rm -rf "$out"
mkdir -p "$src"
tree_files | tar --null -T - -cf - | tar -xf - -C "$src"
(cd "$src" && dpkg-buildpackage -b -us -uc --no-sign) >"$out/build.log" 2>&1 || {
  tail -n 40 "$out/build.log"
  exit 1
}
ls -l "$out"/*.deb
echo "lintian:"
lintian --fail-on error "$out"/*.changes
