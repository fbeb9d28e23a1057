#!/usr/bin/env bash
# Starts the ZNT emulator on a virtual serial cable and prints the port to connect to.
# Extra arguments go to the emulator, e.g. --model VTX --fault late:1500 --verbose.
exec "$(dirname "$0")/emulator-on-pty.sh" znt-emulator "ZNT emulator" "$@"
