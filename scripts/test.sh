#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the engine
# under AddressSanitizer and UBSan first, then the whole project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
