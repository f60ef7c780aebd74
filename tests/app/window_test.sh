#!/usr/bin/env bash
# The window covers the screen, a second copy leaves at once without a window, ESC ends with 0.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

e2e_start_display 1920x1080
e2e_start_program "$e2e_home/first.log"
first=$e2e_app_pid

started=$(date +%s%N)
wid=$(e2e_wait_window 20) || { cat "$e2e_home/first.log"; e2e_diagnose; fail "no window appeared"; e2e_finish; }
echo "window after $(( ($(date +%s%N) - started) / 1000000 )) ms"

geometry=$(xdotool getwindowgeometry "$wid")
echo "$geometry"
echo "$geometry" | grep -q 'Position: 0,0' && pass "window at the top left" || fail "window not at 0,0"
echo "$geometry" | grep -q 'Geometry: 1920x1080' && pass "window covers 1920x1080" || fail "window does not cover the screen"

sleep 1
kill -0 "$first" 2>/dev/null && pass "first copy runs after a second" || fail "first copy died"

# Resources pass through a private folder that holds nothing once the tank runs.
private=$(find "$e2e_home/tmp" -mindepth 1 -maxdepth 1 -type d -name 'kelpora-*')
if [ -n "$private" ] && [ "$(stat -c %a "$private")" = 700 ] && [ -z "$(ls -A "$private")" ]; then
    pass "private unpack folder is empty while running"
else
    fail "private unpack folder: '${private}' $(ls -lA "$e2e_home/tmp" 2>&1)"
fi

# A second copy: exit status 0 within two seconds, no second window, the first copy unharmed.
e2e_start_program "$e2e_home/second.log"
second=$e2e_app_pid
e2e_wait_exit "$second" 2
[ "$status" = 0 ] && pass "second copy ended with 0" || fail "second copy: $status"
windows=$(xdotool search --name '^Kelpora$' 2>/dev/null | wc -l)
[ "$windows" -ge 1 ] && [ -z "$(xdotool search --onlyvisible --name '^Kelpora$' 2>/dev/null | grep -v "^$wid\$")" ] \
    && pass "no second window" || fail "a second window appeared"
kill -0 "$first" 2>/dev/null && pass "first copy still runs" || fail "first copy ended"

# ESC closes the program with status 0.
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key Escape
e2e_wait_exit "$first" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || { fail "after ESC: $status"; cat "$e2e_home/first.log"; }
[ -z "$(ls -A "$e2e_home/tmp")" ] && pass "nothing left in the temporary folder" || fail "left behind: $(ls -A "$e2e_home/tmp")"

# A fresh start after the first copy ended is not mistaken for a second copy.
e2e_start_program "$e2e_home/third.log"
third=$e2e_app_pid
wid=$(e2e_wait_window 20) && pass "starts again after ESC" || fail "no window on the next start"
[ -n "$wid" ] && { xdotool windowfocus --sync "$wid" 2>/dev/null; xdotool key Escape; }
e2e_wait_exit "$third" 5
[ "$status" = 0 ] || fail "third copy: $status"
e2e_finish
