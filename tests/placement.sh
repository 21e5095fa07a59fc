#!/usr/bin/env bash
# placement.sh PROGRAM DRIVER: under a real window manager (openbox on Xvfb),
# every window beside the main window opens beside it, never over it. At
# 1920x1080, 1600x1000 and 1366x768, for each of --adim-adim, --mesajlasma,
# --saldirilar, --gercek-boyut and --alistirma alone and for --adim-adim with each of the
# others, and with the exercise's solution window opened too (through the
# scenario driver, which clicks "Çözümü göster"): every frame lies wholly on
# the screen, no two frames overlap, and the main window keeps its size.
# At 1366x768, when the step window closes, the exchange window below it
# takes its room.
# At QT_SCALE_FACTOR 2 on 1600x1000, where the main window alone is larger
# than the screen, the main window gives way and scrolls, beside the step
# window alone or beside it and the exchange window. Frames are measured as
# the window manager drew them (xwininfo, _NET_FRAME_EXTENTS).
set -uo pipefail
program=$(realpath "$1")
driver=$(realpath "$2")
for tool in Xvfb openbox xdotool xwininfo xprop; do
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

# screen WIDTH HEIGHT: an X server of that size with openbox managing it.
screen() {
    local display
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${1}x${2}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    read -r -t 10 display <&"$fd" || fail "Xvfb did not start"
    export DISPLAY=:$display
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

# check WIDTH HEIGHT SCALE EXPECT COUNT PID WHAT: once the process PID shows
# COUNT windows, each lies on the screen and apart from the others; EXPECT
# is "own" when the main window keeps its size (810 client pixels wide times
# the scale), "smaller" when it must give way.
check() {
    local width=$1 height=$2 scale=$3 expect=$4 count=$5 pid=$6 what=$7 ids=() main
    # Generous, for a loaded machine.
    for _ in $(seq 300); do
        mapfile -t ids < <(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)
        ((${#ids[@]} == count)) && break
        sleep 0.1
    done
    ((${#ids[@]} == count)) || fail "$what: ${#ids[@]} windows, not $count"
    # The placement follows the first map of every window: measured once the
    # frames stay where they are.
    local last="" now
    for _ in $(seq 20); do
        sleep 0.5
        now=$(for id in "${ids[@]}"; do frame "$id"; done)
        [[ $now == "$last" ]] && break
        last=$now
    done
    main=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Form1$' | head -n 1)
    local frames=() where="${width}x${height} scale $scale $what:" id
    for id in "${ids[@]}"; do
        frames+=("$(frame "$id")")
        where+=" [$(xprop -id "$id" _NET_WM_NAME | sed -n 's/.* = //p') ${frames[-1]}]"
    done
    echo "$where"
    local i j x y w h a b c d
    for ((i = 0; i < count; ++i)); do
        read -r x y w h <<<"${frames[i]}"
        ((x >= 0 && y >= 0 && x + w <= width && y + h <= height)) || fail "off screen: $where"
        for ((j = i + 1; j < count; ++j)); do
            read -r a b c d <<<"${frames[j]}"
            ((x + w <= a || a + c <= x || y + h <= b || b + d <= y)) || fail "overlap: $where"
        done
    done
    local client
    client=$(xwininfo -id "$main" | sed -n 's/.*Width: *//p')
    if [[ $expect == own ]]; then
        ((client == 810 * scale)) || fail "the main window is $client wide, not its own $((810 * scale)): $where"
    else
        ((client < 810 * scale)) || fail "the main window should have given way: $where"
    fi
}

# run WIDTH HEIGHT SCALE EXPECT COUNT OPTIONS...: the program with OPTIONS.
run() {
    local scale=$3
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" "${@:6}" >/dev/null 2>&1 &
    local pid=$!
    check "$1" "$2" "$scale" "$4" "$5" "$pid" "${*:6}"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# solution WIDTH HEIGHT: the exercise's solution window opened beside the
# step and exercise windows, through the driver, which waits on its input
# while the frames are measured.
solution() {
    local input pid
    input=$(mktemp -u)
    mkfifo "$input"
    QT_QPA_PLATFORM=xcb "$driver" <"$input" >/dev/null 2>&1 &
    pid=$!
    exec {steps}>"$input"
    rm "$input"
    printf 'launch --adim-adim --alistirma\nsolution\n' >&"$steps"
    check "$1" "$2" 1 own 4 "$pid" "--adim-adim --alistirma, solution"
    exec {steps}>&-
    wait "$pid" 2>/dev/null || true
}

# closing: when the step window closes, the exchange window below it takes
# its room.
closing() {
    QT_QPA_PLATFORM=xcb "$program" --adim-adim --mesajlasma >/dev/null 2>&1 &
    local pid=$! steps exchange x y w h
    check 1366 768 1 own 3 "$pid" "--adim-adim --mesajlasma"
    steps=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Adım adım$')
    # Alt+F4 to the window manager; on a loaded machine a key sent right
    # after the activation can be lost, so it is sent again until it closes.
    for _ in $(seq 5); do
        xdotool windowactivate --sync "$steps" key alt+F4 2>/dev/null
        for _ in $(seq 20); do
            xdotool search --onlyvisible --pid "$pid" --name '^Adım adım$' >/dev/null || break 2
            sleep 0.1
        done
    done
    check 1366 768 1 own 2 "$pid" "--adim-adim --mesajlasma, the step window closed"
    exchange=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Mesajlaşma$')
    read -r x y w h <<<"$(frame "$exchange")"
    ((h > 768 / 2)) || fail "the exchange window kept $h of the screen's 768 pixels"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

for size in "1920 1080" "1600 1000" "1366 768"; do
    read -r width height <<<"$size"
    screen "$width" "$height"
    for option in --adim-adim --mesajlasma --saldirilar --gercek-boyut --alistirma; do
        run "$width" "$height" 1 own 2 "$option"
    done
    for option in --mesajlasma --saldirilar --gercek-boyut --alistirma; do
        run "$width" "$height" 1 own 3 --adim-adim "$option"
    done
    solution "$width" "$height"
    if ((width == 1366)); then
        closing
    fi
    stop
done
screen 1600 1000
run 1600 1000 2 smaller 2 --adim-adim
run 1600 1000 2 smaller 3 --adim-adim --mesajlasma
