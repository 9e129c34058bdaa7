#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With the main window closed and the global panel showing, a second launch still brings the
# main window back, in front and with the keyboard, so its menu bar and Quit can be reached.
source "$E2E_LIB"

start_with_panel_alone
panel_shown || fail "closing the main window hid the panel"

timeout 10 "$TINTMERE" || fail "second launch did not exit cleanly"
eventually main_shown || fail "a second launch did not bring the main window back"
main=$(main_id)
eventually eval '[ "$(xdotool getwindowfocus)" = "$main" ]' ||
    fail "the main window did not take the keyboard"
panel_shown || fail "the panel went away"

# Quit, reachable again.
press_keys "$main" ctrl+q
wait_exit
[ "$(conf_value 'Global Startup')" = true ] || fail "the panel's visibility was not kept"
