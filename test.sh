#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds (warnings are errors here), and runs
# every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
STEMMO_WERROR=ON scripts/build.sh
build=${STEMMO_BUILD_DIR:-build}
cd "$build"
ctest -j "$(nproc)" --output-on-failure "$@"
