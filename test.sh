#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds (warnings are errors here), runs every
# test through CTest, then packages the programs and runs the package from a
# scratch root. Arguments go to ctest (e.g. -R tst_store) and skip the package.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
STEMMO_WERROR=ON scripts/build.sh
build=${STEMMO_BUILD_DIR:-build}
(cd "$build" && ctest -j "$(nproc)" --output-on-failure "$@")
if [ $# -eq 0 ]; then
  deb=$(scripts/package.sh)
  scripts/check-package.sh "$deb"
fi
