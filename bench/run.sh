#!/usr/bin/env bash
# Benchmarks of the camera file: composing it in memory (bench_camera_file), and
# mms-setup-cli writing one file as a whole process against cp of a 59-byte file.
# The commands run interleaved in the same loop, so a busy moment of the machine
# weighs on all of them alike.
#
# Usage: bench/run.sh BUILD_DIR [RUNS]     (RUNS defaults to 200)
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR [RUNS]}
runs=${2:-200}
cli="$build/cli/mms-setup-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/cli" "$work/cp"
"$cli" camera --clock 2012-01-01T00:00:00 --out - >"$work/source.dat"

echo "== In-process"
"$build/bench/bench_camera_file"

# Microseconds since the epoch without starting a process (bash 5); date otherwise.
now_us() {
    if [[ -n ${EPOCHREALTIME:-} ]]; then
        now=${EPOCHREALTIME/[.,]/}
    else
        now=$(($(date +%s%N) / 1000))
    fi
}

labels=(
    "mms-setup-cli camera --out DIR"
    "cp of a 59-byte file"
    "mms-setup-cli camera --out - (no file)"
    "empty program with QtCore"
    "/bin/true (an empty process)"
)
commands=(
    "$cli camera --clock 2012-01-01T00:00:00 --out $work/cli"
    "cp $work/source.dat $work/cp/CAMERASETUP.dat"
    "$cli camera --clock 2012-01-01T00:00:00 --out -"
    "$build/bench/bench_qt_start_floor"
    "/bin/true"
)
totals=(0 0 0 0 0)

run_all() {
    local i start
    for i in "${!commands[@]}"; do
        now_us
        start=$now
        ${commands[$i]} >/dev/null
        now_us
        if [[ $1 == count ]]; then totals[i]=$((totals[i] + now - start)); fi
    done
}

for _ in 1 2 3 4 5; do run_all warm-up; done
for ((run = 0; run < runs; run++)); do run_all count; done

echo
echo "== Whole process, mean of $runs interleaved runs each"
for i in "${!labels[@]}"; do
    awk -v label="${labels[$i]}" -v total="${totals[$i]}" -v runs="$runs" \
        'BEGIN { printf "  %-42s %8.3f ms\n", label, total / runs / 1000 }'
done
awk -v cli="${totals[0]}" -v cp="${totals[1]}" \
    'BEGIN { r = cli / cp; printf "\n  ratio mms-setup-cli / cp: %.2f (goal: at most 1.5, %s)\n", r, r <= 1.5 ? "met" : "missed" }'

if command -v hyperfine >/dev/null; then
    echo
    echo "== hyperfine, for comparison (not interleaved)"
    hyperfine -N --warmup 5 --runs "$runs" "${commands[0]}" "${commands[1]}"
fi
