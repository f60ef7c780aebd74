#!/usr/bin/env bash
# Start-up and exit in a hostile environment never touch the user's files and never let a second
# copy run: an unusable TMPDIR, termination signals, SIGKILL litter, a stale lock file, and no
# folder to lock in.
set -u
e2e_program=$(realpath "$1") # the first start runs in another folder
. "$(dirname "$0")/e2e_lib.sh"

e2e_start_display 1280x720

# Runs the program with the private home's settings and these extra environment assignments;
# its pid is in $pid.
start_with() {
    local log=$1; shift
    env HOME="$e2e_home" XDG_CONFIG_HOME="$e2e_home/config" TMPDIR="$e2e_home/tmp" \
        XDG_RUNTIME_DIR="$e2e_home/run" SDL_AUDIODRIVER=dummy "$@" "$e2e_program" >"$log" 2>&1 &
    pid=$!
    e2e_pids+=($pid)
}

# The same with an unwritable HOME (even for root) and no XDG_RUNTIME_DIR: no folder to lock in.
start_without_lock_folder() {
    env -u XDG_RUNTIME_DIR HOME=/proc/self XDG_CONFIG_HOME="$e2e_home/config" TMPDIR="$e2e_home/tmp" \
        SDL_AUDIODRIVER=dummy "$e2e_program" >"$1" 2>&1 &
    pid=$!
    e2e_pids+=($pid)
}

# Whatever is left in the private home's temporary and runtime folders.
litter() { find "$e2e_home/tmp" "$e2e_home/run" -mindepth 1; }

# ESC to the tank window of the last start; sets $status.
escape_and_wait() {
    local wid
    wid=$(e2e_wait_window 20) || { fail "$1: no window"; return; }
    xdotool windowfocus --sync "$wid" 2>/dev/null
    xdotool key Escape
    e2e_wait_exit "$pid" 10
}

# 1. TMPDIR names a folder that cannot be written (even by root): the private folder goes under
#    /tmp, no error box shows, and the current folder's files of the same names are untouched.
work=$e2e_home/work
mkdir -p "$work"
echo "the user's own recording" >"$work/Music.wav"
echo "the user's own picture" >"$work/fish0.bmp"
before=$(cd "$work" && sha256sum Music.wav fish0.bmp)
cd "$work" && start_with "$e2e_home/tmpdir.log" TMPDIR=/proc/self && cd - >/dev/null
wid=$(e2e_wait_window 20)
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^ERROR$' 2>/dev/null)" ] && pass "no temp-path error box" \
    || fail "an error box showed: $(cat "$e2e_home/tmpdir.log")"
private=$(ls -d /tmp/kelpora-"$(id -u)"-"$pid"-* 2>/dev/null)
[ -n "$private" ] && pass "the private folder fell back to /tmp" || fail "no private folder under /tmp"
escape_and_wait "unwritable TMPDIR"
[ "$status" = 0 ] && pass "ESC ended it with 0" || fail "after ESC: $status"
[ "$(cd "$work" && sha256sum Music.wav fish0.bmp)" = "$before" ] && [ "$(ls -A "$work" | wc -l)" = 2 ] \
    && pass "the current folder is as it was" || fail "the current folder changed: $(ls -lA "$work")"
[ -z "$private" ] || [ ! -e "$private" ] && pass "the fallback folder is gone" || fail "left: $private"

# 2. SIGTERM, SIGINT and SIGHUP end the program as ESC does: status 0, nothing left behind.
for signal in TERM INT HUP; do
    start_with "$e2e_home/$signal.log"
    e2e_wait_window 20 >/dev/null || fail "SIG$signal: no window"
    kill -"$signal" "$pid"
    e2e_wait_exit "$pid" 10
    [ "$status" = 0 ] && pass "SIG$signal ended it with 0" || fail "after SIG$signal: $status"
    [ -z "$(litter)" ] && pass "SIG$signal left nothing" || fail "SIG$signal left: $(litter)"
done

# 3. SIGKILL leaves the private folder; the next start removes it, and ESC removes its own.
start_with "$e2e_home/killed.log"
e2e_wait_window 20 >/dev/null || fail "SIGKILL: no window"
# The window shows before the tank is set up; the folder comes with the set-up.
for _ in $(seq 1 100); do [ -n "$(ls -A "$e2e_home/tmp")" ] && break; sleep 0.1; done
kill -KILL "$pid"
e2e_wait_exit "$pid" 5
[ -n "$(ls -A "$e2e_home/tmp")" ] || fail "SIGKILL left no folder to sweep (nothing tested)"
start_with "$e2e_home/after-kill.log"
escape_and_wait "after SIGKILL"
[ "$status" = 0 ] || fail "after SIGKILL, ESC: $status"
[ -z "$(ls -A "$e2e_home/tmp")" ] && pass "the killed copy's folder was swept" \
    || fail "left after a SIGKILL: $(ls -A "$e2e_home/tmp")"

# 4. Lock files naming a live, unrelated process (init) do not stop a start.
user=$(id -un)
for name in FirstMyProject Kelpora; do echo 1 >"$e2e_home/run/kelpora-$name-$user-${DISPLAY//[^a-zA-Z0-9]/_}.lock"; done
start_with "$e2e_home/stale.log"
escape_and_wait "stale lock files"
[ "$status" = 0 ] && pass "stale lock files did not stop the start" || fail "with stale locks: $status"

# 5. HOME cannot be written and there is no runtime folder: the guard still refuses a second copy.
start_without_lock_folder "$e2e_home/nohome-first.log"
first=$pid
wid=$(e2e_wait_window 20) || fail "no folder to lock in: no window"
start_without_lock_folder "$e2e_home/nohome-second.log"
e2e_wait_exit "$pid" 5
[ "$status" = 0 ] && pass "the second copy ended with 0" || fail "second copy: $status"
[ "$(xdotool search --onlyvisible --name '^Kelpora$' 2>/dev/null | wc -l)" = 1 ] \
    && pass "one tank window" || fail "$(xdotool search --onlyvisible --name '^Kelpora$' | wc -l) tank windows"
[ -z "$(xdotool search --onlyvisible --name '^(Kelpora|ERROR)$' 2>/dev/null | grep -v "^$wid\$")" ] \
    && pass "no box over the tank" || fail "a box showed: $(cat "$e2e_home/nohome-first.log")"
pid=$first
kill -TERM "$pid"
e2e_wait_exit "$pid" 10
[ "$status" = 0 ] || fail "no folder to lock in, SIGTERM: $status"
[ -z "$(litter)" ] && pass "nothing left at the end" || fail "left at the end: $(litter)"
e2e_finish
