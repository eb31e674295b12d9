#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite through ctest.
#   ./test.sh                       normal build and suite
#   ./test.sh --sanitize            the suite built with AddressSanitizer + UBSan
#                                   (leaks fail a test too), in build-sanitize
#   ./test.sh --sanitize --no-gui   the same without the desktop windows' code
#   ./test.sh --fuzz [SECONDS]      the fuzz targets (clang, build-fuzz), each
#                                   run SECONDS (default 3) from its seeds
#   ./test.sh --lint                the layout and naming conventions
#                                   (clang-format, clang-tidy; see CONTRIBUTING.md)
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
fuzz=0
fuzz_seconds=3
gui=1
lint=0
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize) sanitize=1 ;;
    --no-gui) gui=0 ;;
    --lint) lint=1 ;;
    --fuzz)
      fuzz=1
      if [ $# -gt 1 ] && [[ "$2" =~ ^[0-9]+$ ]]; then fuzz_seconds=$2; shift; fi ;;
    *) echo "usage: ./test.sh [--sanitize [--no-gui]] | [--fuzz [SECONDS]] | [--lint]" >&2; exit 2 ;;
  esac
  shift
done

./scripts/deps.sh

if [ "$fuzz" = 1 ]; then
  exec ./fuzz/run.sh --smoke "$fuzz_seconds"
fi

if [ "$lint" = 1 ]; then
  # The checks read the normal build's compile commands and form headers.
  BUILD_DIR=build ./scripts/build.sh -DCORVANE_BUILD_GUI=ON
  exec ./scripts/lint.sh
fi

extra=()
[ -n "${CI:-}" ] && extra+=(-DCORVANE_WERROR=ON)
if [ "$sanitize" = 1 ]; then
  export BUILD_DIR=build-sanitize
  extra+=(-DCORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  # Any report ends the test that caused it; leaks are reported at exit.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/robustness/lsan.supp:print_suppressions=0
else
  export BUILD_DIR=build
fi
# Stated every time: the build folder would otherwise keep the last choice.
if [ "$gui" = 1 ]; then extra+=(-DCORVANE_BUILD_GUI=ON); else extra+=(-DCORVANE_BUILD_GUI=OFF); fi
./scripts/build.sh "${extra[@]}"

export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" --timeout 300
