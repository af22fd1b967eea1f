# CPU time of processes as the system counts it, for the benchmark scripts
# that measure the program from outside; sourced after scripts/common.sh.

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The Wine server of this prefix, among those of other prefixes.
our_wineserver() {
    local pid
    for pid in $(pgrep -f wineserver); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid" && return
    done
}

# "NAME: S s CPU (P% of one core)" for ticks over seconds.
cpu_share() {
    awk -v name="$1" -v ticks="$2" -v hz="$(getconf CLK_TCK)" -v t="$3" \
        'BEGIN { printf "%s: %.2f s CPU (%.3f%% of one core)\n", name, ticks / hz, ticks / hz / t * 100 }'
}
