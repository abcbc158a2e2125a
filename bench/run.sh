#!/usr/bin/env bash
# Builds in Release outside the source tree (the checkout may be read-only) and prints
# every benchmark figure on its own line as `name: value unit`, next to its floor or
# target. The windows run on a virtual X server (Xvfb); the program's runs use port 7772.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-${TMPDIR:-/tmp}/tessarine-bench-$(id -u)}
export BENCH_BUILD_DIR=$build
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESS_BUILD_TESTS=OFF \
    -DTESS_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target tessarine bench_move_round_trip bench_chat_append \
    bench_tally_codec bench_host_load bench_floor_window bench_window_timer bench_host_churn \
    bench_bot_strength >/dev/null
    bench_client_lag >/dev/null
# One benchmark that fails is told on standard error; the others still run.
xvfb() { xvfb-run -a -s "-screen 0 1280x800x24" "$@" || echo "bench: $* failed" >&2; }

xvfb "$build/bench/bench_chat_append"
xvfb "$build/bench/bench_move_round_trip"
"$build/bench/bench_tally_codec" || echo "bench: tally codec failed" >&2
"$build/bench/bench_bot_strength" || echo "bench: bot strength failed" >&2
xvfb bash "$src/bench/program_start.sh" "$build"
xvfb bash "$src/bench/host_load.sh" "$build"
xvfb bash "$src/bench/stored_window.sh" "$build"
xvfb "$build/bench/bench_client_lag" "$build/client/tessarine" 5000 12000 0
bash "$src/bench/host_churn.sh" "$build/bench/bench_host_churn" || echo "bench: host churn failed" >&2
bash "$src/bench/host_resets.sh" "$build" || echo "bench: host resets failed" >&2
