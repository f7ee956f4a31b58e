#!/usr/bin/env bash
# Renders the application icon dist/icons/ruzdo.svg to the PNG sizes of the
# hicolor theme (dist/icons/NxN/ruzdo.png). Run by hand after changing the
# SVG; needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" ruzdo.svg -o "${size}x${size}/ruzdo.png"
done
