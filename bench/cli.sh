#!/usr/bin/env bash
# mms-setup-cli writing CAMERASETUP.dat as a whole process, against the plainest
# programs that put the same 59 bytes into a file. Compared commands run interleaved
# in one loop, so a busy moment of the machine weighs on all of them alike.
#
# In memory (/dev/shm), where flushing costs nothing, the ratio to cp shows what the
# program itself costs. On a disk folder it is set beside dd conv=fsync, which flushes
# the file as the program must.
#
# Usage: bench/cli.sh BUILD_DIR [RUNS]     (RUNS defaults to 300)
set -euo pipefail

build=${1:?usage: bench/cli.sh BUILD_DIR [RUNS]}
runs=${2:-300}
cli="$build/cli/mms-setup-cli"
memory=$(mktemp -d /dev/shm/mms-bench.XXXXXX)
disk=$(mktemp -d "${TMPDIR:-/var/tmp}/mms-bench.XXXXXX")
trap 'rm -rf "$memory" "$disk"' EXIT
clock="--clock 2012-01-01T00:00:00"
"$cli" camera $clock --out - >"$memory/source.dat"
mkdir "$memory/cli" "$memory/cp" "$disk/cli" "$disk/dd"

labels=(
    "mms-setup-cli camera --out /dev/shm/..."
    "cp of the same 59 bytes, /dev/shm"
    "mms-setup-cli camera --out DISK"
    "dd conv=fsync of the same bytes, DISK"
    "mms-setup-cli camera --out - (no file)"
    "/bin/true (an empty process)"
)
commands=(
    "$cli camera $clock --out $memory/cli"
    "cp $memory/source.dat $memory/cp/CAMERASETUP.dat"
    "$cli camera $clock --out $disk/cli"
    "dd if=$memory/source.dat of=$disk/dd/CAMERASETUP.dat conv=fsync status=none"
    "$cli camera $clock --out -"
    "/bin/true"
)
declare -a times

# Microseconds since the epoch without starting a process (bash 5).
now_us() { now=${EPOCHREALTIME/[.,]/}; }

run_all() {
    local i start
    for i in "${!commands[@]}"; do
        now_us
        start=$now
        ${commands[$i]} >/dev/null
        now_us
        if [[ $1 == count ]]; then times[i]+="$((now - start)) "; fi
    done
}

# The median of the numbers in $1, in milliseconds.
median_ms() {
    tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f\n", m / 1000 }'
}

for _ in 1 2 3 4 5; do run_all warm-up; done
for ((run = 0; run < runs; run++)); do run_all count; done

echo "== Whole process, medians of $runs interleaved runs each"
declare -a medians
for i in "${!labels[@]}"; do
    medians[i]=$(median_ms "${times[$i]}")
    printf "  %-44s %8s ms\n" "${labels[$i]}" "${medians[$i]}"
done
awk -v cli="${medians[0]}" -v cp="${medians[1]}" -v disk="${medians[2]}" -v dd="${medians[3]}" 'BEGIN {
    r = cli / cp
    printf "\n  ratio mms-setup-cli / cp in memory: %.2f (goal: at most 1.2, %s)\n", r, r <= 1.2 ? "met" : "missed"
    printf "  ratio mms-setup-cli / dd conv=fsync on disk: %.2f\n", disk / dd
}'
