#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The figures on a PostgreSQL server: the import of N records (in the
# process and as `stemmo import`), opening an N-record list (the record set,
# and the entry screen with its table) and a durable save, on a throwaway
# cluster on this machine that waits for the disk as a real server does.
#
#   bench/server.sh [BUILD_DIR] [RECORDS]        (default: build 100000)
#
# The same benchmarks run on files without --database; compare the two.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$here/build}")
records=${2:-100000}
folder=/tmp/stemmo-bench-$$
server=$("$here/scripts/pg-cluster.sh" start "$folder" --durable)
trap '"$here/scripts/pg-cluster.sh" stop "$folder"' EXIT

run() { "$build/bench/$1" --records="$records" --database="$server" --benchmark_filter="$2"; }
run bench_import 'importFile|stemmoImport'
run bench_lists 'openList/0'
run bench_entry 'saveModel|bareInsert|openBigList'
