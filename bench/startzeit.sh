#!/bin/bash
# CPU time of the game's start-up under openbox on an X server of its own:
# the demo game started as a quiz master starts it, its user and system time
# read from /proc the moment its window is mapped, and again once the window
# has kept its geometry for 2 s (the start-up steps' size requests answered).
# A start-up that waits without spending CPU costs the same at both points
# plus the layout's work.
#
#   startzeit.sh <varno-quiz> <demo folder> [runs]
#
# Prints one line per run and the median and spread of each figure, in ms.
set -u
spiel=$(realpath "$1") demo=$(realpath "$2") laeufe=${3:-9}

. "$(dirname "$(realpath "$0")")/../tests/support/xsitzung.sh"
sitzung_beginnt

anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
Xvfb ":$anzeige" -screen 0 1920x1440x24 -nolisten tcp -noreset >"$arbeit/xvfb.log" 2>&1 &
export DISPLAY=":$anzeige"
warte_auf_anzeige || { echo "Xvfb did not start"; exit 1; }
starte_manager openbox || { echo "openbox did not start"; exit 1; }
cp -r "$demo" "$arbeit/spiel"
takt=$(getconf CLK_TCK)

# utime + stime of a process in ms.
cpu_ms() {
    local felder
    read -r -a felder <"/proc/$1/stat" || return 1
    # The name (field 2) holds no blanks here, so the fields count from 0.
    echo $(((felder[13] + felder[14]) * 1000 / takt))
}

geometrie() { xwininfo -id "$1" 2>/dev/null | awk '/Absolute|Width|Height/{printf "%s ", $NF}'; }

median_spanne() {
    sort -n | awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                      printf "median %s, min %s, max %s\n", m, v[1], v[NR]}'
}

: >"$arbeit/gezeigt" && : >"$arbeit/ruhig"
for lauf in $(seq "$laeufe"); do
    (cd "$arbeit/spiel" && QT_QPA_PLATFORM=xcb exec "$spiel") 2>/dev/null &
    pid=$!
    id=""
    for _ in $(seq 1500); do
        id=$(xdotool search --onlyvisible --pid "$pid" --name 'mit eigenen Bildern' 2>/dev/null | head -n1)
        [[ -n $id ]] && break
        sleep 0.01
    done
    [[ -n $id ]] || { echo "run $lauf: no window"; kill "$pid"; wait "$pid"; continue; }
    gezeigt=$(cpu_ms "$pid")
    vorher="" ruhe=0
    while ((ruhe < 20)); do
        jetzt=$(geometrie "$id")
        if [[ $jetzt == "$vorher" ]]; then ruhe=$((ruhe + 1)); else ruhe=0; fi
        vorher=$jetzt
        sleep 0.1
    done
    ruhig=$(cpu_ms "$pid")
    echo "run $lauf: ${gezeigt} ms to the mapped window, ${ruhig} ms once settled ($vorher)"
    echo "$gezeigt" >>"$arbeit/gezeigt"
    echo "$ruhig" >>"$arbeit/ruhig"
    kill "$pid"
    wait "$pid" 2>/dev/null
done
echo "mapped:  $(median_spanne <"$arbeit/gezeigt")"
echo "settled: $(median_spanne <"$arbeit/ruhig")"
