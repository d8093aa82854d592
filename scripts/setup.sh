#!/usr/bin/env bash
# Installs, idempotently, every Debian package the build, the tests and the tools need.
set -euo pipefail
PKGS=(cmake ninja-build g++ pkg-config libfreetype-dev libfontconfig1-dev libpng-dev
      fonts-liberation fonts-dejavu-core mingw-w64 mingw-w64-tools wine64 xvfb xauth
      googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
      libcpp-httplib-dev nlohmann-json3-dev chromium nodejs python3)
# Wine's 32-bit loader runs the i686 build (what 32-bit hosts load) in the tests.
WINE32=wine32:i386

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=()
for p in "${PKGS[@]}" "$WINE32"; do
  installed "$p" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ " ${missing[*]} " == *" $WINE32 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for $WINE32"
    $SUDO dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}"
  if ! $SUDO apt-get update -qq ||
     ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    echo "setup: could not install ${missing[*]} (see apt-get's messages above)." >&2
    if [[ " ${missing[*]} " == *" $WINE32 "* ]]; then
      echo "setup: $WINE32 needs the i386 architecture (dpkg --add-architecture i386) and a package" >&2
      echo "setup: source that carries it; without it the i686 build cannot be tested under Wine." >&2
    fi
    exit 1
  fi
fi
for p in "${PKGS[@]}" "$WINE32"; do
  installed "$p" || { echo "setup: $p is still not installed" >&2; exit 1; }
done
echo "setup: all packages present"
# Some virtual machines have no 32-bit mode: the loader is installed but the
# kernel will not start it. No package helps there; say so now, as the
# i686 suites will report themselves skipped (tests/wine/harness/run_i686_suite.sh).
if ! sh "$(dirname "$0")/../tests/wine/harness/run_i686_suite.sh" /usr/lib/wine/wine true >/dev/null; then
  echo "setup: WARNING: this machine's kernel cannot run 32-bit programs; the i686 build" >&2
  echo "setup: WARNING: cannot be tested here and its Wine suites will be reported skipped." >&2
fi
# The theme studio's browser tests: Playwright's driver from the npm registry,
# pinned by tools/studio/test/package-lock.json, drives the Debian Chromium.
# Debian's nodejs comes without npm; other builds of nodejs carry their own.
if ! command -v npm >/dev/null; then
  echo "setup: installing npm"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends npm >/dev/null
fi
STUDIO_TESTS="$(cd "$(dirname "$0")/.." && pwd)/tools/studio/test"
if [ ! -d "$STUDIO_TESTS/node_modules/playwright-core" ] ||
   [ "$STUDIO_TESTS/package-lock.json" -nt "$STUDIO_TESTS/node_modules/.package-lock.json" ]; then
  echo "setup: installing the studio's browser-test packages (npm ci)"
  (cd "$STUDIO_TESTS" && npm ci --no-audit --no-fund --loglevel=error)
fi
echo "setup: studio test packages present"
