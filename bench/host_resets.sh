#!/usr/bin/env bash
# The hosting program's memory after connections reset by their peers, read from the
# outside. Two runs, each against a fresh copy of the real program hosting a table:
#   one_address: every connection from 127.0.0.1, 200 at a time; most find the table full;
#   many_addresses: each connection from the next of ADDRESSES loopback addresses
#     (127.1.0.0 on), 8 at a time, so that slots are really taken and freed.
# Each run: WARMUP connections (the allocator's and Qt's first growth, printed on its
# own), then COUNT more; resident size once the closing connections' grace period (5 s)
# is over. Growth per connection counts only the connections the host answered (with a
# slot or a refusal); how many got which is printed too.
# Usage: bench/host_resets.sh <build folder> [WARMUP] [COUNT] [ADDRESSES] [tessarine binary]
set -euo pipefail
build=$1
warmup=${2:-10000}
count=${3:-30000}
addresses=${4:-4096}
binary=${5:-$build/client/tessarine}
tmp=$(mktemp -d)
. "$(dirname "$0")/hosting.sh"
trap 'host_stop; rm -rf "$tmp"' EXIT
cp "$binary" "$tmp/tessarine"
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }

# run NAME PARALLEL ADDRESSES
run() {
    local name=$1 parallel=$2 from=$3
    QT_QPA_PLATFORM=offscreen host_start host_resets
    local start warm after
    start=$(rss_kb)
    read -r ws wr wn < <("$build/bench/bench_host_churn" resets 7772 "$warmup" "$parallel" "$from")
    sleep 6
    warm=$(rss_kb)
    read -r s r n < <("$build/bench/bench_host_churn" resets 7772 "$count" "$parallel" "$from")
    sleep 6
    after=$(rss_kb)
    local alive=0
    kill -0 "$pid" 2>/dev/null && alive=1
    host_stop
    echo "host_resets_${name}_warmup: $(((warm - start))) kB over $warmup connections ($start kB to $warm kB; $ws slots, $wr refused, $wn no answer)"
    echo "host_resets_${name}_answered: $((s + r)) connections of $count ($s slots, $r refused, $n no answer)"
    awk -v b="$warm" -v a="$after" -v n="$((s + r))" -v name="$name" 'BEGIN {
        if (n > 0) printf "host_resets_%s_growth_per_connection: %.1f B (%d kB to %d kB; target < 50 B)\n", name, (a - b) * 1024 / n, b, a
        else printf "host_resets_%s_growth_per_connection: none answered\n", name
    }'
    echo "host_resets_${name}_host_alive: $alive bool"
    [ "$alive" = 1 ]
}

run one_address 200 0
run many_addresses 8 "$addresses"
