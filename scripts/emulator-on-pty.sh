#!/usr/bin/env bash
# Starts a virtual serial cable (socat pty pair) with a device emulator on one end and prints
# the port the configuration software should open. Ctrl-C (or the end of this script) stops both.
# Usage: emulator-on-pty.sh PROGRAM TITLE [emulator arguments...]
set -euo pipefail

PROGRAM=$1
TITLE=$2
shift 2
BUILD_DIR=${BUILD_DIR:-build}
EMULATOR="$BUILD_DIR/bin/$PROGRAM"
if [[ ! -x "$EMULATOR" ]]; then
    echo "$PROGRAM not found at $EMULATOR (build it, or set BUILD_DIR)" >&2
    exit 2
fi
command -v socat >/dev/null || { echo "socat is not installed" >&2; exit 2; }

DIR=$(mktemp -d "${TMPDIR:-/tmp}/$PROGRAM.XXXXXX")
SOCAT_PID=""
EMU_PID=""

cleanup() {
    trap - EXIT INT TERM
    [[ -n "$EMU_PID" ]] && kill "$EMU_PID" 2>/dev/null && wait "$EMU_PID" 2>/dev/null || true
    [[ -n "$SOCAT_PID" ]] && kill "$SOCAT_PID" 2>/dev/null && wait "$SOCAT_PID" 2>/dev/null || true
    rm -rf "$DIR"
}
trap cleanup EXIT
trap 'exit 0' INT TERM

socat -d -d "pty,raw,echo=0,link=$DIR/ttyA" "pty,raw,echo=0,link=$DIR/ttyB" 2>"$DIR/socat.log" &
SOCAT_PID=$!
for _ in $(seq 1 100); do
    [[ -e "$DIR/ttyA" && -e "$DIR/ttyB" ]] && break
    kill -0 "$SOCAT_PID" 2>/dev/null || { cat "$DIR/socat.log" >&2; exit 2; }
    sleep 0.05
done
[[ -e "$DIR/ttyA" && -e "$DIR/ttyB" ]] || { echo "socat did not create the ptys" >&2; exit 2; }

"$EMULATOR" --port "$DIR/ttyA" --state-file "$DIR/state.txt" "$@" &
EMU_PID=$!

echo "$TITLE running. Connect the software to: $DIR/ttyB"
echo "(115200 baud, no parity, Modbus id 1 unless given; register image in $DIR/state.txt)"
echo "Press Ctrl-C to stop."
wait "$EMU_PID" || true
EMU_PID=""
