#!/usr/bin/env bash
# The toolbar strip: a right click opens it at the pointer, the tank keeps moving behind it, ESC
# closes it and leaves the program running, "Touch Fish" and "Feed Fish" choose what a click does.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

W=1280 H=720
# Magenta pixels (the food's flakes) in a shot; the empty tank has none of its own.
magenta() {
    convert "$shots/$1.png" -fx '(r > 0.75 && g < 0.3 && b > 0.55) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}
# Prints the geometry "X,Y WxH" of the visible toolbar strip once it shows, within two seconds.
wait_strip() {
    local id
    for _ in $(seq 1 20); do
        id=$(xdotool search --onlyvisible --name '^Kelpora toolbar$' 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            xdotool getwindowgeometry "$id" | awk '/Position/ {p=$2} /Geometry/ {print p, $2}'
            return 0
        fi
        sleep 0.1
    done
    return 1
}
strip_gone() {
    for _ in $(seq 1 20); do
        [ -z "$(xdotool search --onlyvisible --name '^Kelpora toolbar$' 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

e2e_start_display ${W}x${H}
e2e_start_program "$e2e_home/toolbar.log"
app=$e2e_app_pid
wid=$(e2e_wait_window 20) || { cat "$e2e_home/toolbar.log"; e2e_diagnose; fail "no window appeared"; e2e_finish; }
xdotool windowfocus --sync "$wid" 2>/dev/null
sleep 1

xdotool mousemove 300 200 click 3
geometry=$(wait_strip) && pass "a right click opens the strip" || fail "no strip after a right click"
echo "strip at $geometry"
[ "$geometry" = "300,200 405x40" ] && pass "the strip stands at the pointer, 405 x 40" || fail "strip at '$geometry'"
xdotool mousemove 400 220; sleep 0.3 # over "Touch Fish": its hot border and tip
shot behind-1; sleep 0.5; shot behind-2
moved=$(compare -metric AE -fuzz 5% "$shots/behind-1.png" "$shots/behind-2.png" null: 2>&1 | cut -d' ' -f1)
[ "${moved:-0}" -gt 50 ] && pass "the tank keeps moving behind the strip ($moved pixels)" || fail "the tank stood still"
xdotool key Escape
strip_gone && pass "ESC closes the strip" || fail "the strip stayed after ESC"
sleep 0.5
kill -0 "$app" 2>/dev/null && pass "ESC on the strip leaves the program running" || fail "the program ended"

# Near the bottom-right corner the strip still opens at the pointer, partly off the screen.
xdotool mousemove $((W - 80)) $((H - 20)) click 3
geometry=$(wait_strip)
[ "$geometry" = "$((W - 80)),$((H - 20)) 405x40" ] && pass "near the corner the strip opens at the pointer" \
    || fail "corner strip at '$geometry'"
# "Touch Fish" is the second button; a click then drops no food.
xdotool mousemove $((W - 80 + 102)) $((H - 20 + 20)) click 1
strip_gone && pass "a mode button closes the strip" || fail "the strip stayed after Touch Fish"
xdotool mousemove $((W / 2)) $((H / 2)) click 1; sleep 1.5; shot touch-click
[ "$(magenta touch-click)" -eq 0 ] && pass "after Touch Fish a click drops no food" || fail "food in touch mode"

# "Feed Fish" is the first button; a click then drops food.
xdotool mousemove 300 200 click 3
wait_strip >/dev/null
xdotool mousemove $((300 + 34)) $((200 + 20)) click 1
strip_gone || fail "the strip stayed after Feed Fish"
xdotool mousemove $((W / 2)) $((H / 2)) click 1
fed=0
for _ in $(seq 1 20); do sleep 0.1; shot feed-click; fed=$(magenta feed-click); [ "$fed" -gt 0 ] && break; done
[ "$fed" -gt 0 ] && pass "after Feed Fish a click drops food ($fed magenta pixels)" || fail "no food after Feed Fish"

xdotool key Escape
e2e_wait_exit "$app" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || { fail "after ESC: $status"; cat "$e2e_home/toolbar.log"; }
e2e_finish
