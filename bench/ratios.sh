#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's own programs side by side with the sqlite3 shell doing the
# same work on the same rows, in one run; prints seconds and ratios.
#
#   bench/ratios.sh [BUILD_DIR] [RECORDS...]      (default: build 1000 100000)
#
#   records  stemmo records of one list     / sqlite3 selecting its rows in the same order
#   import   stemmo import of an EG10 file  / sqlite3 .import of the same rows (CSV) into the same schema
#   export   stemmo export to EG10          / sqlite3 writing the same rows to a file
#   summary  stemmo summary: seconds and peak memory
#   lists    200 lists of 5000 records: stemmo lists, records and totals of one list
#
# Each figure is the best of three runs. Needs sqlite3, awk and /usr/bin/time.
set -euo pipefail
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 100000)
stemmo=$(realpath "$build/cli/stemmo")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export STEMMO_SETTINGS="$work/Stemmo.ini"

# Best wall time of three runs of a command, in seconds.
best() {
  local best="" t0 t1 t
  for _ in 1 2 3; do
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    t=$(awk -v a="$t1" -v b="$t0" 'BEGIN { print a - b }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  printf '%.3f' "$best"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

columns="SatzNr, Liste, Nummer, Einzelstamm, Los, Holzart, Guete, Sorte, Staerke, Laenge, Durchm, Hoehe, Stueck, \
Stamm, Rinde, RindenAbzug, Kubatur, Folgestamm, Klammerstamm, Nutzung, Preisfaktor, Preisart, Zusatztext, \
Abteilung, RF, AArt, Rotte, AbrNr, EST1, EST2, EST3, EST4, EST5, Polter, Stapel, Id"
order="ORDER BY Los, Nummer, Laenge, Durchm, Id"

printf '%-9s %9s %10s %10s %7s\n' what records stemmo sqlite3 ratio
for n in "${sizes[@]}"; do
  data="$work/data-$n"
  "$stemmo" --data "$data" generate Probe "$n" >/dev/null
  db="$data/Holz.db"

  # records
  own=$(best "$stemmo" --data "$data" records Probe)
  ref=$(best sqlite3 -separator $'\t' "$db" "SELECT $columns FROM Holz WHERE Liste = 'Probe' $order")
  printf '%-9s %9d %10s %10s %7s\n' records "$n" "$own" "$ref" "$(ratio "$own" "$ref")"

  # export
  own=$(best "$stemmo" --data "$data" export Probe --format eg10 "$work/Probe.dat")
  ref=$(best sqlite3 "$db" ".once $work/probe.txt" "SELECT $columns FROM Holz WHERE Liste = 'Probe' $order")
  printf '%-9s %9d %10s %10s %7s\n' export "$n" "$own" "$ref" "$(ratio "$own" "$ref")"

  # import: the exported file into a list of its own, the same rows as CSV
  # into an empty table of the same schema
  sqlite3 -csv "$db" ".once $work/rows.csv" "SELECT $columns FROM Holz WHERE Liste = 'Probe' $order"
  sqlite3 "$db" ".schema Holz" >"$work/schema.sql"
  import_own() {
    "$stemmo" --data "$data" delete-list Probe >/dev/null 2>&1 || true
    "$stemmo" --data "$data" import "$work/Probe.dat"
  }
  import_ref() {
    rm -f "$work/probe.db"*
    sqlite3 "$work/probe.db" "PRAGMA journal_mode=WAL;" >/dev/null
    sqlite3 "$work/probe.db" <"$work/schema.sql"
    sqlite3 "$work/probe.db" "PRAGMA synchronous=FULL;" ".import --csv $work/rows.csv Holz"
  }
  own=$(best import_own)
  ref=$(best import_ref)
  printf '%-9s %9d %10s %10s %7s\n' import "$n" "$own" "$ref" "$(ratio "$own" "$ref")"

  # summary: seconds and peak memory
  own=$(best "$stemmo" --data "$data" summary Probe)
  mem=$( { /usr/bin/time -f '%M' "$stemmo" --data "$data" summary Probe >/dev/null; } 2>&1 | tail -1)
  printf '%-9s %9d %10s %10s %7s\n' summary "$n" "$own" "-" "$((mem / 1024))MB"
done

# 200 lists of 5000 records: one list generated, the others copied from it.
data="$work/lists"
"$stemmo" --data "$data" generate L000 5000 >/dev/null
db="$data/Holz.db"
{
  echo "BEGIN;"
  for i in $(seq -w 1 199); do
    echo "INSERT INTO Listen (Liste, Name, Kubatur, Stueckzahl, NummerHigh, Los, Bearbeitet)
          SELECT 'L$i', Name, Kubatur, Stueckzahl, NummerHigh, Los, Bearbeitet FROM Listen WHERE Liste = 'L000';"
    echo "INSERT INTO Holz ($(echo "$columns" | sed 's/, Id$//'))
          SELECT $(echo "$columns" | sed 's/, Id$//; s/Liste,/'"'L$i'"',/') FROM Holz WHERE Liste = 'L000';"
  done
  echo "COMMIT;"
} | sqlite3 "$db"
own=$(best "$stemmo" --data "$data" lists)
printf '%-9s %9s %10s\n' lists 200x5000 "$own"
own=$(best "$stemmo" --data "$data" records L123)
ref=$(best sqlite3 -separator $'\t' "$db" "SELECT $columns FROM Holz WHERE Liste = 'L123' $order")
printf '%-9s %9s %10s %10s %7s\n' records 200x5000 "$own" "$ref" "$(ratio "$own" "$ref")"
own=$(best "$stemmo" --data "$data" totals L123)
printf '%-9s %9s %10s\n' totals 200x5000 "$own"
