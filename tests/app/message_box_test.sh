#!/usr/bin/env bash
# A problem found during set-up shows one message box; the tank starts behind it, runs once it is
# dismissed, and ESC still ends the program with 0. Ticks during the box start no second set-up.
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

e2e_start_display 1280x720
# Neither XDG_CONFIG_HOME nor HOME: there is nowhere to keep the settings, which set-up reports.
env -u HOME -u XDG_CONFIG_HOME TMPDIR="$e2e_home/tmp" XDG_RUNTIME_DIR="$e2e_home/run" SDL_AUDIODRIVER=dummy \
    "$e2e_program" >"$e2e_home/log" 2>&1 &
pid=$!
e2e_pids+=($pid)

box=
for _ in $(seq 1 100); do
    box=$(xdotool search --onlyvisible --name '^Settings$' 2>/dev/null | head -n 1)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] && pass "the problem is shown in a box" || { cat "$e2e_home/log"; e2e_diagnose; fail "no message box"; }
sleep 1 # ticks fall due while the box is up
boxes=$(xdotool search --onlyvisible --name '^Settings$' 2>/dev/null | wc -l)
[ "$boxes" = 1 ] && pass "one box, no second set-up" || fail "$boxes boxes"

[ -n "$box" ] && { xdotool windowfocus --sync "$box" 2>/dev/null; xdotool key Return; }
wid=$(e2e_wait_window 10) && pass "the tank window shows" || fail "no tank window"
sleep 1
kill -0 "$pid" 2>/dev/null && pass "the tank keeps running" || fail "the program ended"
[ "$(grep -c 'cannot tell where to keep its settings' "$e2e_home/log")" = 1 ] \
    && pass "reported once" || fail "report count: $(cat "$e2e_home/log")"

[ -n "$wid" ] && { xdotool windowfocus --sync "$wid" 2>/dev/null; xdotool key Escape; }
e2e_wait_exit "$pid" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || fail "after ESC: $status"
e2e_finish
