#!/usr/bin/env bash
# Three copies of the real program meet through a real XMPP server. In the network of
# network_lab.sh a third namespace plays the internet: wan 11.22.33.55, where prosody runs
# and where Bob and Carl play, as players elsewhere on the internet do. Ann hosts at home
# behind the router and lists her table online; Bob finds it in Find Players Online, asks
# for the address and joins it at the router's outside address (forwarded to Ann); Carl
# watches the room and sees the table go when Ann's program gets SIGTERM.
# Every window is driven and read through the accessibility bus, as a screen reader does:
# one bus for all three (programs find it through the display they share; its sockets
# are files, reached from every namespace). Usage (from CTest):
#   under_xvfb.sh network_lab.sh bash online_program_lab.sh TESSARINE
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
self="$here/$(basename "${BASH_SOURCE[0]}")"
export TESS_OWN_BUS=1
source "$here/../program/atspi.sh"

wan_ip=11.22.33.55
fail() {
    echo "FAIL: $*" >&2
    touch "$TESS_PLAY_DIR/done"
    for log in "$TESS_PLAY_DIR"/*.log; do echo "--- $log" >&2; tail -25 "$log" >&2; done
    exit 1
}
say() { echo "online program lab $(date +%T): $*" >&2; }
wait_for() {  # seconds, command...
    local limit=$1
    shift
    local until=$((SECONDS + limit))
    while [ $SECONDS -lt $until ]; do "$@" && return 0; sleep 0.2; done
    "$@"
}

# A copy of the program in a folder of its own, with the lab's server in its settings.
start() {  # [--in NETNS-PID] who, args...
    local enter=()
    [ "$1" = --in ] && { enter=(nsenter -t "$2" -n); shift 2; }
    local who=$1
    shift
    mkdir -p "$TESS_PLAY_DIR/$who"
    cp "$TESS_PLAY_BINARY" "$TESS_PLAY_DIR/$who/tessarine"
    printf '[Tessarine]\r\nHelp=2\r\nPlayerName=%s\r\nOnlineserver=%s\r\nOnlineroom=tables@%s\r\nOnlineaddress=%s:%s\r\n' \
        "${who^}" "$TESS_XMPP_DOMAIN" "$TESS_XMPP_ROOMS" "$TESS_XMPP_ADDRESS" "$TESS_XMPP_PORT" \
        >"$TESS_PLAY_DIR/$who/orvanelobby.ini"
    (cd "$TESS_PLAY_DIR/$who" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        QT_ACCESSIBILITY=1 exec "${enter[@]}" ./tessarine "$@" >"$TESS_PLAY_DIR/$who.log" 2>&1) &
    echo $! >"$TESS_PLAY_DIR/$who.pid"
}

# The accessibility bus name of the program of $who once it has logged in to its table.
app_of() {  # who
    local app pid want
    want=$(cat "$TESS_PLAY_DIR/$1.pid")
    local until=$((SECONDS + 40))
    while [ $SECONDS -lt $until ]; do
        if grep -q "logged in after" "$TESS_PLAY_DIR/$1.log"; then
            for app in $(applications); do
                pid=$(gdbus call --address "$address" --dest org.freedesktop.DBus \
                    --object-path /org/freedesktop/DBus \
                    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$app" 2>/dev/null |
                    grep -oE '[0-9]+' | tail -1)
                [ "$pid" = "$want" ] && { echo "$app"; return 0; }
            done
        fi
        sleep 0.2
    done
    return 1
}

# The entries of the menu named $2 in the table window of bus $1 ("path<TAB>entry<TAB>name").
menu_of() {
    local menu popup
    menu=$(tree_of "$1" | awk -F'\t' -v n="$2" '$2 == "menu item" && $3 == n { print $1; exit }')
    [ -n "$menu" ] || return 1
    for popup in $(children "$1" "$menu"); do
        for entry in $(children "$1" "$popup"); do
            printf '%s\tentry\t%s\n' "$entry" "$(name_of "$1" "$entry")"
        done
    done
}
children() {  # bus path
    atspi "$1" "$2" org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"
}

# The path of the top-level window named $2 of bus $1.
window_path() {
    local child
    for child in $(children "$1" /org/a11y/atspi/accessible/root); do
        [ "$(name_of "$1" "$child")" = "$2" ] && { echo "$child"; return 0; }
    done
    return 1
}

# Every node of the window named $2 of bus $1, also inside lists and tables (where walk
# stops): "path<TAB>role<TAB>name".
window_tree() {  # bus, window name
    local bus=$1 path role
    path=$(window_path "$1" "$2") || return 1
    local queue=("$path")
    while [ ${#queue[@]} -gt 0 ]; do
        path=${queue[0]}
        queue=("${queue[@]:1}")
        role=$(atspi "$bus" "$path" org.a11y.atspi.Accessible.GetRoleName | sed -E "s/^\('(.*)',\)$/\1/")
        printf '%s\t%s\t%s\n' "$path" "$role" "$(name_of "$bus" "$path")"
        [ ${#queue[@]} -gt 300 ] && continue
        for child in $(children "$bus" "$path"); do queue+=("$child"); done
    done
}

# Presses the button named $3 in the window named $2 of bus $1 once it is there.
press_in() {
    wait_for 20 in_lab press_now "$1" "'$2' '$3'"
}
press_now() { press "$1" "$3" "$(window_tree "$1" "$2")" >/dev/null; }

# The hosts of the tables listed in the online window of bus $1, one a line, after a line
# "#list" when the window and its list are there (the people are list items, not rows).
listed_hosts() {
    window_tree "$1" "Find Players Online" | awk -F'\t' '
        $3 == "Tables in the room" { print "#list" }
        $2 == "tree item" || $2 == "table cell" { print $3 }'
}
table_seen() { listed_hosts "$1" | grep -qx Ann; }
table_gone() {
    local hosts
    hosts=$(listed_hosts "$1")
    grep -qx '#list' <<<"$hosts" && ! grep -qx Ann <<<"$hosts"
}

# Ann's side: at home, behind the router, on a bus of her own.
host_side() {
    find_bus
    start ann Ann 127.0.0.1 true
    local ann menu
    ann=$(app_of ann) || fail "Ann's program never appeared"
    wait_for 30 bash -c "upnpc -u '$TESS_LAB_CONTROL' -l 2>/dev/null | grep -q 'TCP *7772->'" ||
        fail "the router never forwarded Ann's table"
    menu=$(menu_of "$ann" File) || fail "Ann's window has no File menu: $(tree_of "$ann" | head -30)"
    press "$ann" "List This Table Online" "$menu" || fail "no List This Table Online: $menu"
    say "Ann lists her table"
    echo "$ann" >"$TESS_PLAY_DIR/ann.app"
    # Bob's seat as Ann's window shows it, once the players' side asks.
    wait_for 120 test -f "$TESS_PLAY_DIR/ask.seats" -o -f "$TESS_PLAY_DIR/done" || return 0
    if wait_for 30 in_lab tree_of "$ann" "| cut -f3 | grep -qx Bob"; then
        touch "$TESS_PLAY_DIR/ann.sees-bob"
    else
        touch "$TESS_PLAY_DIR/ann.no-bob"
    fi
    wait_for 120 test -f "$TESS_PLAY_DIR/done"
}

# Bob's and Carl's side: on the internet, beside the server.
players_side() {
    find_bus
    local -A app
    start bob
    app[bob]=$(app_of bob) || fail "Bob's program never appeared"
    # Carl is elsewhere on the internet: a namespace of his own behind 11.22.34.1.
    unshare -n sleep infinity &
    local carlns=$!
    echo "$carlns" >"$TESS_PLAY_DIR/carlns.pid"
    sleep 0.1
    ip link add wan2 type veth peer name carl0
    ip link set carl0 netns "$carlns"
    ip addr add 11.22.34.1/24 dev wan2
    ip link set wan2 up
    nsenter -t "$carlns" -n sh -c 'ip link set lo up; ip addr add 11.22.34.2/24 dev carl0
        ip link set carl0 up; ip route add default via 11.22.34.1'
    start --in "$carlns" carl
    app[carl]=$(app_of carl) || fail "Carl's program never appeared"
    wait_for 90 test -f "$TESS_PLAY_DIR/ann.app" || fail "Ann's side never got ready"
    local who menu tree
    for who in bob carl; do
        menu=$(menu_of "${app[$who]}" File) || fail "$who's window has no File menu"
        press "${app[$who]}" "Find Players Online…" "$menu" || fail "$who: $menu"
        press_in "${app[$who]}" "Find Players Online" Connect || fail "$who: no Connect button"
        say "$who connects"
    done
    # Both see Ann's table.
    for who in bob carl; do
        wait_for 30 in_lab table_seen "${app[$who]}" ||
            fail "$who never saw Ann's table: $(window_tree "${app[$who]}" "Find Players Online")"
    done
    say "Bob and Carl see Ann's table"
    [ -n "${TESS_PLAY_SHOT:-}" ] && picture "${app[bob]}" "${app[carl]}"
    # Bob joins it: the first table is chosen already.
    press_in "${app[bob]}" "Find Players Online" "Join" || fail "Bob's online window has no Join"
    wait_for 40 bash -c "[ \$(grep -c 'logged in after' '$TESS_PLAY_DIR/bob.log') -ge 2 ]" ||
        fail "Bob never joined Ann's table"
    say "Bob joined"
    touch "$TESS_PLAY_DIR/ask.seats"
    wait_for 60 bash -c "[ -f '$TESS_PLAY_DIR/ann.sees-bob' ] || [ -f '$TESS_PLAY_DIR/ann.no-bob' ]"
    [ -f "$TESS_PLAY_DIR/ann.sees-bob" ] || fail "Ann's window never showed Bob in a seat"
    # Ann's program ends: Carl's list loses her table within a few seconds.
    table_seen "${app[carl]}" || fail "Carl lost Ann's table early"
    kill -TERM "$(cat "$TESS_PLAY_DIR/ann.pid")"
    wait_for 10 in_lab table_gone "${app[carl]}" ||
        fail "Carl still sees Ann's table after SIGTERM"
    touch "$TESS_PLAY_DIR/done"
    echo "online program lab: listed, found, joined through the router, withdrawn on SIGTERM"
}

# For the pictures in docs/: Bob and Carl say hello in the room, and Carl's online window
# is taken with it (TESS_PLAY_SHOT=FILE.png).
picture() {  # Bob's bus, Carl's bus
    local bus who=bob node window
    for bus in "$1" "$2"; do
        window=$(xdotool search --all --pid "$(cat "$TESS_PLAY_DIR/$who.pid")" --name "^Find Players Online$" | head -1)
        node=$(window_tree "$bus" "Find Players Online" | awk -F'\t' '$3 == "Say in the room" { print $1; exit }')
        xdotool windowraise "$window" windowfocus --sync "$window"
        atspi "$bus" "$node" org.a11y.atspi.Component.GrabFocus >/dev/null
        xdotool type --delay 30 "Hello from ${who^}! Anyone for a game of four?"
        xdotool key Return
        who=carl
    done
    sleep 3
    import -window "$window" "$TESS_PLAY_SHOT"
}

# Runs "FUNCTION ARG REST" with this script's functions in a fresh shell (for wait_for).
in_lab() {  # function, one argument, the rest of a shell line
    bash -c "source '$self' --functions; address='$address'; $1 '$2' ${3:-}"
}

case "${1:-}" in
    --functions) return 0 ;;
    --host) host_side; exit ;;
    --players) players_side; exit ;;
esac

# The outer part, in this computer's namespace of network_lab.sh.
[ -n "${TESS_LAB_DIR:-}" ] || { echo "online_program_lab: run inside network_lab.sh" >&2; exit 1; }
if [ -z "${TESS_PLAY_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null && command -v gdbus >/dev/null ||
        { echo "online_program_lab: no gdbus or dbus-run-session" >&2; exit 1; }
    TESS_PLAY_BUS=1 exec dbus-run-session -- bash "$self" "$@"
fi
find_bus
export TESS_PLAY_BINARY=$1 TESS_PLAY_DIR=$TESS_LAB_DIR/play
mkdir -p "$TESS_PLAY_DIR"
in_router() { nsenter -t "$(cat "$TESS_LAB_DIR/routerns.pid")" -n "$@"; }
# The lab's own internet namespace, behind the router's outside cable.
wan=$(cat "$TESS_LAB_DIR/internetns.pid")
kids=()
trap 'touch "$TESS_PLAY_DIR/done"; sleep 0.5
      for p in "${kids[@]}"; do kill "$p" 2>/dev/null; done
      for f in "$TESS_PLAY_DIR"/*.pid; do kill "$(cat "$f")" 2>/dev/null; done
      wait 2>/dev/null' EXIT
sleep 0.1
# The server's address on the internet's side; the router forwards, lets answers back in
# and masquerades what goes out, as a home router does.
nsenter -t "$wan" -n ip addr add "$wan_ip/24" dev wan1
in_router sysctl -qw net.ipv4.ip_forward=1
in_router nft insert rule inet filter forward ct state established,related accept
in_router nft add rule inet filter forward iifname lan0 oifname wan0 accept
in_router nft add rule inet filter postrouting oifname wan0 masquerade

# The server on the internet; Bob's and Carl's side runs beside it on a bus of its own.
nsenter -t "$wan" -n env TESS_XMPP_LISTEN=$wan_ip bash "$here/xmpp_lab.sh" \
    bash -c 'env | grep -E "^(SSL_CERT_FILE|TESS_XMPP_)" >"$TESS_PLAY_DIR/xmpp.env"
             exec bash "$0" --players' "$self" &
players=$!
kids+=("$players")
wait_for 30 test -s "$TESS_PLAY_DIR/xmpp.env" || fail "the lab's XMPP server did not start"
set -a
source "$TESS_PLAY_DIR/xmpp.env"
set +a
bash "$self" --host &
kids+=($!)
wait "$players"
