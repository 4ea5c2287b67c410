#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The database engine stays behind store/: no C++ source outside store/ (and
# its tests in tests/store/) holds SQL text, a Statement, a prepare( call or
# the engine's name. Build files and packaging scripts may name the engine's
# library; they are not scanned. Prints each offending line and fails.
#
#   scripts/check-sql-in-store.sh [SOURCE_DIR]
#
# In a git checkout the tracked and new files are scanned; in an unpacked
# source tree without .git every file below the folder.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# An SQL keyword (upper case, as every statement of the project writes them)
# inside a string literal, the engine-specific row id, the statement class,
# prepare( and the engine's name.
readonly sql='"[^"]*\b(SELECT|INSERT INTO|UPDATE|DELETE FROM|CREATE|DROP|ALTER TABLE|PRAGMA|BEGIN|COMMIT|ROLLBACK|SAVEPOINT|VACUUM|COLLATE|rowid)\b'
readonly pattern="${sql}|\\bStatement\\b|\\bprepare\\(|[sS][qQ][lL][iI][tT][eE]3"

sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard -- '*.h' '*.cpp'
  else
    find . -path ./build -prune -o -path './build-*' -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
      sed -z 's|^\./||'
  fi
}

# bench/EngineFloor.cpp is the benchmarks' yardstick: a bare durable insert
# straight on the engine, which the program's save is measured against.
offenders=$(sources | grep -zv -e '^store/' -e '^tests/store/' -e '^bench/EngineFloor\.cpp$' | xargs -0 -r grep -nHE -e "$pattern" || true)
if [ -n "$offenders" ]; then
  printf '%s\n' "$offenders"
  count=$(printf '%s\n' "$offenders" | wc -l)
  echo "check-sql-in-store: $count Zeilen außerhalb von store/ enthalten SQL, Statement, prepare( oder den Namen der Datenbank." >&2
  exit 1
fi
