#!/usr/bin/env bash
# Installs what is missing, builds, and starts the host application.
# Without arguments it opens the KIV plugin on a simulated device. Without a display it runs
# offscreen, puts each plugin on its simulated device, writes a screenshot of every page and
# names the folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

args=("$@")
if [ ${#args[@]} -eq 0 ]; then
  args=(--open-plugin KivApp --simulate)
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
  shots=${SCREENSHOT_DIR:-$(mktemp -d /tmp/orvane-screenshots.XXXXXX)}
  args=(--screenshot-dir "$shots" --tour)
fi
exec "$build/bin/Orvane" "${args[@]}"
