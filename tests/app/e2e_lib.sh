# Helpers of the end-to-end tests: a private Xvfb, a private home, the program under test.
# Source it, then call e2e_start_display WIDTHxHEIGHT. Everything is cleaned up at exit.

e2e_failures=0
e2e_pids=()
e2e_home=$(mktemp -d /tmp/kelpora-e2e.XXXXXX)
mkdir -p "$e2e_home/config/kelpora" "$e2e_home/tmp" "$e2e_home/run"
chmod 700 "$e2e_home/run"

e2e_cleanup() {
    for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$e2e_home"
}
trap e2e_cleanup EXIT

# Screenshots of the whole screen go here, under a name: shot NAME writes $shots/NAME.png. Set
# KELPORA_E2E_SHOTS to a folder of your own to keep them.
shots=${KELPORA_E2E_SHOTS:-$e2e_home/shots}
mkdir -p "$shots"
shot() { import -display "$DISPLAY" -window root "$shots/$1.png" 2>/dev/null; }

fail() { echo "FAIL: $*"; e2e_failures=$((e2e_failures + 1)); }
pass() { echo "ok: $*"; }

# Starts Xvfb on a display number it picks itself (so parallel runs never collide) and exports
# DISPLAY. -noreset matters: by default the server resets whenever its last client leaves and
# drops a client that connects during the reset, so the program started right after a probe
# (or between two xdotool searches) would now and then fail to open the display.
e2e_start_display() {
    local size=$1 n
    local numberFile=$e2e_home/display
    : >"$numberFile"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$numberFile" >/dev/null 2>&1 &
    e2e_pids+=($!)
    for _ in $(seq 1 100); do
        n=$(cat "$numberFile")
        if [ -n "$n" ]; then
            export DISPLAY=:$n
            xdpyinfo >/dev/null 2>&1 && return 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start"; e2e_diagnose; exit 1
}

# What a failed start needs to be understood: the display, whether the program's environment
# reaches it, and the X sockets on the machine.
e2e_diagnose() {
    echo "--- DISPLAY=${DISPLAY:-unset}"
    HOME=$e2e_home XDG_CONFIG_HOME=$e2e_home/config xdpyinfo 2>&1 | head -n 3
    ls -la /tmp/.X11-unix 2>&1
}

# Starts the program in the private home; its pid is in $e2e_app_pid, its output in $1.
e2e_start_program() {
    local log=$1
    HOME=$e2e_home XDG_CONFIG_HOME=$e2e_home/config TMPDIR=$e2e_home/tmp XDG_RUNTIME_DIR=$e2e_home/run \
        SDL_AUDIODRIVER=dummy "$e2e_program" >"$log" 2>&1 &
    e2e_app_pid=$!
    e2e_pids+=($e2e_app_pid)
}

# Prints the id of the visible window titled "Kelpora" once it appears, within $1 seconds.
e2e_wait_window() {
    local seconds=$1 wid
    for _ in $(seq 1 $((seconds * 10))); do
        wid=$(xdotool search --onlyvisible --name '^Kelpora$' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && { echo "$wid"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for pid $1 (a child of this shell) to end; sets $status to its exit
# status, or to "running".
e2e_wait_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; return 0; fi
        sleep 0.1
    done
    status=running
}

e2e_finish() {
    if [ "$e2e_failures" -gt 0 ]; then echo "$e2e_failures check(s) failed"; exit 1; fi
    echo "all checks passed"
}
