#!/usr/bin/env bash
# Configures and builds the whole project into ${BUILD_DIR:-build}.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

launcher=()
if command -v ccache >/dev/null 2>&1; then
  # With the base dir at the source root the cache also hits for a clone in another folder.
  export CCACHE_BASEDIR="$root"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" --parallel "${JOBS:-$(nproc)}"
