#!/bin/sh
# Starts the desktop program on a virtual screen with a model and writes a
# picture of its window to BUILD_DIR/screenshot.png.
# Usage: tools/screenshot.sh BUILD_DIR MODEL
set -eu
build=${1:-build}
model=${2:-$build/examples/house.lgo}
out="$build/screenshot.png"
[ -x "$build/brikolo" ] || { echo "no program at $build/brikolo; build first" >&2; exit 1; }
[ -f "$model" ] || { echo "no model at $model" >&2; exit 1; }
rm -f "$out"
# The program writes the picture once the model is shown, then ends by itself.
BRIKOLO_SCREENSHOT="$(realpath -m "$out")" timeout 60 \
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/brikolo" "$(realpath "$model")"
[ -s "$out" ] || { echo "no picture was written" >&2; exit 1; }
echo "Screenshot written to $out"
