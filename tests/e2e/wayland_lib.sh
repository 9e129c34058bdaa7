# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the Wayland end-to-end scripts: a headless sway with the desktop portal
# (xdg-desktop-portal with its wlr and gtk backends, and pipewire, which the wlr backend needs)
# on a private session bus, in a folder of its own that is removed afterwards. sway refuses to
# run as root: started as root, wayland_session_start runs the calling script again as an
# unprivileged user, created the first time.
set -euo pipefail

WAYLAND_E2E_USER=${WAYLAND_E2E_USER:-tintmere-e2e}
# sway's background, as grim reads it.
WAYLAND_BACKGROUND=2a9d8f
WAYLAND_PIDS=()

skip() {
    echo "SKIP: $*"
    exit 77
}

fail() {
    echo "FAIL: $*" >&2
    for log in "${WAYLAND_DIR:-/nonexistent}"/*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

wayland_cleanup() {
    local i
    for ((i = ${#WAYLAND_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${WAYLAND_PIDS[i]}" 2>/dev/null || true
        wait "${WAYLAND_PIDS[i]}" 2>/dev/null || true
    done
    [ -n "${WAYLAND_DIR:-}" ] && rm -rf "$WAYLAND_DIR"
}

# spawn NAME COMMAND...: runs a daemon of the session in the background, logged to NAME.log.
spawn() {
    local name=$1
    shift
    "$@" >"$WAYLAND_DIR/$name.log" 2>&1 &
    WAYLAND_PIDS+=($!)
}

# wait_for SECONDS WHAT COMMAND...: until COMMAND succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "$what within ${seconds}s"
}

# wayland_session_start "$@": call first thing with the script's own arguments.
wayland_session_start() {
    local tool
    for tool in sway swaymsg grim wtype dbus-daemon pipewire convert setpriv \
        /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr \
        /usr/libexec/xdg-desktop-portal-gtk; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test)"
    done
    if [ "$(id -u)" -eq 0 ]; then
        if ! id "$WAYLAND_E2E_USER" >/dev/null 2>&1; then
            useradd --system --no-create-home --shell /usr/sbin/nologin "$WAYLAND_E2E_USER" ||
                skip "sway refuses root, and the user $WAYLAND_E2E_USER cannot be created"
        fi
        local script
        script=$(readlink -f "$0")
        exec setpriv --reuid="$(id -u "$WAYLAND_E2E_USER")" --regid="$(id -g "$WAYLAND_E2E_USER")" \
            --clear-groups bash "$script" "$@"
    fi
    WAYLAND_DIR=$(mktemp -d)
    trap wayland_cleanup EXIT
    export HOME=$WAYLAND_DIR/home XDG_CONFIG_HOME=$WAYLAND_DIR/home/.config
    export XDG_DATA_HOME=$WAYLAND_DIR/home/.local/share XDG_RUNTIME_DIR=$WAYLAND_DIR/run
    export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DISPLAY WAYLAND_DISPLAY SWAYSOCK QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

    spawn bus dbus-daemon --session --nofork --print-address=1
    wait_for 10 "no session bus" grep -q . "$WAYLAND_DIR/bus.log"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WAYLAND_DIR/bus.log")
    export DBUS_SESSION_BUS_ADDRESS

    cat >"$WAYLAND_DIR/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x800 bg #$WAYLAND_BACKGROUND solid_color
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
xwayland enable
CONF
    spawn sway env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$WAYLAND_DIR/sway.conf"
    wait_for 20 "sway did not start" compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock"
    SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -n 1)
    WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*[0-9]" | head -n 1)")
    export SWAYSOCK WAYLAND_DISPLAY
    # XWayland's display is known to sway's children only.
    swaymsg -q exec "echo \$DISPLAY >$WAYLAND_DIR/display"
    wait_for 10 "no X display from sway" grep -q . "$WAYLAND_DIR/display"
    WAYLAND_X_DISPLAY=$(cat "$WAYLAND_DIR/display")

    spawn pipewire pipewire
    # The wlr backend exits unless pipewire answers.
    wait_for 10 "pipewire did not start" test -S "$XDG_RUNTIME_DIR/pipewire-0"
    spawn portal-wlr /usr/libexec/xdg-desktop-portal-wlr
    spawn portal-gtk /usr/libexec/xdg-desktop-portal-gtk
    # The front end exports Screenshot only once a backend offering Access is there.
    wait_for 20 "the portal backends did not start" dbus-send --session --print-reply \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetNameOwner \
        string:org.freedesktop.impl.portal.desktop.gtk
    spawn portal /usr/libexec/xdg-desktop-portal -r
    wait_for 20 "no Screenshot portal" dbus-send --session --print-reply \
        --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
        org.freedesktop.DBus.Properties.Get string:org.freedesktop.portal.Screenshot \
        string:version
}

# png_pixel FILE X Y: the pixel's colour as six lowercase hex digits.
png_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 |
        tr -d '#' | tr 'A-F' 'a-f'
}

# screen_pixel X Y: the screen's pixel as grim reads it.
screen_pixel() {
    grim -g "$1,$2 1x1" "$WAYLAND_DIR/pixel.png"
    png_pixel "$WAYLAND_DIR/pixel.png" 0 0
}

# window_rect TITLE: prints "X Y WIDTH HEIGHT" of the window with that title on the screen.
window_rect() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def find(node):
    if node.get("name") == sys.argv[1] and node.get("pid"):
        return node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = find(child)
        if found:
            return found
node = find(json.load(sys.stdin))
if node:
    r = node["rect"]
    print(r["x"], r["y"], r["width"], r["height"])
' "$1"
}
