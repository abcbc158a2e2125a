#!/usr/bin/env bash
# Starts the real program offscreen for a solo game several times and prints how long it
# took to log in (its own figure on standard error) and its peak memory.
set -euo pipefail
bin=$1
runs=${RUNS:-5}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$bin" "$tmp/tessarine"
times=()
shown=()
peak=0
for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=offscreen "$tmp/tessarine" 2>"$tmp/err" >/dev/null &
    pid=$!
    for _ in $(seq 1000); do
        grep -q "logged in after" "$tmp/err" && break
        sleep 0.01
    done
    sleep 0.5  # let the first frames settle before reading the peak
    ms=$(sed -n 's/.*logged in after \([0-9]*\) ms.*/\1/p' "$tmp/err")
    kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    times+=("$ms")
    shown+=("$(sed -n 's/.*window shown after \([0-9]*\) ms.*/\1/p' "$tmp/err")")
    (( kb > peak )) && peak=$kb
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "first_window_shown_ms: $(median "${shown[@]}") ms"
echo "solo_start_to_connected_ms: $(median "${times[@]}") ms"
awk -v kb="$peak" 'BEGIN {printf "peak_rss_mb: %.1f MB\n", kb / 1024}'
