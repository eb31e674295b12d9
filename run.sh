#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvane Tool.
#   ./run.sh          the desktop tool
#   ./run.sh --demo   the tool against the printer simulator on loopback only
#   ./run.sh --package  builds the Debian package build/corvane-tool_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh >/dev/null
BIN=build/bin

if [ "${1:-}" = "--demo" ]; then
  exec ./scripts/demo.sh "$BIN"
fi
if [ "${1:-}" = "--package" ]; then
  deb=$(cmake --build build --target package | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
  echo "$deb"
  echo "install it with: sudo apt install $deb"
  exit 0
fi
if [ -x "$BIN/corvane-tool" ]; then
  exec "$BIN/corvane-tool" "$@"
fi
exec "$BIN/corvane" --help
