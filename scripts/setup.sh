#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the emulator need.
# Idempotent: does nothing when everything is there already.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ ccache
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-serialport-dev qt6-serialbus-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtquick-dialogs qml6-module-qtqml-workerscript
  qml6-module-qtquick-templates qml6-module-qtqml qml6-module-qtqml-models
  libgl-dev libgl1-mesa-dri fonts-dejavu-core xvfb xauth
  socat mbpoll poppler-utils python3
  libmodbus-dev # reference client of the link benchmark only
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
