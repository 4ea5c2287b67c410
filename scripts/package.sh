#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package stemmo_<version>_amd64.deb and prints its path.
#
#   scripts/package.sh             package the programs of build/ (as built by ./test.sh)
#   scripts/package.sh --release   a clean release build in build-package/ first:
#                                  optimised, no tests, no benchmarks
#
# Install it with: sudo apt install ./stemmo_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  --release)
    build=${STEMMO_PACKAGE_DIR:-build-package}
    if [ ! -f "$build/build.ninja" ]; then
      cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DSTEMMO_BUILD_BENCH=OFF >/dev/null
    fi
    ;;
  "") build=${STEMMO_BUILD_DIR:-build} ;;
  *) echo "Aufruf: scripts/package.sh [--release]" >&2; exit 2 ;;
esac

cmake --build "$build" -j "$(nproc)" >/dev/null
rm -f "$build"/stemmo_*.deb
log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd "$build" && cpack -G DEB -B "$PWD" >"$log" 2>&1) || { cat "$log" >&2; exit 1; }
deb=$(ls "$build"/stemmo_*_amd64.deb)
echo "$deb"
