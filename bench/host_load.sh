#!/usr/bin/env bash
# Hosts a table with the real program (its window on the X display in $DISPLAY) and
# lets bench_host_load's seven players load it.
# Usage: bench/host_load.sh <release build folder> [rounds] [burst]
set -euo pipefail
build=$1
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
cp "$build/client/tessarine" "$tmp/tessarine"
TESSARINE_NO_REACH=1 "$tmp/tessarine" Host 127.0.0.1 true 2>"$tmp/err" >/dev/null &
pid=$!
for _ in $(seq 1000); do
    grep -q "logged in after" "$tmp/err" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
if ! grep -q "logged in after" "$tmp/err"; then
    echo "host_load: the program did not log in (is port 7772 in use?)" >&2
    cat "$tmp/err" >&2
    exit 1
fi
"$build/bench/bench_host_load" 7772 "$pid" "${@:2}"
