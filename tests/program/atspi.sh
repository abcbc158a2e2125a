# Reading programs through the accessibility bus with gdbus, for the tests that read the
# real program's windows as a screen reader does. Sourced; the caller runs on a session
# bus of its own (own_bus below) in a network namespace of its own where it may.

# Re-runs the calling script ($1 = its path, then its arguments) on a bus of its own.
own_bus() {
    command -v gdbus >/dev/null && command -v dbus-run-session >/dev/null ||
        { echo "no gdbus or dbus-run-session"; [ "${CI:-}" = true ] && exit 1; exit 77; }
    [ -n "${TESS_OWN_BUS:-}" ] && return
    export TESS_OWN_BUS=1
    if unshare -rn true 2>/dev/null; then
        exec unshare -rn bash -c 'ip link set lo up && exec dbus-run-session -- bash "$@"' \
            bash "$@"
    fi
    exec dbus-run-session -- bash "$@"
}

# Sets $address to the accessibility bus, which starts on demand.
find_bus() {
    address=""
    for _ in $(seq 1 50); do
        address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.a11y.Bus.GetAddress 2>/dev/null | sed -E "s/^\('(.*)',\)$/\1/")
        [ -n "$address" ] && return 0
        sleep 0.2
    done
    echo "no accessibility bus"
    exit 1
}

atspi() {  # bus path interface.method [args...]
    local bus=$1 path=$2 method=$3
    shift 3
    gdbus call --address "$address" --dest "$bus" --object-path "$path" --method "$method" "$@" \
        2>/dev/null
}

# The bus names of the applications registered now, one a line.
applications() {
    atspi org.a11y.atspi.Registry /org/a11y/atspi/accessible/root \
        org.a11y.atspi.Accessible.GetChildren | grep -oE "\('[^']*', (objectpath )?'" |
        sed -E "s/^\('([^']*)'.*/\1/"
}

# The accessible name of one node.
name_of() {  # bus path
    atspi "$1" "$2" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
        sed -E "s/^\(<'(.*)'>,\)$/\1/; s/^\(<\"(.*)\">,\)$/\1/"
}

# Prints "path<TAB>role<TAB>name" for every node below bus/path that a container holds.
walk() {
    local bus=$1 path=$2 depth=$3
    local name role children
    name=$(name_of "$bus" "$path")
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

tree_of() { walk "$1" /org/a11y/atspi/accessible/root 0; }

# START GAME on the table of bus $1, then the Game Options window's own start.
start_game() {
    local tree begin
    tree=$(tree_of "$1")
    press "$1" "Start Game" "$tree" || { cat <<<"$tree"; return 1; }
    sleep 1
    tree=$(tree_of "$1")
    begin=$(awk -F'\t' '$3 == "START GAME" { print $1 }' <<<"$tree" | tail -1)
    atspi "$1" "$begin" org.a11y.atspi.Action.DoAction 0 >/dev/null
}

press() {  # bus, the node named exactly $2 in the tree $3: its first action, as a click
    local path
    path=$(awk -F'\t' -v n="$2" '$3 == n { print $1; exit }' <<<"$3")
    [ -n "$path" ] || { echo "nothing named '$2' to press"; return 1; }
    atspi "$1" "$path" org.a11y.atspi.Action.DoAction 0 >/dev/null
}
