#!/usr/bin/env bash
# The host's memory under connection churn: resident size after a warm-up round, after
# 40,000 connect/close cycles, and once the closing connections' grace period (5 s) is over.
# Usage: bench/host_churn.sh <bench_host_churn binary> [warm-up cycles] [cycles]
set -euo pipefail
bin=$1
warmup=${2:-1000}
cycles=${3:-40000}
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
"$bin" host >"$tmp/port" &
pid=$!
for _ in $(seq 500); do [ -s "$tmp/port" ] && break; sleep 0.01; done
port=$(cat "$tmp/port")
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
# A first round warms the allocator and Qt's caches, so the figures show growth only.
"$bin" churn "$port" "$warmup"
sleep 6
before=$(rss_kb)
"$bin" churn "$port" "$cycles"
after=$(rss_kb)
sleep 6
settled=$(rss_kb)
echo "host_churn_rss_before: $before kB"
echo "host_churn_rss_after_${cycles}: $after kB"
echo "host_churn_rss_after_grace: $settled kB"
awk -v b="$before" -v s="$settled" -v n="$cycles" \
    'BEGIN {printf "host_churn_growth_per_connection: %.1f B\n", (s - b) * 1024 / n}'
