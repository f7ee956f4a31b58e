#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the engine
# under AddressSanitizer and UBSan first, then the whole project, then a
# minute of fuzzing per fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/with-root.sh
as_root scripts/install-deps.sh

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

# Last, and apart: fuzz the engine for a bounded time (60 s per target).
scripts/fuzz.sh 60
