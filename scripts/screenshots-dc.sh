#!/usr/bin/env bash
# Saves a PNG picture of every dcdrive window into OUTDIR: the program runs under a virtual X
# server (xvfb-run) and walks through its windows on a realistic drive (tests/data), loading the
# load diagram and the motor through its file dialogs and running both calculations.
#   scripts/screenshots-dc.sh OUTDIR        (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/dev}
program=$build/dcdrive/ui/dcdrive
if [ ! -x "$program" ]; then
  echo "screenshots-dc: $program is missing; build first (cmake --build --preset dev)" >&2
  exit 1
fi
mkdir -p "$1"
outdir=$(cd "$1" && pwd)
export DCDRIVE_TOUR=$outdir
export DCDRIVE_TOUR_DATA=$root/tests/data
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
ls "$outdir"/*.png
