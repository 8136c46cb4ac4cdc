#!/bin/bash
# The window suite: the real game on an X server of its own, once bare and
# once under each window manager a desktop may run, checked from outside.
#
#   fenster-suite.sh <tst_fenster> <varno-quiz> <tst_app> [manager ...]
#
# Managers: bare openbox metacity xfwm4 mutter (all by default). Needs Xvfb,
# the managers, dbus (mutter wants a session bus), xdotool, xprop, xwininfo
# and ImageMagick's import: debian-packages.txt lists them.
set -u
pruefer=$(realpath "$1") spiel=$(realpath "$2") app=$(realpath "$3")
shift 3
manager=("$@")
((${#manager[@]})) || manager=(bare openbox metacity xfwm4 mutter)

arbeit=$(mktemp -d)
xpid="" wpid=""
aufraeumen() {
    [[ -n $wpid ]] && kill "$wpid" 2>/dev/null
    [[ -n $xpid ]] && kill "$xpid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# A display number nobody uses, so that the suite may run beside other X servers.
freie_anzeige() {
    local n
    for n in $(seq 60 120); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo "$n"; return; }
    done
    return 1
}

# Waits until the manager has announced itself on the root window.
warte_auf_manager() {
    local i
    for i in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}

fehler=0
for wm in "${manager[@]}"; do
    anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
    Xvfb ":$anzeige" -screen 0 1600x1200x24 -nolisten tcp -noreset >"$arbeit/xvfb.log" 2>&1 &
    xpid=$!
    export DISPLAY=":$anzeige"
    for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    case $wm in
        bare) wpid="" ;;
        mutter) dbus-run-session -- mutter --x11 --replace >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
        *) "$wm" >"$arbeit/wm.log" 2>&1 & wpid=$! ;;
    esac
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
    [[ -n $wpid ]] && { kill "$wpid" 2>/dev/null; wait "$wpid" 2>/dev/null; }
    kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null
    xpid="" wpid=""
done
exit $fehler
