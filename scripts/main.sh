#!/usr/bin/env bash
# The main job: builds the native tools, renders the gallery of the twelve
# built-in skin themes, then the drawing-primitive scene.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target glavo
./build/native/tools/glavo gallery -o gallery
./build/native/tools/glavo scene -o gallery/scene.png
echo "wrote gallery/index.html and gallery/scene.png"
