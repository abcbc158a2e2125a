#!/usr/bin/env bash
# The hosting program's memory after connections reset by their peers, read from the
# outside: resident size after a warm-up round, then after 40,000 connections opened
# 200 at a time and reset, once the closing connections' grace period (5 s) is over.
# Usage: bench/host_resets.sh <build folder> [connections] [tessarine binary]
set -euo pipefail
build=$1
count=${2:-40000}
binary=${3:-$build/client/tessarine}
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
cp "$binary" "$tmp/tessarine"
(cd "$tmp" && QT_QPA_PLATFORM=offscreen TESSARINE_NO_REACH=1 exec ./tessarine Host 127.0.0.1 true 2>"$tmp/err" >/dev/null) &
pid=$!
for _ in $(seq 1000); do
    grep -q "logged in after" "$tmp/err" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
if ! grep -q "logged in after" "$tmp/err"; then
    echo "host_resets: the program did not log in (is port 7772 in use?)" >&2
    exit 1
fi
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
resets() { "$build/bench/bench_host_churn" resets 7772 "$1" 200; }
# A first round warms the allocator and Qt's caches, so the figures show growth only.
resets 2000
sleep 6
before=$(rss_kb)
resets "$count"
sleep 6
after=$(rss_kb)
echo "host_resets_rss_before: $before kB"
echo "host_resets_rss_after_${count}: $after kB"
awk -v b="$before" -v a="$after" -v n="$count" \
    'BEGIN {printf "host_resets_growth_per_connection: %.1f B\n", (a - b) * 1024 / n}'
kill -0 "$pid" 2>/dev/null && echo "host_resets_host_alive: 1 bool" || echo "host_resets_host_alive: 0 bool"
