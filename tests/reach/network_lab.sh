#!/usr/bin/env bash
# Runs a command inside a network of its own, never on this machine's interfaces:
#   this computer (a new network namespace): loopback with an mDNS responder on its own
#     system bus, and lan1 192.168.77.2/24 and 2001:db8:77::2/64 with the router as
#     default gateway;
#   a home router (a second namespace): lan0 192.168.77.1/24 and 2001:db8:77::1/64, wan0
#     11.22.33.44 and 2001:db8:ff::44, a real miniupnpd speaking UPnP-IGD 2 (control on port
#     5000, with the IPv6 firewall's pinholes) and NAT-PMP; IPv4 is forwarded by NAT, IPv6
#     is routed, and nothing comes in from the internet unless miniupnpd lets it;
#   the internet (a third namespace): wan1 11.22.33.1 and 2001:db8:ff::1.
# The 2001:db8::/32 prefix stands for global IPv6 addresses; it exists only in these
# namespaces.
# Usage: network_lab.sh COMMAND...   (exit 77 when no namespace can be made; 1 when CI is set)
# Inside, for tests: network_lab.sh router upnp|natpmp|none [keep], network_lab.sh avahi stop|start,
# network_lab.sh bus stop|start, network_lab.sh internet COMMAND... (run from the internet).
set -u

here=$(cd "$(dirname "$0")" && pwd)
self="$here/$(basename "$0")"

start_bus() {
  dbus-daemon --system --nofork --nopidfile >"$TESS_LAB_DIR/dbus.log" 2>&1 &
  echo $! >"$TESS_LAB_DIR/dbus.pid"
  for _ in $(seq 50); do [ -S /run/dbus/system_bus_socket ] && return 0; sleep 0.1; done
  return 1
}

start_avahi() {
  cat >"$TESS_LAB_DIR/avahi.conf" <<EOC
[server]
use-ipv4=yes
use-ipv6=no
allow-interfaces=lo
ratelimit-interval-usec=0
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
EOC
  # Each start has its log of its own: readiness is read from it.
  cat "$TESS_LAB_DIR/avahi.log" >>"$TESS_LAB_DIR/avahi.old" 2>/dev/null
  : >"$TESS_LAB_DIR/avahi.log"
  avahi-daemon --no-drop-root --no-chroot --no-rlimits -f "$TESS_LAB_DIR/avahi.conf" \
    >"$TESS_LAB_DIR/avahi.log" 2>&1 &
  echo $! >"$TESS_LAB_DIR/avahi.pid"
  for _ in $(seq 200); do
    grep -q "Server startup complete" "$TESS_LAB_DIR/avahi.log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

stop_pid() {
  local file="$TESS_LAB_DIR/$1.pid"
  [ -f "$file" ] || return 0
  local pid
  pid=$(cat "$file")
  kill "$pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  rm -f "$file"
}

in_router() { nsenter -t "$(cat "$TESS_LAB_DIR/routerns.pid")" -n "$@"; }
in_internet() { nsenter -t "$(cat "$TESS_LAB_DIR/internetns.pid")" -n "$@"; }

start_router() {
  local mode=$1 keep=${2:-}
  stop_pid miniupnpd
  # "keep": the router comes back with the mappings it had.
  [ "$keep" = keep ] || rm -f "$TESS_LAB_DIR/upnp.leases"
  in_router nft flush ruleset
  [ "$mode" = none ] && return 0
  in_router nft -f - <<'EON'
table inet filter {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan0" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
EON
  local upnp=yes
  [ "$mode" = natpmp ] && upnp=no
  cat >"$TESS_LAB_DIR/miniupnpd.conf" <<EOC
ext_ifname=wan0
listening_ip=lan0
port=5000
enable_upnp=$upnp
enable_natpmp=yes
secure_mode=no
system_uptime=no
lease_file=$TESS_LAB_DIR/upnp.leases
uuid=3d3cec3a-8cf0-11e0-98ee-001a6bd2d07b
allow 1024-65535 192.168.77.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
EOC
  cat "$TESS_LAB_DIR/miniupnpd.log" >>"$TESS_LAB_DIR/miniupnpd.old" 2>/dev/null
  : >"$TESS_LAB_DIR/miniupnpd.log"
  nsenter -t "$(cat "$TESS_LAB_DIR/routerns.pid")" -n /usr/sbin/miniupnpd -d -f "$TESS_LAB_DIR/miniupnpd.conf" \
    -P "$TESS_LAB_DIR/miniupnpd.run" >"$TESS_LAB_DIR/miniupnpd.log" 2>&1 &
  echo $! >"$TESS_LAB_DIR/miniupnpd.pid"
  for _ in $(seq 100); do
    grep -q "Listening for NAT-PMP" "$TESS_LAB_DIR/miniupnpd.log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Commands for tests already inside the lab.
if [ -n "${TESS_LAB_DIR:-}" ] && [ $# -ge 2 ]; then
  case "$1 $2" in
    "router "*) start_router "$2" "${3:-}"; exit ;;
    "avahi stop") stop_pid avahi; exit 0 ;;
    "avahi start") start_avahi; exit ;;
    "bus stop") stop_pid avahi; stop_pid dbus; rm -f /run/dbus/system_bus_socket; exit 0 ;;
    "bus start") start_bus && start_avahi; exit ;;
    "internet "*) shift; in_internet "$@"; exit ;;
  esac
fi

if [ -z "${TESS_LAB_INSIDE:-}" ]; then
  if [ "$(id -u)" -ne 0 ] || ! unshare -n -m true 2>/dev/null; then
    # A lab that cannot run in CI fails there rather than skipping.
    [ -n "${CI:-}" ] && { echo "network_lab: needs root and network namespaces" >&2; exit 1; }
    echo "network_lab: needs root and network namespaces; skipped" >&2
    exit 77
  fi
  for tool in avahi-daemon dbus-daemon miniupnpd nft nsenter; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || {
      echo "network_lab: $tool is missing (scripts/install-deps.sh installs it)" >&2
      exit 1
    }
  done
  TESS_LAB_INSIDE=1 exec unshare -n -m --propagation private bash "$self" "$@"
fi

TESS_LAB_DIR=$(mktemp -d /tmp/tess-lab.XXXXXX)
export TESS_LAB_DIR
export TESS_LAB_LAB="$self" TESS_LAB_HOST=192.168.77.2 TESS_LAB_ROUTER=192.168.77.1
export TESS_LAB_EXTERNAL=11.22.33.44 TESS_LAB_CONTROL=http://192.168.77.1:5000/rootDesc.xml
export TESS_LAB_HOST6=2001:db8:77::2 TESS_LAB_CONTROL6=http://[2001:db8:77::1]:5000/rootDesc.xml
unset TESS_LAB_INSIDE

cleanup() {
  stop_pid miniupnpd
  stop_pid avahi
  stop_pid dbus
  stop_pid routerns
  stop_pid internetns
  rm -rf "$TESS_LAB_DIR"
}
trap cleanup EXIT

ip link set lo up
ip link set lo multicast on
mkdir -p /run/dbus /run/avahi-daemon
mount -t tmpfs tmpfs /run/dbus
mount -t tmpfs tmpfs /run/avahi-daemon

# The router's namespace is held open by a process that only waits.
unshare -n sleep infinity &
echo $! >"$TESS_LAB_DIR/routerns.pid"
unshare -n sleep infinity &
echo $! >"$TESS_LAB_DIR/internetns.pid"
sleep 0.1
ip link add lan1 type veth peer name lan0
ip link set lan0 netns "$(cat "$TESS_LAB_DIR/routerns.pid")"
ip addr add 192.168.77.2/24 dev lan1
ip addr add 2001:db8:77::2/64 dev lan1 nodad
ip link set lan1 up
ip route add default via 192.168.77.1
ip -6 route add default via 2001:db8:77::1
in_router ip link set lo up
in_router sh -c "echo 1 >/proc/sys/net/ipv6/conf/all/forwarding"
in_router ip link add wan0 type veth peer name wan1
in_router ip link set wan1 netns "$(cat "$TESS_LAB_DIR/internetns.pid")"
in_router ip addr add 192.168.77.1/24 dev lan0
in_router ip addr add 2001:db8:77::1/64 dev lan0 nodad
in_router ip addr add 11.22.33.44/24 dev wan0
in_router ip addr add 2001:db8:ff::44/64 dev wan0 nodad
for dev in lan0 wan0; do in_router ip link set "$dev" up; done
in_internet ip link set lo up
in_internet ip addr add 11.22.33.1/24 dev wan1
in_internet ip addr add 2001:db8:ff::1/64 dev wan1 nodad
in_internet ip link set wan1 up
in_internet ip -6 route add 2001:db8:77::/64 via 2001:db8:ff::44

start_bus || { echo "network_lab: no system bus" >&2; exit 1; }
start_avahi || { echo "network_lab: avahi-daemon did not start" >&2; cat "$TESS_LAB_DIR/avahi.log" >&2; exit 1; }
start_router upnp || { echo "network_lab: miniupnpd did not start" >&2; cat "$TESS_LAB_DIR/miniupnpd.log" >&2; exit 1; }

"$@"
rc=$?
if [ $rc -ne 0 ] && [ -n "${TESS_LAB_VERBOSE:-1}" ]; then
  echo "--- miniupnpd.log (tail)" >&2; tail -20 "$TESS_LAB_DIR/miniupnpd.log" >&2
  echo "--- avahi.log (tail)" >&2; tail -10 "$TESS_LAB_DIR/avahi.log" >&2
fi
exit $rc
