#!/usr/bin/env bash
# Runs a command beside a real XMPP server of its own: a new network namespace with only
# loopback, a self-signed certificate made for the run and trusted through SSL_CERT_FILE,
# and prosody with anonymous login (lobby.test), accounts (users.test: alice/alicepw,
# bob/bobpw) and a chat room service (rooms.lobby.test), listening on 127.0.0.1:5222.
# Usage: xmpp_lab.sh COMMAND...    Inside: TESS_XMPP_LAB_DIR, TESS_XMPP_DOMAIN, ...
# TESS_XMPP_LISTEN: the address prosody listens on instead (a lab's "internet" side).
# Without root or namespaces it exits 77 (skipped), but fails when CI is set.
set -u
here=$(cd "$(dirname "$0")" && pwd)
self="$here/$(basename "$0")"

cannot() {
  echo "xmpp_lab: $1" >&2
  [ -n "${CI:-}" ] && exit 1
  exit 77
}

# Inside network_lab.sh the namespace is made already (with a router beside it).
[ -n "${TESS_LAB_DIR:-}" ] && TESS_XMPP_INSIDE=1
if [ -z "${TESS_XMPP_INSIDE:-}" ]; then
  [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null || cannot "needs root and network namespaces"
  for tool in prosody openssl lua5.4; do
    command -v "$tool" >/dev/null || [ "$tool" = lua5.4 ] ||
      { echo "xmpp_lab: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
  done
  TESS_XMPP_INSIDE=1 exec unshare -n bash "$self" "$@"
fi
unset TESS_XMPP_INSIDE

listen=${TESS_XMPP_LISTEN:-127.0.0.1}
dir=$(mktemp -d /tmp/tess-xmpp.XXXXXX)
export TESS_XMPP_LAB_DIR=$dir
cleanup() {
  [ -f "$dir/prosody.pid" ] && kill "$(cat "$dir/prosody.pid")" 2>/dev/null
  [ -n "${pid:-}" ] && { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
  rm -rf "$dir"
}
trap cleanup EXIT
ip link set lo up 2>/dev/null

mkdir -p "$dir/data" "$dir/certs"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=lobby.test" \
  -addext "subjectAltName=DNS:lobby.test,DNS:users.test,DNS:rooms.lobby.test" \
  -keyout "$dir/certs/lobby.key" -out "$dir/certs/lobby.crt" >/dev/null 2>&1 ||
  { echo "xmpp_lab: openssl could not make a certificate" >&2; exit 1; }
chmod 644 "$dir/certs/lobby.key"

cat >"$dir/prosody.cfg.lua" <<EOC
daemonize = false
pidfile = "$dir/prosody.pid"
data_path = "$dir/data"
run_as_root = true
interfaces = { "$listen" }
c2s_ports = { 5222 }
c2s_require_encryption = true
allow_unencrypted_plain_auth = false
plugin_paths = { }
modules_enabled = { "roster", "saslauth", "tls", "disco", "ping", "posix" }
modules_disabled = { "s2s" }
log = { { levels = { min = "info" }, to = "file", filename = "$dir/prosody.log" } }
ssl = { key = "$dir/certs/lobby.key", certificate = "$dir/certs/lobby.crt" }
limits = { c2s = { rate = "1mb/s"; burst = "2s" } }
c2s_stanza_size_limit = 256 * 1024
storage = "internal"
VirtualHost "lobby.test"
  authentication = "anonymous"
  ssl = { key = "$dir/certs/lobby.key", certificate = "$dir/certs/lobby.crt" }
VirtualHost "users.test"
  authentication = "internal_plain"
  ssl = { key = "$dir/certs/lobby.key", certificate = "$dir/certs/lobby.crt" }
Component "rooms.lobby.test" "muc"
  restrict_room_creation = false
  max_history_messages = 20
  ssl = { key = "$dir/certs/lobby.key", certificate = "$dir/certs/lobby.crt" }
EOC

for account in alice bob; do
  prosodyctl --config "$dir/prosody.cfg.lua" register "$account" users.test "${account}pw" \
    >>"$dir/prosodyctl.log" 2>&1
done
prosody --config "$dir/prosody.cfg.lua" >"$dir/prosody.out" 2>&1 &
pid=$!
for _ in $(seq 100); do
  (exec 3<>/dev/tcp/$listen/5222) 2>/dev/null && break
  sleep 0.1
done
(exec 3<>/dev/tcp/$listen/5222) 2>/dev/null ||
  { echo "xmpp_lab: prosody did not start" >&2; cat "$dir/prosody.out" "$dir/prosody.log" >&2; exit 1; }

export SSL_CERT_FILE="$dir/certs/lobby.crt"
export TESS_XMPP_DOMAIN=lobby.test TESS_XMPP_ACCOUNTS=users.test
export TESS_XMPP_ROOMS=rooms.lobby.test TESS_XMPP_ADDRESS=$listen TESS_XMPP_PORT=5222
"$@"
rc=$?
if [ $rc -ne 0 ]; then echo "--- prosody.log (tail)" >&2; tail -20 "$dir/prosody.log" >&2; fi
exit $rc
