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
# Some virtual machines have no 32-bit mode: the kernel refuses every 32-bit
# program. There the kernel is told to hand 32-bit programs to qemu's i386
# user-mode emulator (Debian's qemu-user-static), so the same Wine runs the
# same i686 OCX and its suites, only slower. Timings of the i686 build made
# this way are the emulator's, not the build's (run_i686_suite.sh says so).
I686_CHECK="$(dirname "$0")/../tests/wine/harness/run_i686_suite.sh"
BINFMT=/proc/sys/fs/binfmt_misc
# qemu walks its whole reserved guest space on Wine's memory calls: with the
# default 4 GiB every Wine program takes a minute to start, with 2 GiB and a
# little (Wine's 32-bit programs live below 2 GiB, qemu puts their stack and
# loader just above) three seconds. The kernel passes no options to a handler,
# so a small launcher sets the size.
QEMU_LAUNCHER=/usr/local/libexec/glavo-qemu-i386
register_i386_emulator() {
  installed qemu-user-static || { $SUDO apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null; } || return 1
  $SUDO mkdir -p "$(dirname "$QEMU_LAUNCHER")"
  printf '#!/bin/sh\nQEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x81000000} exec /usr/bin/qemu-i386-static "$@"\n' |
    $SUDO tee "$QEMU_LAUNCHER" >/dev/null && $SUDO chmod 755 "$QEMU_LAUNCHER" || return 1
  [ -e "$BINFMT/glavo-i386" ] && return 0
  [ -e "$BINFMT/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$BINFMT" || return 1
  # 32-bit ELF executables and shared objects (the loader run directly).
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":glavo-i386:M::$magic:$mask:$QEMU_LAUNCHER:" | $SUDO tee "$BINFMT/register" >/dev/null
}
if [ -e "$BINFMT/glavo-i386" ] || ! sh "$I686_CHECK" /usr/lib/wine/wine true >/dev/null; then
  echo "setup: this machine's kernel cannot run 32-bit programs; they run under qemu's i386 emulator"
  register_i386_emulator || echo "setup: the emulator could not be registered (see the messages above)" >&2
fi
if ! sh "$I686_CHECK" /usr/lib/wine/wine true >/dev/null; then
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
