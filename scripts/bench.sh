#!/usr/bin/env bash
# Runs every benchmark on one core (release build), the same frame
# benchmarks through GDI's DIB engine under Wine, and prints one table:
# drag step against its 4 ms target, against the memory-write floor, and
# against GDI; theme apply against its 25 ms target.
#
#   scripts/bench.sh [regex]     only the benchmarks whose names match
#   GLAVO_BENCH_NO_WINE=1        skip the Wine comparison and the real control
#   GLAVO_BENCH_CPU=0            the core to pin to
set -euo pipefail
cd "$(dirname "$0")/.."
export PATH="$PATH:/usr/lib/wine"

filter=${1:-.}
cpu=${GLAVO_BENCH_CPU:-0}
native=${GLAVO_BENCH_BUILD:-build/release}
windows=${GLAVO_BENCH_WIN_BUILD:-build/bench-mingw64}
out=${GLAVO_BENCH_OUT:-$native/bench-results}
mkdir -p "$out"

cmake --preset release -B "$native" >/dev/null
cmake --build "$native" --target glavo-bench -j2 >/dev/null
echo "native benchmarks (core $cpu)..." >&2
taskset -c "$cpu" "$native/bench/glavo-bench" --benchmark_filter="$filter" \
  --benchmark_repetitions=5 --benchmark_min_time=0.2 --benchmark_report_aggregates_only=true \
  --benchmark_format=json --benchmark_out="$out/native.json" --benchmark_out_format=json >/dev/null

: >"$out/gdi.txt"
if [[ -z "${GLAVO_BENCH_NO_WINE:-}" ]]; then
  cmake --preset mingw64 -B "$windows" -DGLAVO_BUILD_BENCH=ON >/dev/null
  cmake --build "$windows" --target glavo-bench-gdi -j2 >/dev/null
  prefix="$PWD/$windows/wineprefix"
  echo "GDI benchmarks under Wine (core $cpu)..." >&2
  # The harness filters by name prefix; the table needs the drag steps and
  # frame paints.
  for prefix_filter in BM_DragStep BM_FramePaint BM_ThemeApply; do
    WINEPREFIX="$prefix" WINEDEBUG=-all timeout 1800 taskset -c "$cpu" \
      wine64 "$windows/bench/glavo-bench-gdi.exe" "$prefix_filter" >>"$out/gdi.txt" || true
  done
  WINEPREFIX="$prefix" wineserver -k || true
  # The real control in a real window, both bitnesses (all themes, both sizes).
  bash scripts/bench_activex.sh "$out"
fi

python3 scripts/bench_table.py "$out/native.json" "$out/gdi.txt" "$out/activex-64.txt" "$out/activex-32.txt"
