#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second launch hands over to the running program and exits at once; no second main
# window appears and the first program keeps running.
source "$E2E_LIB"

start_app
wait_window Tintmere >/dev/null

timeout 10 "$TINTMERE" "$E2E_HOME/some.tnp" || fail "second launch did not exit cleanly"
sleep 0.5
[ "$(xdotool search --onlyvisible --name '^Tintmere$' | wc -l)" -eq 1 ] || fail "a second main window appeared"
kill -0 "$APP_PID" || fail "the first instance died"
