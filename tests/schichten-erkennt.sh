#!/bin/sh
# The include check must catch an include against the rules: a tree whose
# files include a folder above their own, or a file of another folder without
# naming the folder, fails with each named; an include of the file beside the
# includer passes.
set -u
pruefer=$1
baum=$(mktemp -d)
trap 'rm -rf "$baum"' EXIT
mkdir -p "$baum/core" "$baum/render" "$baum/app"
echo '#include "game/spiel.h"' >"$baum/core/zustand.h"
echo '  #  include "settings/bildeintrag.h"' >"$baum/render/bild.cpp"
touch "$baum/app/bildknopf.h"
printf '#include "bild.h"\n#include "bildknopf.h"\n' >"$baum/render/bild.h"
echo '#include "bildknopf.h"' >"$baum/app/bildknopf.cpp"
if bericht=$(sh "$pruefer" "$baum" 2>&1); then
    echo "the check passed a tree that breaks the rules"
    exit 1
fi
echo "$bericht" | grep -q 'core/zustand.h:1: core/ must not include game/' &&
    echo "$bericht" | grep -q 'render/bild.cpp:1: render/ must not include settings/' &&
    echo "$bericht" | grep -q 'render/bild.h:2: "bildknopf.h" without its folder' &&
    ! echo "$bericht" | grep -q 'render/bild.h:1:\|app/bildknopf.cpp'
