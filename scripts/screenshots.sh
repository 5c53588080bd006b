#!/usr/bin/env bash
# Pictures of every acdrive window as a user sees it: starts the program under Xvfb with its
# guided tour (ACDRIVE_TOUR), which fills in the sample drive, runs two calculations answering
# their dialogs and saves a PNG of each window into OUTDIR: main window with results,
# tachogram chart, pie and bar charts, editor, motor window, both dialogs, help and splash.
#   scripts/screenshots.sh OUTDIR        (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/screenshots.sh OUTDIR" >&2
  exit 2
fi
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
program=${BUILD_DIR:-build/dev}/acdrive/ui/acdrive
if [ ! -x "$program" ]; then
  echo "screenshots: $program is missing; build first (cmake --build --preset dev)" >&2
  exit 1
fi
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
ACDRIVE_TOUR="$out" QT_QPA_PLATFORM=xcb timeout 120 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
expected=(main-results main-tachogram main-pie main-bar editor motor dialog-number dialog-choice help splash)
missing=0
for name in "${expected[@]}"; do
  if [ ! -s "$out/$name.png" ]; then
    echo "screenshots: $name.png was not written" >&2
    missing=1
  fi
done
[ $missing -eq 0 ] && echo "screenshots: ${#expected[@]} pictures in $out"
exit $missing
