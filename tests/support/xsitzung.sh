# Shell functions for a test that runs the game on an X server of its own:
# a private home, a run mark on every process it starts, a free display, a
# session bus and a window manager, and the sweep that ends all of it.
# Sourced, not run:  . tests/support/xsitzung.sh; sitzung_beginnt
#
# Everything started after sitzung_beginnt carries VARNO_SITZUNG_LAUF in its
# environment; sitzung_endet (also on EXIT) ends whatever still carries it,
# the bus's activated services among them, and removes the work folder.

sitzung_beginnt() {
    arbeit=$(mktemp -d)
    export VARNO_SITZUNG_LAUF="$$-$RANDOM$RANDOM"
    export HOME="$arbeit/home" XDG_CONFIG_HOME="$arbeit/home/.config" XDG_CACHE_HOME="$arbeit/home/.cache" \
           XDG_DATA_HOME="$arbeit/home/.local/share" XDG_RUNTIME_DIR="$arbeit/laufzeit"
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
    trap sitzung_endet EXIT
    trap 'exit 1' INT TERM
}

# The processes that carry this run's mark. Builtins only, so that the search
# itself starts no marked process.
sitzung_markierte() {
    local p v
    for p in /proc/[0-9]*; do
        p=${p#/proc/}
        [[ $p == "$$" ]] && continue
        while IFS= read -r -d '' v; do
            [[ $v == "VARNO_SITZUNG_LAUF=$VARNO_SITZUNG_LAUF" ]] && { echo "$p"; break; }
        done 2>/dev/null <"/proc/$p/environ"
    done
}

# Ends every marked process: politely first, then for good.
sitzung_beende_alle() {
    local p reste
    reste=$(sitzung_markierte)
    [[ -z $reste ]] && return
    kill $reste 2>/dev/null
    for _ in $(seq 50); do
        reste=$(for p in $reste; do kill -0 "$p" 2>/dev/null && echo "$p"; done)
        [[ -z $reste ]] && break
        sleep 0.1
    done
    [[ -n $reste ]] && kill -9 $reste 2>/dev/null
    wait 2>/dev/null
}

sitzung_endet() {
    sitzung_beende_alle
    fehlerbericht
    [[ -n ${arbeit-} ]] && rm -rf "$arbeit"
}

# A display number nobody uses, so that the test may run beside other X servers.
freie_anzeige() {
    local n
    for n in $(seq 60 120); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo "$n"; return; }
    done
    return 1
}

# Waits up to 10 s until the server at $DISPLAY answers.
warte_auf_anzeige() {
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A private session bus for the manager: xfwm4 cannot read its settings
# without one, mutter and metacity ask it for theirs.
starte_bus() {
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --nopidfile 2>"$arbeit/bus.log" | head -n1)
    [[ -n $bus ]] || return 1
    export DBUS_SESSION_BUS_ADDRESS=$bus
}

# Starts the manager $1 (its pid in $wpid) and waits until it has announced
# itself on the root window; 30 s, since a loaded 2-core machine starts mutter
# in a few. Fails early when it has died.
starte_manager() {
    local i
    case $1 in
        mutter) mutter --x11 --replace >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
        *) "$1" >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
    esac
    for i in $(seq 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$wpid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# A suite's checks: each prints ok or FAIL; a FAIL leaves fehler at 1 and is
# repeated at the end, since a long log is often shown cut in the middle.
fehler=0 fehlschlaege=""
scheitert() {   # scheitert <what went wrong>
    echo "FAIL $1"
    fehler=1 fehlschlaege+="FAIL $1"$'\n'
}

pruefe() {   # pruefe <what> <expected> <found>
    if [[ $2 == "$3" ]]; then
        echo "ok   $1: $3"
    else
        scheitert "$1: expected $2, found $3"
    fi
}

# Runs a Qt Test program; when it fails, its failing checks join the summary.
laufe_pruefung() {   # laufe_pruefung <what> <command ...>
    local was=$1 rc
    shift
    "$@" 2>&1 | tee "$arbeit/pruefung.log"
    rc=${PIPESTATUS[0]}
    ((rc == 0)) && return 0
    scheitert "$was: exit status $rc"
    fehlschlaege+=$(grep -A3 -E '^(FAIL!|QFATAL|Received signal)' "$arbeit/pruefung.log" | head -n 60)$'\n'
    return 1
}

fehlerbericht() {
    [[ -n ${fehlschlaege-} ]] && printf '\n== what failed:\n%s' "$fehlschlaege"
    return 0
}
