#!/usr/bin/env bash
# The population dialog: "Add/Delete Fish" on the toolbar strip opens it over the moving tank;
# clicks, double clicks, buttons and letter keys change the counts, which reach the tank and the
# settings file within about half a second; Enter closes it and the strip with it.
# Set KELPORA_E2E_SHOTS to a folder to keep the screenshots.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

W=1280 H=720
# Pixels that differ between two shots outside the dialog and the strip (masked black in both).
differ_outside() {
    local s
    for s in "$1" "$2"; do
        convert "$shots/$s.png" -fill black -draw "rectangle $((dx - 4)),$((dy - 4)) $((dx + 530)),$((dy + 605))" \
            -draw "rectangle 190,90 620,150" "$shots/$s-masked.png"
    done
    compare -metric AE -fuzz 8% "$shots/$1-masked.png" "$shots/$2-masked.png" null: 2>&1 | cut -d' ' -f1
}
settings=$e2e_home/config/kelpora/KelporaSet.ini
count_of() { tr -d '\r' <"$settings" | sed -n "s/^Fish$1=//p"; }
# Waits up to two seconds for "Fish$1=$2" in the settings file.
wait_count() {
    for _ in $(seq 1 20); do [ "$(count_of "$1")" = "$2" ] && return 0; sleep 0.1; done
    return 1
}
dialog_geometry() {
    local id
    for _ in $(seq 1 30); do
        id=$(xdotool search --onlyvisible --name '^Add/Delete Fish$' 2>/dev/null | head -n 1)
        [ -n "$id" ] && { xdotool getwindowgeometry "$id" | awk '/Position/ {print $2}' | tr , ' '; return 0; }
        sleep 0.1
    done
    return 1
}

# An empty tank without light rays, water glow and bubbles, so that a fish is what changes.
{
    printf '[Aquarium Settings]\r\nShow Water=0\r\nShow Light=0\r\nQIPAONUM=200\r\n[Fish Number]\r\n'
    for s in $(seq 0 14); do printf 'Fish%d=0\r\n' "$s"; done
} >"$settings"

e2e_start_display ${W}x${H}
e2e_start_program "$e2e_home/population.log"
app=$e2e_app_pid
wid=$(e2e_wait_window 20) || { cat "$e2e_home/population.log"; e2e_diagnose; fail "no window appeared"; e2e_finish; }
xdotool windowfocus --sync "$wid" 2>/dev/null
sleep 2

xdotool mousemove 200 100 click 3
sleep 0.5
xdotool mousemove $((200 + 66 * 2 + 34)) $((100 + 20)) click 1
read -r dx dy < <(dialog_geometry) && pass "Add/Delete Fish opens the dialog at $dx,$dy" || {
    fail "no dialog"; cat "$e2e_home/population.log"; e2e_finish; }
sleep 1; shot empty-1; sleep 0.5; shot empty-2
noise=$(differ_outside empty-1 empty-2)

# The sheet starts below the 30-pixel caption and the 4-pixel border; cells are 100 x 90.
cell() { echo $((dx + 4 + 2 + 100 * ($1 % 5) + 50)) $((dy + 30 + 2 + 90 * ($1 / 5) + 45)); }
xdotool mousemove $(cell 0) click 1
xdotool key a key a key a key a key a key a key a
xdotool mousemove $((dx + 4 + 40)) $((dy + 30 + 490 + 17)) click 1 # Add(A)
wait_count 0 8 && pass "a click on a cell, A and Add reach the file (Fish0=8)" || fail "Fish0='$(count_of 0)'"
sleep 0.5; shot fish-1
added=$(differ_outside empty-2 fish-1)
[ "$added" -gt $((3 * noise + 300)) ] && pass "fish swim around the dialog ($added pixels, noise $noise)" \
    || fail "no fish around the dialog ($added pixels, noise $noise)"
sleep 0.5; shot fish-2
moved=$(differ_outside fish-1 fish-2)
[ "$moved" -gt 50 ] && pass "the tank keeps moving behind the dialog ($moved pixels)" || fail "the tank stood still"

xdotool key d
wait_count 0 7 && pass "D deletes one fish of the selected species" || fail "after D Fish0='$(count_of 0)'"
xdotool mousemove $(cell 6) click --repeat 2 --delay 80 1
wait_count 6 1 && pass "a double click adds one fish of its cell" || fail "after a double click Fish6='$(count_of 6)'"
xdotool mousemove $((dx + 4 + 150)) $((dy + 30 + 470)) click 1 key a # below the grid: no selection
sleep 1
[ "$(count_of 6)" = 1 ] && pass "without a selection A adds nothing" || fail "A without selection: '$(count_of 6)'"
xdotool mousemove $(cell 2) click 1
shot dialog
[ -n "${KELPORA_E2E_SHOTS:-}" ] && echo "dialog at $dx,$dy"

xdotool key Return
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Add/Delete Fish$' 2>/dev/null)" ] && pass "Enter closes the dialog" \
    || fail "the dialog stayed after Enter"
[ -z "$(xdotool search --onlyvisible --name '^Kelpora toolbar$' 2>/dev/null)" ] && pass "the strip closed with it" \
    || fail "the strip stayed"
kill -0 "$app" 2>/dev/null && pass "the program runs on" || fail "the program ended"

# The caption's close box (22 pixels, near the right end) closes like OK: the counts are applied.
xdotool mousemove 200 100 click 3; sleep 0.5
xdotool mousemove $((200 + 66 * 2 + 34)) $((100 + 20)) click 1
read -r dx dy < <(dialog_geometry) || fail "no dialog the second time"
xdotool mousemove $(cell 4) click 1 key a mousemove $((dx + 486)) $((dy + 15)) click 1
sleep 0.5
[ "$(count_of 4)" = 1 ] && pass "the close box applies the counts" || fail "after the close box Fish4='$(count_of 4)'"
[ -z "$(xdotool search --onlyvisible --name '^Add/Delete Fish$' 2>/dev/null)" ] && pass "the close box closes it" \
    || fail "the dialog stayed after its close box"
xdotool key Escape
e2e_wait_exit "$app" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || { fail "after ESC: $status"; cat "$e2e_home/population.log"; }
e2e_finish
