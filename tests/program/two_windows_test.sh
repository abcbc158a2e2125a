#!/usr/bin/env bash
# Two real copies of the program at one table of four: Ann hosts in seat 1, Bob joins in
# seat 2, bots play seats 3 and 4. Both windows are read through the accessibility bus, as
# a screen reader reads them: every seat carries the same name in both, and the status
# lines name the same bots. Each person ends their turn at once, so the turns go round.
# Usage (from CTest): under_xvfb.sh bash two_windows_test.sh TESSARINE
set -u
binary=$1
source "$(dirname "$0")/atspi.sh"
own_bus "$0" "$binary"
dir=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

start() {  # name, args...: a copy of the program in a folder of its own
    local who=$1
    shift
    mkdir -p "$dir/$who"
    cp "$binary" "$dir/$who/tessarine"
    printf '[Tessarine]\r\nHelp=2\r\nTablePlayers=4\r\nTimeperturn=200\r\n' \
        >"$dir/$who/orvanelobby.ini"
    (cd "$dir/$who" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        TESSARINE_NO_REACH=1 exec ./tessarine "$@" >"$dir/$who.log" 2>&1) &
    pids+=($!)
}

new_app() {  # waits for an application other than $1 that has logged in ($2 its log)
    local app
    for _ in $(seq 1 100); do
        app=$(applications | grep -vxF -- "${1:-none}" | head -1)
        [ -n "$app" ] && grep -q "logged in after" "$2" && { echo "$app"; return 0; }
        sleep 0.2
    done
    return 1
}

start ann Ann 127.0.0.1 true
find_bus
ann=$(new_app "" "$dir/ann.log") || { echo "Ann's program never appeared"; cat "$dir/ann.log"; exit 1; }
start bob Bob 127.0.0.1 false
bob=$(new_app "$ann" "$dir/bob.log") || { echo "Bob's program never appeared"; cat "$dir/bob.log"; exit 1; }

start_game "$ann" || exit 1

# The labels and the draw pile of each window, once the cards are dealt.
declare -A app=([ann]=$ann [bob]=$bob) trees=() seen=() watched=()
for who in ann bob; do
    for _ in $(seq 1 40); do
        tree=$(tree_of "${app[$who]}")
        grep -q "Your card 1 of" <<<"$tree" && break
        sleep 0.5
    done
    grep -q "Your card 1 of" <<<"$tree" || { echo "no cards dealt to $who"; cat <<<"$tree"; exit 1; }
    trees[$who]=$tree
    # The seat names and the status line: reading only these keeps up with the turns.
    watched[$who]=$(awk -F'\t' '$2 == "label" && $3 ~ /(^(Ann|Bob|Klot|Klick|Kling|<Waiting>)$)|turn\.$|^Your Turn/ { print $1 }' \
        <<<"$tree")
done

named_bot_turn() {  # who, bot: the window's status line has named the bot's turn
    grep -qE "^$2('s turn\.| ended their turn\.| used all their cards\.)" <<<"${seen[$1]}"
}

# Reads those labels of both windows again and again, and presses DONE (which draws) in
# a window whose own turn it is. Stops once both windows have named both bots' turns.
for _ in $(seq 1 400); do
    for who in ann bob; do
        now=""
        for path in ${watched[$who]}; do
            now+="$(name_of "${app[$who]}" "$path")"$'\n'
        done
        seen[$who]+=$now
        if grep -q "^Your Turn" <<<"$now"; then
            press "${app[$who]}" Done "${trees[$who]}" >/dev/null
        fi
    done
    [ -n "${TESS_TRACE:-}" ] && echo "$(date +%T) $(wc -w <<<"${watched[ann]}")/$(wc -w <<<"${watched[bob]}") ann: $(sort -u <<<"${seen[ann]}" | tr "\n" ,) bob: $(sort -u <<<"${seen[bob]}" | tr "\n" ,)" >&2
    all=1
    for who in ann bob; do
        for bot in Klick Kling; do named_bot_turn "$who" "$bot" || all=0; done
    done
    [ "$all" = 1 ] && break
done

failed=0
for who in ann bob; do
    for name in Ann Bob Klick Kling; do
        grep -qx "$name" <<<"${seen[$who]}" || { echo "$who's window has no seat named $name"; failed=1; }
    done
    for bot in Klick Kling; do
        named_bot_turn "$who" "$bot" || { echo "$who's status line never named $bot"; failed=1; }
    done
    # Bob sits in seat 2, so no window may name Klot, the bot of that seat.
    if grep -qE "^Klot\b" <<<"${seen[$who]}"; then
        echo "$who's window names a seat Klot"
        failed=1
    fi
done
if [ "$failed" != 0 ]; then
    for who in ann bob; do
        echo "--- $who's labels as read:"
        sort -u <<<"${seen[$who]}"
    done
fi
exit "$failed"
