#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: all of
# them, the engine's and the app's with its end-to-end scripts, built with
# AddressSanitizer and UBSan first (a use after free fails the test that
# meets it); then the plain debug build (with the benchmarks) and its quick
# tests, whose checks of memory growth only count without sanitizers; then a
# minute of fuzzing per fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset unit

# Last, and apart: fuzz the engine for a bounded time (60 s per target).
scripts/fuzz.sh 60

# Last and separately: the Debian packages, built and installed into a clean
# Debian 12 root (debootstrap and chroot need root).
if [ "$(id -u)" -eq 0 ]; then
  scripts/package-test.sh
elif command -v sudo >/dev/null; then
  sudo scripts/package-test.sh
else
  echo "test.sh: the package test needs root and there is no sudo; it was not run." >&2
  echo "As root: $(pwd)/scripts/package-test.sh" >&2
fi
