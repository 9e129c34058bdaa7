#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The preferences open from the keyboard; switching uppercase hex on changes the main
# window's strings at once, and the setting holds after a restart. The hex string is read
# the way a user takes it: a click on its row copies it to the clipboard.
source "$E2E_LIB"

HEX_ROW=(100 161)

# The clipboard dies with its owner, so a stale value can't pass: each check expects a
# different string or follows a restart.
copied_hex() {
    xdotool mousemove $((WX + HEX_ROW[0])) $((WY + HEX_ROW[1])) click 1
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null
}

start_app
window=$(wait_window Tintmere)
window_origin "$window"
[ "$(copied_hex)" = "#ffffff" ] || fail "first run does not copy #ffffff"

press_keys "$window" ctrl+comma
prefs=$(wait_window General)
# A spot on the toolbar right of its buttons: focuses the window without choosing a pane.
FOCUS_SPOT_X=470 FOCUS_SPOT_Y=30 press_keys "$prefs" ctrl+2
wait_window Formats >/dev/null
FOCUS_SPOT_X=470 FOCUS_SPOT_Y=30 press_keys "$prefs" alt+u
sleep 0.3
[ "$(conf_value 'Uppercase Hex')" = true ] || fail "uppercase hex was not stored"

window_origin "$window"
[ "$(copied_hex)" = "#FFFFFF" ] || fail "the main window's hex string did not follow"

stop_app
start_app
window=$(wait_window Tintmere)
window_origin "$window"
[ "$(copied_hex)" = "#FFFFFF" ] || fail "uppercase hex did not hold after a restart"
