#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the user's data folder.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
build=${STEMMO_BUILD_DIR:-build}
"$build/cli/stemmo" init
"$build/cli/stemmo" lists
