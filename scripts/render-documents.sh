#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders what the report program hands out, so it can be looked at as a
# buyer would: a printed list (PDF), a word-processor document opened by a
# real word processor, and the program's window. PNGs go to docs/screenshots/.
#
#   scripts/render-documents.sh [BUILD_DIR]     (default: build)
#
# Installs LibreOffice Writer (headless, about 250 MB) on first use; the
# project's normal set-up does not need it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-${STEMMO_BUILD_DIR:-build}}")
shots=$root/docs/screenshots
stemmo=$build/cli/stemmo
for f in "$stemmo" "$build/tests/report/tst_report_output"; do
  [ -x "$f" ] || { echo "Nicht gebaut: $f (erst scripts/build.sh)" >&2; exit 1; }
done

if ! command -v soffice >/dev/null || [ ! -e /usr/lib/libreoffice/program/libsclo.so ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installiere libreoffice-writer-nogui und libreoffice-calc-nogui ..."
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends libreoffice-writer-nogui \
    libreoffice-calc-nogui poppler-utils
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export STEMMO_SETTINGS=$work/Stemmo.ini
export QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 LC_ALL=
data=$work/data
list="Hiebsmaßnahme Süd"
mkdir -p "$shots"

"$stemmo" --data "$data" init >/dev/null
"$stemmo" --data "$data" generate "$list" 300 --seed 11 >/dev/null

# The printed list: first page (header and summary) and the page with the totals.
"$stemmo" --data "$data" report "$list" --pdf "$work/liste.pdf" --verdichtet --losweise
pages=$(pdfinfo "$work/liste.pdf" | awk '/^Pages:/ {print $2}')
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$work/liste.pdf" "$shots/report-page1"
pdftoppm -r 80 -png -f "$pages" -l "$pages" -singlefile "$work/liste.pdf" "$shots/report-last-page"

# The document, opened and printed by LibreOffice.
"$stemmo" --data "$data" word "$list" --verdichtet --out "$work/docs" --ueberschrift "Holzverkauf Forstbetrieb Testdaten"
docx=$(ls "$work"/docs/*.docx | head -n1)
# LibreOffice needs a locale the system has, or it cannot read non-ASCII file names.
env -u QT_QPA_PLATFORM LANG=C.UTF-8 LC_ALL=C.UTF-8 soffice --headless --norestore "-env:UserInstallation=file://$work/lo-profile" \
        --convert-to pdf --outdir "$work/docs" "$docx" >/dev/null 2>&1
docpdf=${docx%.docx}.pdf
[ -s "$docpdf" ] || { echo "LibreOffice konnte $docx nicht öffnen" >&2; exit 1; }
docpages=$(pdfinfo "$docpdf" | awk '/^Pages:/ {print $2}')
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$docpdf" "$shots/document-page1"
pdftoppm -r 80 -png -f "$docpages" -l "$docpages" -singlefile "$docpdf" "$shots/document-last-page"

# The workbook of the list, opened and printed by LibreOffice Calc: the
# records sheet (first page) and the assortment summary.
mkdir -p "$work/office"
"$stemmo" --data "$data" export "$list" --format xlsx "$work/office/Holzliste.xlsx" >/dev/null
env -u QT_QPA_PLATFORM LANG=C.UTF-8 LC_ALL=C.UTF-8 soffice --headless --norestore "-env:UserInstallation=file://$work/lo-profile" \
        --convert-to pdf --outdir "$work/office" "$work/office/Holzliste.xlsx" >/dev/null 2>&1
[ -s "$work/office/Holzliste.pdf" ] || { echo "LibreOffice konnte die Arbeitsmappe nicht öffnen" >&2; exit 1; }
pdftoppm -r 80 -png -f 1 -l 1 -singlefile "$work/office/Holzliste.pdf" "$shots/workbook-records"
# The summary sheet follows the records: the page whose text starts it.
summary=$(for p in $(seq 1 "$(pdfinfo "$work/office/Holzliste.pdf" | awk '/^Pages:/ {print $2}')"); do
  pdftotext -f "$p" -l "$p" "$work/office/Holzliste.pdf" - | grep -q "^Sortenzusammenstellung zu" && { echo "$p"; break; }; done)
[ -n "$summary" ] && pdftoppm -r 80 -png -f "$summary" -l "$summary" -singlefile "$work/office/Holzliste.pdf" "$shots/workbook-summary"

# The window with a list taken over.
STEMMO_SCREENSHOTS=$shots "$build/tests/report/tst_report_output" windowShowsListsAndTakesOverOnSelection >/dev/null

echo "Liste: $pages Seiten, Dokument: $docpages Seiten (300 Datensätze, 50 je Seite)"
ls -1 "$shots"
