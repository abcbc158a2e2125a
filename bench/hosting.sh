# Sourced by the benchmarks that load a table hosted by the real program.
# host_start NAME: starts "$tmp/tessarine" (the caller's copy, in its folder $tmp) hosting
# a table on port 7772, its standard error in "$tmp/err", and waits until its own client
# has logged in; sets pid. NAME heads the message when it does not. Variables set in
# front of the call (QT_QPA_PLATFORM=offscreen host_start ...) reach the program.
# host_stop: ends it.
pid=
host_start() {
    : >"$tmp/err"
    (cd "$tmp" && TESSARINE_NO_REACH=1 exec ./tessarine Host 127.0.0.1 true 2>"$tmp/err" >/dev/null) &
    pid=$!
    for _ in $(seq 1000); do
        grep -q "logged in after" "$tmp/err" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.01
    done
    echo "$1: the program did not log in (is port 7772 in use?)" >&2
    cat "$tmp/err" >&2
    return 1
}
host_stop() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    pid=
}
