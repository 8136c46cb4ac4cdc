#!/bin/sh
# The include check must catch an include against the rules: a tree of two
# files, each including a folder above its own, fails with both named.
set -u
pruefer=$1
baum=$(mktemp -d)
trap 'rm -rf "$baum"' EXIT
mkdir -p "$baum/core" "$baum/render"
echo '#include "game/spiel.h"' >"$baum/core/zustand.h"
echo '  #  include "settings/bildeintrag.h"' >"$baum/render/bild.cpp"
if bericht=$(sh "$pruefer" "$baum" 2>&1); then
    echo "the check passed a tree that breaks the rules"
    exit 1
fi
echo "$bericht" | grep -q 'core/zustand.h:1: core/ must not include game/' &&
    echo "$bericht" | grep -q 'render/bild.cpp:1: render/ must not include settings/'
