#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The magnifier against the real screen: beside a window of known colours, the live
# magnifier shows exactly the pixels around the pointer; the real hot key locks it while
# the other window has the focus; a click picks a locked pixel, exactly the screen's
# colour, and "Use" puts it into the palette. The global panel moves by its background,
# mirrors the palette, stays above the other window and does not take the focus when
# clicked. A window manager runs here, as on a desktop: stacking and focus are its business.
source "$E2E_LIB"

# Places in the main window, from its top left corner, with the magnify drawer open.
MAGNIFIER=(12 262)    # the top left corner of the magnifier's enlarged pixels
USE_BUTTON=(187 268)
LOCK_STATUS=(6 374)   # the lock indicator's padlock and word
HEX_ROW=(100 161)
PIXEL=15            # the side of an enlarged pixel
# Places in the global panel.
GLOBAL_WELL_1=(10 24) # the first and second well, below the gloss
GLOBAL_WELL_2=(44 24)

start_window_manager
show_pattern

# screen_pixels X Y COLUMNS ROWS STEP: the colours of a grid of points on the screen, one
# line each, row by row, from one screenshot.
screen_pixels() {
    import -window root -crop "$(($3 * $5))x$(($4 * $5))+$1+$2" +repage -depth 8 txt:- |
        awk -F'[,: ]+' -v step="$5" -v half=$(($5 / 2)) '
            NR > 1 && $1 % step == half && $2 % step == half {
                match($0, /#[0-9A-Fa-f]+/); print tolower(substr($0, RSTART + 1, 6)) }'
}
# region_sum X Y WIDTH HEIGHT: a checksum of what the screen shows there.
region_sum() { import -window root -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | md5sum; }
magnifier_shows() { [ "$(screen_pixels $MX $MY 7 7 $PIXEL)" = "$expected" ]; }
lock_changed() { [ "$(region_sum "${LOCK_VIEW[@]}")" != "$unlocked" ]; }
strip_shows() { [ "$(pixel_at "${STRIP[@]}")" = "$picked" ]; }
copied_hex() {
    xdotool mousemove $((WX + HEX_ROW[0])) $((WY + HEX_ROW[1])) click 1
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "#$picked" ]
}
panel_well_shows() { [ "$(pixel_at $((GX + GLOBAL_WELL_1[0])) $((GY + GLOBAL_WELL_1[1])))" = "$picked" ]; }

start_app
main=$(wait_window Tintmere)
xdotool windowactivate --sync "$main" key ctrl+4
# place: where the windows are now. The window manager may still be placing the main window,
# grown by the opening drawer, or the pattern, so each try looks again.
place() {
    origin "$pattern"
    PX=$WX PY=$WY
    origin "$main"
    MX=$((WX + MAGNIFIER[0])) MY=$((WY + MAGNIFIER[1]))
    LOCK_VIEW=($((WX + LOCK_STATUS[0])) $((WY + LOCK_STATUS[1])) 84 22)
    STRIP=($((MX + 7 * PIXEL + 15)) $((MY + 50)))
}

# The pointer over the pattern's pixel (10, 10): the magnifier shows (7, 7) to (13, 13).
expected=$(for y in $(seq 7 13); do for x in $(seq 7 13); do pattern_pixel "$x" "$y"; echo; done; done)
pointer_on_pattern_shows() {
    place
    xdotool mousemove $((PX + 10)) $((PY + 10))
    sleep 0.2
    magnifier_shows
}
eventually pointer_on_pattern_shows ||
    fail "the magnifier does not show the pixels around the pointer:" \
        "$(screen_pixels $MX $MY 7 7 $PIXEL | head -n 3 | xargs) instead of" \
        "$(head -n 3 <<<"$expected" | xargs)"

# The hot key, pressed while the pattern has the focus, locks the image: the indicator
# changes, and the image stays when the pointer moves onto the magnifier itself.
xdotool windowactivate --sync "$pattern"
[ "$(xdotool getactivewindow)" = "$pattern" ] || fail "the pattern window did not take the focus"
unlocked=$(region_sum "${LOCK_VIEW[@]}")
xdotool key ctrl+alt+super+l
eventually lock_changed || fail "the hot key did not reach the magnifier"
# Column 4, row 2 of the magnifier is the pattern's pixel (11, 9).
xdotool mousemove $((MX + 4 * PIXEL + 7)) $((MY + 2 * PIXEL + 7))
magnifier_shows || fail "the hot key did not lock the image"

picked=$(pattern_pixel 11 9)
xdotool click 1
eventually strip_shows || fail "the strip does not show the picked #$picked"
xdotool mousemove $((WX + USE_BUTTON[0])) $((WY + USE_BUTTON[1])) click 1
eventually copied_hex || fail "the palette did not take #$picked"

# The global panel, from the Tools menu's shortcut.
xdotool windowactivate --sync "$main" key ctrl+5
eventually panel_found || fail "the global panel did not show"
origin "$panel"
GX=$WX GY=$WY

# Dragging its background, above the wells, moves it: the window manager's own move.
xdotool mousemove $((GX + 57)) $((GY + 3)) mousedown 1
for _ in 1 2 3 4; do xdotool mousemove_relative 10 8; sleep 0.05; done
xdotool mouseup 1
panel_moved() { origin "$panel"; [ "$WX $WY" = "$((GX + 40)) $((GY + 32))" ]; }
eventually panel_moved || fail "dragging its background did not move the panel: $WX,$WY"
GX=$WX GY=$WY

# The pattern window is moved over the panel and activated; the panel stays above it.
xdotool windowmove --sync "$pattern" $((GX - 5)) $((GY - 5))
xdotool windowactivate --sync "$pattern"
eventually panel_well_shows || fail "the panel is not above the other window showing the palette"
xdotool mousemove $((GX + GLOBAL_WELL_2[0])) $((GY + GLOBAL_WELL_2[1])) click 1
sleep 0.3 # time for a wrong activation to happen
[ "$(xdotool getactivewindow)" = "$pattern" ] || fail "clicking the panel took the focus"

xdotool windowactivate --sync "$main" key ctrl+q
wait_exit
[ "$(conf_value 'Global Startup')" = true ] || fail "the panel's visibility was not kept"
[ "$(conf_value 'Selected Global Color')" = 1 ] || fail "the panel's selection was not kept"
