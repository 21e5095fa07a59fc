#!/usr/bin/env bash
# screenshot-words.sh [OUTPUT [OPTIONS...]]: the exchange window beside the
# main window after the word "MERHABA" was sent, on a classroom projector's
# screen: Xvfb at 1366x768 with openbox placing the windows, as a desktop
# would (docs/exchange-words.png by default; --lang en for English).
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/exchange-words.png}")
build=${RSA_BUILD_DIR:-build}
cmake -S . -B "$build" -G "Unix Makefiles" >/dev/null
cmake --build "$build" -j2 --target rsa-demo-screenshot >/dev/null
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$openbox" "$xvfb" 2>/dev/null; wait "$openbox" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build"/rsa-demo-screenshot "$output" --mesajlasma "${@:2}"
echo "wrote $output"
