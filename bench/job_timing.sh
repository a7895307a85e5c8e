#!/usr/bin/env bash
# Times a whole painting job on the sample level, as the author's inner loop
# runs it: "Marvane -mirror 1 -surround 1 -deltemps 0" in a level whose
# outputs exist from the run before (nine heightmaps, two big maps, 128
# tiles and 16 textures, 144 conversions). Reports
#   - the whole job's wall time (median of RUNS) and peak memory
#     (/usr/bin/time -v), on one thread (MARVANE_THREADS=1) and on all;
#   - each stage's share, timed one by one by marvane_bench (job stages);
#   - the peers on the same data: gdaldem slope for the slope map,
#     ImageMagick's crop and DDS writer for the tiles;
#   - the limits: writing the job's bytes with dd to the same disk, and
#     filling and reading the job's peak memory once;
#   - the job at other sizes of the primary heightmap: time per texel and
#     peak memory, which must stay flat and bounded as the maps grow.
#
#   bench/job_timing.sh [--build DIR] [--runs N] [--sizes "513 1025 2049 4097"] [--sizes-only]
#                       [--pause SECONDS]
#
# --build: the build folder (default build/default, configured with the
# default preset: optimised with debug information). --runs: runs per figure
# (default 5). --sizes: primary sides for the size table ("" skips it; 8192
# needs about 20 GB of disk). --sizes-only: the size table and nothing else.
# --pause: seconds between runs (default 0); on a virtual machine whose host
# takes back free memory, a job after a pause finds its memory colder.
# Needs GNU time (/usr/bin/time); gdal-bin, imagemagick and Google Benchmark
# (libbenchmark-dev) for their sections, which are skipped loudly without them.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/default
runs=5
sizes="513 1025 2049 4097"
sizes_only=0
pause=0
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --sizes) sizes=$2; shift 2 ;;
        --sizes-only) sizes_only=1; shift ;;
        --pause) pause=$2; shift 2 ;;
        *) echo "usage: $0 [--build DIR] [--runs N] [--sizes \"513 1025 2049 4097\"] [--sizes-only] [--pause SECONDS]" >&2
           exit 2 ;;
    esac
done
[ -x /usr/bin/time ] || { echo "needs GNU time: apt-get install time" >&2; exit 1; }

# --- Build -------------------------------------------------------------------
mkdir -p "$build"
build=$(cd "$build" && pwd)
if [ "$build" = "$root/build/default" ]; then
    (cd "$root" && cmake --preset default >/dev/null)
elif [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=(Marvane quillet nvdxt marvane_sample_level)
have_bench=0
# (grep reads the whole list: with -q it could stop cmake half-way, a failure
# under pipefail.)
if cmake --build "$build" --target help 2>/dev/null | grep '^marvane_bench:' >/dev/null; then
    targets+=(marvane_bench)
    have_bench=1
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null
bin=$build/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/marvane-job-timing.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "== Machine"
echo "cpu: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores; $(free -m | awk '/^Mem:/ { print $2 }') MiB memory"
echo "kernel: $(uname -r); work folder $work on $(df -T "$work" | awk 'NR == 2 { print $2 }')"
echo "build: $build ($(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt"))"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

# --- Helpers -----------------------------------------------------------------
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
lowest() { sort -n | head -1; }
highest() { sort -n | tail -1; }
ms() { awk -v t="$1" 'BEGIN { printf "%.3f s", t / 1000 }'; }

make_level() {  # make_level SIDE: a sample level in $work/levelSIDE
    "$bin/marvane_sample_level" --out "$work/level$1" --primary "$1" >/dev/null
}

# One job in a level: prints "milliseconds peak-KiB". Fails loudly when the
# job does not complete.
run_job() {  # run_job SIDE THREADS ("" for all)
    local folder=$work/level$1/paint start end
    start=$(date +%s%N)
    (cd "$folder" && MARVANE_THREADS=$2 /usr/bin/time -v -o "$work/time.txt" \
        "$bin/Marvane" -mirror 1 -surround 1 -deltemps 0 >/dev/null 2>"$work/stderr.txt") || {
        echo "the job failed:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    }
    end=$(date +%s%N)
    grep -q '^Completed' "$folder/log.txt" || { echo "the job did not complete" >&2; exit 1; }
    echo "$(((end - start) / 1000000)) $(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")"
}

# RUNS jobs after one that leaves the outputs in place; prints
# "median-ms best-ms worst-ms peak-KiB".
time_jobs() {  # time_jobs SIDE THREADS
    local times=() peaks=() i result
    run_job "$1" "$2" >/dev/null
    for ((i = 0; i < runs; i++)); do
        sleep "$pause"
        result=$(run_job "$1" "$2")
        times+=("${result% *}")
        peaks+=("${result#* }")
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${times[@]}" | lowest)" \
        "$(printf '%s\n' "${times[@]}" | highest) $(printf '%s\n' "${peaks[@]}" | highest)"
}

size_table() {
    echo
    echo "== Sizes: the whole job at each primary size (all threads, median of $runs)"
    printf '%-6s %-14s %-9s %-10s %-14s %s\n' N "map side" texels median "ns per texel" "peak"
    for n in $sizes; do
        [ -d "$work/level$n" ] || make_level "$n"
        if [ "$n" = 1025 ] && [ -n "${all_median:-}" ]; then
            median_ms=$all_median peak=$all_peak
        else
            read -r median_ms _ _ peak < <(time_jobs "$n" "")
        fi
        side=$((4 * (n - 1)))
        printf '%-6s %-14s %-9s %-10s %-14s %d MiB\n' "$n" "$side x $side" \
            "$(awk -v s="$side" 'BEGIN { printf "%.1fM", s * s / 1e6 }')" "$(ms "$median_ms")" \
            "$(awk -v t="$median_ms" -v s="$side" 'BEGIN { printf "%.1f", t * 1e6 / (s * s) }')" \
            $((peak / 1024))
        [ "$n" = 1025 ] || rm -rf "$work/level$n"
    done
}
if [ "$sizes_only" = 1 ]; then
    size_table
    exit 0
fi

# --- The whole job -----------------------------------------------------------
make_level 1025
level=$work/level1025/paint
echo
echo "== Whole job, N = 1025 (maps 4096 x 4096, eight 257 surrounding maps), $runs runs each"
read -r one_median one_best one_worst one_peak < <(time_jobs 1025 1)
read -r all_median all_best all_worst all_peak < <(time_jobs 1025 "")
printf '%-22s median %s  (best %s, worst %s)  peak %d MiB\n' \
    "one thread:" "$(ms "$one_median")" "$(ms "$one_best")" "$(ms "$one_worst")" $((one_peak / 1024))
printf '%-22s median %s  (best %s, worst %s)  peak %d MiB\n' \
    "all $(nproc) threads:" "$(ms "$all_median")" "$(ms "$all_best")" "$(ms "$all_worst")" $((all_peak / 1024))

# --- Stages ------------------------------------------------------------------
# Median real time in milliseconds of one benchmark of a CSV report.
stage() { awk -F, -v name="\"BM_$1/real_time_median\"" '$1 == name { print $3 }' "$2"; }
share() { awk -v part="$1" -v whole="$2" 'BEGIN { printf "%8.1f ms  %5.1f %%", part, 100 * part / whole }'; }
if [ "$have_bench" = 1 ]; then
    for threads in 1 ""; do
        csv=$work/stages${threads:-all}.csv
        MARVANE_THREADS=$threads MARVANE_BENCH_LEVEL=$level MARVANE_BENCH_MIB=$((all_peak / 1024)) \
            "$bin/marvane_bench" --benchmark_filter='BM_Job_|BM_Limit_' --benchmark_repetitions=3 \
            --benchmark_report_aggregates_only=true --benchmark_format=csv >"$csv" 2>/dev/null
    done
    for threads in 1 all; do
        csv=$work/stages$threads.csv
        load=$(stage Job_PrimaryLoad "$csv")
        painting=$(stage Job_PrimaryPainting "$csv")
        maps=$(stage Job_PrimaryMaps "$csv")
        surround=$(stage Job_SurroundingMaps "$csv")
        surround_paint=$(stage Job_SurroundingMapsWithoutConversions "$csv")
        split=$(stage Job_Splitter "$csv")
        conversion=$(stage Job_OneConversion "$csv")
        interpreter=$(stage Job_InterpreterStart "$csv")
        total=$(awk -v a="$load" -v c="$maps" -v d="$surround" -v e="$split" \
            'BEGIN { print a + c + d + e }')
        echo
        echo "== Stages, each timed alone (marvane_bench, median of 3), ${threads/all/all $(nproc)} thread(s)"
        echo "primary heightmap and slope map $(share "$load" "$total")"
        echo "primary maps, painted and saved $(share "$maps" "$total")"
        echo "  of which weights and colours  $(share "$painting" "$total")"
        echo "eight surrounding maps          $(share "$surround" "$total")"
        echo "  of which their 16 conversions $(share "$(awk -v a="$surround" -v b="$surround_paint" 'BEGIN { print a - b }')" "$total")"
        echo "splitter with 128 conversions   $(share "$split" "$total")"
        echo "  one conversion $(printf '%.2f' "$conversion") ms, of which the interpreter's start $(printf '%.2f' "$interpreter") ms"
        echo "sum of the stages               $(share "$total" "$total")"
    done
else
    echo
    echo "SKIPPED: stages and memory limits (no marvane_bench: apt-get install libbenchmark-dev)"
fi

# --- Peers -------------------------------------------------------------------
echo
echo "== Peers on the same data"
peer_total=0
if command -v gdaldem >/dev/null; then
    # The primary heightmap as GDAL reads it: an ENVI header (data type 12,
    # unsigned 16-bit; byte order 0, least significant first). -s: horizontal
    # units per vertical unit (2 / 0.003), so the slopes are the terrain's.
    cp "$work/level1025/HeightmapPrimary.raw" "$work/grid.raw"
    printf 'ENVI\nsamples = 1025\nlines = 1025\nbands = 1\nheader offset = 0\nfile type = ENVI Standard\ndata type = 12\ninterleave = bsq\nbyte order = 0\n' >"$work/grid.hdr"
    gdal_times=()
    for ((i = 0; i < runs; i++)); do
        rm -f "$work/slope.tif"
        start=$(date +%s%N)
        gdaldem slope -q -s 666.667 "$work/grid.raw" "$work/slope.tif"
        end=$(date +%s%N)
        gdal_times+=($(((end - start) / 1000000)))
    done
    gdal=$(printf '%s\n' "${gdal_times[@]}" | median)
    peer_total=$((peer_total + gdal))
    echo "gdaldem slope, 1025 x 1025, whole process: median $(ms "$gdal")"
    if [ "$have_bench" = 1 ]; then
        echo "  ours: primary heightmap read and slope map, in the job: $(printf '%.1f' "$(stage Job_PrimaryLoad "$work/stagesall.csv")") ms"
    fi
else
    echo "SKIPPED: gdaldem (apt-get install gdal-bin)"
fi
im_report=$(bash "$root/bench/split_vs_imagemagick.sh" "$build" "$runs" "$level" 2>&1) || {
    echo "$im_report" >&2
    exit 1
}
if grep -q '^ImageMagick: ' <<<"$im_report"; then
    im=$(sed -n 's/^ImageMagick: .*median *\([0-9.]*\) s.*/\1/p' <<<"$im_report")
    quillet=$(sed -n 's/^quillet + nvdxt: .*median *\([0-9.]*\) s.*/\1/p' <<<"$im_report")
    im=$(awk -v s="$im" 'BEGIN { printf "%d", s * 1000 }')
    peer_total=$((peer_total + im))
    echo "ImageMagick crop and DDS, both maps: median $(ms "$im"); quillet with nvdxt: median $quillet s"
else
    echo "$im_report"
fi
if [ "$peer_total" -gt 0 ]; then
    echo "whole job (all threads) / sum of the peers' times: $(ms "$all_median") / $(ms "$peer_total") =" \
        "$(awk -v a="$all_median" -v b="$peer_total" 'BEGIN { printf "%.2f", a / b }')"
fi

# --- Limits ------------------------------------------------------------------
# The bytes the job writes: both big maps, every texture and tile, and the
# temporary image behind each of the 144 conversions.
big=$(($(stat -c %s "$level/detailbig.tga") + $(stat -c %s "$level/colourbig.tga")))
dds=$(cat "$level"/colormaps/*.dds "$level"/detailmaps/*.dds "$level"/lowdetailmaps/*.dds | wc -c)
conversions=$(ls "$level"/colormaps "$level"/detailmaps "$level"/lowdetailmaps | grep -c '\.dds$')
bytes=$((big + dds + conversions * (18 + 512 * 512 * 3)))
dd_times=()
for ((i = 0; i < 3; i++)); do
    rm -f "$work/dd.bin"
    start=$(date +%s%N)
    dd if=/dev/zero of="$work/dd.bin" bs=1M count=$((bytes >> 20)) 2>/dev/null
    end=$(date +%s%N)
    dd_times+=($(((end - start) / 1000000)))
done
rm -f "$work/dd.bin"
dd_median=$(printf '%s\n' "${dd_times[@]}" | median)
echo
echo "== Limits"
echo "the job writes $((bytes >> 20)) MiB in $((conversions + 2)) files and $conversions temporary images;" \
    "dd of as many bytes to the same disk (no sync, as the job): median $(ms "$dd_median")"
if [ "$have_bench" = 1 ]; then
    fill=$(stage Limit_FillFreshMemory "$work/stages1.csv")
    read_once=$(stage Limit_ReadMemory "$work/stages1.csv")
    echo "the job's peak memory ($((all_peak / 1024)) MiB), one thread: taken fresh and written once" \
        "$(printf '%.1f' "$fill") ms, read once $(printf '%.1f' "$read_once") ms"
fi

# --- Sizes -------------------------------------------------------------------
[ -z "$sizes" ] || size_table
echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
