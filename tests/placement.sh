#!/usr/bin/env bash
# placement.sh PROGRAM: under a real window manager (openbox on Xvfb), the
# step window opens beside the main window, never over it: at 1920x1080 and
# 1600x1000 side by side with the main window at its own size, at 1366x768
# and at QT_SCALE_FACTOR 2 on 1600x1000 (where the main window alone is
# larger than the screen) with both frames on the screen and apart, the main
# window smaller and scrolling. Frames are measured as the window manager
# drew them (xwininfo, _NET_FRAME_EXTENTS).
set -uo pipefail
program=$(realpath "$1")
for tool in Xvfb openbox xdotool xwininfo xprop xdpyinfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

pids=()
stop() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    pids=()
}
trap stop EXIT
fail() {
    echo "$*" >&2
    exit 1
}

# frame ID: "left top width height" of the window with its frame.
frame() {
    local info x y w h extents l r t b
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# run WIDTH HEIGHT SCALE EXPECT: EXPECT is "own" when the main window keeps
# its size (810 x 588 client pixels times the scale, and its menu bar), "smaller" when it
# must give way.
run() {
    local width=$1 height=$2 scale=$3 expect=$4 display main steps
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    read -r -t 10 display <&"$fd" || fail "Xvfb did not start"
    export DISPLAY=:$display
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" --adim-adim >/dev/null 2>&1 &
    pids+=($!)
    steps=$(xdotool search --sync --onlyvisible --name '^Adım adım$' | head -n 1)
    main=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
    sleep 1 # the placement follows the first map of both windows
    read -r mx my mw mh <<<"$(frame "$main")"
    read -r sx sy sw sh <<<"$(frame "$steps")"
    local where="${width}x${height} scale $scale: main $mw x $mh at $mx,$my; steps $sw x $sh at $sx,$sy"
    echo "$where"
    for box in "$mx $my $mw $mh" "$sx $sy $sw $sh"; do
        read -r x y w h <<<"$box"
        ((x >= 0 && y >= 0 && x + w <= width && y + h <= height)) || fail "off screen: $where"
    done
    ((mx + mw <= sx || sx + sw <= mx || my + mh <= sy || sy + sh <= my)) || fail "overlap: $where"
    local client
    client=$(xwininfo -id "$main" | sed -n 's/.*Width: *//p')
    if [[ $expect == own ]]; then
        ((client == 810 * scale)) || fail "the main window is $client wide, not its own $((810 * scale)): $where"
        ((sw >= 400)) || fail "the step window is only $sw wide: $where"
    else
        ((client < 810 * scale)) || fail "the main window should have given way: $where"
    fi
    stop
}

run 1920 1080 1 own
run 1600 1000 1 own
run 1366 768 1 own
run 1600 1000 2 smaller
