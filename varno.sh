#!/usr/bin/env bash
# Sets up, builds, plays and tests Varno Quiz on Debian 12.
#   ./varno.sh play [ORDNER]  install what is missing, build what playing needs,
#                             start the game in ORDNER (the demo game without one)
#   ./varno.sh test           install what is missing, build, run every test, then
#                             again under AddressSanitizer and UndefinedBehaviorSanitizer,
#                             and under ThreadSanitizer
set -euo pipefail
# A folder given to play is meant from where the command was typed.
ordner=""
if [[ ${1:-} == play && -n ${2:-} ]]; then
    ordner=$(realpath -e -- "$2") || { echo "varno.sh: \"$2\" wurde nicht gefunden." >&2; exit 1; }
fi
cd "$(dirname "$0")"
wurzel=$(pwd)

# install_packages LIST...: installs what the package lists name and is missing.
install_packages() {
    local missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done < <(cat "$@")
    if ((${#missing[@]})); then
        local sudo=""
        [[ $(id -u) -ne 0 ]] && sudo="sudo"
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# build PRESET [TARGET]: configures with PRESET and builds TARGET, or everything.
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$(nproc)" ${2:+--target "$2"}
}

case "${1:-}" in
    play)
        install_packages debian-packages.txt
        build release varno-spielen
        echo
        echo "Das Spiel:    $wurzel/build/release/app/varno-quiz (startet im Ordner seiner Varno.ini)"
        echo "Der Prüfer:   $wurzel/build/release/pruefen/varno-pruefen SPIELORDNER"
        echo "              prüft die Varno.ini und alle Bilder vor der Feier;"
        echo "              mit --neu BILDERORDNER schreibt er ein neues Spiel für alle Bilder."
        echo
        # The launcher takes a folder or a file of the game and offers to write
        # a game for a folder of pictures without one.
        PATH="$wurzel/build/release/app:$wurzel/build/release/pruefen:$PATH" \
            exec "$wurzel/packaging/varno-quiz-starten" "${ordner:-$wurzel/demo}"
        ;;
    test)
        install_packages debian-packages.txt debian-packages-test.txt
        # The release build with warnings as errors.
        build ci
        ctest --preset ci -j "$(nproc)"
        # The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
        build asan
        ctest --preset asan -j "$(nproc)"
        # And under ThreadSanitizer, for the picture decoder's worker thread
        # (all but the window-manager suite, which the runs above cover).
        build tsan
        ctest --preset tsan -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 play [ORDNER] | test" >&2
        exit 2
        ;;
esac
