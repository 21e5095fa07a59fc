#!/usr/bin/env bash
# screenshot.sh [--screen WxH] [OUTPUT [OPTIONS...]]: draws the window after a
# worked example under Xvfb and saves it (docs/window.png by default) for the
# README; the program's options follow, as in
# "tools/screenshot.sh docs/window-en.png --lang en" or
# "tools/screenshot.sh docs/steps.png --adim-adim" (both windows side by side);
# "tools/screenshot.sh docs/realsize.png --gercek-boyut" draws the real-size
# window after a 2048-bit key, the sentence's contrast and the race (a minute
# or two). The screen is 1600x900 with no window manager; --screen gives it
# another size and lets openbox place the windows, as a desktop would:
# "tools/screenshot.sh --screen 1366x768 docs/exchange-words.png --mesajlasma"
# is the exchange window beside the main one on a classroom projector's screen.
set -euo pipefail
cd "$(dirname "$0")/.."
screen=1600x900
desktop=no
if [[ ${1:-} == --screen ]]; then
    screen=$2
    desktop=yes
    shift 2
fi
output=$(realpath -m "${1:-docs/window.png}")
build=${RSA_BUILD_DIR:-build}
cmake -S . -B "$build" -G "Unix Makefiles" >/dev/null
cmake --build "$build" -j2 --target rsa-demo-screenshot >/dev/null
# A free display, as the desktop tests find theirs.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
openbox=
trap 'kill $openbox "$xvfb" 2>/dev/null; wait $openbox "$xvfb" 2>/dev/null || true' EXIT
read -r -t 10 number <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
display=:$number
if [[ $desktop == yes ]]; then
    DISPLAY=$display openbox --sm-disable >/dev/null 2>&1 &
    openbox=$!
    for _ in $(seq 100); do
        DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
            break
        sleep 0.1
    done
fi
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build"/rsa-demo-screenshot "$output" "${@:2}"
echo "wrote $output"
