#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts with an empty home and maps its main window. A second launch hands over
# to the running program and exits at once, with no second main window. Closing the main
# window leaves the program running; a second launch with a file hands the file over and
# brings the window back, and SIGTERM saves like Quit.
source "$E2E_LIB"

start_app
window=$(main_window)
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "main window not viewable"
timeout 10 "$TINTMERE" || fail "second launch did not exit cleanly"
sleep 0.5
[ "$(xdotool search --onlyvisible --name '^Tintmere$' | wc -l)" -eq 1 ] || fail "a second main window appeared"

press_keys "$window" ctrl+w
eventually main_hidden || fail "the window stayed"
kill -0 "$APP_PID" || fail "closing the window ended the program"

touch "$E2E_HOME/spring.tnp"
timeout 10 "$TINTMERE" "$E2E_HOME/spring.tnp" || fail "second launch did not exit cleanly"
wait_window Tintmere 10 >/dev/null
kill -0 "$APP_PID" || fail "the first instance died"

stop_app
[ "$(conf_value 'Selected Color Index')" = 0 ] || fail "termination did not save"
