#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The global panel on a Wayland compositor. With Tintmere on Qt's Wayland plugin it is a normal
# window with a title of its own, as large as its content; dragging its background moves it
# (an interactive move of the compositor), and hidden and shown again it keeps its size.
# Quitting there keeps the place the panel had under XWayland, where positions are known,
# rather than a position the compositor never told. $2: tintmere.
source "${WAYLAND_E2E_LIB:?}"
wayland_session_start "$@"
TINTMERE=${2:?tintmere path}
CONF=$XDG_CONFIG_HOME/Tintmere/Tintmere.conf
PANEL="Tintmere Global Panel"

mkfifo "$WAYLAND_DIR/moves"
spawn pointer python3 "$(dirname "$(readlink -f "$0")")/wayland_pointer.py" "$WAYLAND_DIR/moves"
exec 3<>"$WAYLAND_DIR/moves"
wait_for 10 "no pointer on the seat" grep -q '^pointer' "$WAYLAND_DIR/pointer.log"
mkdir -p "$(dirname "$CONF")"
printf '[General]\nGlobal%%20Startup=true\n' >"$CONF"

# start PLATFORM: Tintmere ($APP_PID) on that Qt platform plugin.
start() {
    QT_QPA_PLATFORM=$1 DISPLAY=$WAYLAND_X_DISPLAY "$TINTMERE" >"$WAYLAND_DIR/tintmere.log" 2>&1 &
    APP_PID=$!
}
# quit: as a closed session would; the program saves its state.
quit() {
    kill -TERM "$APP_PID"
    for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "Tintmere did not quit"
    wait "$APP_PID" || true
}
# saved_panel: "X Y WIDTH HEIGHT" of the panel's saved frame, as the next start restores it.
saved_panel() {
    sed -n 's/^Global%20Panel=//p' "$CONF" | python3 -c '
import base64, struct, sys
frame = base64.b64decode(sys.stdin.read().strip())
x1, y1, x2, y2 = struct.unpack(">4i", frame[-16:])  # saveGeometry format 3 ends with it
print(x1, y1, x2 - x1 + 1, y2 - y1 + 1)
'
}
# panel_rect TITLE: "X Y WIDTH HEIGHT" of the small window of that title (the main window
# has the same one under XWayland).
panel_rect() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from walk(child)
for node in walk(json.load(sys.stdin)):
    r = node["rect"]
    if node.get("name") == sys.argv[1] and node.get("pid") and r["width"] < 300:
        print(r["x"], r["y"], r["width"], r["height"], node.get("app_id"))
        sys.exit(0)
sys.exit(1)
' "$1"
}
panel_gone() { ! panel_rect "$PANEL"; }
keys_to_main() {
    swaymsg -q "[title=\"^Tintmere\$\"] focus"
    wtype -s 300 "$@"
}

# Under XWayland the program places the panel itself: that place is the one to keep.
start xcb
wait_for 20 "no panel under XWayland" panel_rect Tintmere
quit
read -r kx ky kw kh < <(saved_panel) || fail "no panel frame saved under XWayland"

# panel_drawn: the panel ("$x $y $w $h $app") is on the screen, its dark background at the top.
panel_drawn() {
    read -r x y w h app < <(panel_rect "$PANEL") &&
        [ "$(screen_pixel $((x + w / 2)) $((y + 3)))" = 292929 ]
}
main_shown() { [ -n "$(window_rect Tintmere)" ]; }
start wayland
# The main window out of the way, wherever the compositor put the two.
wait_for 20 "no main window on Wayland" main_shown
swaymsg -q "[title=\"^Tintmere\$\"] move position 800 0"
wait_for 20 "no panel on Wayland" panel_drawn
[ "$app" = org.tintmere.Tintmere ] || fail "the panel's app id is $app"
# Its content, and the compositor's border.
[ "$w" -ge "$kw" ] && [ "$w" -le $((kw + 8)) ] && [ "$h" -ge "$kh" ] && [ "$h" -le $((kh + 8)) ] ||
    fail "the panel is ${w}x${h}, its content ${kw}x${kh}"

# A drag on the background above the wells.
swaymsg -q seat seat0 cursor set $((x + w / 2)) $((y + 3))
sleep 0.3
swaymsg -q seat seat0 cursor press button1
# The compositor's move starts once the program asks for it; motions before it are lost.
sleep 0.5
for _ in 1 2 3 4; do echo "motion 20 10" >&3; sleep 0.1; done
swaymsg -q seat seat0 cursor release button1
moved() { [ "$(panel_rect "$PANEL")" = "$((x + 80)) $((y + 40)) $w $h $app" ]; }
wait_for 5 "the panel did not move with the pointer: $(panel_rect "$PANEL")" moved

keys_to_main -M ctrl 5 -m ctrl
wait_for 5 "Ctrl+5 did not hide the panel" panel_gone
keys_to_main -M ctrl 5 -m ctrl
size="${w}x$h"
wait_for 5 "Ctrl+5 did not show the panel again" panel_drawn
[ "${w}x$h" = "$size" ] || fail "shown again at ${w}x$h, not $size"

quit
read -r sx sy sw sh < <(saved_panel) || fail "no panel frame saved on Wayland"
[ "$sx $sy $sw $sh" = "$kx $ky $kw $kh" ] ||
    fail "saved as $sx,$sy ${sw}x$sh on Wayland, not as $kx,$ky ${kw}x$kh"
echo "Wayland: a window of its own at its content's size; moves; keeps the X11 place"
