#!/usr/bin/env bash
# Starts Corvane Tool against the bundled printer simulator, on loopback only:
# no packet leaves the machine.
#
#   scripts/demo.sh [BIN_DIR] [extra corvane-tool options...]
#
# BIN_DIR is the folder holding corvane-printer-sim and corvane-tool
# (default build/bin; ./run.sh --demo passes it). What runs:
#
#   corvane-printer-sim  on 127.0.0.1: Ethernet and WLAN printers share UDP
#                        port 23781 (one socket answers both kinds of request,
#                        so the tool's single --remote-port fits both modes),
#                        the site survey on TCP 23318, and the direct-link
#                        printer on a pseudo-terminal linked as
#                        $DEMO_DIR/printer-link.
#   corvane-tool         --target 127.0.0.1 --local-address 127.0.0.1
#                        --remote-port 23781 --local-port 23780 --survey-port 23318
#                        --printer-host 127.0.0.1
#
# The simulated printers report 192.168.0.x addresses; --printer-host sends
# "BSS Info" to the simulator's survey server on loopback and opens the web
# page of http(s)://127.0.0.1 instead, so no button reaches another host.
#
# The ports lie below Linux's ephemeral range (32768-60999), so the OS never
# hands them to another program's outgoing socket. Override them with
# DEMO_PRINTER_PORT, DEMO_LOCAL_PORT and DEMO_SURVEY_PORT; DEMO_SIM_ARGS adds
# simulator options (for example "--fault-delay 500" or "--layout older").
# The direct-link device path is exported as CORVANE_LINK_DEVICE. When the
# tool closes, the simulator is stopped and its final state is left in
# $DEMO_DIR/state.json.
set -euo pipefail

BIN=${1:-build/bin}
[ $# -gt 0 ] && shift
PRINTER_PORT=${DEMO_PRINTER_PORT:-23781}
LOCAL_PORT=${DEMO_LOCAL_PORT:-23780}
SURVEY_PORT=${DEMO_SURVEY_PORT:-23318}

SIM="$BIN/corvane-printer-sim"
TOOL="$BIN/corvane-tool"
if [ ! -x "$SIM" ]; then
  echo "demo: $SIM is not built" >&2
  exit 1
fi

DEMO_DIR=$(mktemp -d "${TMPDIR:-/tmp}/corvane-demo.XXXXXX")
SIM_PID=

stop_sim() {
  if [ -n "$SIM_PID" ] && kill -0 "$SIM_PID" 2>/dev/null; then
    kill -TERM "$SIM_PID"
    wait "$SIM_PID" 2>/dev/null || true
  fi
  [ -f "$DEMO_DIR/state.json" ] && echo "demo: simulator state written to $DEMO_DIR/state.json"
}
trap stop_sim EXIT
trap 'exit 130' INT TERM

# shellcheck disable=SC2086  # DEMO_SIM_ARGS is a list of options
"$SIM" --bind 127.0.0.1 \
  --ethernet-port "$PRINTER_PORT" --wlan-port "$PRINTER_PORT" --survey-port "$SURVEY_PORT" \
  --pty-link "$DEMO_DIR/printer-link" --dump-state "$DEMO_DIR/state.json" \
  ${DEMO_SIM_ARGS:-} >"$DEMO_DIR/sim.out" 2>"$DEMO_DIR/sim.err" &
SIM_PID=$!

# The simulator prints its listeners and then the pty line once it serves.
for _ in $(seq 50); do
  grep -q '^pty: ' "$DEMO_DIR/sim.out" 2>/dev/null && break
  if ! kill -0 "$SIM_PID" 2>/dev/null; then
    echo "demo: the simulator did not start:" >&2
    cat "$DEMO_DIR/sim.err" >&2
    exit 1
  fi
  sleep 0.1
done
if ! grep -q '^pty: ' "$DEMO_DIR/sim.out"; then
  echo "demo: the simulator did not report its listeners in time" >&2
  exit 1
fi
sed 's/^/demo: simulator /' "$DEMO_DIR/sim.out"

export CORVANE_LINK_DEVICE="$DEMO_DIR/printer-link"
if [ ! -x "$TOOL" ]; then
  echo "demo: $TOOL is not built; the simulator keeps running until Ctrl+C"
  wait "$SIM_PID"
  exit 0
fi
"$TOOL" --target 127.0.0.1 --local-address 127.0.0.1 \
  --remote-port "$PRINTER_PORT" --local-port "$LOCAL_PORT" --survey-port "$SURVEY_PORT" \
  --printer-host 127.0.0.1 "$@"
