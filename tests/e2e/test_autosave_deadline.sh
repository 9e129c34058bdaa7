#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Favorites added in a steady stream, faster than the autosave's quiet period, are still
# written: after SIGKILL everything older than the longest autosave delay is on disk.
source "$E2E_LIB"

# The longest delay is two seconds; the rest is slack for a loaded machine.
LONGEST_DELAY_MS=2000
SLACK_MS=1500

start_app
window=$(main_window)
press_keys "$window" Escape
now_ms() { date +%s%3N; }

declare -a names times
start=$(now_ms)
i=0
while [ $(($(now_ms) - start)) -lt 9000 ]; do
    add_favorite "F$i"
    names[i]=F$i
    times[i]=$(now_ms)
    i=$((i + 1))
    sleep 0.15
done
kill -KILL "$APP_PID"
killed=$(now_ms)
wait "$APP_PID" 2>/dev/null || true
APP_PID=

stored=";$(outline "$LIBRARY");"
required=0
for n in $(seq 0 $((i - 1))); do
    if [ $((killed - times[n])) -gt $((LONGEST_DELAY_MS + SLACK_MS)) ]; then
        required=$((required + 1))
        case "$stored" in
        *";${names[n]};"*) ;;
        *) fail "${names[n]}, added $((killed - times[n])) ms before the kill, is not on disk: $stored" ;;
        esac
    fi
done
[ "$required" -ge 5 ] || fail "the stream was too slow to test anything ($i favorites)"
echo "$i favorites added, the $required older than $((LONGEST_DELAY_MS + SLACK_MS)) ms all on disk"
