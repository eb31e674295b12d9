#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite through ctest.
#   ./test.sh              normal build and suite
#   ./test.sh --sanitize   the suite built with AddressSanitizer + UBSan
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done

./scripts/deps.sh

extra=()
[ -n "${CI:-}" ] && extra+=(-DCORVANE_WERROR=ON)
if [ "$sanitize" = 1 ]; then
  export BUILD_DIR=build-sanitize
  extra+=(-DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
  export BUILD_DIR=build
fi
./scripts/build.sh "${extra[@]}"

export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" --timeout 300
