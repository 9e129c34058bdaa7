#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the program takes to end after SIGTERM and after Ctrl+Q, with a favorites
# library of COUNT favorites (default 100,000). Run under an X server, e.g.:
#   xvfb-run -a bench/measure-exit-time.sh build/src/tintmere 100000
set -euo pipefail
TINTMERE=${1:?program path}
COUNT=${2:-100000}
LIBRARY=$(mktemp)
trap 'rm -f "$LIBRARY"' EXIT
python3 - "$LIBRARY" "$COUNT" <<'PY'
import plistlib, sys
entries = [{"Name": "Favorite %d" % i, "Colors": ["ff0000", "00ff00", "0000ff", "ffffff"]}
           for i in range(int(sys.argv[2]))]
with open(sys.argv[1], "wb") as f:
    plistlib.dump({"Group": "Root", "Entries": entries}, f, fmt=plistlib.FMT_XML)
PY

measure() {
    local how=$1 home window pid start
    home=$(mktemp -d)
    mkdir -p "$home/.local/share/Tintmere" "$home/run"
    chmod 700 "$home/run"
    cp "$LIBRARY" "$home/.local/share/Tintmere/Favorites.plist"
    HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/.config \
        XDG_DATA_HOME=$home/.local/share "$TINTMERE" >"${EXIT_LOG:-/dev/null}" 2>&1 &
    pid=$!
    for _ in $(seq 600); do
        window=$(xdotool search --onlyvisible --name '^Tintmere$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 20)) $((Y + 200)) click 1
    sleep 0.5
    start=$(date +%s%N)
    if [ "$how" = SIGTERM ]; then kill -TERM "$pid"; else xdotool key ctrl+q; fi
    wait "$pid" || true
    echo "$how: $((($(date +%s%N) - start) / 1000000)) ms"
    rm -rf "$home"
}
measure SIGTERM
measure Ctrl+Q
