#!/usr/bin/env bash
# Soak run of the KIV link against the emulator with seeded random faults.
# Usage: tools/soak/kiv-soak.sh [MINUTES] [SEED]   (BUILD_DIR defaults to build)
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build}
MINUTES=${1:-10}
SEED=${2:-1}
cmake --build "$BUILD_DIR" --target kiv-soak kiv-emulator >/dev/null
exec "$BUILD_DIR/bin/kiv-soak" --minutes "$MINUTES" --seed "$SEED" --emulator "$BUILD_DIR/bin/kiv-emulator"
