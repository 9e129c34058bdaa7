#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pick mode on a Wayland compositor, with Tintmere on Qt's Wayland plugin and on XWayland:
# `tintmere --pick --print` freezes the screens, shows them full-screen, and a click prints
# the very pixel under the pointer as grim reads it, at a window's edge too; Escape cancels.
# $1: the probe program (a window of one colour), $2: tintmere.
source "${WAYLAND_E2E_LIB:?}"
wayland_session_start "$@"
PROBE=${1:?probe path}
TINTMERE=${2:?tintmere path}

spawn pointer python3 "$(dirname "$(readlink -f "$0")")/wayland_pointer.py"
wait_for 10 "no pointer on the seat" grep -q '^pointer' "$WAYLAND_DIR/pointer.log"
"$PROBE" "$WAYLAND_DIR/unused.png" >"$WAYLAND_DIR/probe.log" 2>&1 &
WAYLAND_PIDS+=($!)
wait_for 20 "no probe window" grep -q '^taken' "$WAYLAND_DIR/probe.log"
read -r x y w h < <(window_rect "Portal probe") || fail "no probe window"

# overlay_shown: the frozen screens cover the screen.
overlay_shown() {
    [ "$(window_rect "Pick a colour")" = "0 0 1280 800" ]
}
# pick_print PLATFORM: runs `tintmere --pick --print` ($PICK_PID), once the frozen screens show.
pick_print() {
    QT_QPA_PLATFORM=$1 DISPLAY=$WAYLAND_X_DISPLAY "$TINTMERE" --pick --print \
        >"$WAYLAND_DIR/pick.out" 2>"$WAYLAND_DIR/pick-err.log" &
    PICK_PID=$!
    for _ in $(seq 150); do
        # Time for the compositor to give it the pointer.
        overlay_shown && sleep 0.5 && return 0
        kill -0 "$PICK_PID" 2>/dev/null || fail "$1: the pick ended early: $(cat "$WAYLAND_DIR/pick-err.log")"
        sleep 0.1
    done
    fail "$1: the frozen screens did not show: $(cat "$WAYLAND_DIR/pick-err.log")"
}
# pick_ends PLATFORM STATUS OUTPUT: the pick ended with them.
pick_ends() {
    local status=0
    for _ in $(seq 50); do kill -0 "$PICK_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$PICK_PID" 2>/dev/null && kill "$PICK_PID" && fail "$1: the pick did not end"
    wait "$PICK_PID" || status=$?
    [ "$status" = "$2" ] || fail "$1: exited with $status, not $2: $(cat "$WAYLAND_DIR/pick-err.log")"
    [ "$(cat "$WAYLAND_DIR/pick.out")" = "$3" ] ||
        fail "$1: printed '$(cat "$WAYLAND_DIR/pick.out")', not '$3'"
    wait_for 5 "$1: the frozen screens stayed" test -z "$(window_rect "Pick a colour")"
}
cursor() { swaymsg -q seat seat0 cursor "$@"; }

for platform in wayland xcb; do
    for point in "7 9" "$((x + w / 2)) $((y + h / 2))" "$x $((y + 3))" "$((x - 1)) $((y + 3))"; do
        read -r px py <<<"$point"
        # The headless compositor draws the pointer into every screenshot: away with it.
        cursor set 1000 700
        expected=$(screen_pixel "$px" "$py")
        pick_print "$platform"
        cursor set "$((px + 1))" "$py"
        cursor set "$px" "$py"
        sleep 0.3
        cursor press button1
        cursor release button1
        pick_ends "$platform" 0 "#$expected"
    done
    pick_print "$platform"
    # wtype's keyboard is new to the program each time: its key map must arrive before the key.
    wtype -s 300 -k Escape
    pick_ends "$platform" 1 ""
    echo "$platform: picks the pixel under the pointer; Escape cancels"
done
