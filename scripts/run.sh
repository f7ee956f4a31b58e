#!/usr/bin/env bash
# Installs what is missing, builds Ruzdo (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/with-root.sh
as_root scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ruzdo
exec build/release/app/ruzdo "$@"
