# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end scripts that look at the favorites library; sourced after
# lib.sh.

LIBRARY=$XDG_DATA_HOME/Tintmere/Favorites.plist

# outline FILE: the library as "name;group[name,...]".
outline() {
    python3 - "$1" <<'PY'
import plistlib, sys
def show(e):
    if "Group" in e:
        return e["Group"] + "[" + ",".join(show(c) for c in e.get("Entries", [])) + "]"
    return e.get("Name", "?")
try:
    with open(sys.argv[1], "rb") as f:
        print(";".join(show(e) for e in plistlib.load(f)["Entries"]))
except (OSError, plistlib.InvalidFileException, KeyError):
    print("")
PY
}

outline_is() {
    [ "$(outline "$LIBRARY")" = "$1" ]
}

# wait_for DESCRIPTION COMMAND...: polls for up to WAIT_SECONDS (default 10) seconds.
wait_for() {
    local what=$1
    shift
    for _ in $(seq $((${WAIT_SECONDS:-10} * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$what"
}

# keys_to WINDOW KEY...: the keyboard follows the pointer without a window manager.
keys_to() {
    local window=$1
    shift
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 8))
    sleep 0.2
    xdotool key "$@"
}

# add_favorite NAME: Ctrl+D in the main window adds the palette with its name open.
add_favorite() {
    xdotool key ctrl+d
    sleep 0.1
    xdotool type --delay 0 "$1"
    xdotool key Return
}

# write_library FILE NAME...: a library in the current form with these favorites.
write_library() {
    python3 - "$@" <<'PY'
import plistlib, sys
entries = [{"Name": n, "Colors": ["ff0000", "00ff00", "0000ff", "ffffff"]} for n in sys.argv[2:]]
with open(sys.argv[1], "wb") as f:
    plistlib.dump({"Group": "Root", "Entries": entries}, f, fmt=plistlib.FMT_XML)
PY
}

# quiet COMMAND...: runs the command without its output, for wait_for.
quiet() {
    "$@" >/dev/null 2>&1
}

# answer_box TITLE KEY...: waits for a message box and presses keys in it. Without a window
# manager a box over a busy window only takes keys after a click on it (its left margin).
answer_box() {
    local box
    box=$(wait_window "$1" 30)
    shift
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + 12)) $((Y + HEIGHT - 12)) click 1
    sleep 0.2
    xdotool key "$@"
}
