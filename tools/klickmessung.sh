#!/usr/bin/env bash
# What a click costs the real game's window thread, measured from outside on a
# bare X server: the main thread's CPU time (from /proc/PID/task/PID/schedstat,
# in nanoseconds) from the key press to 1.5 s later, once for the first reveal
# (fixed aspect 3:2) or once for "Neues Bild" (each picture its own aspect "*"),
# per picture, with 2.5 s of quiet before each click. Also the CPU of all
# threads per picture and the peak memory (VmHWM) at the end.
#   tools/klickmessung.sh PROGRAMM MEGAPIXEL(24|50) aufdecken|neuesbild [BILDERORDNER] [BILDER]
# The photographs (ImageMagick: gradient and noise, quality 90) are made in
# BILDERORDNER if it does not hold them yet. Needs Xvfb, xdotool, convert.
# SCHIRM=WxH[@F]: a screen of WxH device pixels at scale F (QT_SCALE_FACTOR),
# e.g. 3840x2160@2; PUBLIKUM=1 opens the audience window (F5) full screen on it,
# over the game. GROESSENWECHSEL=1 changes the window's size before each
# first reveal.
set -euo pipefail
programm=$(realpath "$1")
mp=$2
art=$3
bilder=${4:-$(mktemp -d)}
anzahl=${5:-5}
case $mp in
    24) groesse=6000x4000 ;;
    50) groesse=8660x5773 ;;
    1) groesse=1200x800 ;;
    *) echo "MEGAPIXEL: 24, 50 or 1" >&2; exit 2 ;;
esac
mkdir -p "$bilder"
foto="$bilder/foto$mp.jpg"
[[ -f $foto ]] || convert -size "$groesse" gradient:navy-orange -attenuate 0.3 +noise Gaussian -quality 90 "$foto"

arbeit=$(mktemp -d)
anzeige=$((90 + RANDOM % 100))
xvfb=""
spiel=""
ende() {
    [[ -n $spiel ]] && kill "$spiel" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap ende EXIT

mkdir "$arbeit/Bilder"
for ((i = 0; i <= anzahl + 1; ++i)); do cp "$foto" "$arbeit/Bilder/foto$i.jpg"; done
seiten="3:2"
[[ $art == neuesbild ]] && seiten="*"
{
    printf '#Fenstergroesse\r\n1400,633\r\n#Seitenverhaeltnis\r\n%s\r\n#Testmodus\r\n0\r\n' "$seiten"
    printf '#Sektoren\r\n4\r\n#Jede Gruppe\r\n1\r\n#Strafpunkte\r\n2\r\n#Einstellungsfenster\r\n0\r\n'
    printf '#Gruppen\r\n2\r\n#Namen\r\nA\r\nB\r\n#Bildnamen\r\nBilder/*\r\n#Bilder\r\n'
    for ((i = 0; i <= anzahl + 1; ++i)); do printf 'foto%d.jpg\r\n' "$i"; done
} >"$arbeit/Varno.ini"

schirm=1600x1200
skala=1
if [[ -n ${SCHIRM:-} ]]; then
    schirm=${SCHIRM%@*}
    [[ $SCHIRM == *@* ]] && skala=${SCHIRM#*@}
fi
Xvfb ":$anzeige" -screen 0 "${schirm}x24" -nolisten tcp >"$arbeit/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$anzeige"
sleep 1
(cd "$arbeit" && exec env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$skala" "$programm" >"$arbeit/spiel.log" 2>&1) &
spiel=$!
sleep 1
pid=$(pgrep -P "$spiel" -n || echo "$spiel")
[[ -r /proc/$pid/task/$pid/schedstat ]] || pid=$spiel
fenster=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
xdotool windowfocus --sync "$fenster" 2>/dev/null || true
sleep 3
if [[ -n ${PUBLIKUM:-} ]]; then
    xdotool key --window "$fenster" F5
    sleep 3
fi

faden() { cut -d' ' -f1 "/proc/$pid/task/$pid/schedstat"; }
alle() { cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'; }
taste() {
    local vorher nachher
    vorher=$(faden)
    xdotool key --window "$fenster" Right
    sleep 1.5
    nachher=$(faden)
    echo $(((nachher - vorher) / 1000))
}

# PERF=FILE records where the window thread spends its time (perf record).
[[ -n ${PERF:-} ]] && { perf record -q ${PERFART:-} -t "$pid" -o "$PERF" >/dev/null 2>&1 & }
echo "klick,nr,faden_us,alle_threads_pro_bild_us"
for ((i = 1; i <= anzahl; ++i)); do
    start=$(alle)
    if [[ -n ${GROESSENWECHSEL:-} ]]; then
        # The window's size changes while the picture waits for its first reveal.
        hoehe=$((i % 2 ? 700 : 650))
        xdotool windowsize "$fenster" "$((1400 * skala))" "$((hoehe * skala))"
    fi
    sleep 2.5
    a=$(taste)          # the first reveal
    for _ in 1 2 3; do xdotool key --window "$fenster" Right; sleep 0.4; done
    sleep 2.5
    n=$(taste)          # "Neues Bild"
    echo "aufdecken,$i,$a,"
    echo "neuesbild,$i,$n,$(( ($(alle) - start) / 1000 ))"
done
if [[ -n ${SCHNAPPSCHUSS:-} ]]; then
    xdotool key --window "$fenster" Right Right
    sleep 1
    import -window root "$SCHNAPPSCHUSS"
fi
grep -E "VmHWM|VmRSS" "/proc/$pid/status" | tr -s ' \t' ' '
