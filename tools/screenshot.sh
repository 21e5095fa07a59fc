#!/usr/bin/env bash
# screenshot.sh [WINDOW.png [STEPS.png]]: draws the window after a worked
# example under Xvfb, and the same with the step window beside it, and saves
# them (docs/window.png and docs/steps.png by default) for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
window=$(realpath -m "${1:-docs/window.png}")
steps=$(realpath -m "${2:-docs/steps.png}")
build=${RSA_BUILD_DIR:-build}
cmake -S . -B "$build" -G "Unix Makefiles" >/dev/null
cmake --build "$build" -j2 --target rsa-demo-screenshot >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb \
    "$build"/tools/screenshot/rsa-demo-screenshot "$window"
echo "wrote $window"
# Both windows side by side need a wider screen.
xvfb-run -a -s "-screen 0 1600x900x24" env QT_QPA_PLATFORM=xcb \
    "$build"/tools/screenshot/rsa-demo-screenshot "$steps" --adim-adim
echo "wrote $steps"
