#!/usr/bin/env bash
# Times the slope map against gdaldem on the same grid: a 1025 x 1025 16-bit
# little-endian heightmap (the primary map's size), the one the terrain
# benchmark writes. gdaldem runs as a whole process (start, read, slope,
# write a GeoTIFF); ours is measured inside the process by marvane_bench,
# once on one core (MARVANE_THREADS=1) and once on all.
#
#   bench/slope_vs_gdaldem.sh [BUILD_FOLDER] [RUNS]
#
# BUILD_FOLDER holds bin/marvane_bench (default build/default); gdaldem runs
# RUNS times (default 10) and the best and the median are reported.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
runs=${2:-10}
bench="$build/bin/marvane_bench"

if [ ! -x "$bench" ]; then
    echo "missing $bench: cmake --build $build --target marvane_bench" >&2
    exit 1
fi
if ! command -v gdaldem >/dev/null; then
    echo "SKIPPED: gdaldem is not installed (apt-get install gdal-bin)" >&2
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== marvane_bench, one thread"
MARVANE_THREADS=1 "$bench" --benchmark_filter='LoadRaw|BuildNormalMap|Sample' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== marvane_bench, all threads ($(nproc))"
"$bench" --benchmark_filter='LoadRaw|BuildNormalMap' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The benchmark has written the grid; an ENVI header tells GDAL its layout
# (data type 12: unsigned 16-bit; byte order 0: least significant first).
raw="${TMPDIR:-/tmp}/marvane-terrain-bench.raw"
if [ "$(stat -c %s "$raw")" != $((1025 * 1025 * 2)) ]; then
    echo "unexpected grid $raw" >&2
    exit 1
fi
cp "$raw" "$work/grid.raw"
cat > "$work/grid.hdr" <<'HEADER'
ENVI
samples = 1025
lines = 1025
bands = 1
header offset = 0
file type = ENVI Standard
data type = 12
interleave = bsq
byte order = 0
HEADER

times=()
for ((run = 0; run < runs; ++run)); do
    rm -f "$work/slope.tif"
    start=$(date +%s%N)
    gdaldem slope -q "$work/grid.raw" "$work/slope.tif"
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
best=${sorted[0]}
median=${sorted[$((runs / 2))]}
printf '== gdaldem slope, whole process, %d runs: best %d.%03d ms, median %d.%03d ms\n' \
    "$runs" $((best / 1000)) $((best % 1000)) $((median / 1000)) $((median % 1000))
