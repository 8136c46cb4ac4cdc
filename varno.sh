#!/usr/bin/env bash
# Sets up, builds, plays and tests Varno Quiz on Debian 12.
#   ./varno.sh play   install what is missing, build, start the demo game
#   ./varno.sh test   install what is missing, build, run every test, then
#                     again under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

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

build() {
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)"
}

case "${1:-}" in
    play)
        install_packages debian-packages.txt
        build
        cd demo
        exec ../build/release/app/varno-quiz
        ;;
    test)
        install_packages debian-packages.txt debian-packages-test.txt
        build
        ctest --preset release -j "$(nproc)"
        # The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
        cmake --preset asan >/dev/null
        cmake --build --preset asan -j "$(nproc)"
        ctest --preset asan -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
