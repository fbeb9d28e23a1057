#!/usr/bin/env bash
# Installs what is missing, builds, and starts the host application.
# Without a display it runs offscreen, writes screenshots of what it shows and names the folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

args=("$@")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
  shots=${SCREENSHOT_DIR:-$(mktemp -d /tmp/orvane-screenshots.XXXXXX)}
  args=(--screenshot-dir "$shots" --tour "${args[@]}")
fi
exec "$build/bin/Orvane" "${args[@]}"
