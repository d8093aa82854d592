#!/usr/bin/env bash
# The real control under Wine: builds glavo-bench-activex.exe and the OCX
# for x86_64 and i686 (release, benchmark folders of their own) and runs
# them in a virtual desktop large enough for a 1920x1080 form. Writes
# OUT/activex-64.txt and OUT/activex-32.txt.
#
#   scripts/bench_activex.sh OUT [themes] [sizes]   e.g. OUT 0,3 0
set -euo pipefail
cd "$(dirname "$0")/.."
export PATH="$PATH:/usr/lib/wine"
out=$(realpath -m "${1:?usage: bench_activex.sh OUT [themes] [sizes]}")
themes=${2:-0,1,2,3,4,5,6,7,8,9,10,11}
sizes=${3:-0,1}
mkdir -p "$out"

winpath() { echo "Z:${1//\//\\}"; }

for bits in 64 32; do
  preset=mingw$bits
  build=${GLAVO_BENCH_WIN_BUILD_PREFIX:-build/bench-mingw}$bits
  cmake --preset "$preset" -B "$build" -DGLAVO_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" --target glavo-bench-activex glavowrap -j2 >/dev/null
  prefix="$PWD/$build/wineprefix-activex"
  result="$out/activex-$bits.txt"
  rm -f "$result"
  echo "real control under Wine, $bits-bit..." >&2
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  timeout 1800 xvfb-run -a -s "-screen 0 2048x1280x24" \
    wine64 explorer /desktop=glavobench,2000x1200 "$PWD/$build/bin/glavo-bench-activex.exe" \
    "$(winpath "$PWD/$build/bin/glavowrap.ocx")" "$(winpath "$result")" "$themes" "$sizes" >/dev/null 2>&1 || true
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  if ! grep -q '^DONE' "$result" 2>/dev/null; then
    echo "bench_activex: the $bits-bit run did not finish (see $result)" >&2
    exit 1
  fi
done
