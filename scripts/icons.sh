#!/usr/bin/env bash
# Draws the PNG sizes of the application icon from its SVG into
# res/icons/hicolor/ (the desktop's icon theme layout, installed as it stands).
# Run after changing res/icons/io.github.corvane.Tool.svg; needs rsvg-convert
# (Debian package librsvg2-bin), which the build itself does not.
set -euo pipefail
cd "$(dirname "$0")/../res/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" io.github.corvane.Tool.svg \
    -o "hicolor/${size}x${size}/apps/io.github.corvane.Tool.png"
done
