#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `tintmere --pick` and `tintmere --pick --print` with a scripted click: alone (no window, the
# library untouched), through the running Tintmere (the palette untouched with --print), a
# second pick while one runs is refused, and `--pick` starts Tintmere when none runs.
source "$E2E_LIB"

start_window_manager
show_pattern
LIBRARY=$XDG_DATA_HOME/Tintmere/Favorites.plist

# pick_print: runs `tintmere --pick --print` in the background ($PICK_PID), output in
# pick.out, once its loupe shows.
pick_print() {
    "$TINTMERE" --pick --print >"$E2E_HOME/pick.out" 2>"$E2E_HOME/pick.err" &
    PICK_PID=$!
    eventually loupe_shown || fail "--pick --print did not start picking: $(cat "$E2E_HOME/pick.err")"
}
# pick_ends STATUS OUTPUT: the pick command ended with them.
pick_ends() {
    local status=0
    for _ in $(seq 50); do kill -0 "$PICK_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$PICK_PID" 2>/dev/null && kill "$PICK_PID" && fail "--pick --print did not end"
    wait "$PICK_PID" || status=$?
    [ "$status" = "$1" ] || fail "--pick --print exited with $status, not $1: $(cat "$E2E_HOME/pick.err")"
    [ "$(cat "$E2E_HOME/pick.out")" = "$2" ] || fail "--pick --print printed '$(cat "$E2E_HOME/pick.out")', not '$2'"
}

# Alone: picks and prints, no main window, no library.
xdotool mousemove $((PX + 5)) $((PY + 7))
pick_print
xdotool mousemove $((PX + 5)) $((PY + 7)) click 1
pick_ends 0 "#$(pattern_pixel 5 7)"
[ -z "$(tintmere_ids)" ] || fail "picking alone showed a Tintmere window"
[ ! -e "$LIBRARY" ] || fail "picking alone touched the library"
pick_print
xdotool key Escape
pick_ends 1 ""

# Through the running Tintmere; its palette stays as it was.
start_app
main=$(main_window)
eventually first_well_is ffffff || fail "the palette did not start white"
pick_print
xdotool mousemove $((PX + 40)) $((PY + 3)) click 1
pick_ends 0 "#$(pattern_pixel 40 3)"
sleep 0.3
first_well_is ffffff || fail "--print changed the palette"
# One pick at a time: the second is refused at once, the first goes on.
pick_print
first=$PICK_PID
PICK_OUT=$("$TINTMERE" --pick --print 2>/dev/null) && fail "a second pick was not refused"
[ -z "$PICK_OUT" ] || fail "the refused pick printed $PICK_OUT"
loupe_shown || fail "the refused pick ended the first"
xdotool key Escape
PICK_PID=$first
pick_ends 1 ""

# --pick into the running Tintmere's selected well.
"$TINTMERE" --pick || fail "--pick did not hand over"
eventually loupe_shown || fail "--pick did not start picking"
xdotool mousemove $((PX + 12)) $((PY + 12)) click 1
eventually first_well_is "$(pattern_pixel 12 12)" || fail "--pick did not fill the well"

# --pick with none running starts Tintmere, then picks.
stop_app
start_app --pick
eventually loupe_shown || fail "--pick did not start Tintmere and pick: $(cat "$E2E_HOME/app.log")"
xdotool mousemove $((PX + 14)) $((PY + 2)) click 1
eventually first_well_is "$(pattern_pixel 14 2)" || fail "the started Tintmere did not pick"
main_shown || fail "the started Tintmere has no main window"
