#!/usr/bin/env bash
# Attacks on a table hosted by the real program, from many addresses: in a network
# namespace of its own (loopback only), with the IPv6 /64 2001:db8::/64 routed to this
# machine. The flood, the connections that never log in, and login churn, each over
# 1,000 loopback addresses and over the /64; then a hostile host's tiny lines and close.
# Usage: bench/host_attack.sh <release build folder> [seconds per attack]
set -euo pipefail
build=$1
seconds=${2:-20}
if [ -z "${TESS_ATTACK_NS:-}" ]; then
    exec unshare -n env TESS_ATTACK_NS=1 bash "$0" "$@"
fi
ip link set lo up
ip -6 route add local 2001:db8::/64 dev lo
# Peers bind to addresses of the routed /64.
echo 1 >/proc/sys/net/ipv6/ip_nonlocal_bind
tmp=$(mktemp -d)
. "$(dirname "$0")/hosting.sh"
trap 'host_stop; rm -rf "$tmp"' EXIT
cp "$build/client/tessarine" "$tmp/tessarine"
status=0
for family in v4 v6; do
    for mode in flood hogs churn; do
        host_start host_attack
        # The attackers in a process of their own, so that their connects do not hold up
        # the honest players' figures.
        "$build/bench/bench_host_attack" 7772 "$pid" "$mode" "$family" 1000 "$seconds" attack &
        attacker=$!
        "$build/bench/bench_host_attack" 7772 "$pid" "$mode" "$family" 1000 "$seconds" measure ||
            status=1
        wait "$attacker" || status=1
        echo "attack_${mode}_${family}_own_client_dropped: $(grep -c "Disconnecting slot 1 " "$tmp/err" || true)"
        host_stop
    done
done
"$build/bench/bench_host_attack" hostile "$tmp/tessarine" 10 || status=1
exit $status
