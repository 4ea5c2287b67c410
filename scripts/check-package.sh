#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Unpacks the Debian package into a scratch root and runs what it installed,
# from the installed paths only: nothing of the build tree on PATH or in the
# library path, a fresh home, data and settings folder.
#
#   scripts/check-package.sh build/stemmo_1.0.0_amd64.deb
set -euo pipefail
deb=$(realpath "${1:?Aufruf: scripts/check-package.sh PAKET.deb}")
here=$(cd "$(dirname "$0")/.." && pwd)

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "Paketprüfung: $*" >&2; exit 1; }

root=$scratch/root
mkdir -p "$root" "$scratch/home" "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
dpkg -x "$deb" "$root"

# What the package says about itself.
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "stemmo_${version}_amd64.deb" ] || fail "Dateiname passt nicht zur Version $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0 libpq5 libzip4; do
  [[ "$depends" == *"$lib"* ]] || fail "Abhängigkeit $lib fehlt: $depends"
done

usr=$root/usr
for file in bin/Stemora bin/Stemprint bin/stemmo; do
  [ -x "$usr/$file" ] || fail "$file fehlt"
done
for file in share/stemmo/stammdaten.dat share/stemmo/startmo.htm share/stemmo/voicbeep.wav \
  share/applications/org.stemmo.Stemora.desktop share/applications/org.stemmo.Stemprint.desktop \
  share/icons/hicolor/scalable/apps/stemora.svg share/icons/hicolor/scalable/apps/stemprint.svg \
  share/metainfo/org.stemmo.Stemora.metainfo.xml share/man/man1/stemmo.1.gz \
  share/bash-completion/completions/stemmo share/doc/stemmo/copyright; do
  [ -f "$usr/$file" ] || fail "$file fehlt"
done
# Nothing of the build machine inside the package.
if dpkg-deb -c "$deb" | grep -E "build/|/work/|tst_|bench_|stemmo_manual"; then
  fail "Dateien aus dem Bauordner im Paket"
fi

desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr/share/metainfo/org.stemmo.Stemora.metainfo.xml" >/dev/null
"$here/scripts/check-manpage.sh" "$usr/share/man/man1/stemmo.1.gz"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/org.stemmo.Stemora.metainfo.xml" ||
  fail "Metainfo nennt nicht die Version $version"

# A clean environment: the installed programs and the system, nothing else.
clean=(env -i HOME="$scratch/home" USER=stemmo-check PATH=/usr/bin:/bin LANG=C.UTF-8
  TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime"
  XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config"
  QT_QPA_PLATFORM=offscreen)
run() { "${clean[@]}" "$@"; }

data=$scratch/wald
run "$usr/bin/stemmo" --data "$data" init >"$scratch/out" || fail "stemmo init: $(cat "$scratch/out")"
[ -f "$data/Holz.db" ] && [ -f "$data/MRinden.db" ] || fail "stemmo init legt die Datenbanken nicht an"
run "$usr/bin/stemmo" --data "$data" --json volume --length 4 --diameter 25 >"$scratch/out"
grep -q '"Staerke": *"2b"' "$scratch/out" || fail "stemmo volume: $(cat "$scratch/out")"
run "$usr/bin/stemmo" version | grep -qF "Version $version " || fail "stemmo version nennt nicht $version"

# stemmo loads no GUI library; printing runs in the installed page program,
# which stemmo becomes for it.
[ -x "$usr/libexec/stemmo/stemmo-pages" ] || fail "libexec/stemmo/stemmo-pages fehlt"
if readelf -d "$usr/bin/stemmo" | grep -E "NEEDED.*(Qt6Gui|Qt6Widgets|Qt6PrintSupport)"; then
  fail "stemmo lädt GUI-Bibliotheken"
fi
run "$usr/bin/stemmo" --data "$data" generate Probe 3 >/dev/null || fail "stemmo generate"
run "$usr/bin/stemmo" --data "$data" report Probe --pdf "$scratch/probe.pdf" >"$scratch/out" 2>&1 ||
  fail "stemmo report: $(cat "$scratch/out")"
[ "$(head -c 4 "$scratch/probe.pdf")" = "%PDF" ] || fail "stemmo report schreibt kein PDF: $(cat "$scratch/out")"

# The master data comes from the installed share/stemmo: a damaged file
# there is refused when a new data folder is set up.
cp "$usr/share/stemmo/stammdaten.dat" "$scratch/stammdaten.dat"
printf 'kein Stammdatensatz\n' >"$usr/share/stemmo/stammdaten.dat"
if run "$usr/bin/stemmo" --data "$scratch/wald2" init >/dev/null 2>"$scratch/err"; then
  fail "stemmo liest die Stammdaten nicht aus $usr/share/stemmo"
fi
grep -q "Stammdaten" "$scratch/err" || fail "stemmo init: $(cat "$scratch/err")"
cp "$scratch/stammdaten.dat" "$usr/share/stemmo/stammdaten.dat"

# The desktop programs: start offscreen, wait until they hold their
# single-instance lock, ask them to end, expect a clean exit.
gui() {
  local program=$1
  # Started directly (env execs the program), so $! is the program itself.
  "${clean[@]}" "$usr/bin/$program" >"$scratch/$program.out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local lock="$scratch/tmp/$program-stemmo-check.lock" waited=0
  until [ -f "$lock" ]; do
    kill -0 "$pid" 2>/dev/null || fail "$program endet beim Start: $(cat "$scratch/$program.out")"
    ((waited++ < 600)) || fail "$program startet nicht innerhalb einer Minute"
    sleep 0.1
  done
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "$program endet nach dem Start: $(cat "$scratch/$program.out")"
  kill -TERM "$pid"
  local rc=0
  wait "$pid" || rc=$?
  [ "$rc" -eq 0 ] || fail "$program endet mit $rc: $(cat "$scratch/$program.out")"
  if grep -i "could not\|cannot\|fehler" "$scratch/$program.out"; then
    fail "$program meldet beim Start Fehler"
  fi
}
gui Stemora
[ -f "$scratch/home/data/Stemmo/Holz.db" ] || fail "Stemora legt den Datenordner nicht an"
gui Stemprint

echo "Paket $(basename "$deb") geprüft: Dateien, Abhängigkeiten, stemmo, Stemora, Stemprint."
