#!/usr/bin/env bash
# Starts the real program offscreen for a solo game, waits until it has logged in, lets
# it settle, then prints how much CPU it uses while the table waits for the user, as a
# percentage of one core. Usage: bench/idle_cpu.sh <tessarine binary>
# The figure is utime + stime from /proc/<pid>/stat, which counts every thread, exited
# ones included; one clock tick over the default 10 s is 0.1 %.
set -euo pipefail
bin=$1
seconds=${IDLE_SECONDS:-10}
settle=${SETTLE_SECONDS:-1}
tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
# A copy in a fresh folder, so its settings and tally files land there.
cp "$bin" "$tmp/tessarine"
QT_QPA_PLATFORM=offscreen "$tmp/tessarine" 2>"$tmp/err" >/dev/null &
pid=$!
for _ in $(seq 1000); do
    grep -q "logged in after" "$tmp/err" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
if ! grep -q "logged in after" "$tmp/err"; then
    echo "idle_cpu: the program did not log in (is port 7772 in use?)" >&2
    cat "$tmp/err" >&2
    exit 1
fi
sleep "$settle"

# Fields 14 and 15 of /proc/<pid>/stat, counted after the ")" that ends the name.
cpu_ticks() { sed 's/.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}'; }
hz=$(getconf CLK_TCK)
start_ticks=$(cpu_ticks)
start_ns=$(date +%s%N)
sleep "$seconds"
end_ticks=$(cpu_ticks)
end_ns=$(date +%s%N)
awk -v t=$((end_ticks - start_ticks)) -v hz="$hz" -v ns=$((end_ns - start_ns)) \
    'BEGIN {printf "idle_cpu: %.3f %%\n", 100 * (t / hz) / (ns / 1e9)}'
