#!/bin/bash
# The audience window on a two-monitor X display: Xorg with the dummy video
# driver, a 1280 × 800 "laptop" at 0,0 and a 1920 × 1080 "projector" at
# 1280,0, each named as an xrandr monitor, under each window manager; then the
# same game on one monitor. The game is driven and looked at from outside.
#
#   publikum-suite.sh <varno-quiz> <demo folder> <varno-spieldatei> [manager ...]
#
# Managers: openbox mutter (both by default). Needs Xorg with the dummy driver,
# xrandr, the managers, dbus, xdotool, xprop, xwininfo and ImageMagick:
# debian-packages-test.txt lists them. With VARNO_BILDER=<folder> the
# screenshots it takes are kept there.
set -u
spiel=$(realpath "$1") demo=$(realpath "$2") spieldatei=$(realpath "$3")
shift 3
manager=("$@")
((${#manager[@]})) || manager=(openbox mutter)
. "$(dirname "$(realpath "$0")")/../support/xsitzung.sh"
sitzung_beginnt


# The game: the demo's pictures, 30 groups, the settings panel hidden, every
# group may claim, a window of 1000 × 700; the second entry names a missing
# file, so that a message box comes up.
spielordner="$arbeit/spiel"
mkdir -p "$spielordner"
cp -r "$demo/Bilder" "$spielordner/"
felder=(fenster=1000,700 sektoren=12 jede=1 strafe=2 panel=0 "muster=Bilder/*" bild=Haus.jpg bild=Fehlt.jpg bild=Rakete.jpg)
for g in $(seq 30); do felder+=("gruppe=Gruppe $g"); done
"$spieldatei" "$spielordner/Varno.ini" "${felder[@]}" || { scheitert "no settings file"; exit 1; }

xorg_konfiguration() {
    mkdir -p "$arbeit/xorg.d"
    cat >"$arbeit/xorg.conf" <<'EOF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
EndSection
Section "Device"
    Identifier "Karte"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "Schirm"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "Bild"
    Device "Karte"
    Monitor "Schirm"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3200 1080
    EndSubSection
EndSection
EOF
}

# Two outputs side by side, named as monitors. Again after mutter has started:
# it switches the outputs to their preferred modes.
zwei_schirme() {
    xrandr --addmode DUMMY1 1920x1080 2>/dev/null
    xrandr --output DUMMY0 --mode 1280x800 --pos 0x0 --output DUMMY1 --mode 1920x1080 --pos 1280x0 || return 1
    xrandr --delmonitor laptop >/dev/null 2>&1
    xrandr --delmonitor projector >/dev/null 2>&1
    xrandr --setmonitor laptop 1280/338x800/211+0+0 DUMMY0 &&
        xrandr --setmonitor projector 1920/508x1080/286+1280+0 DUMMY1
}

ein_schirm() {
    xrandr --delmonitor projector >/dev/null 2>&1
    xrandr --output DUMMY1 --off --output DUMMY0 --mode 1280x800 --pos 0x0 --fb 1280x800
}

fenster_von() {   # the window id of a title, once it is mapped
    local i id
    for i in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

geometrie() {   # "WxH+X+Y" of the client area, root coordinates
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{printf "%sx%s+%s+%s", w, h, x, y}'
}

# Whether the manager has put the window into its full-screen state (it may
# take a moment after the window has its place).
vollbild() {
    local i
    for i in $(seq 30); do
        xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && { echo ja; return; }
        sleep 0.1
    done
    echo nein
}

# Waits until the window's geometry is the expected one (managers settle a
# full-screen window in steps); prints the last one seen.
warte_auf_geometrie() {   # <id> <geometry>
    local i g
    for i in $(seq 50); do
        g=$(geometrie "$1")
        [[ $g == "$2" ]] && break
        sleep 0.1
    done
    echo "$g"
}

# The mean and the spread of a screen rectangle's grey values.
bildwerte() {   # <geometry> <name>
    import -window root -crop "$1" +repage "$arbeit/$2.png" 2>/dev/null
    [[ -n ${VARNO_BILDER-} ]] && cp "$arbeit/$2.png" "$VARNO_BILDER/"
    convert "$arbeit/$2.png" -colorspace Gray -format '%[fx:int(255*mean)] %[fx:int(255*standard_deviation)]' info:
}

taste() { xdotool key --clearmodifiers "$@"; sleep 0.4; }

# Starts the game under manager $1 and opens the audience window with F5:
# sets haupt, publikum, vorher (the main window's geometry) and spielpid.
starte_mit_publikum() {
    (cd "$spielordner" && QT_QPA_PLATFORM=xcb exec "$spiel") >"$arbeit/spiel.log" 2>&1 &
    spielpid=$!
    haupt=$(fenster_von '"Varno Quiz"') || { scheitert "$1: no main window"; return 1; }
    sleep 1.5
    xdotool windowactivate --sync "$haupt" 2>/dev/null; sleep 0.3
    vorher=$(geometrie "$haupt")
    echo "     main window: $vorher"
    taste F5
    publikum=$(fenster_von 'Publikum') || { scheitert "$1: F5 opened no audience window"; return 1; }
}

laufe() {   # one game under manager $1 on the display set up
    local wm=$1 haupt publikum vorher g
    starte_mit_publikum "$wm" || return
    pruefe "$wm: F5 on the projector" 1920x1080+1280+0 "$(warte_auf_geometrie "$publikum" 1920x1080+1280+0)"
    pruefe "$wm: full screen" ja "$(vollbild "$publikum")"
    pruefe "$wm: main window stays" "$vorher" "$(geometrie "$haupt")"
    pruefe "$wm: the host keeps the keyboard" "$(xdotool getwindowname "$haupt")" \
        "$(xdotool getactivewindow getwindowname 2>/dev/null)"
    # The keys still reach the game: reveal, claim, right.
    taste Next; taste Next; taste 1; taste plus
    read -r mittel streuung < <(bildwerte 1920x1080+1280+0 "$wm-projektor")
    echo "     projector after a right answer: mean $mittel, spread $streuung ($wm-projektor.png)"
    ((streuung > 20)) && pruefe "$wm: something shows on the projector" ja ja ||
        pruefe "$wm: something shows on the projector" ja nein

    taste b
    read -r mittel streuung < <(bildwerte 1920x1080+1280+0 "$wm-schwarz")
    pruefe "$wm: B blacks the projector out" "0 0" "$mittel $streuung"
    taste b

    taste shift+F5
    pruefe "$wm: Shift+F5 to the laptop" 1280x800+0+0 "$(warte_auf_geometrie "$publikum" 1280x800+0+0)"
    pruefe "$wm: full screen" ja "$(vollbild "$publikum")"
    pruefe "$wm: main window stays" "$vorher" "$(geometrie "$haupt")"
    taste shift+F5
    pruefe "$wm: Shift+F5 back to the projector" 1920x1080+1280+0 \
        "$(warte_auf_geometrie "$publikum" 1920x1080+1280+0)"
    pruefe "$wm: full screen" ja "$(vollbild "$publikum")"
    taste F5
    g=$(xdotool search --onlyvisible --name 'Publikum' 2>/dev/null | head -n1)
    pruefe "$wm: F5 closes it" "" "$g"
    pruefe "$wm: main window stays" "$vorher" "$(geometrie "$haupt")"
}

# One screen: the audience window covers it, and the game keys played on it
# still reach the game.
laufe_allein() {
    local wm=$1 haupt publikum vorher
    starte_mit_publikum "$wm" || return
    pruefe "$wm, one screen: covers it" 1280x800+0+0 "$(warte_auf_geometrie "$publikum" 1280x800+0+0)"
    pruefe "$wm, one screen: full screen" ja "$(vollbild "$publikum")"
    pruefe "$wm, one screen: it has the keyboard" "$publikum" "$(xdotool getactivewindow 2>/dev/null)"
    # Reveal three times and claim: the counter and the banner say so.
    taste Next; taste Next; taste Next; taste 2
    bildwerte 1280x800+0+0 "$wm-ein-schirm" >/dev/null
    local titel
    titel=$(xdotool getactivewindow getwindowname 2>/dev/null)
    pruefe "$wm, one screen: still in front after the keys" "Varno Quiz – Publikum" "$titel"
    taste minus
    # A message box for the host: the audience window steps aside and comes back.
    taste 3; taste plus; taste Next
    pruefe "$wm, one screen: the box in front" "Varno Quiz" "$(xdotool getactivewindow getwindowname 2>/dev/null)"
    pruefe "$wm, one screen: stepped aside" "" "$(xdotool search --onlyvisible --name 'Publikum' 2>/dev/null | head -n1)"
    bildwerte 1280x800+0+0 "$wm-ein-schirm-meldung" >/dev/null
    taste Return
    publikum=$(fenster_von 'Publikum') || publikum=""
    pruefe "$wm, one screen: back after the box" ja "$( [[ -n $publikum ]] && vollbild "$publikum")"
    taste F5
    pruefe "$wm, one screen: F5 closes it" "" "$(xdotool search --onlyvisible --name 'Publikum' 2>/dev/null | head -n1)"
    pruefe "$wm, one screen: main window stays" "$vorher" "$(geometrie "$haupt")"
    # What the keys did, read off the main window: group 2 answered wrong.
    bildwerte "$vorher" "$wm-ein-schirm-haupt" >/dev/null
}

xorg_konfiguration
for wm in "${manager[@]}"; do
    start=$SECONDS
    anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
    Xorg ":$anzeige" -config "$arbeit/xorg.conf" -configdir "$arbeit/xorg.d" -logfile "$arbeit/xorg.log" \
        -nolisten tcp -noreset +extension RANDR >"$arbeit/xorg.out" 2>&1 &
    export DISPLAY=":$anzeige"
    if ! warte_auf_anzeige || ! zwei_schirme; then
        tail -20 "$arbeit/xorg.log" "$arbeit/xorg.out"
        scheitert "Xorg with the dummy driver did not come up with two outputs"
        exit 1
    fi
    starte_bus || { scheitert "no session bus for $wm"; sitzung_beende_alle; continue; }
    if ! starte_manager "$wm"; then
        cat "$arbeit/wm.log"; scheitert "$wm did not start"
    else
        sleep 1
        zwei_schirme
        pruefe "$wm: monitors" 2 "$(xrandr --listmonitors | awk 'NR==1{print $2}')"
        laufe "$wm"
        kill "$spielpid" 2>/dev/null; wait "$spielpid" 2>/dev/null
        ein_schirm
        sleep 1
        laufe_allein "$wm"
    fi
    sitzung_beende_alle
    unset DBUS_SESSION_BUS_ADDRESS
    echo "== $wm: $((SECONDS - start)) s"
done
exit $fehler
