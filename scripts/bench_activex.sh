#!/usr/bin/env bash
# The real control under Wine: builds glavo-bench-activex.exe and the OCX
# for x86_64 and i686 (release, benchmark folders of their own) and runs
# them in a virtual desktop large enough for a 1920x1080 form. Writes
# OUT/activex-64.txt and OUT/activex-32.txt, every round's lines one after
# another (each round also in OUT/activex-BITS.roundN.txt).
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
build_of() { echo "${GLAVO_BENCH_WIN_BUILD_PREFIX:-build/bench-mingw}$1"; }

# This virtual machine has slow spells of seconds (a plain 8 MB copy then
# takes five times as long), enough to move a theme's median by half. Each
# build therefore runs GLAVO_BENCH_ROUNDS times (default 3), the two builds
# taking turns, and the table takes every figure's median across rounds.
rounds=${GLAVO_BENCH_ROUNDS:-3}
# A machine without a 32-bit mode starts no 32-bit program (Wine's loader
# included): the i686 half would only wait for its time-out there. Where
# setup.sh could register qemu's i386 emulator instead, the i686 half runs
# emulated; its figures are then the emulator's and are marked as such.
builds=(64 32)
if ! i686_note=$(sh tests/wine/harness/run_i686_suite.sh /usr/lib/wine/wine true); then
  echo "bench_activex: this machine cannot run 32-bit programs; the i686 build is not measured" >&2
  echo "SKIPPED this machine cannot run 32-bit programs" > "$out/activex-32.txt"
  builds=(64)
fi
for bits in "${builds[@]}"; do
  build=$(build_of "$bits")
  cmake --preset "mingw$bits" -B "$build" -DGLAVO_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" --target glavo-bench-activex glavowrap -j2 >/dev/null
  rm -f "$out/activex-$bits.txt"
done
if [[ " ${builds[*]} " == *" 32 "* && -n "$i686_note" ]]; then
  echo "EMULATED ${i686_note#NOTE: }" > "$out/activex-32.txt"
fi

for ((round = 1; round <= rounds; ++round)); do
  for bits in "${builds[@]}"; do
    build=$(build_of "$bits")
    result="$out/activex-$bits.round$round.txt"
    rm -f "$result"
    echo "real control under Wine, $bits-bit, round $round of $rounds..." >&2
    export WINEPREFIX="$PWD/$build/wineprefix-activex" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    timeout 60 wineserver -k >/dev/null 2>&1 || true
    timeout 1800 xvfb-run -a -s "-screen 0 2048x1280x24" \
      wine64 explorer /desktop=glavobench,2000x1200 "$PWD/$build/bin/glavo-bench-activex.exe" \
      "$(winpath "$PWD/$build/bin/glavowrap.ocx")" "$(winpath "$result")" "$themes" "$sizes" >/dev/null 2>&1 || true
    timeout 60 wineserver -k >/dev/null 2>&1 || true
    if ! grep -q '^DONE' "$result" 2>/dev/null; then
      echo "bench_activex: the $bits-bit run did not finish (see $result)" >&2
      exit 1
    fi
    cat "$result" >> "$out/activex-$bits.txt"
  done
done
