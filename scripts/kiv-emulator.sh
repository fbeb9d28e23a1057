#!/usr/bin/env bash
# Starts the KIV emulator on a virtual serial cable and prints the port to connect to.
# Extra arguments go to the emulator, e.g. --variant relay --fault late:1500 --verbose.
exec "$(dirname "$0")/emulator-on-pty.sh" kiv-emulator "KIV emulator" "$@"
