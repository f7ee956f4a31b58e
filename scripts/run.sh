#!/usr/bin/env bash
# Installs what building and running need (when it is missing), builds Ruzdo
# (release, without tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset release -DRUZDO_BUILD_TESTS=OFF -DRUZDO_BUILD_TOOLS=OFF >/dev/null
cmake --build --preset release --target ruzdo
exec build/release/app/ruzdo "$@"
