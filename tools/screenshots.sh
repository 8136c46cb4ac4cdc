#!/bin/sh
# Refreshes the README screenshots: plays the demo game under Xvfb, driven by
# xdotool from outside (the game has no command line), and saves
#   einstellungen.png    the settings panel before the first picture
#   spiel-verdeckt.png   a covered picture after a few reveals
#   bild-aufgeloest.png  the same picture after a right answer
#
#   tools/screenshots.sh <path of the built varno-quiz> [output folder]
#
# Builds nothing. Needs xvfb-run (xvfb, xauth), xdotool and ImageMagick.
# The reveals are random, so every run gives other pictures.
set -eu

if [ "${1-}" = "--innen" ]; then
    # Runs inside Xvfb: $2 game, $3 demo folder, $4 output folder.
    spiel=$2 demo=$3 ziel=$4
    cd "$demo"
    "$spiel" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT

    fenster=$(xdotool search --sync --onlyvisible --name 'Varno Quiz' | head -n 1)
    # The window takes its configured size at its first activation.
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
    breite=$WIDTH hoehe=$HEIGHT links=$X oben=$Y
    echo "window $fenster: ${breite}x${hoehe}+${links}+${oben}"

    aufnahme() {
        sleep 1
        import -window root -crop "${breite}x${hoehe}+${links}+${oben}" +repage "$ziel/$1.tmp.png"
        convert "$ziel/$1.tmp.png" -resize 75% -strip "$ziel/$1.png"
        rm -f "$ziel/$1.tmp.png"
        echo "saved $ziel/$1.png"
    }
    klick() { xdotool mousemove "$((links + $1))" "$((oben + $2))" click 1; sleep 0.3; }

    # The button column lies at the client area's right edge (left edge L).
    spalte=$((breite - 470))

    # Keyboard focus follows the pointer without a window manager.
    xdotool mousemove "$((links + 200))" "$((oben + 200))"
    aufnahme einstellungen

    # Enter: the settings panel's default button OK; the first picture appears covered.
    xdotool key Return
    sleep 1
    # The reveal button (BBweiter), once by mouse, then by Enter.
    klick $((spalte + 28)) 104
    for _ in 1 2 3 4 5 6; do
        xdotool key Return
        sleep 0.3
    done
    aufnahme spiel-verdeckt

    # The group whose turn it is has a light yellow row; its answer button sits in it.
    import -window root -crop "${breite}x${hoehe}+${links}+${oben}" +repage "$ziel/zeilen.tmp.png"
    for i in 0 1 2 3 4 5 6 7 8 9; do
        y=$((150 + 50 * i + 25))
        farbe=$(convert "$ziel/zeilen.tmp.png" -format "%[pixel:p{$((spalte + 5)),$y}]" info:)
        case $farbe in
            *255,255,200*)
                klick $((spalte + 285)) $((150 + 50 * i + 23))
                break
                ;;
        esac
    done
    rm -f "$ziel/zeilen.tmp.png"
    # "richtig"
    klick $((spalte + 237)) 38
    aufnahme bild-aufgeloest
    exit 0
fi

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 <path of the built varno-quiz> [output folder]" >&2
    exit 2
fi
wurzel=$(cd "$(dirname "$0")/.." && pwd)
spiel=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
ziel=${2:-$wurzel/docs/bilder}
mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)

xvfb-run -a -s "-screen 0 1400x900x24" sh "$0" --innen "$spiel" "$wurzel/demo" "$ziel"
