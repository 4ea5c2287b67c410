#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a manual page the way `man ./stemmo.1` does and fails on any
# warning of the formatter or a page without its sections.
set -euo pipefail
page=${1:?Aufruf: check-manpage.sh SEITE}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$out/text" 2>"$out/warnings"
if [ -s "$out/warnings" ]; then
  echo "Warnungen beim Setzen von $page:" >&2
  cat "$out/warnings" >&2
  exit 1
fi
for section in NAME ÜBERSICHT BESCHREIBUNG OPTIONEN BEFEHLE EXIT-STATUS; do
  grep -q "^$section" "$out/text" || { echo "Abschnitt $section fehlt in $page" >&2; exit 1; }
done
