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

fail() {
    echo "FAIL: $*" >&2
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
        kill -0 "$APP_PID" 2>/dev/null || fail "the program exited: $(cat "$E2E_HOME/app.log")"
        sleep 0.1
    done
    fail "no window titled '$title' within ${seconds}s"
}
