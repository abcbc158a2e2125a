#!/usr/bin/env bash
# Hosts a table with the real program (its window on the X display in $DISPLAY) and
# lets bench_host_load's seven players load it.
# Usage: bench/host_load.sh <release build folder> [rounds] [burst]
set -euo pipefail
build=$1
tmp=$(mktemp -d)
. "$(dirname "$0")/hosting.sh"
trap 'host_stop; rm -rf "$tmp"' EXIT
cp "$build/client/tessarine" "$tmp/tessarine"
host_start host_load
"$build/bench/bench_host_load" 7772 "$pid" "${@:2}"
