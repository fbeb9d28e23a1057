#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer into its own folder
# (${SANITIZE_BUILD_DIR:-build-sanitize}) and runs the whole suite there; non-zero on any failure
# or sanitizer report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}

"$root/scripts/setup.sh"
BUILD_DIR="$build" BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$root/scripts/build.sh" -DSANITIZE=ON

# Any report ends the process with an error, so the test fails. Leak checking stays off: the
# Qt platform and font libraries keep process-lifetime allocations that are not ours.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build"
ctest --output-on-failure --no-tests=error --parallel "${JOBS:-$(nproc)}" "$@"
