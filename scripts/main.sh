#!/usr/bin/env bash
# The main job: builds the native tools and renders the demonstration output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target glavo
mkdir -p gallery
./build/native/tools/glavo scene -o gallery/scene.png
echo "wrote gallery/scene.png"
