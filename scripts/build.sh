#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds everything into build/.
# STEMMO_WERROR=ON (as ./test.sh and CI set it) makes warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${STEMMO_BUILD_DIR:-build}
settings=()
[ -n "${STEMMO_WERROR:-}" ] && settings+=("-DSTEMMO_WERROR=${STEMMO_WERROR}")
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${settings[@]}"
elif [ ${#settings[@]} -gt 0 ] && ! grep -qx "STEMMO_WERROR:BOOL=${STEMMO_WERROR}" "$build/CMakeCache.txt"; then
  cmake "$build" "${settings[@]}"
fi
cmake --build "$build" -j "$(nproc)"
