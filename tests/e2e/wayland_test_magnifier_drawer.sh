#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The magnifier drawer on a Wayland compositor, with Tintmere on Qt's Wayland plugin: with the
# drawer out, pick mode over the frozen screens, the pointer on a window's edge, and Ctrl+L
# ends picking without a pick; the drawer then holds the 7x7 pixels around the pointer exactly
# as grim reads them, and the palette is unchanged. Pressed again while picking, the bound
# `tintmere --pick` locks the same way.
# $1: the probe program (a window of one colour), $2: tintmere.
source "${WAYLAND_E2E_LIB:?}"
wayland_session_start "$@"
PROBE=${1:?probe path}
TINTMERE=${2:?tintmere path}

# From the main window's top left corner with the magnify drawer open: the top left corner of
# the magnifier's enlarged pixels, each PIXEL wide.
MAGNIFIER=(12 262)
PIXEL=15

spawn pointer python3 "$(dirname "$(readlink -f "$0")")/wayland_pointer.py"
wait_for 10 "no pointer on the seat" grep -q '^pointer' "$WAYLAND_DIR/pointer.log"
"$PROBE" "$WAYLAND_DIR/unused.png" >"$WAYLAND_DIR/probe.log" 2>&1 &
WAYLAND_PIDS+=($!)
wait_for 20 "no probe window" grep -q '^taken' "$WAYLAND_DIR/probe.log"
swaymsg -q '[title="^Portal probe$"] move position 100 100'

export QT_QPA_PLATFORM=wayland
spawn tintmere "$TINTMERE"
wait_for 20 "no main window" test -n "$(window_rect Tintmere)"
swaymsg -q '[title="^Tintmere$"] move position 700 20'
swaymsg -q '[title="^Tintmere$"] focus'
sleep 0.5
read -r _ _ _ closed < <(window_rect Tintmere)
wtype -s 300 -M ctrl 4 -m ctrl
# The drawer has slid out once the window has grown to hold it.
drawer_out() { read -r _ _ _ h < <(window_rect Tintmere) && [ "$h" -gt $((closed + 100)) ]; }
wait_for 10 "the magnify drawer did not open" drawer_out
sleep 0.5
read -r x y w h < <(window_rect "Portal probe") || fail "no probe window"

# content_origin TITLE: "X Y" of the window's content, below the compositor's title bar.
content_origin() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def find(node):
    if node.get("name") == sys.argv[1] and node.get("pid"):
        return node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = find(child)
        if found:
            return found
node = find(json.load(sys.stdin))
print(node["rect"]["x"] + node["window_rect"]["x"], node["rect"]["y"] + node["window_rect"]["y"])
' "$1"
}
# pixels_7x7 X Y STEP: the colours of 7x7 points STEP apart from (X, Y), row by row.
pixels_7x7() {
    grim -g "$1,$2 $((7 * $3))x$((7 * $3))" "$WAYLAND_DIR/grid.png"
    convert "$WAYLAND_DIR/grid.png" -depth 8 txt:- | awk -F'[,: ]+' -v step="$3" '
        NR > 1 && $1 % step == int(step / 2) && $2 % step == int(step / 2) {
            match($0, /#[0-9A-Fa-f]+/); printf "%s ", tolower(substr($0, RSTART + 1, 6)) }'
}
overlay_shown() { [ "$(window_rect "Pick a colour")" = "0 0 1280 800" ]; }
overlay_gone() { [ -z "$(window_rect "Pick a colour")" ]; }
cursor() { swaymsg -q seat seat0 cursor "$@"; }

# lock_with WHAT COMMAND...: picks with the pointer on the probe's left edge, runs COMMAND
# there, and checks the drawer against the screen.
lock_with() {
    local what=$1 px=$x py=$((y + h / 2)) expected shown mx my
    shift
    # The headless compositor draws the pointer into every screenshot: away with it.
    cursor set 1000 780
    sleep 0.2
    expected=$(pixels_7x7 $((px - 3)) $((py - 3)) 1)
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
    read -r mx my < <(content_origin Tintmere)
    shown=$(pixels_7x7 $((mx + MAGNIFIER[0])) $((my + MAGNIFIER[1])) $PIXEL)
    [ "$shown" = "$expected" ] ||
        fail "$what: the drawer holds $shown, not the screen's $expected"
    echo "$what: the drawer is locked at the 7x7 pixels around the pointer"
}

lock_with "Ctrl+L" wtype -s 300 -M ctrl l -m ctrl
# Unlocked again from the main window, then the bound command pressed while picking.
swaymsg -q '[title="^Tintmere$"] focus'
sleep 0.3
wtype -s 300 -M ctrl l -m ctrl
y=$((y + 20))
lock_with "tintmere --pick, again" "$TINTMERE" --pick

kill -TERM "${WAYLAND_PIDS[-1]}"
wait "${WAYLAND_PIDS[-1]}" || true
saved=$(sed -n 's/^Saved%20Colors=//p' "$XDG_CONFIG_HOME/Tintmere/Tintmere.conf" | tr -d ' ,')
[ -z "$saved" ] || [ "$saved" = ffffffffffffffffffffffff ] ||
    fail "the palette changed: $saved"
echo "nothing was picked into the palette"
