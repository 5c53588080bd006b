#!/usr/bin/env bash
# Start-up time and peak memory of acdrive or dcdrive against the bare Qt main window built
# beside them (benchmarks/barewindow). Each starts on the offscreen platform and ends as soon as
# its main window is up (ACDRIVE_QUIT_WHEN_SHOWN, DCDRIVE_QUIT_WHEN_SHOWN; the bare window
# follows the first). Prints the medians over RUNS runs and the ratios.
#   scripts/startup-bench.sh [acdrive|dcdrive] [RUNS]   (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:-acdrive}
runs=${2:-15}
case "$name" in
  acdrive | dcdrive) ;;
  *) echo "usage: scripts/startup-bench.sh [acdrive|dcdrive] [RUNS]" >&2; exit 2 ;;
esac
build=${BUILD_DIR:-build/dev}
program=$build/$name/ui/$name
bare=$build/benchmarks/barewindow/barewindow
for binary in "$program" "$bare"; do
  if [ ! -x "$binary" ]; then
    echo "startup-bench: $binary is missing; build first (cmake --build --preset dev)" >&2
    exit 1
  fi
done
export QT_QPA_PLATFORM=offscreen ACDRIVE_QUIT_WHEN_SHOWN=1 DCDRIVE_QUIT_WHEN_SHOWN=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# Milliseconds from the start of the process to its end after the first shown main window.
startup_ms() {
  local binary=$1 start end
  "$binary" >/dev/null 2>&1  # warm the file cache
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$binary" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
  done | median | awk '{printf "%.1f", $1 / 1000}'
}

# Peak resident memory in KiB (/usr/bin/time -v, "Maximum resident set size").
peak_kib() {
  local binary=$1
  for _ in $(seq "$runs"); do
    /usr/bin/time -v "$binary" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2}'
  done | median
}

program_ms=$(startup_ms "$program")
bare_ms=$(startup_ms "$bare")
program_kib=$(peak_kib "$program")
bare_kib=$(peak_kib "$bare")

printf '%-12s %12s %14s\n' program "start-up ms" "peak memory"
printf '%-12s %12s %11s KiB\n' "$name" "$program_ms" "$program_kib"
printf '%-12s %12s %11s KiB\n' "bare window" "$bare_ms" "$bare_kib"
awk -v a="$program_ms" -v b="$bare_ms" -v m="$program_kib" -v n="$bare_kib" 'BEGIN {
  printf "start-up ratio %.2f (aim 1.5 or less)\n", a / b
  printf "memory ratio   %.2f (aim 1.3 or less)\n", m / n
}'
