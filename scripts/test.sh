#!/usr/bin/env bash
# Builds everything (native, Windows x86_64 and i686) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
for preset in mingw64 mingw32 native; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
done
ctest --preset native -j"$(nproc)"
