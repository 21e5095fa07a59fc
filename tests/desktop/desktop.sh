#!/usr/bin/env bash
# desktop.sh DRIVER ARGS...: runs the Python program DRIVER with ARGS on a
# desktop of its own: Xvfb at 1920x1080 with openbox, a D-Bus session and its
# accessibility bus, through which the driver sees the program's windows as a
# screen reader does. The buses' and the programs' notes on what they started
# go nowhere; the driver's lines reach the terminal. Exits 77, saying why,
# when a tool is missing, else with the driver's status.
set -uo pipefail
# The system's Python: pyatspi comes from Debian's packages.
python=/usr/bin/python3

if [[ ${1:-} == --inside ]]; then
    shift
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&4; exit 1; }
    export DISPLAY=:$display
    openbox --sm-disable >/dev/null 2>&1 &
    openbox=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    "$python" "$@" >&3 2>&4
    status=$?
    kill "$openbox" "$xvfb" 2>/dev/null
    wait "$openbox" "$xvfb" 2>/dev/null
    exit $status
fi

for tool in Xvfb openbox xdotool xwininfo xprop dbus-run-session "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is not installed"
    exit 77
fi
# A session bus and a runtime folder of its own, so that its accessibility
# bus serves this desktop alone, also while another such desktop runs.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- bash "$0" --inside "$@" 3>&1 4>&2 >/dev/null 2>&1
