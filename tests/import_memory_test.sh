#!/usr/bin/env bash
# Bounded memory: marvane_import brings a 16385 × 16385 GeoTIFF (a smooth
# model made with GDAL's tools, tiled and compressed so that it is small on
# disk) to a 4097 × 4097 level with a peak of at most 300 MiB resident.
# Usage: import_memory_test.sh IMPORT
set -u
importer=$1

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/support/test_dem.sh"

python=/usr/bin/python3
command -v gdal_translate >/dev/null || { echo "SKIP: gdal_translate (gdal-bin) is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

make_test_dem "$python" || { echo "FAIL: the test model could not be made"; exit 1; }
gdal_translate -q -outsize 16385 16385 -r bilinear -ot Int16 -co TILED=YES -co COMPRESS=DEFLATE \
    -co PREDICTOR=2 dem.tif big.tif || { echo "FAIL: the large model could not be made"; exit 1; }
mkdir level

# The child's peak resident size, as the kernel counted it, and its time.
read -r status peak seconds < <("$python" - "$importer" <<'PY'
import resource, subprocess, sys, time
start = time.monotonic()
status = subprocess.run([sys.argv[1], "big.tif", "--level", "level"],
                        stdout=open("out.txt", "w"), stderr=subprocess.STDOUT).returncode
took = time.monotonic() - start
print(status, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024, "%.1f" % took)
PY
)
echo "16385 x 16385 GeoTIFF to 4097: peak $peak MiB resident, $seconds s"
check "exit status" 0 "$status"
check "4097 x 4097 samples written" $((4097 * 4097 * 2)) "$(wc -c <level/HeightmapPrimary.raw | tr -d ' ')"
check "peak memory at most 300 MiB" yes "$([ "$peak" -le 300 ] && echo yes || echo "no, $peak MiB")"
finish
