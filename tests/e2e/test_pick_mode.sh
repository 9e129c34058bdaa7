#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pick mode against the real screen, at scale 1 and 2: Ctrl+Shift+P and one click put the
# exact screen pixel into the selected well as one undo step, and the click never reaches
# the window below; Escape changes nothing; the arrow keys move by one device pixel; the hot
# key picks while another program is in front. After the program is killed in pick mode,
# the pointer is free for any other program.
source "$E2E_LIB"

start_window_manager
show_pattern
# A window that reports every button press it gets, beside the pattern.
xev -geometry 120x100+850+560 -name below -event button >"$E2E_HOME/below.log" 2>&1 &
HELPER_PIDS+=($!)
below=$(wait_window below 10) || true
[ -n "$below" ] || fail "the window below did not show"
origin "$below"
BX=$WX BY=$WY
presses_below() { grep -c '^ButtonPress' "$E2E_HOME/below.log" || true; }
below_pressed() { [ "$(presses_below)" != 0 ]; }

# start_pick X Y: pointer on the screen pixel, then the shortcut in the main window.
start_pick() {
    xdotool mousemove "$1" "$2"
    xdotool windowactivate --sync "$main" key ctrl+shift+p
    eventually loupe_shown || fail "pick mode did not start (scale $scale)"
    xdotool mousemove "$1" "$2"
}

for scale in 1 2; do
    export QT_SCALE_FACTOR=$scale
    origin "$pattern"
    PX=$WX PY=$WY
    start_app
    main=$(main_window)

    start_pick $((PX + 10)) $((PY + 10))
    xdotool click 1
    eventually loupe_gone || fail "a click did not end pick mode (scale $scale)"
    eventually first_well_is "$(pattern_pixel 10 10)" ||
        fail "the well holds $(conf_value 'Saved Colors'), not the pixel (scale $scale)"
    xdotool windowactivate --sync "$main" key ctrl+z
    eventually first_well_is ffffff || fail "one undo did not take the pick back (scale $scale)"

    # Over the window below: the click is the pick's alone.
    start_pick $((BX + 30)) $((BY + 30))
    xdotool click 1
    eventually loupe_gone || fail "the pick over the window below did not end (scale $scale)"
    sleep 0.3
    [ "$(presses_below)" = 0 ] || fail "the window below received the click (scale $scale)"

    xdotool windowactivate --sync "$main" key ctrl+z
    eventually first_well_is ffffff || fail "undo after the pick over the window below"
    start_pick $((PX + 20)) $((PY + 20))
    xdotool key Escape
    eventually loupe_gone || fail "Escape did not end pick mode (scale $scale)"
    sleep 0.3
    first_well_is ffffff || fail "Escape changed the well (scale $scale)"
    # The pointer is free again: the window below gets clicks.
    xdotool mousemove $((BX + 30)) $((BY + 30)) click 1
    eventually below_pressed || fail "the pointer was not given back (scale $scale)"
    : >"$E2E_HOME/below.log"

    start_pick $((PX + 30)) $((PY + 30))
    xdotool key Right Right Down
    sleep 0.2
    xdotool key Return
    eventually first_well_is "$(pattern_pixel 32 31)" ||
        fail "arrow keys did not move one pixel: $(conf_value 'Saved Colors') (scale $scale)"

    # The hot key picks while another program is in front.
    xdotool windowactivate --sync "$pattern"
    sleep 0.6 # Qt lets a window go inactive only after a moment, in case the focus returns
    xdotool key ctrl+alt+super+l
    eventually loupe_shown || fail "the hot key did not start pick mode (scale $scale)"
    xdotool key Escape
    eventually loupe_gone || fail "Escape did not end the hot key's pick mode (scale $scale)"

    # Killed while picking: the server drops the grab, another program can take the pointer.
    start_pick $((PX + 10)) $((PY + 10))
    kill -KILL "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    xdotool selectwindow >"$E2E_HOME/selected" 2>&1 &
    selector=$!
    sleep 1
    xdotool mousemove $((PX + 50)) $((PY + 50)) click 1
    for _ in $(seq 50); do kill -0 $selector 2>/dev/null || break; sleep 0.1; done
    kill -0 $selector 2>/dev/null && kill $selector
    wait $selector || fail "no pointer grab after the kill: $(cat "$E2E_HOME/selected")"
    rm "$XDG_CONFIG_HOME/Tintmere/Tintmere.conf" # the next round starts white
done
