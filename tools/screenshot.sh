#!/usr/bin/env bash
# screenshot.sh [OUTPUT [OPTIONS...]]: draws the window after a worked example
# under Xvfb and saves it (docs/window.png by default) for the README; the
# program's options follow, as in "tools/screenshot.sh docs/window-en.png --lang en"
# or "tools/screenshot.sh docs/steps.png --adim-adim" (both windows side by side);
# "tools/screenshot.sh docs/realsize.png --gercek-boyut" draws the real-size
# window after a 2048-bit key, the sentence's contrast and the race (a minute
# or two).
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/window.png}")
build=${RSA_BUILD_DIR:-build}
cmake -S . -B "$build" -G "Unix Makefiles" >/dev/null
cmake --build "$build" -j2 --target rsa-demo-screenshot >/dev/null
xvfb-run -a -s "-screen 0 1600x900x24" env QT_QPA_PLATFORM=xcb \
    "$build"/rsa-demo-screenshot "$output" "${@:2}"
echo "wrote $output"
