#!/bin/sh
# The folders' include rules: app/ on top, then the rules in game/, then
# settings/ and render/ side by side, beneath them core/ (the game state and
# the shared helpers). Programs and checks beside the game use what they need
# from below. An include names its folder ("app/bildknopf.h"), unless it names
# a file beside the includer, or a stand-in of tests/support where the tests'
# stand-ins may be used; otherwise an include path could carry it past these
# rules unseen. Prints every include against the rules and fails if there is one.
#
#   tools/schichten.sh [root]
set -u
wurzel=${1:-$(dirname "$0")/..}
cd "$wurzel" || exit 2

# folder: the folders its files may include from (besides itself)
erlaubt() {
    case $1 in
        app) echo "game settings render core" ;;
        game) echo "settings render core" ;;
        settings | render) echo "core" ;;
        core) echo "" ;;
        pruefen) echo "settings render core" ;;
        tools) echo "render core" ;;
        # Benchmarks and fuzz targets drive the layers with the tests' stand-ins.
        bench) echo "app game settings render core tests" ;;
        fuzz) echo "settings render core tests" ;;
        tests) echo "app game settings render core pruefen fuzz" ;;
        *) echo "-" ;;
    esac
}

bericht=$(mktemp)
trap 'rm -f "$bericht"' EXIT
for ordner in app game settings render core pruefen tools bench fuzz tests; do
    [ -d "$ordner" ] || continue
    darf=$(erlaubt "$ordner")
    find "$ordner" \( -name '*.cpp' -o -name '*.h' \) | sort | while IFS= read -r datei; do
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]*/' "$datei" | while IFS= read -r zeile; do
            ziel=$(printf '%s\n' "$zeile" | sed 's/.*include[[:space:]]*"\([a-z]*\)\/.*/\1/')
            [ "$ziel" = "$ordner" ] && continue
            case " $darf " in
                *" $ziel "*) ;;
                *) echo "$datei:${zeile%%:*}: $ordner/ must not include $ziel/" >>"$bericht" ;;
            esac
        done
    done
done

# Includes without their folder.
for ordner in app game settings render core pruefen tools bench fuzz tests; do
    [ -d "$ordner" ] || continue
    find "$ordner" \( -name '*.cpp' -o -name '*.h' \) | sort | while IFS= read -r datei; do
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]*"' "$datei" | while IFS= read -r zeile; do
            name=$(printf '%s\n' "$zeile" | sed 's/.*include[[:space:]]*"\([^"]*\)".*/\1/')
            case $name in *.moc) continue ;; esac
            [ -e "$(dirname "$datei")/$name" ] && continue
            case $ordner in
                bench | fuzz | tests) [ -e "tests/support/$name" ] && continue ;;
            esac
            echo "$datei:${zeile%%:*}: \"$name\" without its folder" >>"$bericht"
        done
    done
done
cat "$bericht"
[ ! -s "$bericht" ]
