#!/usr/bin/env bash
# Starts the theme studio: installs what it needs, builds the glavo tool and
# serves the studio on 127.0.0.1 (default port 8915; pass --port N to change
# it, --port 0 for any free one). It prints the address to open; Ctrl+C stops
# it. GLAVO_BUILD_DIR chooses the build folder (default build/native).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${GLAVO_BUILD_DIR:-build/native}"
echo "studio: checking packages and building the glavo tool in $build (the first run takes a while)" >&2
bash scripts/setup.sh >/dev/null
cmake --preset native -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target glavo >/dev/null
exec "$build/tools/glavo" studio "$@"
