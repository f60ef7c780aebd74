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

fail() { echo "FAIL: $*"; e2e_failures=$((e2e_failures + 1)); }
pass() { echo "ok: $*"; }

# Starts Xvfb on a display number it picks itself (so parallel runs never collide) and exports
# DISPLAY. The server takes only a private cookie, which XAUTHORITY hands to every client of the
# test (the program, xdpyinfo, xdotool) whatever HOME they run with; so no client can end up on
# another server that happens to answer at the same number, and none depends on the real home.
e2e_start_display() {
    local size=$1 n
    local numberFile=$e2e_home/display
    local cookie
    cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
    export XAUTHORITY=$e2e_home/Xauthority
    : >"$XAUTHORITY"
    xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
    : >"$numberFile"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -auth "$XAUTHORITY" 3>"$numberFile" >/dev/null 2>&1 &
    e2e_pids+=($!)
    for _ in $(seq 1 100); do
        n=$(cat "$numberFile")
        if [ -n "$n" ]; then
            export DISPLAY=:$n
            xauth -q -f "$XAUTHORITY" add ":$n" MIT-MAGIC-COOKIE-1 "$cookie"
            if xdpyinfo 2>/dev/null | grep -q "dimensions: *${size} pixels"; then return 0; fi
        fi
        sleep 0.1
    done
    echo "Xvfb did not start"; e2e_diagnose; exit 1
}

# What a failed start needs to be understood: the display, whether the program's environment
# reaches it, and the X sockets on the machine.
e2e_diagnose() {
    echo "--- DISPLAY=${DISPLAY:-unset} XAUTHORITY=${XAUTHORITY:-unset}"
    HOME=$e2e_home XDG_CONFIG_HOME=$e2e_home/config xdpyinfo 2>&1 | head -n 5
    ls -la /tmp/.X11-unix 2>&1
    env | grep -E '^(DISPLAY|WAYLAND|GDK|GTK|XDG|DBUS|XAUTH)' 2>/dev/null
}

# Starts the program in the private home; its pid is in $e2e_app_pid, its output in $1.
# With e2e_without_home set, the program runs with no HOME at all.
e2e_without_home=
e2e_start_program() {
    local log=$1
    local home=(HOME="$e2e_home")
    [ -n "$e2e_without_home" ] && home=(-u HOME)
    env "${home[@]}" XDG_CONFIG_HOME=$e2e_home/config TMPDIR=$e2e_home/tmp XDG_RUNTIME_DIR=$e2e_home/run \
        SDL_AUDIODRIVER=dummy "$e2e_program" >"$log" 2>&1 &
    e2e_app_pid=$!
    e2e_pids+=($e2e_app_pid)
}

# Starts the program like e2e_start_program, but when it cannot even reach the X server (GTK
# fails to initialise, which is the test machine's trouble, not the program's), shows why and
# tries once more on a fresh server of the same size, without HOME this time (the settings are
# still found through XDG_CONFIG_HOME), as a program that starts with no home at all always got
# through where others did not.
e2e_start_program_reaching_x() {
    local log=$1 size=$2
    e2e_start_program "$log"
    for _ in $(seq 1 30); do
        kill -0 "$e2e_app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! kill -0 "$e2e_app_pid" 2>/dev/null && grep -q 'Unable to initialize GTK' "$log"; then
        echo "the program could not reach the X server; once more on a fresh one:"
        cat "$log"; e2e_diagnose
        e2e_start_display "$size"
        e2e_without_home=1
        e2e_start_program "$log"
    fi
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
