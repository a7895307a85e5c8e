#!/usr/bin/env bash
# Times marvane_materials and holds the figures against their targets:
#   - a whole set from three 4000 x 3000 JPEG photos (--low, --high, --steep),
#     in a level of the usual size (1025, whose report after the write takes
#     a tenth of a second): at most 2 s and 300 MiB;
#   - --report on a level of the largest usual size with its eight
#     surrounding maps: at most 1 s.
# Wall time is the median of RUNS, memory the largest peak.
#
#   bench/materials_timing.sh [--build DIR] [--size N] [--runs N]
#
# --build: the build folder (default build/default). --size: the primary
# heightmap's side (default 4097). --runs: runs per figure (default 3).
# Needs GNU time (/usr/bin/time) and ImageMagick's convert for the photos.
# Exit status 1 when a figure misses its target.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/default
size=4097
runs=3
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$2; shift 2 ;;
        --size) size=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        *) echo "usage: bench/materials_timing.sh [--build DIR] [--size N] [--runs N]" >&2; exit 2 ;;
    esac
done
bin=$build/bin
for program in marvane_sample_level marvane_materials; do
    [ -x "$bin/$program" ] || { echo "no $bin/$program: build the default preset first" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "needs ImageMagick's convert for the photos" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missed=0
verdict() {  # verdict VALUE LIMIT: "ok" or "MISSED"
    if awk -v v="$1" -v l="$2" 'BEGIN { exit !(v <= l) }'; then echo ok; else echo MISSED; missed=1; fi
}
median() { LC_ALL=C sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# timed LEVEL LABEL TIME-LIMIT MEMORY-LIMIT ARGS...: runs marvane_materials in
# the level's working folder RUNS times
timed() {
    local level=$1 label=$2 time_limit=$3 memory_limit=$4 i seconds=() peaks=()
    shift 4
    for ((i = 0; i < runs; i++)); do
        (cd "$work/$level/paint" &&
            LC_ALL=C /usr/bin/time -f '%e %M' -o "$work/time.txt" "$bin/marvane_materials" "$@" >/dev/null)
        read -r s k <"$work/time.txt"
        seconds+=("$s")
        peaks+=("$((k / 1024))")
    done
    local time peak
    time=$(printf '%s\n' "${seconds[@]}" | median)
    peak=$(printf '%s\n' "${peaks[@]}" | LC_ALL=C sort -g | tail -n 1)
    printf '%-44s %6s s (target %s s: %s)' "$label" "$time" "$time_limit" "$(verdict "$time" "$time_limit")"
    if [ -n "$memory_limit" ]; then
        printf ', %4s MiB (target %s MiB: %s)' "$peak" "$memory_limit" "$(verdict "$peak" "$memory_limit")"
    else
        printf ', %4s MiB' "$peak"
    fi
    printf '\n'
}

echo "Writing sample levels of 1025 and $size a side with their surrounding maps"
"$bin/marvane_sample_level" --out "$work/usual" --primary 1025 --secondary 257 --seed 3 >/dev/null
"$bin/marvane_sample_level" --out "$work/large" --primary "$size" --secondary 257 --seed 3 >/dev/null
echo "Making three 4000 x 3000 JPEG photos"
for name in moss grass rock; do
    convert -size 4000x3000 -seed 7 plasma:fractal -quality 90 "$work/$name.jpg"
done

timed usual "three 4000 x 3000 photos to a set" 2 300 \
    --low "$work/moss.jpg" --high "$work/grass.jpg" --steep "$work/rock.jpg" --ground-size 4
timed large "--report, primary $size and 8 surrounding" 1 "" --report
exit "$missed"
