#!/usr/bin/env bash
# The benchmarks: composing each settings file in memory (bench_compose), the command
# line as a whole process (bench/cli.sh), then the start-up of mms-setup until its
# main window is on screen, as a whole process, against a minimal Qt Widgets program
# showing one line of text (and one empty window), with the peak memory of each. Compared commands run
# interleaved in the same loop, so a busy moment of the machine weighs on all of them
# alike.
#
# Usage: bench/run.sh BUILD_DIR [RUNS]     (RUNS defaults to 200)
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR [RUNS]}
runs=${2:-200}
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== In-process"
"$build/bench/bench_compose"
echo
"$(dirname "$0")/cli.sh" "$build" "$runs"

# Microseconds since the epoch without starting a process (bash 5); date otherwise.
now_us() {
    if [[ -n ${EPOCHREALTIME:-} ]]; then
        now=${EPOCHREALTIME/[.,]/}
    else
        now=$(($(date +%s%N) / 1000))
    fi
}

# --- Start-up of the desktop program ------------------------------------------------
# Each probe ends itself once its window has painted and prints its peak resident
# memory ("VmHWM:  N kB"); its time is the whole process, from start to that end. The
# window with a line of text shows what setting up the fonts adds to the empty one.
probe_labels=(
    "mms-setup"
    "one empty window"
    "one window, a line of text"
)
probes=(
    "$build/bench/bench_start_mms_setup"
    "$build/bench/bench_start_one_window"
    "$build/bench/bench_start_one_window Setup"
)

# One run of probe $1 on platform $2: its time (µs) and peak memory (kB) are appended
# to $work/$2-$1.time and $work/$2-$1.peak.
run_probe() {
    local start peak
    now_us
    start=$now
    if ! ${probes[$1]} >"$work/probe.out" 2>"$work/probe.err"; then
        cat "$work/probe.err" >&2
        return 1
    fi
    now_us
    echo $((now - start)) >>"$work/$2-$1.time"
    read -r _ peak _ <"$work/probe.out"
    echo "$peak" >>"$work/$2-$1.peak"
}

run_probes() {
    local i
    for i in "${!probes[@]}"; do run_probe "$i" "$1"; done
}

# "MEAN MEDIAN" of the numbers in file $1, one a line, each divided by $2.
mean_median() {
    sort -n "$1" | awk -v scale="$2" '{ v[NR] = $1; sum += $1 }
        END { median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%.2f %.2f\n", sum / NR / scale, median / scale }'
}

# Runs the probes interleaved on the Qt platform $1 and prints their figures, with the
# ratio to the window with a line of text against the goal $2.
compare_start_up() {
    local i mean median platform=$1
    local median_times=() peaks=()
    export QT_QPA_PLATFORM=$platform
    for _ in 1 2 3 4 5; do run_probes warm-up; done
    for ((run = 0; run < runs; run++)); do run_probes "$platform"; done

    echo
    echo "== Start-up until the window is shown, $platform platform, $runs interleaved runs each"
    printf "  %-28s %11s %11s %12s\n" "" "mean" "median" "peak memory"
    for i in "${!probes[@]}"; do
        read -r mean median < <(mean_median "$work/$platform-$i.time" 1000)
        median_times[i]=$median
        read -r _ "peaks[i]" < <(mean_median "$work/$platform-$i.peak" 1024)
        printf "  %-28s %8.2f ms %8.2f ms %8.1f MiB\n" "${probe_labels[$i]}" "$mean" "$median" "${peaks[$i]}"
    done
    awk -v t0="${median_times[0]}" -v t1="${median_times[1]}" -v t2="${median_times[2]}" \
        -v m0="${peaks[0]}" -v m1="${peaks[1]}" -v m2="${peaks[2]}" -v goal="$2" 'BEGIN {
        rt = t0 / t2; rm = m0 / m2
        printf "\n  ratio mms-setup / one window with a line of text (goal: at most %s)\n", goal
        printf "    start-up time (medians): %.2f, %s\n", rt, rt <= goal ? "met" : "missed"
        printf "    peak memory (medians):   %.2f, %s\n", rm, rm <= goal ? "met" : "missed"
        printf "  ratio mms-setup / one empty window: time %.2f, peak memory %.2f\n", t0 / t1, m0 / m1
    }'
}

compare_start_up offscreen 1.3

# Under a real X server too, when one can be started: Xvfb picks a free display and
# writes its number to fd 3 once it accepts clients.
if ! command -v Xvfb >/dev/null; then
    echo
    echo "== Xvfb is not installed (Debian package xvfb): no figures under an X server"
    exit 0
fi
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
while [[ ! -s $work/display ]] && kill -0 "$xvfb_pid" 2>/dev/null; do sleep 0.05; done
if ! read -r display <"$work/display"; then
    echo
    echo "== Xvfb did not start: no figures under an X server"
    exit 0
fi
export DISPLAY=":$display"
compare_start_up xcb 1.15
