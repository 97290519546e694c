#!/bin/sh
# Brikolo's converter for the POV-Ray route "POV (via L2P)": turns the LDraw
# test file into test.inc for the scene BO_test.pov. Brikolo runs it in the
# LDraw folder and passes no names; options given here are passed on
# (brikolo-cli pov-scene --help).
here=$(dirname "$0")
for cli in "$here/brikolo-cli" "$here/../../bin/brikolo-cli"; do
  if [ -x "$cli" ]; then exec "$cli" pov-scene include "$@"; fi
done
exec brikolo-cli pov-scene include "$@"
