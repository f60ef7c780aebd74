#!/usr/bin/env bash
# Playing with the tank as a user would: F1 hides and shows the help text, a feed click drops
# magenta flakes that sink, F5 and a click ripple the picture, F4 with the button held moves the
# camera, F6 hides the cursor and the keys still work, ESC ends with 0.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

W=1280 H=720
shots=$e2e_home/shots
mkdir -p "$shots"

shot() { import -display "$DISPLAY" -window root "$shots/$1.png" 2>/dev/null; }
# Pixels that differ by more than 12% between two shots, within the crop WxH+X+Y ($3).
differing() {
    convert "$shots/$1.png" -crop "$3" +repage "$shots/a.png"
    convert "$shots/$2.png" -crop "$3" +repage "$shots/b.png"
    compare -metric AE -fuzz 12% "$shots/a.png" "$shots/b.png" null: 2>&1 | cut -d' ' -f1
}
# The box around the magenta pixels of a shot (WxH+X+Y), or nothing when there are none.
magenta_box() {
    convert "$shots/$1.png" -fx '(r > 0.6 && g < 0.35 && b > 0.45) ? 1 : 0' -threshold 50% \
        -format '%@' info: 2>/dev/null | grep -v '^0x0'
}
magenta_count() {
    convert "$shots/$1.png" -fx '(r > 0.6 && g < 0.35 && b > 0.45) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

# A tank without fish, so that what changes between shots is what the keys and clicks change.
settings=$e2e_home/config/kelpora/KelporaSet.ini
printf '[Aquarium Settings]\r\nBACKGROUND=1\r\nShow Terra=1\r\nShow Water=0\r\nShow Light=0\r\nQIPAONUM=200\r\n' \
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
shot help-on
xdotool key F1; sleep 0.7; shot help-off
xdotool key F1; sleep 0.7; shot help-again
hidden=$(differing help-on help-off "$text_area")
shown=$(differing help-on help-again "$text_area")
echo "help text: $hidden pixels change when hidden, $shown when shown again"
[ "$hidden" -gt 3000 ] && [ "$shown" -lt $((hidden / 5)) ] && pass "F1 hides and shows the help text" \
    || fail "F1 did not toggle the help text"

# Feed mode is the mode at start; a click in the middle of the tank releases food there.
xdotool key F1; sleep 0.3 # out of the way of the food
shot before-food
[ -z "$(magenta_box before-food)" ] || fail "magenta before any food: $(magenta_box before-food)"
xdotool mousemove $((W / 2)) $((H / 2 + 60)) click 1
food=
for i in $(seq 1 10); do
    sleep 0.1; shot food-$i
    food=$(magenta_box food-$i) && [ -n "$food" ] && break
done
echo "food after about $((i * 100)) ms at $food, $(magenta_count food-$i) magenta pixels"
[ -n "$food" ] && pass "a feed click shows magenta flakes within a second" || fail "no flakes after a feed click"
sleep 5; shot food-later
later=$(magenta_box food-later)
echo "flakes five seconds later at $later"
bottom() { local g=$1; local h=${g#*x}; h=${h%%+*}; local y=${g##*+}; echo $((y + h)); }
if [ -n "$food" ] && [ -n "$later" ] && [ "$(bottom "$later")" -gt "$(bottom "$food")" ]; then
    pass "the flakes sink"
else
    fail "the flakes did not sink ($food, then $later)"
fi

# Ripples: the picture moves a little by itself, but a ripple stirs it all over.
corners="$((W - 200))x$((H - 200))+100+100"
xdotool key F5; sleep 0.5
shot still-1; sleep 1; shot still-2
xdotool mousemove $((W / 2)) $((H / 2)) click 1
sleep 1; shot ripple-1; sleep 1; shot ripple-2
calm=$(differing still-1 still-2 "$corners")
stirred=$(differing ripple-1 ripple-2 "$corners")
echo "ripples: $calm pixels change in a second without, $stirred with"
[ "$stirred" -gt $((calm * 3 + 20000)) ] && pass "F5 and a click ripple the picture" || fail "no ripples"

# Camera: the held button dollies the eye into the tank and out again. A ripple click keeps the
# button counted as held until the middle button lets go; camera mode would dolly on it.
xdotool click 2; xdotool key F4; sleep 0.5
shot camera-1; sleep 1; shot camera-2
xdotool mousedown 1; sleep 1.5; shot camera-held; xdotool mouseup 1
resting=$(differing camera-1 camera-2 "$corners")
dollied=$(differing camera-2 camera-held "$corners")
echo "camera: $resting pixels change in a second at rest, $dollied while the button is held"
[ "$dollied" -gt $((resting * 3 + 20000)) ] && pass "F4 with the button held moves the camera" \
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
