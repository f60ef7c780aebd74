#!/usr/bin/env bash
# A settings file full of garbage: the tank starts as usual, runs, ends with ESC, and the file
# is left exactly as it was (nothing is written at exit).
set -u
e2e_program=$1
. "$(dirname "$0")/e2e_lib.sh"

settings=$e2e_home/config/kelpora/KelporaSet.ini
{
    printf '\xEF\xBB\xBF[Aquarium Settings\r\nShow Water=yes please\r\n[Aquarium Settings]\r\n'
    printf 'FOGNONGDU=99999999999999999999999\r\nQIPAONUM=-99999999999\r\nLOCKFORE ROT=1e999\r\n'
    printf 'YINLIANG=%s\r\n' "$(head -c 20000 /dev/zero | tr '\0' 9)"
    printf '====\r\n[]\r\n[Fish Number]\r\nFish3=75\r\nFish=\r\n'
    printf -v every_byte '\\x%02x' $(seq 0 255)
    printf "$every_byte$every_byte$every_byte$every_byte"
} >"$settings"
cp "$settings" "$e2e_home/settings.before"

e2e_start_display 1280x800
e2e_start_program "$e2e_home/garbage.log"
app=$e2e_app_pid
wid=$(e2e_wait_window 20) || { cat "$e2e_home/garbage.log"; e2e_diagnose; fail "no window appeared"; e2e_finish; }
pass "the window appeared"

sleep 2
kill -0 "$app" 2>/dev/null && pass "still running after two seconds" || fail "the program died"
grep -qi settings "$e2e_home/garbage.log" && fail "garbage was reported: $(cat "$e2e_home/garbage.log")" \
    || pass "nothing reported"

xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key Escape
e2e_wait_exit "$app" 5
[ "$status" = 0 ] && pass "ESC ended the program with 0" || { fail "after ESC: $status"; cat "$e2e_home/garbage.log"; }

cmp -s "$settings" "$e2e_home/settings.before" && pass "the settings file is unchanged" \
    || fail "the settings file was changed"
[ "$(ls -A "$e2e_home/config/kelpora")" = KelporaSet.ini ] && pass "nothing else in the settings folder" \
    || fail "left in the settings folder: $(ls -A "$e2e_home/config/kelpora")"
e2e_finish
