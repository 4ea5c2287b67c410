#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the licence line at the top of every source file of the project:
#   // SPDX-License-Identifier: GPL-3.0-or-later   (C++)
#   # SPDX-License-Identifier: GPL-3.0-or-later    (CMake, shell, Python; after a #! line)
# Running it again changes nothing. With --check it changes nothing and
# fails, naming each source file that lacks the line.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly tag="SPDX-License-Identifier: GPL-3.0-or-later"
check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *) echo "Aufruf: scripts/spdx.sh [--check]" >&2; exit 2 ;;
esac

# Tracked files and new ones not yet added (ignored files excepted).
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard
  else
    find . -path ./build -prune -o -path './build-*' -prune -o -path ./.git -prune -o -type f -print0 |
      sed -z 's|^\./||'
  fi
}

comment_for() {
  local file=$1
  case "$file" in
    *.cpp | *.h | *.hpp | *.c) echo "//" ;;
    *CMakeLists.txt | *.cmake | *.sh | *.py) echo "#" ;;
    tests/data/* | fuzz/corpus/* | docs/* | data/*) return 1 ;;
    *)
      # Scripts without an extension, known by their #! line.
      [ -f "$file" ] && head -c 2 "$file" | grep -q '^#!' && { echo "#"; return 0; }
      return 1
      ;;
  esac
}

missing=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  prefix=$(comment_for "$file") || continue
  head -n 3 "$file" | grep -qF "$tag" && continue
  missing+=("$file")
  [ "$check" = 1 ] && continue
  line="$prefix $tag"
  tmp=$(mktemp "$file.spdx.XXXXXX")
  if head -n 1 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$line"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(list_files)

if [ "$check" = 1 ]; then
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Ohne SPDX-Zeile (scripts/spdx.sh ergänzt sie):" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
  fi
  exit 0
fi
[ ${#missing[@]} -gt 0 ] && printf 'SPDX-Zeile ergänzt: %s\n' "${missing[@]}"
exit 0
