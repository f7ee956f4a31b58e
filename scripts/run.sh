#!/usr/bin/env bash
# Installs what building and running need (when it is missing), builds Ruzdo
# (optimised, without tests, in build/run) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DRUZDO_BUILD_TESTS=OFF -DRUZDO_BUILD_TOOLS=OFF >/dev/null
cmake --build build/run --target ruzdo
exec build/run/app/ruzdo "$@"
