# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: each runs inside its own Xvfb (xvfb-run) with the
# program's path as $1. Every run gets an empty HOME so nothing of the user's is touched.
set -euo pipefail

TINTMERE=${1:?program path}
E2E_HOME=$(mktemp -d)
export HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/.config XDG_DATA_HOME=$E2E_HOME/.local/share
export XDG_RUNTIME_DIR=$E2E_HOME/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
APP_PID=
# Other programs the test started (window manager, windows of known colours), ended with it.
HELPER_PIDS=()

fail() {
    echo "FAIL: $*" >&2
    [ -n "${E2E_SHOT:-}" ] && import -window root "$E2E_SHOT" 2>/dev/null
    exit 1
}

start_app() {
    "$TINTMERE" "$@" >"$E2E_HOME/app.log" 2>&1 &
    APP_PID=$!
}

stop_app() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill -TERM "$APP_PID"
        wait "$APP_PID" || true
    fi
    APP_PID=
}

cleanup() {
    stop_app
    [ ${#HELPER_PIDS[@]} -eq 0 ] || kill "${HELPER_PIDS[@]}" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}
trap cleanup EXIT

# wait_window TITLE [SECONDS]: prints the id of the first mapped window named exactly TITLE.
wait_window() {
    local title=$1 seconds=${2:-20} id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        [ -z "$APP_PID" ] || kill -0 "$APP_PID" 2>/dev/null ||
            fail "the program exited: $(cat "$E2E_HOME/app.log")"
        sleep 0.1
    done
    fail "no window titled '$title' within ${seconds}s"
}

# main_window: prints the main window's id once the program has settled (the first window
# found may be replaced while the program starts).
main_window() {
    wait_window Tintmere >/dev/null
    sleep 0.5
    wait_window Tintmere
}

# window_origin WINDOW: sets WX and WY to the window's top left corner on the screen.
window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WX=$X WY=$Y
}

# pixel_at X Y: prints the screen pixel's colour as six lowercase hex digits.
pixel_at() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 |
        tr -d '#' | tr 'A-F' 'a-f'
}

# conf_value KEY: prints the stored setting (the INI key as the program writes it).
conf_value() {
    sed -n "s/^${1// /%20}=//p" "$XDG_CONFIG_HOME/Tintmere/Tintmere.conf"
}

# wait_exit [SECONDS]: waits for the program to end by itself.
wait_exit() {
    local seconds=${1:-10}
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" || fail "the program exited with an error: $(cat "$E2E_HOME/app.log")"
            APP_PID=
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end within ${seconds}s"
}

# press_keys WINDOW KEY...: real key presses into the window. Without a window manager the
# keyboard follows the pointer, so the pointer is parked on a spot of the window first.
press_keys() {
    local window=$1
    shift
    window_origin "$window"
    xdotool mousemove $((WX + ${FOCUS_SPOT_X:-15})) $((WY + ${FOCUS_SPOT_Y:-234})) click 1
    xdotool key "$@"
}

# eventually COMMAND...: true once the command succeeds, trying for up to WAIT_SECONDS
# (default 10) seconds.
eventually() {
    for _ in $(seq $((${WAIT_SECONDS:-10} * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The main window and the global panel are both titled Tintmere. The panel keeps its X window;
# the main window gets a new one each time it is shown again. So each is the visible Tintmere
# window that is not the other: $main and $panel hold their last known ids.
tintmere_ids() { xdotool search --onlyvisible --name '^Tintmere$' 2>/dev/null || true; }
panel_id() { tintmere_ids | grep -vx "$main" | head -n 1; }
main_id() { tintmere_ids | grep -vx "${panel:-none}" | head -n 1; }
main_shown() { [ -n "$(main_id)" ]; }
main_hidden() { [ -z "$(main_id)" ]; }
panel_shown() { tintmere_ids | grep -qx "$panel"; }
# panel_found: sets $panel once a visible window other than the main window shows.
panel_found() {
    panel=$(panel_id)
    [ -n "$panel" ]
}
# start_with_panel_alone: starts the program, shows the global panel with Ctrl+5 in the main
# window and closes the main window, leaving the panel ($panel) on screen by itself.
start_with_panel_alone() {
    start_app
    main=$(main_window)
    press_keys "$main" ctrl+5
    panel=
    eventually panel_found || fail "the global panel did not show"
    press_keys "$main" ctrl+w
    eventually main_hidden || fail "the main window stayed"
}

# The favorites library.
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

# start_window_manager: runs openbox, as on a desktop, until the script ends.
start_window_manager() {
    command -v openbox >/dev/null || fail "openbox is missing: run scripts/install-deps"
    openbox --sm-disable >"$E2E_HOME/wm.log" 2>&1 &
    HELPER_PIDS+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# origin WINDOW: sets WX and WY to the window's content corner on the screen (the frame's
# decorations excluded).
origin() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "WX=" $4 }
                                     /Absolute upper-left Y/ { print "WY=" $4 }')"
}

# The known colours: a window of 160 x 100 pixels, each pixel of any 21 x 21 square its own.
pattern_rgb() { echo $(($1 * 12 % 256)) $(($2 * 12 % 256)) $((($1 * 7 + $2 * 5) % 256)); }
pattern_pixel() { printf '%02x%02x%02x' $(pattern_rgb "$1" "$2"); }
# show_pattern [X Y]: shows the window of known colours; sets $pattern to its id and PX, PY
# to its content's top left corner.
show_pattern() {
    {
        echo P3 160 100 255
        for y in $(seq 0 99); do
            for x in $(seq 0 159); do
                pattern_rgb "$x" "$y"
            done
        done
    } >"$E2E_HOME/pattern.ppm"
    display -title pattern -geometry "+${1:-850}+${2:-400}" "$E2E_HOME/pattern.ppm" &
    HELPER_PIDS+=($!)
    pattern=$(wait_window pattern 10) || true
    [ -n "$pattern" ] || fail "the window of known colours did not show"
    origin "$pattern"
    PX=$WX PY=$WY
}

# Pick mode's loupe, a window of its own while picking.
loupe_shown() { [ -n "$(xdotool search --onlyvisible --name '^Pick Color$' 2>/dev/null)" ]; }
loupe_gone() { ! loupe_shown; }
# first_well_is HEX: the stored palette's first well holds the colour.
first_well_is() { [ "$(conf_value 'Saved Colors' | cut -d, -f1)" = "$1" ]; }
