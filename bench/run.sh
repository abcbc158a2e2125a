#!/usr/bin/env bash
# Builds in Release and prints every benchmark figure as `name: value unit`.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESS_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target bench_move_round_trip bench_chat_append bench_tally_codec >/dev/null
"$build/bench/bench_move_round_trip"
"$build/bench/bench_chat_append"
"$build/bench/bench_tally_codec"
cmake --build "$build" --target tessarine >/dev/null
bash bench/program_start.sh "$build/client/tessarine"
bash bench/idle_cpu.sh "$build/client/tessarine"
cmake --build "$build" --target bench_host_flood bench_host_churn >/dev/null && "$build/bench/bench_host_flood" && bash bench/host_churn.sh "$build/bench/bench_host_churn"  # host under flood and churn
