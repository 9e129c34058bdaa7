#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A library folder that cannot be written (read-only, then a full file system): the user
# is told when a change cannot be saved and asked at quit, and the library already on disk
# is never damaged. On a full disk, Retry after freeing space saves everything.
source "$E2E_LIB"

FOLDER=$(dirname "$LIBRARY")
mkdir -p "$FOLDER"
MOUNTED=
unmount() {
    if [ -n "$MOUNTED" ]; then
        umount "$FOLDER" 2>/dev/null || umount -l "$FOLDER" 2>/dev/null || true
        MOUNTED=
    fi
}
trap 'stop_app; unmount; chmod -R u+w "$E2E_HOME" 2>/dev/null; rm -rf "$E2E_HOME"' EXIT

# The folder as its own small file system, where the machine lets this test mount one.
if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=64k,mode=755 tintmere-e2e "$FOLDER" 2>/dev/null; then
    MOUNTED=yes
fi
write_library "$LIBRARY" Kept
cp "$LIBRARY" "$E2E_HOME/original.plist"

unchanged() { cmp -s "$LIBRARY" "$E2E_HOME/original.plist"; }
# save_fails NAME: adds a favorite and waits for the message that it could not be saved.
save_fails() {
    add_favorite "$1"
    wait_window "File Problem" 30 >/dev/null
}

# --- Read-only folder.
if [ -n "$MOUNTED" ]; then
    mount -o remount,ro "$FOLDER" || fail "could not make the folder read-only"
elif [ "$(id -u)" -ne 0 ]; then
    chmod a-w "$FOLDER"
else
    echo "SKIP: root without mounting cannot make a read-only folder"
    exit 0
fi
start_app
window=$(main_window)
press_keys "$window" Escape
save_fails Lost
unchanged || fail "the read-only library changed"
kill -TERM "$APP_PID"
answer_box "Favorites Not Saved" alt+q
wait_exit 30
unchanged || fail "the read-only library changed at quit"
grep -Eq "read-only|permission" "$E2E_HOME/app.log" || fail "the cause was not named: $(cat "$E2E_HOME/app.log")"
[ -z "$MOUNTED" ] && chmod u+w "$FOLDER"
[ -z "$MOUNTED" ] && { echo "SKIP: no small file system to fill without root"; exit 0; }

# --- Full file system: the folder is filled up after the program has started.
mount -o remount,rw "$FOLDER" || fail "could not make the folder writable again"
start_app
window=$(main_window)
dd if=/dev/zero of="$FOLDER/filler" bs=1k count=1024 2>/dev/null || true
press_keys "$window" Escape
save_fails Waiting
unchanged || fail "a full disk damaged the library"
kill -TERM "$APP_PID"
wait_window "Favorites Not Saved" 30 >/dev/null
rm -f "$FOLDER/filler"
answer_box "Favorites Not Saved" alt+r
wait_exit 30
grep -q "not enough free space" "$E2E_HOME/app.log" || fail "the cause was not named: $(cat "$E2E_HOME/app.log")"
outline_is "Kept;Waiting" || outline_is "Waiting;Kept" ||
    fail "after Retry the library holds: $(outline "$LIBRARY")"
