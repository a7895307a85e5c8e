#!/usr/bin/env bash
# Times quillet (with nvdxt) against ImageMagick on the same work: cutting two
# Bgr24 maps into 512 × 512 tiles and writing each tile as an uncompressed DDS
# without mipmaps, picture upright (64 tiles per 4096 × 4096 map). ImageMagick
# keeps a TGA's rows in stored order unless told to -auto-orient, so it is
# told: otherwise its tiles would be upside down.
#
#   bench/split_vs_imagemagick.sh [BUILD_FOLDER] [RUNS] [MAPS_FOLDER]
#
# BUILD_FOLDER holds bin/quillet and bin/nvdxt (default build/default); each
# side runs RUNS times (default 5) and the best and the median are reported.
# MAPS_FOLDER holds the detailbig.tga and colourbig.tga of a painting job to
# cut (bench/job_timing.sh passes its own); without it the maps are two
# 4096 × 4096 maps of random bytes made here: uncompressed, their content
# does not change the work.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
runs=${2:-5}
maps=${3:+$(cd "$3" && pwd)}
side=4096

for program in quillet nvdxt; do
    if [ ! -x "$build/bin/$program" ]; then
        echo "missing $build/bin/$program: cmake --build $build --target quillet nvdxt" >&2
        exit 1
    fi
done

# The real ImageMagick: a convert earlier on PATH may be a stand-in.
magick=
for candidate in magick /usr/bin/convert convert; do
    if "$candidate" -version 2>/dev/null | grep -q '^Version: ImageMagick'; then
        magick=$candidate
        break
    fi
done
if [ -z "$magick" ]; then
    echo "SKIPPED: ImageMagick is not installed (apt-get install imagemagick)" >&2
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/marvane-split-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# An uncompressed 24-bit TGA: 18-byte header (type 2, width and height as
# little-endian 16-bit numbers, 24 bits per pixel, descriptor 0), then the pixels.
make_map() {
    local lo=$((side & 255)) hi=$((side >> 8))
    {
        printf '\0\0\2\0\0\0\0\0\0\0\0\0'
        printf "\\$(printf %o $lo)\\$(printf %o $hi)\\$(printf %o $lo)\\$(printf %o $hi)"
        printf '\30\0'
        head -c $((side * side * 3)) /dev/urandom
    } >"$1"
}
if [ -n "$maps" ]; then
    cp "$maps/detailbig.tga" "$maps/colourbig.tga" .
    side=$(od -An -tu2 -j12 -N2 detailbig.tga | tr -d ' ')
else
    make_map detailbig.tga
    make_map colourbig.tga
fi
tiles=$((side / 512))

now_ms() { date +%s%3N; }

# Prints the milliseconds one run took.
run_quillet() {
    rm -rf detailmaps colormaps
    mkdir detailmaps colormaps
    local start end
    start=$(now_ms)
    PATH="$build/bin:$PATH" quillet detailbig.tga colourbig.tga >/dev/null
    end=$(now_ms)
    echo $((end - start))
}

run_magick() {
    rm -rf im
    mkdir im
    local start end map
    start=$(now_ms)
    for map in detailbig colourbig; do
        "$magick" $map.tga -auto-orient -crop 512x512 +repage -define dds:compression=none \
            -define dds:mipmaps=0 im/${map}_%02d.dds
    done
    end=$(now_ms)
    echo $((end - start))
}

# Best and median of the numbers on standard input.
summary() { sort -n | awk '{ v[NR] = $1 } END { printf "%d %d\n", v[1], v[int((NR + 1) / 2)] }'; }

echo "maps: 2 × ${side} × ${side} Bgr24${maps:+ from $maps}; $runs runs each; $(nproc) cores"
echo "ImageMagick: $("$magick" -version | sed -n 1p)"

quillet_times=()
magick_times=()
for ((i = 0; i < runs; i++)); do
    quillet_times+=("$(run_quillet)")
    magick_times+=("$(run_magick)")
done

# Both did the same work, the same number of tiles, and the same tiles decode
# to the same upright pixels (ImageMagick numbers its tiles row by row from
# the top left: tile x, y is number y × tiles + x).
for folder in detailmaps colormaps im; do
    count=$(find "$folder" -name '*.dds' | wc -l)
    expected=$((tiles * tiles))
    [ "$folder" = im ] && expected=$((2 * tiles * tiles))
    [ "$count" = "$expected" ] || {
        echo "$folder holds $count tiles" >&2
        exit 1
    }
done
same_pixels() { cmp -s <("$magick" "$1" -depth 8 rgba:-) <("$magick" "$2" -depth 8 rgba:-); }
last=$((tiles - 1))
number() { printf '%02d' $(($2 * tiles + $1)); }  # number X Y
for pair in "colormaps/tx00x00.dds:im/colourbig_$(number 0 0).dds" \
    "colormaps/tx0${last}x0${last}.dds:im/colourbig_$(number $last $last).dds" \
    "colormaps/tx0${last}x00.dds:im/colourbig_$(number $last 0).dds" \
    "detailmaps/tx00x0${last}_1.dds:im/detailbig_$(number 0 $last).dds"; do
    same_pixels "${pair%%:*}" "${pair#*:}" || {
        echo "${pair%%:*} and ${pair#*:} differ" >&2
        exit 1
    }
done

read -r quillet_best quillet_median < <(printf '%s\n' "${quillet_times[@]}" | summary)
read -r magick_best magick_median < <(printf '%s\n' "${magick_times[@]}" | summary)
awk -v qb="$quillet_best" -v qm="$quillet_median" -v mb="$magick_best" -v mm="$magick_median" \
    -v qr="${quillet_times[*]}" -v mr="${magick_times[*]}" 'BEGIN {
    printf "quillet + nvdxt: best %6.3f s, median %6.3f s  (runs: %s ms)\n", qb / 1000, qm / 1000, qr
    printf "ImageMagick:     best %6.3f s, median %6.3f s  (runs: %s ms)\n", mb / 1000, mm / 1000, mr
    printf "ratio quillet / ImageMagick: %.2f (best), %.2f (median)\n", qb / mb, qm / mm
}'
