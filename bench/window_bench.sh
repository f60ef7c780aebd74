#!/usr/bin/env bash
# The real window under Xvfb at 1920 x 1080: frames per second and the median and 99th percentile
# frame time (the gap between swaps; a gap of 30 ms or more means a tick was dropped), counted
# from the swaps over 20 seconds, on the plain path and with the frame's
# levers, side by side. The tank is the benchmark's headline: water glow, light rays, floor,
# plants, all bubbles and fifty fish of all fifteen species, the help text hidden.
#
#     bench/window_bench.sh build/kelpora [seconds]
set -u
e2e_program=$1
seconds=${2:-20}
. "$(dirname "$0")/../tests/app/e2e_lib.sh"

ini=$e2e_home/config/kelpora/KelporaSet.ini
write_settings() {
    {
        printf '[Aquarium Settings]\n'
        printf 'Show Water=1\nShow Light=1\nShow Terra=1\nFOGNONGDU=100\nLIGHTQIANGDU=0\nQIPAONUM=0\n'
        printf 'BACKGROUND=0\nYINLIANG=65535\n'
        printf '[Fish Number]\n'
        for s in $(seq 0 14); do printf 'Fish%d=%d\n' "$s" $((s < 5 ? 4 : 3)); done
    } >"$ini"
}

# Runs the program with KELPORA_FRAME=$1 and prints "fps median p99" (milliseconds) over the
# last $seconds seconds, after five seconds to settle.
measure() {
    local log=$e2e_home/swaps-$2.log
    write_settings
    KELPORA_FRAME=$1 KELPORA_SWAP_LOG=$log e2e_start_program "$e2e_home/program-$2.log"
    local app=$e2e_app_pid wid
    wid=$(e2e_wait_window 30) || { echo "no window"; cat "$e2e_home/program-$2.log"; return 1; }
    xdotool windowfocus --sync "$wid" 2>/dev/null
    xdotool key F1 # the help text off
    sleep $((seconds + 5))
    xdotool key Escape
    e2e_wait_exit "$app" 10
    # The gaps between swaps after the first five seconds, in milliseconds, sorted.
    awk -v settle=5000000 'NR == 1 { first = $1 } NR > 1 && $1 - first >= settle { print ($1 - previous) / 1000.0 }
        { previous = $1 }' "$log" | sort -n | awk '
        { gaps[++n] = $1; span += $1; if ($1 < 30.0) kept++ } # 30 ms or more: a tick was dropped
        END {
            if (n < 2) { print "0 0 0 0"; exit }
            printf "%.1f %.1f %.1f %.0f\n", n * 1000.0 / span, gaps[int(n * 0.5) + 1], gaps[int(n * 0.99) + 1], 100.0 * kept / n
        }'
}

e2e_start_display 1920x1080
printf '%-8s %8s %12s %10s %16s\n' path fps median_ms p99_ms on_the_tick_%
for path in plain levers; do
    if [ $path = plain ]; then frame=plain; else frame=; fi
    read -r fps median p99 inside < <(measure "$frame" $path)
    printf '%-8s %8s %12s %10s %16s\n' $path "$fps" "$median" "$p99" "$inside"
done
