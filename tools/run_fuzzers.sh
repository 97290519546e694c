#!/usr/bin/env bash
# Runs every fuzz target in BUILD/tests/fuzz for SECONDS each, seeded with the
# shipped files of its kind.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
for target in "$build"/tests/fuzz/Fuzz*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  case "$name" in
    FuzzModelFile) cp -n "$root"/data/examples/house.lgo "$corpus"/ 2>/dev/null || true ;;
    FuzzPartFile) cp -n "$root"/data/parts/*.dat "$corpus"/ 2>/dev/null || true ;;
    FuzzSettings) cp -n "$root"/data/Brikolo.ini "$corpus"/ 2>/dev/null || true ;;
    FuzzMappingList) cp -n "$root"/data/bo2ld.lst "$corpus"/ 2>/dev/null || true ;;
    FuzzLDrawModel) cp -n "$root"/tests/ldraw/library/parts/*.dat "$corpus"/ 2>/dev/null || true ;;
  esac
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 "$corpus"
done
