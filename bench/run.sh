#!/usr/bin/env bash
# Prints every benchmark figure on its own line as `name: value unit`, next to its floor
# or target. The windows run on a virtual X server (Xvfb); the program's runs use port 7772.
#
# Usage: bench/run.sh [--quick] [--build-dir DIR]
#   By default it configures and builds in Release outside the source tree (the checkout
#   may be read-only), under ${BENCH_BUILD_DIR:-${TMPDIR:-/tmp}/tessarine-bench-UID}.
#   --build-dir DIR  uses an existing build tree configured with the benchmarks (as the
#                    tests' tree is) and only brings their targets up to date.
#   --quick          a few rounds of each benchmark: shows that each one runs to its end;
#                    its figures mean nothing against the targets.
# One benchmark that fails says so on standard error and the others still run; the
# script ends with 1 when any failed.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
quick=0
build=
while [ $# -gt 0 ]; do
    case $1 in
        --quick) quick=1 ;;
        --build-dir) build=$2 && shift ;;
        *) echo "usage: $0 [--quick] [--build-dir DIR]" >&2 && exit 2 ;;
    esac
    shift
done

targets=(tessarine bench_move_round_trip bench_chat_append bench_tally_codec bench_host_load
    bench_floor_window bench_window_timer bench_host_churn bench_bot_strength bench_client_lag
    bench_board_paint bench_host_attack bench_online_room)
if [ -n "$build" ]; then
    build=$(cd "$build" && pwd)
else
    build=${BENCH_BUILD_DIR:-${TMPDIR:-/tmp}/tessarine-bench-$(id -u)}
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESS_BUILD_TESTS=OFF \
        -DTESS_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build" --target "${targets[@]}" >/dev/null

if [ "$quick" = 1 ]; then
    export RUNS=1 IDLE_SECONDS=1
    moves=40 chat=(500 20 100) bot=(20 10 100) load=(2) lag=(300) churn=(200 500)
    resets=(300 600 64) paint=5 attack=2 room=(150 40 60)
    echo "bench: quick mode, a few rounds each; the figures are not comparable to the targets"
else
    moves=2000 chat=() bot=() load=() lag=(5000 12000 0) churn=(1000 40000)
    resets=(10000 30000 4096) paint=60 attack=10 room=(1000 250 300)
fi

failed=()
# Runs one benchmark; a failure is told and noted, and the next one runs.
bench() {
    local name=$1
    shift
    local status=0
    "$@" || status=$?
    if [ "$status" != 0 ]; then
        echo "bench: $name failed (exit $status)" >&2
        failed+=("$name")
    fi
}
xvfb() { xvfb-run -a -s "-screen 0 1920x1200x24" "$@"; }

bench chat_append xvfb "$build/bench/bench_chat_append" "${chat[@]}"
bench move_round_trip xvfb "$build/bench/bench_move_round_trip" "$moves"
paint_out=$(mktemp)
trap 'rm -f "$paint_out"' EXIT
bench board_paint xvfb "$build/bench/bench_board_paint" "$paint" >"$paint_out"
cat "$paint_out"
paint_base=$(awk '/^board_move_paint_ms_default:/ {print $2}' "$paint_out")
bench board_paint_2x xvfb env QT_SCALE_FACTOR=2 "$build/bench/bench_board_paint" "$paint" 2x \
    "${paint_base:--1}"
bench tally_codec "$build/bench/bench_tally_codec"
bench bot_strength "$build/bench/bench_bot_strength" "${bot[@]}"
bench program_start xvfb bash "$src/bench/program_start.sh" "$build"
bench host_load xvfb bash "$src/bench/host_load.sh" "$build" "${load[@]}"
bench stored_window xvfb bash "$src/bench/stored_window.sh" "$build"
bench client_lag xvfb "$build/bench/bench_client_lag" "$build/client/tessarine" "${lag[@]}"
bench host_churn bash "$src/bench/host_churn.sh" "$build/bench/bench_host_churn" "${churn[@]}"
bench host_resets bash "$src/bench/host_resets.sh" "$build" "${resets[@]}"
bench host_attack xvfb bash "$src/bench/host_attack.sh" "$build" "$attack"
bench online_room xvfb bash "$src/bench/online_room.sh" "$build" "${room[@]}"

if [ ${#failed[@]} -gt 0 ]; then
    echo "bench: ${#failed[@]} benchmark(s) failed: ${failed[*]}" >&2
    exit 1
fi
