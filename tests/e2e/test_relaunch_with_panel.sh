#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With the main window closed and the global panel showing, a second launch still brings the
# main window back, in front and with the keyboard, so its menu bar and Quit can be reached.
source "$E2E_LIB"

# Both windows are titled Tintmere. The panel keeps its X window; the main window gets a new
# one each time it is shown again, so it is the one that is not the panel.
visible_ids() { xdotool search --onlyvisible --name '^Tintmere$' 2>/dev/null || true; }
panel_id() { visible_ids | grep -vx "$main" | head -n 1; }
main_id() { visible_ids | grep -vx "$panel" | head -n 1; }
main_shown() { [ -n "$(main_id)" ]; }
main_hidden() { [ -z "$(main_id)" ]; }
panel_shown() { visible_ids | grep -qx "$panel"; }
# eventually COMMAND...: true once the command succeeds, trying for up to five seconds.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start_app
wait_window Tintmere >/dev/null
sleep 0.5 # the first window found may be replaced while the program starts
main=$(wait_window Tintmere)
press_keys "$main" ctrl+5
panel=
for _ in $(seq 50); do
    panel=$(panel_id)
    [ -n "$panel" ] && break
    sleep 0.1
done
[ -n "$panel" ] || fail "the global panel did not show"
press_keys "$main" ctrl+w
eventually main_hidden || fail "the main window stayed"
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
