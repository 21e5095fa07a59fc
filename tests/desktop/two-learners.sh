#!/usr/bin/env bash
# two-learners.sh PROGRAM GRAB [PICTURES]: two instances of "PROGRAM
# --mesajlasma" on one desktop (Xvfb with openbox, a D-Bus session and its
# accessibility bus) exchange a card number and a signature through saved
# files, driven through their windows by two_learners.py. With PICTURES, a
# picture of each learner's exchange window is saved there (GRAB is
# rsa-demo-screen-grab). Skipped, with the reason, when a tool is missing.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
# The system's Python: pyatspi comes from Debian's packages.
python=/usr/bin/python3

# desktop PROGRAM GRAB WORKDIR [PICTURES]: runs inside the D-Bus session.
desktop() {
    local display status
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$display
    export XDG_RUNTIME_DIR=$2/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    openbox --sm-disable >/dev/null 2>&1 &
    local openbox=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    "$python" "$here/two_learners.py" "$@" >&3 2>&4
    status=$?
    kill "$openbox" "$xvfb" 2>/dev/null
    wait "$openbox" "$xvfb" 2>/dev/null
    return $status
}

if [[ ${1:-} == --desktop ]]; then
    shift
    desktop "$@"
    exit
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
program=$(realpath "$1")
grab=$(realpath "$2")
pictures=()
if [[ -n ${3:-} ]]; then
    mkdir -p "$3"
    pictures=("$(realpath "$3")" "$grab")
fi
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
# A session bus of its own, so that its accessibility bus serves these two
# instances alone. The buses' and the programs' notes on what they started go
# nowhere; the driver's lines reach the terminal through 3 and 4.
dbus-run-session -- bash "$0" --desktop "$program" "$workdir" "${pictures[@]}" \
    3>&1 4>&2 >/dev/null 2>&1
