#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The magnifier drawer on a Wayland compositor, with Tintmere on Qt's Wayland plugin and on
# XWayland: with the drawer out, pick mode over the frozen screens, the pointer on a window's
# edge, and Ctrl+L ends picking without a pick; the drawer then holds the 7x7 pixels around the
# pointer exactly as grim reads them, and the palette is unchanged. Pressed again while
# picking, the bound `tintmere --pick` locks the same way.
# $1: the probe program (a window of one colour), $2: tintmere.
source "${WAYLAND_E2E_LIB:?}"
wayland_session_start "$@"
PROBE=${1:?probe path}
TINTMERE=${2:?tintmere path}

# The side of an enlarged pixel in the magnifier.
PIXEL=15

spawn pointer python3 "$(dirname "$(readlink -f "$0")")/wayland_pointer.py"
wait_for 10 "no pointer on the seat" grep -q '^pointer' "$WAYLAND_DIR/pointer.log"
"$PROBE" "$WAYLAND_DIR/unused.png" >"$WAYLAND_DIR/probe.log" 2>&1 &
WAYLAND_PIDS+=($!)
wait_for 20 "no probe window" grep -q '^taken' "$WAYLAND_DIR/probe.log"
swaymsg -q '[title="^Portal probe$"] move position 100 100'
read -r x y w h < <(window_rect "Portal probe") || fail "no probe window"

# shows_enlarged X Y WIDTH HEIGHT COLOURS: whether that part of the screen shows the 7x7
# colours (a line, row by row) as squares PIXEL wide; prints where.
shows_enlarged() {
    grim -g "$1,$2 $3x$4" "$WAYLAND_DIR/window.png"
    convert "$WAYLAND_DIR/window.png" -depth 8 ppm:- | python3 -c '
import sys
_, size, _, pixels = sys.stdin.buffer.read().split(b"\n", 3)
width, height = map(int, size.split())
step, want = int(sys.argv[1]), sys.argv[2].split()
def at(x, y):
    return pixels[3 * (y * width + x):3 * (y * width + x) + 3].hex()
for y in range(height - 7 * step + 1):
    for x in range(width - 7 * step + 1):
        if all(at(x + c * step + step // 2, y + r * step + step // 2) == want[r * 7 + c]
               for r in range(7) for c in range(7)):
            print(x, y)
            sys.exit(0)
sys.exit(1)
' "$PIXEL" "$5"
}
# screen_7x7 X Y: the colours of the 7x7 screen pixels from (X, Y), row by row, on one line.
screen_7x7() {
    grim -g "$1,$2 7x7" "$WAYLAND_DIR/grid.png"
    convert "$WAYLAND_DIR/grid.png" -depth 8 txt:- |
        awk 'NR > 1 { match($0, /#[0-9A-Fa-f]+/); printf "%s ", tolower(substr($0, RSTART + 1, 6)) }'
}
overlay_shown() { [ "$(window_rect "Pick a colour")" = "0 0 1280 800" ]; }
overlay_gone() { [ -z "$(window_rect "Pick a colour")" ]; }
cursor() { swaymsg -q seat seat0 cursor "$@"; }

# drawer_holds: the main window shows $expected enlarged.
drawer_holds() {
    local mx my mw mh
    read -r mx my mw mh < <(window_rect Tintmere)
    shows_enlarged "$mx" "$my" "$mw" "$mh" "$expected" >/dev/null
}
# lock_with WHAT PY COMMAND...: picks with the pointer on the probe's left edge at height PY,
# runs COMMAND there, and checks the drawer against the screen.
lock_with() {
    local what=$1 px=$x py=$2
    shift 2
    # The headless compositor draws the pointer into every screenshot: away with it.
    cursor set 1000 780
    sleep 0.2
    expected=$(screen_7x7 $((px - 3)) $((py - 3)))
    "$TINTMERE" --pick || fail "$what: --pick was not handed over"
    wait_for 15 "$what: the frozen screens did not show" overlay_shown
    sleep 0.5 # time for the compositor to give the overlay the pointer
    cursor set $((px + 1)) "$py"
    cursor set "$px" "$py"
    sleep 0.3
    "$@"
    wait_for 10 "$what: picking did not end" overlay_gone
    cursor set 1000 780
    sleep 0.5
    drawer_holds || fail "$what: the drawer does not hold the screen's $expected"
    echo "$what: the drawer is locked at the 7x7 pixels around the pointer"
}

main_shown() { [ -n "$(window_rect Tintmere)" ]; }
# The drawer has slid out once the window has grown to hold it.
drawer_out() { read -r _ _ _ h < <(window_rect Tintmere) && [ "$h" -gt $((closed + 100)) ]; }
drawer_unlocked() { ! drawer_holds; }

for platform in wayland xcb; do
    export QT_QPA_PLATFORM=$platform DISPLAY=$WAYLAND_X_DISPLAY
    spawn "tintmere-$platform" "$TINTMERE"
    app=${WAYLAND_PIDS[-1]}
    wait_for 20 "$platform: no main window" main_shown
    swaymsg -q '[title="^Tintmere$"] move position 700 20'
    swaymsg -q '[title="^Tintmere$"] focus'
    sleep 0.5
    read -r _ _ _ closed < <(window_rect Tintmere)
    wtype -s 300 -M ctrl 4 -m ctrl
    wait_for 10 "$platform: the magnify drawer did not open" drawer_out
    sleep 0.5

    lock_with "$platform, Ctrl+L" $((y + h / 2)) wtype -s 300 -M ctrl l -m ctrl
    # Unlocked again from the main window, then the bound command pressed while picking.
    swaymsg -q '[title="^Tintmere$"] focus'
    sleep 0.3
    wtype -s 300 -M ctrl l -m ctrl
    wait_for 5 "$platform: Ctrl+L in the main window did not unlock the drawer" drawer_unlocked
    lock_with "$platform, tintmere --pick again" $((y + h / 2 + 20)) "$TINTMERE" --pick

    kill -TERM "$app"
    wait "$app" || true
    saved=$(sed -n 's/^Saved%20Colors=//p' "$XDG_CONFIG_HOME/Tintmere/Tintmere.conf" | tr -d ' ,')
    [ -z "$saved" ] || [ "$saved" = ffffffffffffffffffffffff ] ||
        fail "$platform: the palette changed: $saved"
    echo "$platform: nothing was picked into the palette"
done
