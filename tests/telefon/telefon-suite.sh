#!/bin/bash
# Phones as buzzers in a real browser: the game on an X server of its own, F6,
# the page's address read back from the QR code on a screenshot, two phones in
# headless Chromium that join two groups and claim, and the claim on the main
# window, all inside a network namespace whose only interface is loopback.
#
#   telefon-suite.sh <varno-quiz> <demo folder>
#
# Needs Xvfb, xdotool, ImageMagick, zbarimg, chromium, chromedriver and
# python3-selenium: debian-packages-test.txt lists them. With
# VARNO_BILDER=<folder> the screenshots it takes are kept there.
set -u
hier=$(dirname "$(realpath "$0")")
if [[ -z ${VARNO_NETZRAUM-} ]]; then
    exec sh "$hier/../support/netzraum.sh" bash "$(realpath "$0")" "$@"
fi
spiel=$(realpath "$1") demo=$(realpath "$2")
. "$hier/../support/xsitzung.sh"
sitzung_beginnt

bild() {   # bild <name>: a screenshot of the whole screen
    import -window root "$arbeit/$1.png" 2>/dev/null
    [[ -n ${VARNO_BILDER-} ]] && cp "$arbeit/$1.png" "$VARNO_BILDER/"
}
# Pixels of the scoreboard's claim colour (light yellow) on a screenshot.
gelb() {
    convert "$arbeit/$1.png" -fill black +opaque '#FFFFC8' -fill white -opaque '#FFFFC8' \
        -format '%[fx:int(mean*w*h)]' info:
}

# Three groups, every group may claim, the settings panel hidden: the first
# picture is announced at the start.
spielordner="$arbeit/spiel"
mkdir -p "$spielordner"
cp -r "$demo/Bilder" "$spielordner/"
{
    printf '#Fenster\r\n1000,700\r\n#Seiten\r\n4:3\r\n#Test\r\n0\r\n#Sektoren\r\n12\r\n'
    printf '#Jede\r\n1\r\n#Strafe\r\n2\r\n#Panel\r\n0\r\n#Gruppen\r\n3\r\n#Namen\r\n'
    printf 'Adler\r\nBiber\r\nEulen\r\n'
    printf '#Muster\r\nBilder/*\r\n#Bilder\r\nHaus.jpg\r\nRakete.jpg\r\n'
} >"$spielordner/Varno.ini"

anzeige=$(freie_anzeige) || { echo "no free X display"; exit 1; }
Xvfb ":$anzeige" -screen 0 1280x800x24 -nolisten tcp >"$arbeit/xvfb.log" 2>&1 &
export DISPLAY=":$anzeige"
warte_auf_anzeige || { scheitert "Xvfb did not come up"; exit 1; }
(cd "$spielordner" && QT_QPA_PLATFORM=xcb exec "$spiel") >"$arbeit/spiel.log" 2>&1 &
haupt=""
for _ in $(seq 100); do
    haupt=$(xdotool search --onlyvisible --name '"Varno Quiz"' 2>/dev/null | head -n1)
    [[ -n $haupt ]] && break
    sleep 0.1
done
[[ -n $haupt ]] || { cat "$arbeit/spiel.log"; scheitert "no main window"; exit 1; }
sleep 1.5
xdotool windowfocus --sync "$haupt" 2>/dev/null
taste() { xdotool key --window "$haupt" --clearmodifiers "$@"; sleep 0.5; }

taste F6
# Read once the sheet is painted: a loaded machine may take a moment.
adresse=""
for _ in $(seq 10); do
    bild f6
    adresse=$(zbarimg --quiet --raw "$arbeit/f6.png" 2>/dev/null | head -n1)
    [[ -n $adresse ]] && break
    sleep 0.5
done
echo "     QR code: $adresse"
pruefe "the QR code names the page on loopback" ja "$([[ $adresse =~ ^http://127\.0\.0\.1:[0-9]+/\?c=[A-Z2-9]{4}$ ]] && echo ja || echo nein)"
taste F6
taste Next   # the first sector: claims are open
bild offen
pruefe "no claim before the phones" 0 "$(gelb offen)"

if [[ $adresse == http://127.0.0.1:* ]]; then
    timeout 120 /usr/bin/python3 "$hier/telefone.py" "$adresse" Adler Eulen "${VARNO_BILDER-}" ||
        scheitert "the phones in the browser"
else
    scheitert "no loopback address in the QR code"
fi
sleep 0.5
bild anspruch
gelb_nachher=$(gelb anspruch)
echo "     light yellow pixels after the claim: $gelb_nachher"
pruefe "the main window shows the claim" ja "$( ((gelb_nachher > 2000)) && echo ja || echo nein)"
# The quiz master judges it: the claim is the window's like a click.
taste plus
for _ in $(seq 10); do
    bild richtig
    [[ $(gelb richtig) == 0 ]] && break
    sleep 0.3
done
pruefe "richtig ends the claim" 0 "$(gelb richtig)"
exit $fehler
