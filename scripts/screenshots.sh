#!/usr/bin/env bash
# Pictures of every window of acdrive or dcdrive as a user sees it: starts the program under
# Xvfb with its guided tour, which saves a PNG of each window into OUTDIR.
# - acdrive (ACDRIVE_TOUR): fills in the sample drive, runs two calculations answering their
#   dialogs: main window with results, tachogram chart, pie and bar charts, editor, motor
#   window, both dialogs, help and splash.
# - dcdrive (DCDRIVE_TOUR): loads the realistic drive of tests/data through the file dialogs
#   (the entry checks of "Схема Г-Д" leading through the editor and the motor window), runs both
#   calculations: main window at start, with both reports and with the chart, editor, motor
#   window, both systems' input windows, coefficients, about box, a message, the Yes/No
#   question and the open dialog.
#   scripts/screenshots.sh OUTDIR [acdrive|dcdrive]   (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/screenshots.sh OUTDIR [acdrive|dcdrive]" >&2
  exit 2
fi
out=$(realpath -m "$1")
name=${2:-acdrive}
cd "$(dirname "$0")/.."
case "$name" in
  acdrive)
    tour=(ACDRIVE_TOUR="$out")
    expected=(main-results main-tachogram main-pie main-bar editor motor dialog-number dialog-choice help splash) ;;
  dcdrive)
    tour=(DCDRIVE_TOUR="$out" DCDRIVE_TOUR_DATA="$PWD/tests/data")
    expected=(tform1-start message-box open-dialog tform4 tform2 tform5 tform1-memo tform6 tform7
              tform1-memo-both tform1-chart tform3 question-box) ;;
  *) echo "usage: scripts/screenshots.sh OUTDIR [acdrive|dcdrive]" >&2; exit 2 ;;
esac
program=${BUILD_DIR:-build/dev}/$name/ui/$name
if [ ! -x "$program" ]; then
  echo "screenshots: $program is missing; build first (cmake --build --preset dev)" >&2
  exit 1
fi
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
env "${tour[@]}" QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
missing=0
for picture in "${expected[@]}"; do
  if [ ! -s "$out/$picture.png" ]; then
    echo "screenshots: $picture.png was not written" >&2
    missing=1
  fi
done
[ $missing -eq 0 ] && echo "screenshots: ${#expected[@]} pictures of $name in $out"
exit $missing
