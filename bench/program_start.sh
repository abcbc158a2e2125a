#!/usr/bin/env bash
# The real program against the bare Qt floor window, from exec as a user meets them, on
# the X display in $DISPLAY: runs interleaved (RUNS of each, medians), until the window
# is mapped, for the program also until it has logged in ("You are Connected."), peak
# resident memory; then one run of each left waiting IDLE_SECONDS for its idle CPU.
# Usage: bench/program_start.sh <release build folder>
set -euo pipefail
build=$1
runs=${RUNS:-7}
idle=${IDLE_SECONDS:-20}
timer=$build/bench/bench_window_timer
floor=$build/bench/bench_floor_window
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$build/client/tessarine" "$tmp/tessarine"  # its settings and tally land in $tmp

: >"$tmp/floor" && : >"$tmp/program"
for _ in $(seq "$runs"); do
    "$timer" Floor 0 0 "$floor" >>"$tmp/floor"
    "$timer" Tessarine 1 0 "$tmp/tessarine" >>"$tmp/program"
done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
floor_ms=$(awk '{print $1}' "$tmp/floor" | median)
shown_ms=$(awk '{print $1}' "$tmp/program" | median)
connected_ms=$(awk '{print $2}' "$tmp/program" | median)
floor_kb=$(awk '{print $3}' "$tmp/floor" | median)
program_kb=$(awk '{print $3}' "$tmp/program" | median)
awk -v p="$shown_ms" -v f="$floor_ms" -v c="$connected_ms" -v pk="$program_kb" -v fk="$floor_kb" 'BEGIN {
    printf "first_window_mapped_ms: %.1f ms\n", p
    printf "first_window_floor_mapped_ms: %.1f ms\n", f
    printf "first_window_vs_floor: %.2f x\n", p / f
    printf "solo_start_to_connected_ms: %.1f ms\n", c
    printf "solo_start_to_connected_vs_floor_window: %.2f x\n", c / f
    printf "peak_rss_mb: %.1f MB\n", pk / 1024
    printf "peak_rss_floor_mb: %.1f MB\n", fk / 1024
    printf "peak_rss_vs_floor: %.2f x\n", pk / fk
}'
program_idle=$("$timer" Tessarine 1 "$idle" "$tmp/tessarine" | awk '{print $4}')
floor_idle=$("$timer" Floor 0 "$idle" "$floor" | awk '{print $4}')
echo "idle_cpu: $program_idle %"
echo "idle_cpu_floor: $floor_idle %"
