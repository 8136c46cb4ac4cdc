#!/bin/sh
# Runs a command in a network namespace of its own in which only loopback is
# up: whatever the command sends can reach nothing but 127.0.0.1 and ::1, and
# the game there sees no local network.
#   netzraum.sh <command> [argument ...]
set -eu
if [ -z "${VARNO_NETZRAUM-}" ]; then
    export VARNO_NETZRAUM=1
    if [ "$(id -u)" -eq 0 ]; then
        exec unshare -n -- "$0" "$@"
    fi
    exec unshare -rn -- "$0" "$@"
fi
ip link set lo up
exec "$@"
