#!/usr/bin/env bash
# Installs, idempotently, every Debian package the build, the tests and the tools need.
set -euo pipefail
PKGS=(cmake ninja-build g++ pkg-config libfreetype-dev libfontconfig1-dev libpng-dev
      fonts-liberation fonts-dejavu-core mingw-w64 mingw-w64-tools wine64 xvfb xauth
      googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "setup: all packages present"
