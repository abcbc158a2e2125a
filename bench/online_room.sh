#!/usr/bin/env bash
# The Find Players Online window in a room of OCCUPANTS (default 5000), TABLES of them
# (default 1000) listing a table, against the real XMPP server of tests/online/xmpp_lab.sh
# (prosody in a network namespace of its own). Needs an X display (run.sh gives it Xvfb).
# The room fills for at most FILL_SECONDS (default 600); the figures say how many got in.
# Usage: bench/online_room.sh BUILD [occupants] [tables] [fill_seconds]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$1
# One descriptor per session in the crowd, a few thousand of them in all.
ulimit -n "$(ulimit -Hn)" 2>/dev/null || true
exec bash "$src/tests/online/xmpp_lab.sh" "$build/bench/bench_online_room" "${@:2}"
