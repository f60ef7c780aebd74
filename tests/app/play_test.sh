#!/usr/bin/env bash
# Playing with the tank as a user would: F1 hides and shows the help text, a feed click drops
# magenta flakes that sink, F5 and a click ripple the picture, F4 with the button held moves the
# camera, F6 hides the cursor and the keys still work, ESC ends with 0.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

W=1280 H=720

# Pixels that differ by more than 12% between two shots, within the crop WxH+X+Y ($3).
# A fourth argument sets the fuzz, in percent.
differing() {
    convert "$shots/$1.png" -crop "$3" +repage "$shots/a.png"
    convert "$shots/$2.png" -crop "$3" +repage "$shots/b.png"
    compare -metric AE -fuzz "${4:-12}%" "$shots/a.png" "$shots/b.png" null: 2>&1 | cut -d' ' -f1
}
# Flakes are small magenta slivers; the reef has magenta of its own, which the waving sheet moves a
# little. New flakes are the magenta pixels of a shot, within the crop WxH+X+Y ($3), that were not
# magenta, nor next to magenta, in the shot before the click ($2). Prints their box, or nothing.
magenta='(r > 0.75 && g < 0.3 && b > 0.55) ? 1 : 0'
new_flakes() {
    convert "$shots/$2.png" -crop "$3" +repage -fx "$magenta" -morphology Dilate Disk:3 "$shots/old.png"
    convert "$shots/$1.png" -crop "$3" +repage -fx "$magenta" "$shots/now.png"
    convert "$shots/now.png" "$shots/old.png" -fx 'u > 0.5 && v < 0.5 ? 1 : 0' -threshold 50% \
        -format '%[fx:round(mean*w*h)] %@' info: 2>/dev/null
}
# The lowest row of a box WxH+X+Y.
bottom() { local g=$1 h; h=${g#*x}; h=${h%%+*}; echo $((${g##*+} + h)); }

# A tank without fish, so that what changes between shots is what the keys and clicks change.
settings=$e2e_home/config/kelpora/KelporaSet.ini
printf '[Aquarium Settings]\r\nBACKGROUND=0\r\nShow Terra=1\r\nShow Water=0\r\nShow Light=0\r\nQIPAONUM=200\r\nFOGNONGDU=100\r\nBACK GUDING=1\r\nBACKCOLOR=6303760\r\n' \
    >"$settings"

e2e_start_display ${W}x${H}
e2e_start_program "$e2e_home/play.log"
app=$e2e_app_pid
wid=$(e2e_wait_window 20) || { cat "$e2e_home/play.log"; e2e_diagnose; fail "no window appeared"; e2e_finish; }
xdotool windowfocus --sync "$wid" 2>/dev/null
# The pointer rests away from the screen's edges, where it would slide the camera.
xdotool mousemove $((W / 2)) $((H - 150))
sleep 2

# The help text stands left of and above the centre of the screen.
text_area=480x200+$((W / 2 - 130))+$((H / 2 - 150))
shot help-on; sleep 0.7; shot help-on-2
xdotool key F1; sleep 0.7; shot help-off
xdotool key F1; sleep 0.7; shot help-again
# The picture waves behind the text; a wide fuzz counts the text's strong contrast, not the waving.
calm=$(differing help-on help-on-2 "$text_area" 30)
hidden=$(differing help-on-2 help-off "$text_area" 30)
shown=$(differing help-off help-again "$text_area" 30)
echo "help text: $calm pixels change by themselves, $hidden when it is hidden, $shown when shown again"
[ "$hidden" -gt $((calm * 3 / 2 + 3000)) ] && [ "$shown" -gt $((calm * 3 / 2 + 3000)) ] \
    && pass "F1 hides and shows the help text" || fail "F1 did not toggle the help text"

# Feed mode is the mode at start; a click in the middle of the tank releases food there.
xdotool key F1; sleep 0.3 # out of the way of the food
click_x=$((W / 2)) click_y=$((H / 2 + 60))
around_click=320x240+$((click_x - 160))+$((click_y - 100))
shot before-food
xdotool mousemove $click_x $click_y click 1
found=
for i in $(seq 1 10); do
    sleep 0.1; shot food-$i
    read -r count box <<<"$(new_flakes food-$i before-food "$around_click")"
    [ "${count:-0}" -ge 3 ] && { found=$box; break; }
done
echo "food after about $((i * 100)) ms: ${count:-0} new magenta pixels in $found"
[ -n "$found" ] && pass "a feed click shows magenta flakes within a second" || fail "no flakes after a feed click"
sleep 6; shot food-later
read -r count later <<<"$(new_flakes food-later before-food "$around_click")"
echo "six seconds later: $count magenta pixels in $later"
if [ -n "$found" ] && [ "${count:-0}" -ge 3 ] && [ "$(bottom "$later")" -gt "$(bottom "$found")" ]; then
    pass "the flakes sink"
else
    fail "the flakes did not sink ($found, then $later)"
fi

# Ripples: the plants sway a little by themselves, but a ripple stirs the whole picture.
corners="$((W - 200))x$((H - 200))+100+100"
xdotool key F5; sleep 0.5
shot still-1; sleep 1; shot still-2
xdotool mousemove $((W / 2)) $((H / 2)) click 1
sleep 1.5; shot ripple-1; sleep 1; shot ripple-2
calm=$(differing still-1 still-2 "$corners" 30)
stirred=$(differing ripple-1 ripple-2 "$corners" 30)
echo "ripples: $calm pixels change in a second without, $stirred with"
[ "$stirred" -gt $((calm * 2 + 10000)) ] && pass "F5 and a click ripple the picture" || fail "no ripples"

# Camera: the held button dollies the eye into the tank and out again. A ripple click keeps the
# button counted as held until the middle button lets go; camera mode would dolly on it.
xdotool click 2; xdotool key F4; sleep 0.5
shot camera-1; sleep 1; shot camera-2
xdotool mousedown 1; sleep 2.5; shot camera-held; xdotool mouseup 1
resting=$(differing camera-1 camera-2 "$corners")
dollied=$(differing camera-2 camera-held "$corners")
echo "camera: $resting pixels change in a second at rest, $dollied while the button is held"
[ "$dollied" -gt $((resting * 2 + 20000)) ] && pass "F4 with the button held moves the camera" \
    || fail "the camera did not move"

# Hide mode: the keys still work.
xdotool key F6; sleep 0.5; shot hide-mode
xdotool key F1; sleep 0.7; shot hidden-help
[ "$(differing hide-mode hidden-help "$text_area")" -gt 3000 ] && pass "F1 still works in hide mode" \
    || fail "F1 did nothing in hide mode"

kill -0 "$app" 2>/dev/null && pass "still running" || fail "the program died: $(cat "$e2e_home/play.log")"
xdotool key Escape
e2e_wait_exit "$app" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || { fail "after ESC: $status"; cat "$e2e_home/play.log"; }
[ "$e2e_failures" -gt 0 ] && [ -n "${KELPORA_E2E_KEEP:-}" ] && cp -r "$shots" "$KELPORA_E2E_KEEP"
e2e_finish
