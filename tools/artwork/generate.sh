#!/bin/sh
# Builds the artwork generator outside the product build and regenerates
# kiv/resources/images. Needs g++ and the Qt 6 Gui development package.
# Usage: tools/artwork/generate.sh [--sheets]   (sheets go to the build folder)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ARTWORK_BUILD_DIR:-$root/build-artwork}
mkdir -p "$build"

# shellcheck disable=SC2046
g++ -std=c++17 -O1 -fPIC -Wall -Wextra -o "$build/kiv-artwork" \
    "$here"/src/*.cpp $(pkg-config --cflags --libs Qt6Gui)

sheets=
if [ "${1:-}" = "--sheets" ]; then
    sheets="$build/sheets"
fi
QT_QPA_PLATFORM=offscreen "$build/kiv-artwork" "$root" $sheets
