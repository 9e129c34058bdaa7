#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real pointer and key input edit the palette; quitting keeps it, and the next start shows
# the same palette with the same well selected.
source "$E2E_LIB"

# Places in the main window, measured from its top left corner.
RED_HANDLE=(293 292)   # the red slider's handle at 255
RED_GROOVE_START=(20 292)
RADIO_OF_WELL_3=(258 95)
SWATCH_OF_WELL_3=(258 70)
SWATCH_OF_WELL_1=(72 70)

start_app
window=$(wait_window Tintmere)
window_origin "$window"
[ "$(conf_value 'Saved Colors')" = "ffffff, ffffff, ffffff, ffffff" ] || fail "first run is not white"

# RGB drawer from the keyboard, then drag the red slider to its left end.
press_keys "$window" ctrl+1
sleep 0.5
xdotool mousemove $((WX + RED_HANDLE[0])) $((WY + RED_HANDLE[1])) mousedown 1
for x in 150 120 90 60 30; do
    xdotool mousemove $((WX + x)) $((WY + RED_HANDLE[1]))
    sleep 0.05
done
xdotool mousemove $((WX + RED_GROOVE_START[0])) $((WY + RED_GROOVE_START[1])) mouseup 1
sleep 0.3
[ "$(pixel_at $((WX + SWATCH_OF_WELL_1[0])) $((WY + SWATCH_OF_WELL_1[1])))" = 00ffff ] ||
    fail "the drag did not make well 1 #00ffff"

# The whole drag is one undo step: one Ctrl+Z brings white back, one redo the drag's end.
xdotool key ctrl+z
sleep 0.3
[ "$(pixel_at $((WX + SWATCH_OF_WELL_1[0])) $((WY + SWATCH_OF_WELL_1[1])))" = ffffff ] ||
    fail "one undo did not take the whole drag back"
xdotool key ctrl+shift+z
sleep 0.3
[ "$(pixel_at $((WX + SWATCH_OF_WELL_1[0])) $((WY + SWATCH_OF_WELL_1[1])))" = 00ffff ] ||
    fail "redo did not bring the drag back"

# Select the third well, open the hex drawer and type a colour with a leading "#".
xdotool mousemove $((WX + RADIO_OF_WELL_3[0])) $((WY + RADIO_OF_WELL_3[1])) click 1
sleep 0.2
press_keys "$window" ctrl+2
sleep 0.5
xdotool type --delay 50 '#336699'
xdotool key Return
sleep 0.3

[ "$(pixel_at $((WX + SWATCH_OF_WELL_3[0])) $((WY + SWATCH_OF_WELL_3[1])))" = 336699 ] ||
    fail "well 3 does not show #336699"
[ "$(pixel_at $((WX + SWATCH_OF_WELL_1[0])) $((WY + SWATCH_OF_WELL_1[1])))" = 00ffff ] ||
    fail "well 1 does not show #00ffff"

press_keys "$window" ctrl+q
wait_exit
[ "$(conf_value 'Saved Colors')" = "00ffff, ffffff, 336699, ffffff" ] ||
    fail "palette not saved: $(conf_value 'Saved Colors')"
[ "$(conf_value 'Selected Color Index')" = 2 ] || fail "selection not saved"

# The next start shows the same palette; it still has well 3 selected when it ends.
start_app
window=$(wait_window Tintmere)
window_origin "$window"
sleep 0.3
[ "$(pixel_at $((WX + SWATCH_OF_WELL_3[0])) $((WY + SWATCH_OF_WELL_3[1])))" = 336699 ] ||
    fail "well 3 not restored"
stop_app
[ "$(conf_value 'Saved Colors')" = "00ffff, ffffff, 336699, ffffff" ] || fail "palette changed"
[ "$(conf_value 'Selected Color Index')" = 2 ] || fail "selection not restored"
