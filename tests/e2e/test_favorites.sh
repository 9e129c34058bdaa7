#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A favorite added from the keyboard survives SIGKILL; palettes and favorites go out
# through the export sheets and a favorites file comes back in from a second launch.
source "$E2E_LIB"

# archived_strings FILE: every string of a keyed archive, one line.
archived_strings() {
    python3 -c 'import plistlib,sys; print(" ".join(o for o in plistlib.load(open(sys.argv[1],"rb"))["$objects"] if isinstance(o,str)))' "$1"
}

# save_as TITLE PATH: answers the save dialog.
save_as() {
    local dialog
    dialog=$(wait_window "$1")
    sleep 0.5
    keys_to "$dialog" ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    eventually test -s "$2" || fail "no file $2"
}

start_app
window=$(main_window)

# Ctrl+D adds the palette as a favorite with its name open for typing.
press_keys "$window" ctrl+d
sleep 0.5
xdotool type --delay 30 Sunset
xdotool key Return
eventually outline_is Sunset || fail "the new favorite was not saved: $(outline "$LIBRARY")"

kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=
[ "$(outline "$LIBRARY")" = Sunset ] || fail "after SIGKILL the library holds: $(outline "$LIBRARY")"

start_app
window=$(main_window)

# Export the palette.
press_keys "$window" ctrl+s
keys_to "$(wait_window Export)" alt+p
save_as "Save Palette File" "$E2E_HOME/Out.tnp"
# The archive keeps the four equal colour strings once.
archived_strings "$E2E_HOME/Out.tnp" | grep -qw ffffff ||
    fail "palette file holds: $(archived_strings "$E2E_HOME/Out.tnp")"
[ "$(conf_value LastSaveDirectory)" = "$E2E_HOME" ] || fail "LastSaveDirectory not stored"

# Export the favorites: the restarted program still knows Sunset.
press_keys "$window" ctrl+s
keys_to "$(wait_window Export)" alt+f
keys_to "$(wait_window 'Export Favorites')" Return
save_as "Save Favorites File" "$E2E_HOME/Fav.tnf"
archived_strings "$E2E_HOME/Fav.tnf" | grep -qw Sunset || fail "favorites file lacks Sunset"

# A second launch hands the favorites file over; its import sheet appends a group.
timeout 10 "$TINTMERE" "$E2E_HOME/Fav.tnf" || fail "second launch did not exit cleanly"
keys_to "$(wait_window 'Import Favorites')" Return
eventually outline_is "Sunset;Fav[Sunset]" || fail "import not saved: $(outline "$LIBRARY")"
stop_app
outline_is "Sunset;Fav[Sunset]" || fail "after quitting the library holds: $(outline "$LIBRARY")"
