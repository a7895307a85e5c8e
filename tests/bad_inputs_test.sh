#!/usr/bin/env bash
# Hostile inputs, one row each, through the real programs: the painter from
# its command line in a small generated level with one file broken, the
# splitter on hand-made maps, the converter on hand-made images. Each row
# pins the exact message the user gets and the exit status. The README
# lists the same messages with what they mean and what to do.
#
# Usage: bad_inputs_test.sh MARVANE QUILLET NVDXT SAMPLE-LEVEL-GENERATOR
set -u
marvane=$(realpath "$1")
quillet=$(realpath "$2")
nvdxt=$(realpath "$3")
generator=$(realpath "$4")

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# 129 x 129 primary samples (16-bit: 33282 bytes), 17 x 17 surrounding ones.
"$generator" --out "$work/level" --primary 129 --secondary 17 --seed 3 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }

# --- Hand-made files -----------------------------------------------------------
byte() { printf "\\x$(printf %02x $(($1 & 255)))"; }
le16() { byte "$1"; byte $(($1 >> 8)); }
# tga FILE IMAGE-TYPE COLOUR-MAP-TYPE WIDTH HEIGHT BITS [PIXEL-BYTES]
# An 18-byte header and that many pixel bytes (by default all that the header
# promises), every one 0x80.
tga() {
    local bytes=${7:-$(($4 * $5 * $6 / 8))}
    {
        byte 0; byte "$3"; byte "$2"
        printf '\x00\x00\x00\x00\x00\x00\x00\x00\x00'
        le16 "$4"; le16 "$5"; byte "$6"; byte 0
        head -c "$bytes" /dev/zero | tr '\0' '\200'
    } >"$1"
}
settings() {  # settings PRIMARY-SIZE PRIMARY-SCALE [SECONDARY-SIZE SECONDARY-SCALE]
    printf 'heightmap.setSize %s\r\nheightmap.setScale %s\r\nheightmap.setSize %s\r\nheightmap.setScale %s\r\n' \
        "$1" "$2" "${3:-17}" "${4:-128/0.768}" >../Heightdata.con
}

# The painter's line under its message for a file of the material set that
# it refused: "PATH is WHAT" from the row, then what such a file must be and
# which marvane_materials option makes one.
reason_line() {  # reason_line "PATH is WHAT"
    local name=${1%% is *}
    name=${name##*/}
    name=${name%.tga}
    case "$name" in
        grad_*) printf '%s; gradients must be uncompressed TGA with at least 512 pixel bytes, best a 512 x 1 greyscale ramp: marvane_materials --rules FILE writes both' "$1" ;;
        *) printf '%s; textures must be 512 x 512, 24-bit, uncompressed: marvane_materials --%s PICTURE converts one' "$1" "$name" ;;
    esac
}

# --- Running a row ---------------------------------------------------------------
# Each row runs in a fresh copy of the level, in its working folder "paint",
# after its setup; the painter's message is the last line of its standard
# error (the line before it when a reason follows), the splitter's the last
# line of its standard error (its standard output keeps the fixed "ERROR:
# reading" line), the converter's the first line of its standard error.
run_row() {  # run_row NAME SETUP PROGRAM ARGS EXPECTED-MESSAGE EXPECTED-STATUS [REASON]
    local name=$1 setup=$2 program=$3 args=$4 expected=$5 expected_status=$6 reason=${7:-} message status
    rm -rf "$work/case"
    cp -r "$work/level" "$work/case"
    (
        cd "$work/case/paint" || exit 99
        eval "$setup" || exit 98
        case "$program" in
            Marvane) eval "\"\$marvane\" $args" >stdout.txt 2>stderr.txt ;;
            quillet) eval "\"\$quillet\" $args" >stdout.txt 2>stderr.txt ;;
            nvdxt) eval "\"\$nvdxt\" $args" >stdout.txt 2>stderr.txt ;;
        esac
    )
    status=$?
    case "$program" in
        Marvane)
            if [ -n "$reason" ]; then
                message=$(tail -n 2 "$work/case/paint/stderr.txt" | head -n 1)
                check "$name: the reason under the message" "$(reason_line "$reason")" \
                    "$(tail -n 1 "$work/case/paint/stderr.txt")"
            else
                message=$(tail -n 1 "$work/case/paint/stderr.txt")
            fi
            ;;
        quillet)
            # Its reason on standard error; the banner or the usage when none.
            if [ -s "$work/case/paint/stderr.txt" ]; then
                message=$(tail -n 1 "$work/case/paint/stderr.txt")
            else
                message=$(tail -n 1 "$work/case/paint/stdout.txt")
            fi
            ;;
        nvdxt) message=$(head -n 1 "$work/case/paint/stderr.txt") ;;
    esac
    check "$name: message" "$expected" "$message"
    check "$name: exit status" "$expected_status" "$status"
    # A painter that failed must not have logged a completed job.
    if [ "$program" = Marvane ] && [ "$expected_status" != 0 ]; then
        check "$name: not completed" no "$(grep -q '^Completed' "$work/case/paint/log.txt" && echo yes || echo no)"
    fi
}

job="-mirror 0 -surround 1 -deltemps 1"
tiles="detail.tga colour.tga"
cutting_map() { tga "$1" 2 0 "$2" "$3" "${4:-24}" "${5:-}"; }

# One row a hostile input: name | setup (shell, in the working folder) |
# program | arguments | the message | the exit status [| for a file of the
# material set, what the line under the message says it is].
while IFS='|' read -r name setup program args message status reason; do
    [ -n "$name" ] || continue
    run_row "$name" "$setup" "$program" "$args" "$message" "$status" "$reason"
done <<'EOF'
texture: header cut short|head -c 10 data/steep.tga >x && mv x data/steep.tga|Marvane|$job|ERROR: reading "data/steep.tga"|1|data/steep.tga is too short for a TGA header (10 bytes)
texture: colour-mapped|tga data/high.tga 1 1 512 512 8|Marvane|$job|ERROR: reading "data/high.tga"|1|data/high.tga is colour-mapped (a palette image)
texture: run-length compressed|tga data/low.tga 10 0 512 512 24 1000|Marvane|$job|ERROR: reading "data/low.tga"|1|data/low.tga is run-length compressed
texture: wrong size (256 x 256)|tga data/steep.tga 2 0 256 256 24|Marvane|$job|ERROR: reading "data/steep.tga"|1|data/steep.tga is 256 x 256
texture: wrong format (8-bit)|tga data/high.tga 3 0 512 512 8|Marvane|$job|ERROR: reading "data/high.tga"|1|data/high.tga is greyscale
texture: wrong format (32-bit)|tga data/low.tga 2 0 512 512 32|Marvane|$job|ERROR: reading "data/low.tga"|1|data/low.tga is 32-bit
texture: pixel data one byte short|tga data/low.tga 2 0 512 512 24 786431|Marvane|$job|ERROR: reading "data/low.tga"|1|data/low.tga is cut short (it holds 786431 of its 786432 pixel bytes)
texture: negative width|tga data/steep.tga 2 0 -512 512 24 786432|Marvane|$job|ERROR: reading "data/steep.tga"|1|data/steep.tga is -512 x 512
texture: a PNG picture renamed .tga|printf '\x89PNG\r\n\x1a\n0000000000' >data/low.tga|Marvane|$job|ERROR: reading "data/low.tga"|1|data/low.tga is a PNG picture, not a TGA file
texture: 1024 x 768|tga data/low.tga 2 0 1024 768 24|Marvane|$job|ERROR: reading "data/low.tga"|1|data/low.tga is 1024 x 768
texture: a folder|rm data/high.tga && mkdir data/high.tga|Marvane|$job|ERROR: reading "data/high.tga"|1|data/high.tga is a folder
gradient: a folder|rm data/grad_angle.tga && mkdir data/grad_angle.tga|Marvane|$job|ERROR: opening "data/grad_angle.tga"|1|data/grad_angle.tga is a folder
gradient: too short (511 pixels)|tga data/grad_height.tga 3 0 511 1 8|Marvane|$job|ERROR: opening "data/grad_height.tga"|1|data/grad_height.tga is 511 x 1, only 511 pixel bytes
gradient: colour-mapped|tga data/grad_angle.tga 1 1 512 1 8|Marvane|$job|ERROR: opening "data/grad_angle.tga"|1|data/grad_angle.tga is colour-mapped (a palette image)
gradient: 16 bits per pixel|tga data/grad_height.tga 2 0 512 1 16|Marvane|$job|ERROR: opening "data/grad_height.tga"|1|data/grad_height.tga is 16-bit
gradient: huge size, tiny data|tga data/grad_angle.tga 3 0 32767 32767 8 512|Marvane|$job|ERROR: opening "data/grad_angle.tga"|1|data/grad_angle.tga is cut short (it holds 512 of its 1073676289 pixel bytes)
gradient: width 0|tga data/grad_height.tga 3 0 0 1 8 512|Marvane|$job|ERROR: opening "data/grad_height.tga"|1|data/grad_height.tga is 0 x 1, without pixels
gradient: 24-bit (painted as it lies, with a warning)|tga data/grad_angle.tga 2 0 512 1 24|Marvane|$job|Warning: data/grad_angle.tga is 24-bit (channels interleaved), so the painter paints something other than the picture shows; marvane_materials --check says how to mend it|0
settings: unreadable (a folder)|rm ../Heightdata.con && mkdir ../Heightdata.con|Marvane|$job|ERROR: reading "../Heightdata.con"|1
settings: negative size|settings -129 8/0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw: size -129 leaves no cell to sample (at least 2 samples per side)|1
settings: size unreadable|settings abc 8/0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw: size 0 leaves no cell to sample (at least 2 samples per side)|1
settings: absurd size|settings 100000 8/0.003|Marvane|$job|ERROR: "../Heightdata.con": primary size 100000 is above 8192; its maps would be wider than a TGA file can hold|1
settings: size beyond 32 bits|settings 99999999999 8/0.003|Marvane|$job|ERROR: "../Heightdata.con": primary size 99999999999 is outside 2 to 8192 (line 1: "heightmap.setSize 99999999999")|1
settings: surrounding size beyond 32 bits|settings 129 8/0.003 4294967297 128/0.768|Marvane|$job|ERROR: ../HeightmapSecondary_L1D1.raw: size 4294967297 is outside 2 to 2147483647 (line 3 of the settings: "heightmap.setSize 4294967297")|1
settings: horizontal scale beyond 32 bits|settings 129 -4294967297/0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw: horizontal scale -4294967297 is outside -2147483648 to 2147483647 (line 2 of the settings: "heightmap.setScale -4294967297/0.003")|1
settings: horizontal scale 0|settings 129 0/0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw: horizontal scale 0 leaves every slope undefined|1
settings: scale unreadable|settings 129 x/y|Marvane|$job|ERROR: ../HeightmapPrimary.raw: horizontal scale 0 leaves every slope undefined|1
settings: absurd vertical scale|settings 129 8/1e30|Marvane|$job|ERROR: ../HeightmapPrimary.raw: vertical scale 1e+30 puts heights beyond 1e+18|1
settings: vertical scale not a number|settings 129 8/nan|Marvane|$job|ERROR: ../HeightmapPrimary.raw: vertical scale nan puts heights beyond 1e+18|1
settings: negative scales|settings 129 -8/-0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw: vertical scale -0.003 is not above 0 (line 2 of the settings: "heightmap.setScale -8/-0.003")|1
settings: negative horizontal scale (painted as its size)|settings 129 -8/0.003|Marvane|$job||0
settings: a comma for the decimal point|settings 129 60/0,0126|Marvane|$job|ERROR: ../HeightmapPrimary.raw: vertical scale 0 is not above 0 (line 2 of the settings: "heightmap.setScale 60/0,0126")|1
settings: a blank before the slash|settings 129 '60 /0.0126'|Marvane|$job|ERROR: ../HeightmapPrimary.raw: vertical scale 0 is not above 0 (line 2 of the settings: "heightmap.setScale 60 /0.0126")|1
settings: surrounding size absurd|settings 129 8/0.003 9999 128/0.768|Marvane|$job|ERROR: ../HeightmapSecondary_L1D1.raw holds 289 bytes, fewer than the 99980001 of 9999 x 9999 8-bit samples|1
settings: surrounding size 1|settings 129 8/0.003 1 128/0.768|Marvane|$job|ERROR: ../HeightmapSecondary_L1D1.raw: size 1 leaves no cell to sample (at least 2 samples per side)|1
heightmap: smaller than a tile (painted, with a warning)|settings 65 8/0.003 && head -c 8450 ../HeightmapPrimary.raw >x && mv x ../HeightmapPrimary.raw|Marvane|$job|Warning: ../HeightmapPrimary.raw is 65 x 65 samples, so its maps are 256 texels a side, smaller than one 512 x 512 tile: no primary tile will be written (a primary size of at least 129 gives one)|0
heightmap: one byte short|head -c 33281 ../HeightmapPrimary.raw >x && mv x ../HeightmapPrimary.raw|Marvane|$job|ERROR: ../HeightmapPrimary.raw holds 33281 bytes, fewer than the 33282 of 129 x 129 16-bit samples|1
heightmap: empty|: >../HeightmapPrimary.raw|Marvane|$job|ERROR: ../HeightmapPrimary.raw holds 0 bytes, fewer than the 33282 of 129 x 129 16-bit samples|1
heightmap: a size line one short of the file|settings 128 8/0.003|Marvane|$job|ERROR: ../HeightmapPrimary.raw holds 129 x 129 16-bit samples, but the settings give its size as 128|1
heightmap: too long (the rest ignored)|head -c 5000 /dev/zero >>../HeightmapPrimary.raw|Marvane|$job||0
heightmap: surrounding map too short|head -c 100 ../HeightmapSecondary_U1.raw >x && mv x ../HeightmapSecondary_U1.raw|Marvane|$job|ERROR: ../HeightmapSecondary_U1.raw holds 100 bytes, fewer than the 289 of 17 x 17 8-bit samples|1
heightmap: surrounding map written with 16-bit samples (first half read)|cat ../HeightmapSecondary_D1.raw ../HeightmapSecondary_D1.raw >x && mv x ../HeightmapSecondary_D1.raw|Marvane|$job||0
splitter: one argument|true|quillet|detail.tga|    - use "null" as filename to ignore|2
splitter: maps of different widths|cutting_map detail.tga 1024 1024; cutting_map colour.tga 512 1024|quillet|$tiles|ERROR: detail.tga is 1024 texels wide and colour.tga 512: both maps must be as wide|1
splitter: too few rows for its tiles|cutting_map detail.tga 1024 1024; cutting_map colour.tga 1024 600|quillet|$tiles|ERROR: reading colour.tga (1024 x 600: a map 1024 wide needs at least 1024 rows for its tiles)|1
splitter: 32-bit map|cutting_map detail.tga 512 512 32; cutting_map colour.tga 512 512|quillet|$tiles|ERROR: reading detail.tga (32-bit pixels; the splitter cuts 24-bit maps)|1
splitter: 8-bit map|cutting_map detail.tga 512 512; tga colour.tga 3 0 512 512 8|quillet|$tiles|ERROR: reading colour.tga (8-bit pixels; the splitter cuts 24-bit maps)|1
splitter: pixel data cut short|cutting_map detail.tga 1024 1024 24 3000000|quillet|detail.tga null|ERROR: reading detail.tga (cannot be opened, or holds less than its header promises)|1
splitter: run-length compressed|tga colour.tga 10 0 512 512 24 100|quillet|null colour.tga|ERROR: reading colour.tga (unsupported image type, depth or size)|1
splitter: colour-mapped|tga detail.tga 1 1 512 512 8|quillet|detail.tga null|ERROR: reading detail.tga (colour-mapped images are not supported)|1
splitter: missing map|true|quillet|detail.tga null|ERROR: reading detail.tga (cannot be opened, or holds less than its header promises)|1
splitter: a folder|mkdir colour.tga|quillet|null colour.tga|ERROR: reading colour.tga (cannot be opened, or holds less than its header promises)|1
splitter: narrower than a tile (nothing to cut)|cutting_map detail.tga 500 500|quillet|detail.tga null|-----------------|0
converter: header cut short|head -c 10 data/steep.tga >in.tga|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (cannot be opened, or holds less than its header promises)|1
converter: colour-mapped|tga in.tga 1 1 4 4 8|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (colour-mapped images are not supported)|1
converter: run-length compressed|tga in.tga 10 0 4 4 24 10|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (unsupported image type, depth or size)|1
converter: 16 bits per pixel|tga in.tga 2 0 4 4 16|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (unsupported image type, depth or size)|1
converter: negative height|tga in.tga 2 0 4 -4 24 48|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (unsupported image type, depth or size)|1
converter: huge size, tiny data|tga in.tga 2 0 32767 32767 32 16|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (cannot be opened, or holds less than its header promises)|1
converter: pixel data one byte short|tga in.tga 2 0 4 4 24 47|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (cannot be opened, or holds less than its header promises)|1
converter: missing input|true|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (cannot be opened, or holds less than its header promises)|1
converter: input is a folder|mkdir in.tga|nvdxt|-file in.tga -output out.dds|ERROR: reading in.tga (cannot be opened, or holds less than its header promises)|1
converter: output is a folder|tga in.tga 2 0 4 4 24; mkdir out.dds|nvdxt|-file in.tga -output out.dds|ERROR: writing out.dds (Is a directory)|1
converter: output folder missing|tga in.tga 2 0 4 4 24|nvdxt|-file in.tga -output nowhere/out.dds|ERROR: writing nowhere/out.dds (No such file or directory)|1
converter: no output named|tga in.tga 2 0 4 4 24|nvdxt|-file in.tga|nvdxt: -output is missing|2
EOF

finish
echo "all bad input checks passed"
