#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts with an empty home and maps its main window.
source "$E2E_LIB"

start_app
window=$(wait_window Tintmere)
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "main window not viewable"
