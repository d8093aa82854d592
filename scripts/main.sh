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

# The real control: the demo program under Wine, in a virtual desktop on a
# private X display, photographed beside the gallery.
WINE64=$(command -v wine64 || ls /usr/lib/wine/wine64 /usr/lib64/wine/wine64 2>/dev/null | head -n1 || true)
WINESERVER=$(command -v wineserver || ls /usr/lib/wine/wineserver /usr/lib64/wine/wineserver 2>/dev/null | head -n1 || true)
if [[ -n "$WINE64" && -n "$WINESERVER" ]] && command -v xvfb-run >/dev/null &&
   command -v x86_64-w64-mingw32-g++ >/dev/null; then
  cmake --preset mingw64 >/dev/null
  cmake --build --preset mingw64 -j"$(nproc)" --target glavowrap glavo-demo
  export WINEPREFIX="$PWD/build/mingw64/demo-prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  timeout 60 "$WINESERVER" -k 2>/dev/null || true
  timeout 300 xvfb-run -a -s '-screen 0 1024x768x24' "$WINE64" explorer /desktop=glavo,1024x768 \
    build/mingw64/bin/glavo-demo.exe --theme 0 --screenshot "Z:$(pwd | tr / '\\')\\gallery\\demo.png" ||
    echo "the demo did not run under Wine"
  timeout 60 "$WINESERVER" -k 2>/dev/null || true
  if [[ -f gallery/demo.png ]]; then echo "wrote gallery/demo.png"; fi
fi
