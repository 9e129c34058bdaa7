#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The screens frozen through the desktop portal show what is on the screen, pixel for pixel,
# with the program on Qt's Wayland plugin and on XWayland; the portal's file does not stay.
# sway has no global-shortcuts portal: the hot key's status tells the user what to bind.
# $1: the probe program (portal_screenshot_probe).
source "${WAYLAND_E2E_LIB:?}"
wayland_session_start "$@"
PROBE=${1:?probe path}

for platform in wayland xcb; do
    shot=$WAYLAND_DIR/frozen-$platform.png
    rm -f /tmp/out.png
    QT_QPA_PLATFORM=$platform DISPLAY=$WAYLAND_X_DISPLAY "$PROBE" "$shot" \
        >"$WAYLAND_DIR/probe-$platform.log" 2>&1 &
    probe=$!
    WAYLAND_PIDS+=($probe)
    for _ in $(seq 200); do
        grep -q '^taken' "$WAYLAND_DIR/probe-$platform.log" && break
        kill -0 "$probe" 2>/dev/null ||
            fail "$platform: the probe ended: $(cat "$WAYLAND_DIR/probe-$platform.log")"
        sleep 0.1
    done
    grep -q '^taken 1280x800$' "$WAYLAND_DIR/probe-$platform.log" ||
        fail "$platform: $(cat "$WAYLAND_DIR/probe-$platform.log")"

    read -r x y w h < <(window_rect "Portal probe") || fail "$platform: no probe window"
    cx=$((x + w / 2)) cy=$((y + h / 2))
    for point in "$cx $cy" "$((x - 3)) $((y + h / 2))" "5 5" "1279 799"; do
        read -r px py <<<"$point"
        frozen=$(png_pixel "$shot" "$px" "$py")
        screen=$(screen_pixel "$px" "$py")
        [ "$frozen" = "$screen" ] || fail "$platform: at $px,$py frozen $frozen, screen $screen"
    done
    [ "$(png_pixel "$shot" "$cx" "$cy")" = e76f51 ] || fail "$platform: the window is not in the image"
    [ "$(png_pixel "$shot" 5 5)" = "$WAYLAND_BACKGROUND" ] || fail "$platform: no background"
    wait_for 10 "$platform: no status" grep -q '^hot key: ' "$WAYLAND_DIR/probe-$platform.log"
    grep -q '^capture: On Wayland the magnifier follows the pointer during Pick Color' "$WAYLAND_DIR/probe-$platform.log" ||
        fail "$platform: $(grep '^capture' "$WAYLAND_DIR/probe-$platform.log")"
    grep -q '^hot key: .*bind the command tintmere --pick' "$WAYLAND_DIR/probe-$platform.log" ||
        fail "$platform: $(grep '^hot key' "$WAYLAND_DIR/probe-$platform.log")"
    [ ! -e /tmp/out.png ] || fail "$platform: the portal's screenshot file was left behind"
    kill "$probe"
    wait "$probe" 2>/dev/null || true
    echo "$platform: the frozen image matches the screen"
    grep -E "^(capture|hot key): " "$WAYLAND_DIR/probe-$platform.log"
done
