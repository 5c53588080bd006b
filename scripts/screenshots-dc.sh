#!/usr/bin/env bash
# Pictures of every dcdrive window as a user sees it: starts the program under Xvfb with its
# tour (DCDRIVE_TOUR), which loads the realistic drive of tests/data through the file dialogs
# (the entry checks of "Схема Г-Д" leading through the editor and the motor window), runs both
# calculations and saves a PNG of each window into OUTDIR: main window at start, with both
# reports and with the chart, editor, motor window, both systems' input windows, coefficients,
# about box, a message, the Yes/No question and the open dialog.
#   scripts/screenshots-dc.sh OUTDIR        (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/screenshots-dc.sh OUTDIR" >&2
  exit 2
fi
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
program=${BUILD_DIR:-build/dev}/dcdrive/ui/dcdrive
if [ ! -x "$program" ]; then
  echo "screenshots-dc: $program is missing; build first (cmake --build --preset dev)" >&2
  exit 1
fi
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
DCDRIVE_TOUR="$out" DCDRIVE_TOUR_DATA="$PWD/tests/data" QT_QPA_PLATFORM=xcb timeout 120 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
expected=(tform1-start message-box open-dialog tform4 tform2 tform5 tform1-memo tform6 tform7
          tform1-memo-both tform1-chart tform3 question-box)
missing=0
for name in "${expected[@]}"; do
  if [ ! -s "$out/$name.png" ]; then
    echo "screenshots-dc: $name.png was not written" >&2
    missing=1
  fi
done
[ $missing -eq 0 ] && echo "screenshots-dc: ${#expected[@]} pictures in $out"
exit $missing
