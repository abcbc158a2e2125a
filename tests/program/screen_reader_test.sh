#!/usr/bin/env bash
# What a screen reader receives: the real program in a fresh folder on this X display,
# with a session bus of its own, read through the accessibility bus with gdbus. Every
# piece of the table must be there with a name that says what it is.
# Usage (from CTest): under_xvfb.sh bash screen_reader_test.sh TESSARINE
# It runs in a network namespace of its own where it may (so port 7772 is its own), and
# starts its own session bus there.
set -u
binary=$1
source "$(dirname "$0")/atspi.sh"
own_bus "$0" "$binary"
dir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$binary" "$dir/tessarine"
cd "$dir" || exit 1
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ./tessarine >"$dir/log" 2>&1 &
pid=$!

find_bus

app=""
for _ in $(seq 1 50); do
    app=$(applications | head -1)
    [ -n "$app" ] && grep -q "logged in after" "$dir/log" && break
    sleep 0.2
done
[ -n "$app" ] || { echo "the program never appeared on the accessibility bus"; exit 1; }
cat "$dir/log" >&2

# START GAME, then the Game Options window's own start, so that cards are dealt.
start_game "$app" || exit 1
for _ in $(seq 1 30); do
    sleep 0.5
    tree=$(tree_of "$app")
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
