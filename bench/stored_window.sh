#!/usr/bin/env bash
# The real program, solo, with a settings file whose stored window is far larger than the
# display and far off it (Width = Height = 100000, Top = Left = -2147483648), on the X
# display in $DISPLAY: from exec until it has logged in, its peak resident memory, and
# how long it takes to end after SIGTERM (it closes as its window would). RUNS runs, medians.
# Usage: bench/stored_window.sh <folder holding client/tessarine>
set -euo pipefail
build=$1
runs=${RUNS:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$build/client/tessarine" "$tmp/tessarine"  # its settings land in $tmp
now_ms() { date +%s%3N; }

: >"$tmp/figures"
for _ in $(seq "$runs"); do
    printf '[Tessarine]\r\nHelp=2\r\nWidth=100000\r\nHeight=100000\r\nTop=-2147483648\r\nLeft=-2147483648\r\n' \
        >"$tmp/orvanelobby.ini"
    : >"$tmp/err"
    start=$(now_ms)
    (cd "$tmp" && exec ./tessarine 2>"$tmp/err" >/dev/null) &
    pid=$!
    for _ in $(seq 600); do
        grep -q "logged in after" "$tmp/err" && break
        sleep 0.05
    done
    connected=$(($(now_ms) - start))
    sleep 1
    peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    stop=$(now_ms)
    kill -TERM "$pid"
    wait "$pid" || true
    echo "$connected $peak_kb $(($(now_ms) - stop))" >>"$tmp/figures"
done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "stored_window_huge_connected_ms: $(awk '{print $1}' "$tmp/figures" | median) ms"
echo "stored_window_huge_peak_rss_mb: $(($(awk '{print $2}' "$tmp/figures" | median) / 1024)) MB"
echo "stored_window_huge_close_ms: $(awk '{print $3}' "$tmp/figures" | median) ms"
