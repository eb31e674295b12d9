#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvane Tool.
#   ./run.sh          the desktop tool
#   ./run.sh --demo   the tool against the printer simulator on loopback only
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh >/dev/null
BIN=build/bin

if [ "${1:-}" = "--demo" ]; then
  exec ./scripts/demo.sh "$BIN"
fi
if [ -x "$BIN/corvane-tool" ]; then
  exec "$BIN/corvane-tool" "$@"
fi
exec "$BIN/corvane" --help
