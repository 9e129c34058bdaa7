#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing the main window leaves the program running; a second launch with a file hands
# the file over and brings the window back.
source "$E2E_LIB"

start_app
window=$(main_window)
press_keys "$window" ctrl+w
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Tintmere$' 2>/dev/null)" ] || fail "the window stayed"
kill -0 "$APP_PID" || fail "closing the window ended the program"

touch "$E2E_HOME/spring.tnp"
timeout 10 "$TINTMERE" "$E2E_HOME/spring.tnp" || fail "second launch did not exit cleanly"
wait_window Tintmere 10 >/dev/null
kill -0 "$APP_PID" || fail "the first instance died"

# SIGTERM saves like Quit.
stop_app
[ "$(conf_value 'Selected Color Index')" = 0 ] || fail "termination did not save"
