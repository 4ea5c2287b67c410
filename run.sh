#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the recording program Stemora
# on the user's data folder. Without a display it runs the command-line
# demonstration instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
build=${STEMMO_BUILD_DIR:-build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/Stemora"
fi
echo "Keine grafische Oberfläche gefunden – starte die Befehlszeilen-Vorführung."
"$build/cli/stemmo" init
"$build/cli/stemmo" lists
