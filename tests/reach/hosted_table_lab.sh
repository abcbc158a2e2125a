#!/usr/bin/env bash
# The real program in the network of network_lab.sh: a solo table is neither announced
# nor forwarded; a table hosted for others is both, and SIGTERM withdraws both while the
# settings and the tally are kept; with the router option off it is only announced. The
# router's IPv6 firewall lets players in to the table while it is hosted for others. Usage: hosted_table_lab.sh PATH/TO/tessarine
set -u
binary=$1
fail() { echo "FAIL: $*" >&2; [ -f "$dir/out.log" ] && cat "$dir/out.log" >&2; exit 1; }
dir=$(mktemp -d)
trap 'kill -9 $pid 2>/dev/null; rm -rf "$dir"' EXIT
cp "$binary" "$dir/tessarine"
export QT_QPA_PLATFORM=offscreen

browse() { avahi-browse -rpt _tessarine._tcp 2>/dev/null; }
# The router's mapping of port 7772: "client:port lease", empty when there is none.
mapping() {
  upnpc -u "$TESS_LAB_CONTROL" -l 2>/dev/null |
    sed -n "s/.*TCP *7772->\([0-9.]*:[0-9]*\) *'[^']*' *'[^']*' *\([0-9]*\).*/\1 \2/p"
}
wait_for() {  # seconds, command...
  local limit=$1; shift
  for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
  return 1
}
# The router's firewall rules that let the internet in to an IPv6 address on port 7772.
pinholes() {
  nsenter -t "$(cat "$TESS_LAB_DIR/routerns.pid")" -n nft list chain inet filter miniupnpd |
    grep -c "dport 7772 @nh,192,128"
}
pinholed() { [ "$(pinholes)" -ge 1 ]; }
from_internet() {
  bash "$TESS_LAB_LAB" internet timeout 3 bash -c "exec 3<>/dev/tcp/$TESS_LAB_HOST6/7772"
}
announced() { browse | grep -q '"host=Alice"'; }
withdrawn() { ! browse | grep -q '^='; }
mapped() { [ -n "$(mapping)" ]; }
unmapped() { [ -z "$(mapping)" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# Solo: nobody else is meant to come.
"$dir/tessarine" >"$dir/out.log" 2>&1 &
pid=$!
wait_for 15 grep -q "logged in" "$dir/out.log" || fail "the solo table did not start"
sleep 3
browse | grep -q _tessarine && fail "a solo table was announced"
mapped && fail "a solo table asked the router to open its port"
pinholed && fail "a solo table asked the router's IPv6 firewall to let players in"
kill -TERM "$pid"
wait_for 10 ended || fail "SIGTERM did not end the solo program"

# Hosted for others, with settings of the user's own.
rm -f "$dir/out.log" "$dir/orvanelobby.ini"
printf '[Tessarine]\r\nTextsize=12\r\nBotspeed=500\r\n' >"$dir/orvanelobby.ini"
"$dir/tessarine" Alice 127.0.0.1 true >"$dir/out.log" 2>&1 &
pid=$!
wait_for 15 announced || fail "the hosted table was not announced: $(browse)"
line=$(browse | grep '^=' | head -1)
for field in '"seated=1"' '"spectators=0"' '"state=waiting"' '"protocol=1.0.2"' ';127.0.0.1;7772;'; do
  [[ $line == *"$field"* ]] || fail "the announcement lacks $field: $line"
done
wait_for 15 mapped || fail "the router was not asked to open the port"
read -r target lease <<<"$(mapping)"
[ "$target" = "$TESS_LAB_HOST:7772" ] || fail "the port goes to $target"
{ [ "$lease" -gt 3000 ] && [ "$lease" -le 3600 ]; } || fail "the lease is $lease s"
wait_for 15 pinholed || fail "the router's IPv6 firewall was not asked to let players in"
[ "$(pinholes)" -eq 1 ] || fail "$(pinholes) pinholes for one table"
from_internet || fail "the table cannot be reached from the internet over IPv6"

kill -TERM "$pid"
wait_for 10 ended || fail "SIGTERM did not end the program"
wait "$pid"
rc=$?
[ $rc -eq 0 ] || fail "the program ended with $rc after SIGTERM"
unmapped || fail "the mapping stayed after SIGTERM: $(mapping)"
pinholed && fail "the pinhole stayed after SIGTERM"
wait_for 5 withdrawn || fail "the announcement stayed after SIGTERM: $(browse)"
for key in Textsize=12 Botspeed=500 Help=2; do
  grep -q "^$key" "$dir/orvanelobby.ini" || fail "the settings lost $key: $(cat "$dir/orvanelobby.ini")"
done
[ -f "$dir/Tessarinetally.tld" ] || fail "the tally was not kept"

# "Open the port on my router" turned off: announced, not forwarded; Ctrl+C ends it.
printf '[Tessarine]\r\nOpenport=false\r\n' >"$dir/orvanelobby.ini"
"$dir/tessarine" Alice 127.0.0.1 true >"$dir/out.log" 2>&1 &
pid=$!
wait_for 15 announced || fail "the hosted table was not announced: $(browse)"
sleep 3
mapped && fail "the router was asked although the option is off: $(mapping)"
pinholed && fail "the router's IPv6 firewall was asked although the option is off"
kill -INT "$pid"
wait_for 10 ended || fail "SIGINT did not end the program"
wait "$pid" || fail "the program ended with $? after SIGINT"
wait_for 5 withdrawn || fail "the announcement stayed after SIGINT: $(browse)"
grep -q '^Openport=false' "$dir/orvanelobby.ini" || fail "the option was lost"
echo "hosted table lab: announced, forwarded, let in over IPv6, withdrawn on SIGTERM and SIGINT"

