#!/usr/bin/env bash
# Start-up time and peak memory of dcdrive against the bare Qt main window built beside it
# (benchmarks/barewindow). Both start on the offscreen platform and end as soon as their main
# window is up (DCDRIVE_QUIT_WHEN_SHOWN, ACDRIVE_QUIT_WHEN_SHOWN for the bare window). Prints
# the medians over RUNS runs and the ratios.
#   scripts/startup-bench-dc.sh [RUNS]        (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${BUILD_DIR:-build/dev}
dcdrive=$build/dcdrive/ui/dcdrive
bare=$build/benchmarks/barewindow/barewindow
for program in "$dcdrive" "$bare"; do
  if [ ! -x "$program" ]; then
    echo "startup-bench-dc: $program is missing; build first (cmake --build --preset dev)" >&2
    exit 1
  fi
done
export QT_QPA_PLATFORM=offscreen DCDRIVE_QUIT_WHEN_SHOWN=1 ACDRIVE_QUIT_WHEN_SHOWN=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# Milliseconds from the start of the process to its end after the first shown main window.
startup_ms() {
  local program=$1 start end
  "$program" >/dev/null 2>&1  # warm the file cache
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
  done | median | awk '{printf "%.1f", $1 / 1000}'
}

# Peak resident memory in KiB (/usr/bin/time -v, "Maximum resident set size").
peak_kib() {
  local program=$1
  for _ in $(seq "$runs"); do
    /usr/bin/time -v "$program" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2}'
  done | median
}

dc_ms=$(startup_ms "$dcdrive")
bare_ms=$(startup_ms "$bare")
dc_kib=$(peak_kib "$dcdrive")
bare_kib=$(peak_kib "$bare")

printf '%-12s %12s %14s\n' program "start-up ms" "peak memory"
printf '%-12s %12s %11s KiB\n' dcdrive "$dc_ms" "$dc_kib"
printf '%-12s %12s %11s KiB\n' barewindow "$bare_ms" "$bare_kib"
awk -v a="$dc_ms" -v b="$bare_ms" -v m="$dc_kib" -v n="$bare_kib" 'BEGIN {
  printf "start-up ratio %.2f\n", a / b
  printf "memory ratio   %.2f\n", m / n
}'
