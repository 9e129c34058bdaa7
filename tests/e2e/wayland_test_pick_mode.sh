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

"$PROBE" "$WAYLAND_DIR/unused.png" >"$WAYLAND_DIR/probe.log" 2>&1 &
WAYLAND_PIDS+=($!)
wait_for 20 "no probe window" grep -q '^taken' "$WAYLAND_DIR/probe.log"
read -r x y w h < <(window_rect "Portal probe") || fail "no probe window"

# pick_print PLATFORM: runs `tintmere --pick --print` ($PICK_PID), once the frozen screens show.
pick_print() {
    QT_QPA_PLATFORM=$1 DISPLAY=$WAYLAND_X_DISPLAY "$TINTMERE" --pick --print \
        >"$WAYLAND_DIR/pick.out" 2>"$WAYLAND_DIR/pick.err" &
    PICK_PID=$!
    for _ in $(seq 150); do
        [ -n "$(window_rect "Pick a colour")" ] && return 0
        kill -0 "$PICK_PID" 2>/dev/null || fail "$1: the pick ended early: $(cat "$WAYLAND_DIR/pick.err")"
        sleep 0.1
    done
    fail "$1: the frozen screens did not show: $(cat "$WAYLAND_DIR/pick.err")"
}
# pick_ends PLATFORM STATUS OUTPUT: the pick ended with them.
pick_ends() {
    local status=0
    for _ in $(seq 50); do kill -0 "$PICK_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$PICK_PID" 2>/dev/null && kill "$PICK_PID" && fail "$1: the pick did not end"
    wait "$PICK_PID" || status=$?
    [ "$status" = "$2" ] || fail "$1: exited with $status, not $2: $(cat "$WAYLAND_DIR/pick.err")"
    [ "$(cat "$WAYLAND_DIR/pick.out")" = "$3" ] ||
        fail "$1: printed '$(cat "$WAYLAND_DIR/pick.out")', not '$3'"
}
cursor() { swaymsg -q seat seat0 cursor "$@"; }

for platform in wayland xcb; do
    for point in "$((x + w / 2)) $((y + h / 2))" "$x $((y + 3))" "$((x - 1)) $((y + 3))" "7 9"; do
        read -r px py <<<"$point"
        expected=$(screen_pixel "$px" "$py")
        cursor set "$px" "$py"
        pick_print "$platform"
        # The overlay learns where the pointer is from a motion over it.
        cursor move 1 1
        cursor set "$px" "$py"
        sleep 0.3
        cursor press button1
        cursor release button1
        pick_ends "$platform" 0 "#$expected"
    done
    pick_print "$platform"
    wtype -k Escape
    pick_ends "$platform" 1 ""
    [ -z "$(window_rect "Pick a colour")" ] || fail "$platform: the frozen screens stayed"
    echo "$platform: picks the pixel under the pointer; Escape cancels"
done
