#!/usr/bin/env bash
# Saves pictures of the tool's windows in one language, drawn offscreen (no
# display needed) against the bundled printer simulator on loopback and a
# pseudo-terminal: nothing goes on the network.
#
#   scripts/screenshots.sh [LANGUAGE [OUTPUT_DIR]]
#
# LANGUAGE is what corvane-tool's --language takes: en (the default, the
# built-in English texts) or a catalog name such as German or Japanese. The
# pictures go to docs/screenshots/ for English and docs/screenshots/LANGUAGE/
# otherwise, unless OUTPUT_DIR says where.
#
# BUILD_DIR (default build) is the build folder to use; it is configured and
# the picture programs are built when needed. One function per window group.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
LANGUAGE_NAME=${1:-en}
if [ "$LANGUAGE_NAME" = en ]; then
  OUT=${2:-docs/screenshots}
else
  OUT=${2:-docs/screenshots/$LANGUAGE_NAME}
fi
export QT_QPA_PLATFORM=offscreen

build_programs() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
  fi
  cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target "$@"
}

# The launcher, both device lists filled from the simulator, and the settings
# window. The simulator listens on free ports of 127.0.0.1 only and the tool
# sends there from 127.0.0.1.
lan_windows() {
  local dir sim_pid ethernet wlan status=0
  dir=$(mktemp -d "${TMPDIR:-/tmp}/corvane-shots.XXXXXX")
  "$BUILD_DIR/bin/corvane-printer-sim" --bind 127.0.0.1 --ethernet-port 0 --wlan-port 0 --survey-port 0 \
    --no-link >"$dir/sim.out" 2>"$dir/sim.err" &
  sim_pid=$!
  for _ in $(seq 50); do
    grep -q '^survey: ' "$dir/sim.out" 2>/dev/null && break
    sleep 0.1
  done
  ethernet=$(sed -n 's/^ethernet: 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$dir/sim.out")
  wlan=$(sed -n 's/^wlan: 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$dir/sim.out")
  if [ -z "$ethernet" ] || [ -z "$wlan" ]; then
    echo "screenshots: the simulator did not start:" >&2
    cat "$dir/sim.err" >&2
    status=1
  else
    "$BUILD_DIR/bin/lan_screenshots" --language "$LANGUAGE_NAME" "$OUT" "$ethernet" "$wlan" || status=$?
  fi
  kill -TERM "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -rf "$dir"
  return "$status"
}

# The direct configuration window: each tab after a Connect, and the summary
# a Save shows.
direct_windows() {
  "$BUILD_DIR/bin/directui_screenshots" --language "$LANGUAGE_NAME" "$OUT"
}

# "Provision printers…" with three printers plugged into the simulator.
provision_window() {
  "$BUILD_DIR/bin/provision_screenshots" --language "$LANGUAGE_NAME" "$OUT"
}

build_programs corvane-printer-sim lan_screenshots directui_screenshots provision_screenshots
mkdir -p "$OUT"
lan_windows
direct_windows
provision_window
