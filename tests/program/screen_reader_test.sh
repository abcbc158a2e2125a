#!/usr/bin/env bash
# What a screen reader receives: the real program in a fresh folder on this X display,
# with a session bus of its own, read through the accessibility bus with gdbus. Every
# piece of the table must be there with a name that says what it is.
# Usage (from CTest): under_xvfb.sh bash screen_reader_test.sh TESSARINE
# It runs in a network namespace of its own where it may (so port 7772 is its own), and
# starts its own session bus there.
set -u
binary=$1
command -v gdbus >/dev/null && command -v dbus-run-session >/dev/null ||
    { echo "no gdbus or dbus-run-session"; exit 77; }
if [ -z "${TESS_OWN_BUS:-}" ]; then
    export TESS_OWN_BUS=1
    if unshare -rn true 2>/dev/null; then
        exec unshare -rn bash -c 'ip link set lo up && exec dbus-run-session -- bash "$0" "$1"' \
            "$0" "$binary"
    fi
    exec dbus-run-session -- bash "$0" "$binary"
fi
dir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$binary" "$dir/tessarine"
cd "$dir" || exit 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ./tessarine >"$dir/log" 2>&1 &
pid=$!

# The accessibility bus starts on demand; the program registers on it about a second later.
address=""
for _ in $(seq 1 50); do
    address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress 2>/dev/null | sed -E "s/^\('(.*)',\)$/\1/")
    [ -n "$address" ] && break
    sleep 0.2
done
[ -n "$address" ] || { echo "no accessibility bus"; exit 1; }

atspi() {  # bus path interface.method [args...]
    local bus=$1 path=$2 method=$3
    shift 3
    gdbus call --address "$address" --dest "$bus" --object-path "$path" --method "$method" "$@" \
        2>/dev/null
}

# Prints "path<TAB>role<TAB>name" for every node below bus/path that a container holds.
walk() {
    local bus=$1 path=$2 depth=$3
    local name role children
    name=$(atspi "$bus" "$path" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
        sed -E "s/^\(<'(.*)'>,\)$/\1/; s/^\(<\"(.*)\">,\)$/\1/")
    role=$(atspi "$bus" "$path" org.a11y.atspi.Accessible.GetRoleName | sed -E "s/^\('(.*)',\)$/\1/")
    printf '%s\t%s\t%s\n' "$path" "$role" "$name"
    [ "$depth" -ge 14 ] && return
    # Only containers are opened: a button's or a menu's inside says nothing more here.
    case "$role" in
        application | frame | dialog | window | filler | panel | table | "menu bar" | unknown) ;;
        *) return ;;
    esac
    children=$(atspi "$bus" "$path" org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'")
    for child in $children; do walk "$bus" "$child" $((depth + 1)); done
}

app=""
for _ in $(seq 1 50); do
    app=$(atspi org.a11y.atspi.Registry /org/a11y/atspi/accessible/root \
        org.a11y.atspi.Accessible.GetChildren | grep -o "'[^']*', objectpath" | head -1 |
        sed -E "s/'(.*)', objectpath/\1/")
    [ -n "$app" ] && grep -q "logged in after" "$dir/log" && break
    sleep 0.2
done
[ -n "$app" ] || { echo "the program never appeared on the accessibility bus"; exit 1; }
cat "$dir/log" >&2

press() {  # the node named exactly $1 in the tree $2: its first action, as a click
    local path
    path=$(awk -F'\t' -v n="$1" '$3 == n { print $1; exit }' <<<"$2")
    [ -n "$path" ] || { echo "nothing named '$1' to press"; return 1; }
    atspi "$app" "$path" org.a11y.atspi.Action.DoAction 0 >/dev/null
}

# START GAME, then the Game Options window's own start, so that cards are dealt.
tree=$(walk "$app" /org/a11y/atspi/accessible/root 0)
press "Start Game" "$tree" || { cat <<<"$tree"; exit 1; }
sleep 1
tree=$(walk "$app" /org/a11y/atspi/accessible/root 0)
start=$(awk -F'\t' '$3 == "START GAME" { print $1 }' <<<"$tree" | tail -1)
atspi "$app" "$start" org.a11y.atspi.Action.DoAction 0 >/dev/null
for _ in $(seq 1 30); do
    sleep 0.5
    tree=$(walk "$app" /org/a11y/atspi/accessible/root 0)
    grep -q "Your card 1 of" <<<"$tree" && break
done

failed=0
expect() {  # a role and a name pattern (extended regex) that must both be in the tree
    if ! awk -F'\t' -v r="$1" -v n="$2" '$2 ~ r && $3 ~ n { found = 1 } END { exit !found }' \
        <<<"$tree"; then
        echo "missing: $1 named like '$2'"
        failed=1
    fi
}
expect "frame" "^Tessarine$"
expect "table" "^Card table$"
expect "list item" "^Your card 1 of [0-9]+: .+ of (Clubs|Hearts|Spades|Diamonds)"
for n in 1 2 3 4; do
    expect "push button" "^Tab spot $n: "
    expect "push button" "^Foundation $n: "
done
expect "push button" "^Draw pile"
expect "push button" "^Done$"
expect "push button" "^Start Game$"
expect "text" "^Chat input$"
for menu in File Options View Help; do expect "menu" "^$menu$"; done
# Every button and field of the main window says what it is.
if awk -F'\t' '$1 == "" { next } /\tframe\tTessarine$/ { main = 1 } /\tdialog\t/ { main = 0 }
        main && ($2 == "push button" || $2 == "text") && $3 == "" { print "unnamed: " $0; bad = 1 }
        END { exit !bad }' <<<"$tree"; then
    failed=1
fi
# No control may be named by its code name.
if awk -F'\t' '$3 ~ /^(button|label|image|panel|edit|updown)_/ { print; bad = 1 } END { exit !bad }' \
    <<<"$tree"; then
    failed=1
fi
[ "$failed" = 0 ] || { echo "--- the tree as read:"; cat <<<"$tree"; }
exit "$failed"
