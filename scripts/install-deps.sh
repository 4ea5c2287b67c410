#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs to build, test and run.
# Installs only what is missing; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libqt6svg6
  libsqlite3-dev sqlite3 libpq-dev postgresql libzip-dev libcanberra-dev libgl-dev
  xvfb xauth fonts-dejavu-core poppler-utils libbenchmark-dev time
  libxlsxwriter-dev python3-jsonschema python3-openpyxl
  dpkg-dev desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Bitte als root ausführen oder sudo installieren." >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
