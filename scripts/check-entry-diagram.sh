#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the diagram of the entry screen's parts in docs/architecture.md
# against the code: every #include "entry/X.h" among the files of entry/
# must be an edge of the diagram (or of its "*" line), the diagram names
# only parts that exist, and its edges have no cycle. Then the table of who
# writes which controls: an operation of a row is called only by the parts
# the row names, and each part named calls one of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
doc="$root/docs/architecture.md"

# The lines "A -> B C" of the first code block under "## The entry screen".
edges=$(awk '
    /^## / { inside = ($0 == "## The entry screen") }
    inside && /^```/ { fence++; next }
    inside && fence == 1 && / -> / { print }
' "$doc")
if [ -z "$edges" ]; then
    echo "docs/architecture.md: no diagram under \"## The entry screen\"" >&2
    exit 1
fi

status=0
declare -A allowed
set -f # the "*" of the diagram is no file pattern
shared=" "
while read -r from arrow to; do
    [ "$arrow" = "->" ] || { echo "diagram line not understood: $from $arrow $to" >&2; status=1; continue; }
    for part in $from $to; do
        if [ "$part" != "*" ] && [ ! -f "$root/entry/$part.h" ]; then
            echo "diagram names $part, which entry/ does not have" >&2
            status=1
        fi
    done
    if [ "$from" = "*" ]; then
        shared+="$to "
    else
        allowed[$from]+=" $to "
    fi
done <<<"$edges"

set +f
for file in "$root"/entry/*.h "$root"/entry/*.cpp; do
    part=$(basename "$file")
    part=${part%.*}
    while read -r target; do
        [ -n "$target" ] && [ "$target" != "$part" ] || continue
        case "$shared${allowed[$part]:-}" in
        *" $target "*) ;;
        *)
            echo "entry/$(basename "$file") includes entry/$target.h: docs/architecture.md has no edge $part -> $target" >&2
            status=1
            ;;
        esac
    done < <(sed -n 's|^#include "entry/\([A-Za-z0-9_]*\)\.h".*|\1|p' "$file")
done

# Calls go one way: repeatedly drop the parts nothing left calls into; any
# part left over lies on a cycle.
left=$(printf '%s\n' "${!allowed[@]}")
while :; do
    next=""
    for part in $left; do
        called=0
        for other in $left; do
            case " ${allowed[$other]} " in *" $part "*) called=1 ;; esac
        done
        [ $called = 1 ] && next+="$part "
    done
    [ "$(echo $next)" = "$(echo $left)" ] && break
    left=$next
done
if [ -n "$(echo $left)" ]; then
    echo "docs/architecture.md: a cycle among the edges of (or below) these parts: $(echo $left)" >&2
    status=1
fi

# The rows of the table headed "| Controls | Written by | Through |": the
# parts and the operations are the `quoted` words of the second and third
# column.
rows=$(awk '
    /^## / { inside = ($0 == "## The entry screen") }
    inside && /^\| Controls \| Written by \| Through \|/ { table = 1; next }
    inside && table && /^\|---/ { next }
    inside && table && /^\|/ { print; next }
    { table = 0 }
' "$doc")
if [ -z "$rows" ]; then
    echo "docs/architecture.md: no table of who writes which controls" >&2
    status=1
fi
quoted() { grep -o '`[A-Za-z_]*[(]*[)]*`' | tr -d '`()' | tr '\n' ' '; }
while IFS='|' read -r _ _ writers through _; do
    parts=$(quoted <<<"$writers")
    ops=$(quoted <<<"$through")
    for op in $ops; do
        if ! grep -q "[ &]$op(" "$root/entry/EntryScreen.h"; then
            echo "docs/architecture.md: EntryScreen has no operation $op" >&2
            status=1
            continue
        fi
        for file in $(grep -lE "(\bs\.|m_s->|screen\.)$op\(" "$root"/entry/*.h "$root"/entry/*.cpp); do
            part=$(basename "$file")
            part=${part%.*}
            case " $parts " in
            *" $part "*) ;;
            *)
                echo "entry/$(basename "$file") writes controls through $op, which docs/architecture.md gives only to: $parts" >&2
                status=1
                ;;
            esac
        done
    done
    for part in $parts; do
        pattern=$(echo $ops | sed 's/ /|/g')
        # grep reads the files itself: behind a pipe, its early exit on a
        # match could kill the writer, and pipefail would call that a miss.
        if ! grep -qE "(\bs\.|m_s->|screen\.)($pattern)\(" "$root/entry/$part.h" "$root/entry/$part.cpp" 2>/dev/null; then
            echo "docs/architecture.md: $part is said to write controls through $ops but calls none of them" >&2
            status=1
        fi
    done
done <<<"$rows"

[ $status = 0 ] && echo "entry/ includes and control writers agree with docs/architecture.md"
exit $status
