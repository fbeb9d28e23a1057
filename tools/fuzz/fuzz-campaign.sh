#!/usr/bin/env bash
# Long libFuzzer campaign (not in CI): every target, or the ones named, for a number of
# executions each, one worker per core, under clang with ASan and UBSan.
# Usage: tools/fuzz/fuzz-campaign.sh [RUNS] [TARGET...]
#   FUZZ_BUILD_DIR (default build-fuzz) is configured here with clang and -DORVANE_FUZZ=ON when
#   missing; WORK_DIR (default fuzz-work) keeps the growing corpora, logs and any crash inputs.
# Prints one line a target: executions, seconds, rate, and whether it ended clean.
set -euo pipefail
cd "$(dirname "$0")/../.."
SRC=$PWD
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
WORK=${WORK_DIR:-fuzz-work}
RUNS=${1:-10000000}
shift || true

# target | seed corpus | extra options. Inputs stay short where their size only repeats
# lines or frames: the rate falls with the input's length.
TABLE="fuzz_readCfgFile|tests/kiv/files/fuzz/corpus|
fuzz_KivReadJson|tests/kiv/files/fuzz/json-corpus|
fuzz_updateList|tests/kiv/files/fuzz/update-corpus|
fuzz_RtuFrameParser|tests/tools/fuzz/corpus/rtu|-max_len=1024
fuzz_RegisterImageFile|tests/tools/fuzz/corpus/image|
fuzz_nemtraPropertyFile|tests/znt/files/fuzz/corpus|-max_len=1024
fuzz_nemtraSimulationImage|znt/resources/others|"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cut -d'|' -f1 <<<"$TABLE")
fi

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  CXX=clang++ CC=clang cmake -S . -B "$BUILD" -G Ninja -DORVANE_FUZZ=ON >/dev/null
fi
cmake --build "$BUILD" --target "${targets[@]}" >/dev/null
mkdir -p "$WORK"
# The file readers write their input to a scratch file on every run; keep it in memory.
[ -d /dev/shm ] && export TMPDIR=/dev/shm

run_one() {
  local name=$1 line seeds extra start status
  line=$(grep "^$name|" <<<"$TABLE") || { echo "$name: unknown target" >&2; return 1; }
  seeds=$(cut -d'|' -f2 <<<"$line")
  extra=$(cut -d'|' -f3 <<<"$line")
  mkdir -p "$WORK/corpus-$name" "$WORK/crash-$name"
  start=$(date +%s)
  status=clean
  # shellcheck disable=SC2086
  "$BUILD/fuzz/$name" -runs="$RUNS" -print_final_stats=1 -artifact_prefix="$WORK/crash-$name/" $extra \
    "$WORK/corpus-$name" "$SRC/$seeds" >"$WORK/log-$name.txt" 2>&1 || status="FAILED, see $WORK/log-$name.txt"
  local secs=$(( $(date +%s) - start ))
  local done
  done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$WORK/log-$name.txt")
  printf '%-28s %12s executions %7d s %8d/s  %s\n' "$name" "${done:-?}" "$secs" \
    $(( ${done:-0} / (secs > 0 ? secs : 1) )) "$status"
}

# A small queue shared by one worker per core.
queue=$(mktemp)
printf '%s\n' "${targets[@]}" >"$queue"
worker() {
  local name
  while true; do
    # A lock file of its own: sed -i replaces the queue file.
    name=$(flock "$queue.lock" sh -c 'head -n 1 "$1"; sed -i 1d "$1"' _ "$queue")
    [ -n "$name" ] || return 0
    run_one "$name"
  done
}
for _ in $(seq "$(nproc)"); do worker & done
wait
rm -f "$queue" "$queue.lock"
