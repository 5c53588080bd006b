#!/usr/bin/env bash
# Start-up time and peak memory of acdrive against a bare Qt main window built beside it.
# Both start on the offscreen platform and end as soon as their main window is up
# (ACDRIVE_QUIT_WHEN_SHOWN). Prints the medians over RUNS runs and the ratios.
#   scripts/startup-bench.sh [RUNS]        (build folder: $BUILD_DIR, default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${BUILD_DIR:-build/dev}
acdrive=$build/acdrive/ui/acdrive
bare=$build/benchmarks/barewindow/barewindow
for program in "$acdrive" "$bare"; do
  if [ ! -x "$program" ]; then
    echo "startup-bench: $program is missing; build first (cmake --build --preset dev)" >&2
    exit 1
  fi
done
export QT_QPA_PLATFORM=offscreen ACDRIVE_QUIT_WHEN_SHOWN=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

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

# Peak resident memory in KiB.
peak_kib() {
  local program=$1
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %M "$program" 2>&1 >/dev/null | tail -1
  done | median
}

ac_ms=$(startup_ms "$acdrive")
bare_ms=$(startup_ms "$bare")
ac_kib=$(peak_kib "$acdrive")
bare_kib=$(peak_kib "$bare")

printf '%-12s %12s %14s\n' program "start-up ms" "peak memory"
printf '%-12s %12s %11s KiB\n' acdrive "$ac_ms" "$ac_kib"
printf '%-12s %12s %11s KiB\n' barewindow "$bare_ms" "$bare_kib"
awk -v a="$ac_ms" -v b="$bare_ms" -v m="$ac_kib" -v n="$bare_kib" 'BEGIN {
  printf "start-up ratio %.2f (aim 1.5 or less)\n", a / b
  printf "memory ratio   %.2f (aim 1.3 or less)\n", m / n
}'
