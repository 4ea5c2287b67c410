#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A throwaway PostgreSQL server for the tests and benchmarks: a fresh cluster
# in a folder of its own, reachable only through a Unix socket in that folder
# (no TCP port, nothing another user of the machine can reach), trust
# authentication on that socket, UTF-8.
#
#   scripts/pg-cluster.sh start [FOLDER] [--durable]   fresh cluster; prints its connection string
#   scripts/pg-cluster.sh stop  [FOLDER]               stops it and removes the folder
#   scripts/pg-cluster.sh env   [FOLDER]               "export STEMMO_TEST_DATABASE=…" for eval
#
# FOLDER defaults to /tmp/stemmo-pg-<hash of the build folder>: a socket path
# may not be longer than 107 bytes, and a build folder deep in a home or CI
# workspace easily is. Without --durable the server does not wait for the disk
# (fsync off): the tests lose nothing by it, the benchmarks of durable saves
# ask for it.
#
# The server refuses to run as root; as root (CI) it runs as "nobody" (or
# $STEMMO_PG_USER), otherwise as the calling user.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

usage() { echo "Aufruf: scripts/pg-cluster.sh start|stop|env [ORDNER] [--durable]" >&2; exit 2; }
[ $# -ge 1 ] || usage
action=$1
shift
folder="" durable=0
for arg in "$@"; do
  case "$arg" in
    --durable) durable=1 ;;
    -*) usage ;;
    *) folder=$arg ;;
  esac
done
if [ -z "$folder" ]; then
  build=$(realpath -m "$here/${STEMMO_BUILD_DIR:-build}")
  folder=/tmp/stemmo-pg-$(printf '%s' "$build" | md5sum | cut -c1-12)
fi
folder=$(realpath -m "$folder")
conninfo="host=$folder user=stemmo dbname=stemmo"

# initdb and pg_ctl are not on PATH on Debian: they live in the versioned
# folder pg_config names, or the newest one installed.
bindir() {
  local dir=""
  if command -v pg_config >/dev/null; then dir=$(pg_config --bindir 2>/dev/null || true); fi
  if [ -z "$dir" ] || [ ! -x "$dir/initdb" ]; then
    dir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
  fi
  if [ -z "$dir" ] || [ ! -x "$dir/initdb" ]; then
    echo "PostgreSQL-Server nicht gefunden (initdb). Bitte scripts/install-deps.sh ausführen." >&2
    exit 1
  fi
  echo "$dir"
}

owner=""
as_owner() {
  if [ -n "$owner" ]; then
    runuser -u "$owner" -- "$@"
  else
    "$@"
  fi
}
[ "$(id -u)" -eq 0 ] && owner=${STEMMO_PG_USER:-nobody}

stop() {
  [ -d "$folder" ] || return 0
  if [ -f "$folder/data/postmaster.pid" ]; then
    local bin
    bin=$(bindir)
    # From a folder the server's user may enter, or pg_ctl cannot start.
    (cd / && as_owner "$bin/pg_ctl" -D "$folder/data" -m fast -w -t 30 stop >/dev/null 2>&1) ||
      (cd / && as_owner "$bin/pg_ctl" -D "$folder/data" -m immediate -w -t 30 stop >/dev/null 2>&1) || true
  fi
  rm -rf "$folder"
}

start() {
  local bin
  bin=$(bindir)
  # A cluster left behind by an interrupted run goes first: every run starts empty.
  stop
  mkdir -p -m 700 "$folder"
  [ -n "$owner" ] && chown "$owner" "$folder"
  cd /
  as_owner "$bin/initdb" -D "$folder/data" -U stemmo -A trust -E UTF8 --locale=C.UTF-8 \
    >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
  # Only the socket: no TCP, and trust is safe because the folder is the owner's alone.
  local options="-k $folder -c listen_addresses= -c unix_socket_permissions=0700"
  if [ "$durable" -eq 0 ]; then
    options+=" -c fsync=off -c synchronous_commit=off -c full_page_writes=off"
  fi
  if ! as_owner "$bin/pg_ctl" -D "$folder/data" -o "$options" -l "$folder/server.log" -w -t 60 start >/dev/null; then
    cat "$folder/server.log" >&2
    exit 1
  fi
  "$bin/createdb" -h "$folder" -U stemmo stemmo
  echo "$conninfo"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  env) echo "export STEMMO_TEST_DATABASE='$conninfo'" ;;
  *) usage ;;
esac
