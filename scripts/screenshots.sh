#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts both programs under a virtual display on a throwaway data folder
# with a few lists and saves a picture of every window, on four screens:
# 1280×800, 1024×768 and 1920×1080 at 100 % and 2560×1440 at 200 %.
#
# All pictures go to BUILD_DIR/screenshots/; the ones shown in the README
# (every window at 1280×800, the entry screen on the other screens) are
# copied into docs/screenshots/.
#
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-${STEMMO_BUILD_DIR:-build}}")
stemmo=$build/cli/stemmo
tour=$build/app/StemoraTour
for f in "$stemmo" "$tour"; do
  [ -x "$f" ] || { echo "Nicht gebaut: $f (erst scripts/build.sh)" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "xvfb-run fehlt (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export STEMMO_DATA=$work/data STEMMO_SETTINGS=$work/Stemmo.ini HOME=$work/home
export XDG_RUNTIME_DIR=$work/runtime LANG=de_DE.UTF-8 LC_ALL=
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME/Dokumente"

"$stemmo" init >/dev/null
"$stemmo" generate "Hiebsmaßnahme Süd" 180 --seed 11 >/dev/null
"$stemmo" generate "Durchforstung 2" 40 --seed 5 >/dev/null
# The list shown: made last, so the program opens it.
"$stemmo" new-list 1204 --name "Huber Josef" --forstamt Ebersberg --revier Anzing \
  --abteilung 12 --datum 03.11.2026 >/dev/null
add() { "$stemmo" add 1204 "$@" >/dev/null; }
add --length 4 --diameter 25 --species Fichte --guete B --sorte L --los 1
add --length 4.5 --diameter 32 --species Fichte --guete B --sorte L --los 1
add --length 5 --diameter 41 --species Fichte --guete C --sorte L --los 2
add --length 4 --diameter 38 --species Kiefer --guete B --sorte L --los 2
add --length 3 --diameter 36 --species Kiefer --guete B --sorte L --los 2
add --length 6 --diameter 28 --species Tanne --guete C --sorte L --los 3
add --length 4 --diameter 22 --species Fichte --guete D --sorte L --sortiment --pieces 120 --los 3
add --length 12 --diameter 30 --species Fichte --guete B --sorte H --staerke 2 --los 4
add --length 10 --diameter 2 --species Buche --guete - --sorte S --hoehe 1.5 --faktor 0.7 --los 4
add --length 5 --diameter 47 --species Buche --guete A --sorte L --los 5 --zusatz "Wertholz"
cp "$STEMMO_SETTINGS" "$work/settings.start"

out=$build/screenshots
rm -rf "$out"
mkdir -p "$out"
shoot() { # NAME WIDTH HEIGHT SCALE
  cp "$work/settings.start" "$STEMMO_SETTINGS"
  QT_SCALE_FACTOR=$4 xvfb-run -a -s "-screen 0 $2x$3x24" "$tour" "$out" "$1"
}
shoot 1280x800 1280 800 1
shoot 1024x768 1024 768 1
shoot 1920x1080 1920 1080 1
shoot 2560x1440-200 2560 1440 2

shots=$root/docs/screenshots
mkdir -p "$shots"
cp "$out"/*-1280x800.png "$shots"/
cp "$out"/frmHolz-1024x768.png "$out"/frmHolz-1920x1080.png "$out"/frmHolz-2560x1440-200.png "$shots"/
# The bark mode in the record frame and the statistics table: from the entry screen's window test.
if [ -x "$build/tests/entry_ui/tst_entry_ui" ]; then
  STEMMO_SCREENSHOTS=$shots QT_QPA_PLATFORM=offscreen \
    "$build/tests/entry_ui/tst_entry_ui" barkModeAndStatisticsAreInSight >/dev/null
fi
ls -1 "$out"
