#!/bin/bash
# The window suite: the real game on an X server of its own, once bare and
# once under each window manager a desktop may run, checked from outside.
#
#   fenster-suite.sh <tst_fenster> <varno-quiz> <tst_app> [manager ...]
#
# Managers: bare openbox metacity xfwm4 mutter (all by default). Needs Xvfb,
# the managers, dbus, xdotool, xprop, xwininfo and ImageMagick's import:
# debian-packages-test.txt lists them.
#
# Each manager gets a private session bus (xfwm4 cannot read its settings
# without one, mutter and metacity ask it for theirs) and a home and runtime
# folder of its own, so that a run on a used machine sees what a fresh one
# sees. Everything the suite starts carries a mark in its environment, and
# whatever still carries it after a manager's turn is ended.
set -u
pruefer=$(realpath "$1") spiel=$(realpath "$2") app=$(realpath "$3")
shift 3
manager=("$@")
((${#manager[@]})) || manager=(bare openbox metacity xfwm4 mutter)

arbeit=$(mktemp -d)
export VARNO_FENSTER_LAUF="$$-$RANDOM$RANDOM"
export HOME="$arbeit/home" XDG_CONFIG_HOME="$arbeit/home/.config" XDG_CACHE_HOME="$arbeit/home/.cache" \
       XDG_DATA_HOME="$arbeit/home/.local/share" XDG_RUNTIME_DIR="$arbeit/laufzeit"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

# The processes that carry this run's mark: what it started, and what those
# started in turn (the bus's activated services among them). Builtins only,
# so that the search itself starts no marked process.
markierte() {
    local p v
    for p in /proc/[0-9]*; do
        p=${p#/proc/}
        [[ $p == "$$" ]] && continue
        while IFS= read -r -d '' v; do
            [[ $v == "VARNO_FENSTER_LAUF=$VARNO_FENSTER_LAUF" ]] && { echo "$p"; break; }
        done 2>/dev/null <"/proc/$p/environ"
    done
}

# Ends every marked process: politely first, then for good.
beende_alle() {
    local p reste
    reste=$(markierte)
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

aufraeumen() {
    beende_alle
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM

# A display number nobody uses, so that the suite may run beside other X servers.
freie_anzeige() {
    local n
    for n in $(seq 60 120); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo "$n"; return; }
    done
    return 1
}

# Waits until the manager has announced itself on the root window; gives up
# early when it has died. 30 s: a loaded 2-core machine starts mutter in a few.
warte_auf_manager() {
    local i
    for i in $(seq 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$wpid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

fehler=0
for wm in "${manager[@]}"; do
    anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
    Xvfb ":$anzeige" -screen 0 1920x1440x24 -nolisten tcp -noreset >"$arbeit/xvfb.log" 2>&1 &
    export DISPLAY=":$anzeige"
    for i in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    wpid=""
    if [[ $wm != bare ]]; then
        bus=$(dbus-daemon --session --fork --print-address=1 --nopidfile 2>"$arbeit/bus.log" | head -n1)
        if [[ -z $bus ]]; then
            echo "FAIL: no session bus for $wm"; cat "$arbeit/bus.log"; fehler=1
            beende_alle
            continue
        fi
        export DBUS_SESSION_BUS_ADDRESS=$bus
        case $wm in
            mutter) mutter --x11 --replace >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
            *) "$wm" >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
        esac
    fi
    if [[ $wm != bare ]] && ! warte_auf_manager; then
        echo "FAIL: $wm did not start"; cat "$arbeit/wm.log"; fehler=1
    else
        start=$SECONDS
        VARNO_SPIEL=$spiel VARNO_FENSTERMANAGER=$wm QT_QPA_PLATFORM=offscreen \
            "$pruefer" || fehler=1
        # What the offscreen platform cannot answer: real focus and activation.
        if [[ $wm == openbox ]]; then
            QT_QPA_PLATFORM=xcb "$app" || fehler=1
        fi
        echo "== $wm: $((SECONDS - start)) s"
    fi
    beende_alle
    unset DBUS_SESSION_BUS_ADDRESS
done
exit $fehler
