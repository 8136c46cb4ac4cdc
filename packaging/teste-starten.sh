#!/bin/sh
# Tests varno-quiz-starten with a stand-in game that prints its working folder.
#   sh teste-starten.sh <path of varno-quiz-starten>
set -u
skript=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0

mkdir -p "$tmp/bin" "$tmp/leer" "$tmp/Mein Spiel" "$tmp/-Spiel" "$tmp/heim" "$tmp/gewaehlt"
cp "$skript" "$tmp/bin/varno-quiz-starten"
printf '#!/bin/sh\npwd\n' > "$tmp/bin/varno-quiz"
chmod +x "$tmp/bin/varno-quiz-starten" "$tmp/bin/varno-quiz"
: > "$tmp/Mein Spiel/Varno.ini"
for werkzeug in dirname find head cat; do ln -s "$(command -v "$werkzeug")" "$tmp/leer/$werkzeug"; done

# erwarte <case> <expected exit status> <expected output> <command>...
erwarte() {
    fall=$1 status=$2 ausgabe=$3
    shift 3
    ist=$("$@" 2>/dev/null)
    ist_status=$?
    if [ "$ist_status" != "$status" ] || [ "$ist" != "$ausgabe" ]; then
        echo "FAIL $fall: status $ist_status (want $status), output '$ist' (want '$ausgabe')"
        fehler=1
    else
        echo "ok   $fall"
    fi
}

s="$tmp/bin/varno-quiz-starten"
erwarte "folder" 0 "$tmp/Mein Spiel" "$s" "$tmp/Mein Spiel"
erwarte "Varno.ini" 0 "$tmp/Mein Spiel" "$s" "$tmp/Mein Spiel/Varno.ini"
erwarte "folder with leading dash" 0 "$tmp/-Spiel" sh -c 'cd "$1" && "$2" -Spiel' - "$tmp" "$s"
erwarte "missing" 1 "" "$s" "$tmp/gibt es nicht"
erwarte "two arguments" 2 "" "$s" "$tmp" "$tmp"
# No chooser installed: the home folder.
erwarte "no chooser" 0 "$tmp/heim" env HOME="$tmp/heim" PATH="$tmp/leer" /bin/sh "$s"
# A chooser: its folder; cancelled: nothing starts.
printf '#!/bin/sh\necho "%s"\n' "$tmp/gewaehlt" > "$tmp/leer/zenity"
chmod +x "$tmp/leer/zenity"
erwarte "chooser" 0 "$tmp/gewaehlt" env HOME="$tmp/heim" PATH="$tmp/leer" /bin/sh "$s"
printf '#!/bin/sh\nexit 1\n' > "$tmp/leer/zenity"
erwarte "chooser cancelled" 0 "" env HOME="$tmp/heim" PATH="$tmp/leer" /bin/sh "$s"

# A folder of pictures without Varno.ini: the offer to write a game for them.
# The stand-in checker records its call and writes the file.
mkdir -p "$tmp/Bilder/Urlaub" "$tmp/NurText"
: > "$tmp/Bilder/Urlaub/Strand.JPG"
: > "$tmp/NurText/liesmich.txt"
printf '#!/bin/sh\necho "$*" >> "%s"\n: > "$2/Varno.ini"\n' "$tmp/neu.log" > "$tmp/bin/varno-pruefen"
printf '#!/bin/sh\ncase "$1" in --question) [ "$(cat "%s")" = ja ];; esac\n' "$tmp/antwort" > "$tmp/leer/zenity"
chmod +x "$tmp/bin/varno-pruefen"
# neu <case> <answer> <folder> <expected checker calls>
neu() {
    echo "$2" > "$tmp/antwort"
    : > "$tmp/neu.log"
    erwarte "$1" 0 "$3" env PATH="$tmp/leer" /bin/sh "$s" "$3"
    if [ "$(cat "$tmp/neu.log")" != "$4" ]; then
        echo "FAIL $1: checker called as '$(cat "$tmp/neu.log")' (want '$4')"
        fehler=1
    fi
}
neu "no Varno.ini, declined" nein "$tmp/Bilder" ""
neu "no Varno.ini, accepted" ja "$tmp/Bilder" "--neu $tmp/Bilder"
neu "Varno.ini written before" ja "$tmp/Bilder" ""
neu "no pictures" ja "$tmp/NurText" ""
exit $fehler
