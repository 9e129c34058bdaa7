#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Colour text another program put on the clipboard goes into the selected well with a real
# Ctrl+V (CSS oklch() and a CSS name); text that names no colour changes nothing; Ctrl+C hands
# the colour to other programs as text and as a colour; each paste is one undo step.
source "$E2E_LIB"
COLOR_TOOL=${E2E_COLOR_TOOL:?the path of tintmere-color}

# clip TEXT: another program owns the clipboard with the text (xclip serves it in the
# background until the next owner takes over).
clip() {
    printf '%s' "$1" | xclip -selection clipboard -i
}
# The radio button of well 1: a click there keeps well 1 selected and the palette in focus.
FOCUS_SPOT_X=72 FOCUS_SPOT_Y=95

oklch=$("$COLOR_TOOL" format '%Xr%Xg%Xb' 'oklch(0.7 0.1 200)')
[[ "$oklch" =~ ^[0-9a-f]{6}$ ]] || fail "tintmere-color wrote '$oklch'"

start_app
main=$(main_window)
first_well_is ffffff || fail "first run is not white"

clip 'oklch(0.7 0.1 200)'
press_keys "$main" ctrl+v
eventually first_well_is "$oklch" || fail "oklch(0.7 0.1 200) pasted as $(conf_value 'Saved Colors')"

clip rebeccapurple
xdotool key ctrl+v
eventually first_well_is 663399 || fail "rebeccapurple pasted as $(conf_value 'Saved Colors')"

# Copy: the hex string, and the colour as four 16-bit channels for programs that take one.
xdotool key ctrl+c
copied() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = '#663399' ]; }
eventually copied || fail "Ctrl+C copied '$(xclip -selection clipboard -o 2>&1)'"
channels=$(xclip -selection clipboard -t application/x-color -o | od -An -tx2 | tr -s ' ')
[ "$channels" = ' 6666 3333 9999 ffff' ] || fail "the copied colour is '$channels'"

# Text that names no colour: nothing changes, and no undo step is added.
clip 'not a colour'
xdotool key ctrl+v
sleep 0.5
first_well_is 663399 || fail "a paste of no colour changed the palette"
xdotool key ctrl+z
eventually first_well_is "$oklch" || fail "one undo did not take back one paste"

stop_app
