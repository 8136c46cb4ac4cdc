#!/bin/bash
# The window suite: the real game on an X server of its own, once bare and
# once under each window manager a desktop may run, checked from outside.
#
#   fenster-suite.sh <tst_fenster> <varno-quiz> <tst_app> [manager ...]
#   (VARNO_FENSTER_FAELLE="case ..." runs only those cases of tst_fenster)
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

. "$(dirname "$(realpath "$0")")/../support/xsitzung.sh"
sitzung_beginnt

for wm in "${manager[@]}"; do
    anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
    Xvfb ":$anzeige" -screen 0 1920x1440x24 -nolisten tcp -noreset >"$arbeit/xvfb.log" 2>&1 &
    export DISPLAY=":$anzeige"
    warte_auf_anzeige || { cat "$arbeit/xvfb.log"; scheitert "Xvfb did not start"; exit 1; }
    wpid=""
    if [[ $wm != bare ]] && ! starte_bus; then
        cat "$arbeit/bus.log"; scheitert "no session bus for $wm"
        sitzung_beende_alle
        continue
    fi
    if [[ $wm != bare ]] && ! starte_manager "$wm"; then
        cat "$arbeit/wm.log"; scheitert "$wm did not start"
    else
        start=$SECONDS
        laufe_pruefung "$wm" env VARNO_SPIEL="$spiel" VARNO_FENSTERMANAGER="$wm" QT_QPA_PLATFORM=offscreen \
            "$pruefer" ${VARNO_FENSTER_FAELLE:-}
        # What the offscreen platform cannot answer: real focus and activation.
        if [[ $wm == openbox ]]; then
            laufe_pruefung "$wm, focus" env QT_QPA_PLATFORM=xcb "$app"
        fi
        echo "== $wm: $((SECONDS - start)) s"
    fi
    sitzung_beende_alle
    unset DBUS_SESSION_BUS_ADDRESS
done
exit $fehler
