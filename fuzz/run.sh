#!/usr/bin/env bash
# Fuzzes one target for a while, or every target briefly.
#   fuzz/run.sh TARGET SECONDS [libFuzzer options...]   one target, growing its
#                                     working corpus in build-fuzz/corpus/TARGET
#   fuzz/run.sh --smoke [SECONDS]     every target SECONDS (default 3) from the
#                                     committed seeds, fixed seed; fails on any
#                                     finding (the short pass CI runs)
#   fuzz/run.sh --list                the target names
# Builds the targets first (clang, build-fuzz) unless FUZZ_SKIP_BUILD=1.
# Findings land in build-fuzz/findings/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_DIR=fuzz
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
TARGETS=(frame_text if_message config_reply
         discovery_answer checksummed
         vendor_name certificate_upload certificate_file roundtrip)

usage() {
  echo "usage: fuzz/run.sh TARGET SECONDS [libFuzzer options...] | --smoke [SECONDS] | --list" >&2
  exit 2
}

build() {
  [ "${FUZZ_SKIP_BUILD:-0}" = 1 ] && return 0
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_FUZZ=ON -DCORVANE_WERROR=ON >/dev/null
  cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target fuzz_targets
}

# run_target NAME SECONDS CORPUS... [-- options]: one libFuzzer run.
run_target() {
  local name=$1 seconds=$2; shift 2
  local findings="$BUILD_DIR/findings/$name"
  mkdir -p "$findings"
  "$BUILD_DIR/bin/fuzz_$name" -max_total_time="$seconds" -dict="$FUZZ_DIR/corvane.dict" \
    -artifact_prefix="$findings/" -print_final_stats=1 "$@"
}

[ $# -ge 1 ] || usage
case "$1" in
  --list)
    printf '%s\n' "${TARGETS[@]}" ;;
  --smoke)
    seconds=${2:-3}
    build
    mkdir -p "$BUILD_DIR/findings"
    failed=()
    for name in "${TARGETS[@]}"; do
      # A fresh copy of the seeds, so the committed corpus stays as it is.
      work=$(mktemp -d)
      cp "$FUZZ_DIR/corpus/$name"/* "$work/"
      if run_target "$name" "$seconds" -seed=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048 "$work" \
           >"$BUILD_DIR/findings/$name.log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$BUILD_DIR/findings/$name.log")
        echo "fuzz $name: ${runs:-?} runs, no finding"
      else
        failed+=("$name")
        echo "fuzz $name: FINDING, see $BUILD_DIR/findings/$name.log" >&2
        tail -n 40 "$BUILD_DIR/findings/$name.log" >&2
      fi
      rm -rf "$work"
    done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "fuzz findings in: ${failed[*]}" >&2
      exit 1
    fi ;;
  *)
    [ $# -ge 2 ] || usage
    name=$1 seconds=$2; shift 2
    printf '%s\n' "${TARGETS[@]}" | grep -qx "$name" || { echo "unknown target: $name" >&2; usage; }
    build
    corpus="$BUILD_DIR/corpus/$name"
    mkdir -p "$corpus"
    run_target "$name" "$seconds" -max_len=4096 -timeout=10 "$@" "$corpus" "$FUZZ_DIR/corpus/$name" ;;
esac
