#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second launch beside a frozen first instance waits, tells the user the running program
# does not respond, and exits without opening a second window or touching the library;
# once thawed, the first instance still saves everything.
source "$E2E_LIB"

start_app
window=$(main_window)
press_keys "$window" ctrl+d
sleep 0.3
xdotool type --delay 20 Before
xdotool key Return
eventually outline_is Before || fail "the first favorite was not saved: $(outline "$LIBRARY")"

kill -STOP "$APP_PID"
thaw() { kill -CONT "$APP_PID" 2>/dev/null || true; }
trap 'thaw; cleanup' EXIT

"$TINTMERE" >"$E2E_HOME/second.log" 2>&1 &
second=$!
wait_window "Tintmere Already Running" 60 >/dev/null
grep -qi "not responding" "$E2E_HOME/second.log" || fail "stderr says: $(cat "$E2E_HOME/second.log")"
[ "$(xdotool search --onlyvisible --name '^Tintmere$' | wc -l)" -eq 1 ] ||
    fail "a second main window appeared"
outline_is Before || fail "the second launch changed the library: $(outline "$LIBRARY")"
answer_box "Tintmere Already Running" Return
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || fail "the second launch ended with status $status"

thaw
window=$(wait_window Tintmere)
# The message box of the second launch had the keyboard; without a window manager nobody
# hands it back, and the thawed instance is still working through what queued up meanwhile.
sleep 1
xdotool windowfocus --sync "$window"
press_keys "$window" ctrl+d
sleep 0.3
xdotool type --delay 20 After
xdotool key Return
has_both() { case ";$(outline "$LIBRARY");" in *";Before;"*) ;; *) return 1 ;; esac &&
    case ";$(outline "$LIBRARY");" in *";After;"*) ;; *) return 1 ;; esac; }
eventually has_both || fail "after thawing the library holds: $(outline "$LIBRARY")"
stop_app
has_both || fail "after quitting the library holds: $(outline "$LIBRARY")"
