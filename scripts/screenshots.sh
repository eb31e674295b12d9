#!/usr/bin/env bash
# Saves pictures of the tool's windows into docs/screenshots/, drawn
# offscreen (no display needed) against the bundled printer simulator on a
# pseudo-terminal: nothing goes on the network.
#
#   scripts/screenshots.sh [OUTPUT_DIR]
#
# BUILD_DIR (default build) is the build folder to use; it is configured and
# the picture programs are built when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=${1:-docs/screenshots}

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
fi
cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target directui_screenshots

mkdir -p "$OUT"
# The direct configuration window: each tab after a Connect, and the summary
# a Save shows.
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/directui_screenshots" "$OUT"
