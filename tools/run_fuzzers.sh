#!/usr/bin/env bash
# Runs every fuzz target of BUILD/tests/fuzz for SECONDS each, JOBS targets at
# a time. Each starts from its committed corpus (tests/fuzz/corpus/<target>,
# read only) and the shipped files of its kind; what it learns goes into
# BUILD/fuzz-corpus/<target>. An input that finds a fault is kept in
# BUILD/fuzz-artifacts/<target>/ and the run fails: once the fault is mended,
# the input goes into the committed corpus so it stays a regression case.
# A SEED makes a run repeatable: CI gives one, so that what it tries in its
# minute is what a longer run with the same seed tried first.
set -euo pipefail
build=${1:-build-sanitize}
seconds=${2:-60}
jobs=${3:-2}
seed=${4:-0}
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tools/lsan.supp:print_suppressions=0}

# The shipped files each target reads, as first seeds.
shipped_seeds() {
  case "$1" in
    FuzzModelFile) echo "$root"/data/examples/house.lgo "$root"/data/examples/general.lgo ;;
    FuzzPartFile) echo "$root"/data/parts/*.dat ;;
    FuzzSettings) echo "$root"/data/Brikolo.ini ;;
    FuzzMappingList) echo "$root"/data/bo2ld.lst ;;
    FuzzLDrawModel) find "$root"/tests/ldraw/library -name '*.dat' -size -8k ;;
  esac
}

run_target() {
  local target=$1 name
  name=$(basename "$target")
  local corpus="$build/fuzz-corpus/$name" artifacts="$build/fuzz-artifacts/$name"
  local corpora=("$corpus")
  [ -d "$root/tests/fuzz/corpus/$name" ] && corpora+=("$root/tests/fuzz/corpus/$name")
  mkdir -p "$corpus" "$artifacts"
  for file in $(shipped_seeds "$name"); do cp -n "$file" "$corpus"/ 2>/dev/null || true; done
  if "$target" -max_total_time="$seconds" -timeout=20 -max_len=4096 -seed="$seed" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "${corpora[@]}" > "$build/fuzz-$name.log" 2>&1; then
    echo "== $name: $(grep -E '^stat::number_of_executed_units' "$build/fuzz-$name.log" |
      awk '{print $2}') inputs in ${seconds}s, no fault"
  else
    echo "== $name FOUND A FAULT (input in $artifacts):"
    grep -v -E '^(#|INFO|stat::)' "$build/fuzz-$name.log" | tail -n 40
    return 1
  fi
}

status=0
running=0
for target in "$build"/tests/fuzz/Fuzz*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
