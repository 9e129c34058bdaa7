#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's keys work in its other windows: Ctrl+W closes the preferences and Ctrl+Q
# quits from them. With the main window closed and the global panel showing, a second launch
# brings the main window back in front with the keyboard; the panel under the pointer takes
# Ctrl+N (the main window comes back) and Ctrl+Q.
source "$E2E_LIB"

visible_ids() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
prefs_hidden() { [ -z "$(visible_ids '^General$')" ]; }
# over_panel KEYS: without a window manager the keyboard follows the pointer; it rests on a
# spot of the panel's background while the keys are pressed.
over_panel() {
    window_origin "$panel"
    xdotool mousemove $((WX + 3)) $((WY + 3))
    sleep 0.3
    xdotool key "$@"
}

start_app
main=$(main_window)
press_keys "$main" ctrl+comma
prefs=$(wait_window General)
# A spot on the toolbar right of its buttons: focuses the window without choosing a pane.
FOCUS_SPOT_X=470 FOCUS_SPOT_Y=30 press_keys "$prefs" ctrl+w
eventually prefs_hidden || fail "Ctrl+W did not close the preferences"
main_shown || fail "Ctrl+W in the preferences closed the main window"
press_keys "$main" ctrl+comma
prefs=$(wait_window General)
FOCUS_SPOT_X=470 FOCUS_SPOT_Y=30 press_keys "$prefs" ctrl+q
wait_exit

start_with_panel_alone
timeout 10 "$TINTMERE" || fail "second launch did not exit cleanly"
eventually main_shown || fail "a second launch did not bring the main window back"
main=$(main_id)
eventually eval '[ "$(xdotool getwindowfocus)" = "$main" ]' ||
    fail "the main window did not take the keyboard"
panel_shown || fail "the panel went away"
press_keys "$main" ctrl+w
eventually main_hidden || fail "the main window stayed"

over_panel ctrl+n
eventually main_shown || fail "Ctrl+N in the global panel did not bring the main window back"
press_keys "$(main_id)" ctrl+w
eventually main_hidden || fail "the main window stayed"
over_panel ctrl+q
wait_exit
[ "$(conf_value 'Global Startup')" = true ] || fail "the panel's visibility was not kept"
