#!/usr/bin/env bash
# End to end: marvane_import brings a 16-bit PNG, a raw file and (on builds
# with GDAL) a GeoTIFF into generated levels, and the painter paints each of
# them; hostile inputs and options are refused and leave the level as it was.
# Usage: import_test.sh IMPORT MARVANE SAMPLE-LEVEL-GENERATOR GDAL(ON|OFF) [EMULATOR...]
set -u
importer=$1
marvane=$2
generator=$3
gdal=$4
shift 4
emulator=("$@")   # empty natively; wine for the Windows build

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/support/test_dem.sh"

python=/usr/bin/python3
"$python" -c 'import PIL' 2>/dev/null || { echo "SKIP: the test files are made with python3-pil"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

new_level() {  # new_level DIR
    "${emulator[@]}" "$generator" --out "$1" --primary 65 --secondary 17 --seed 2 >/dev/null ||
        { echo "FAIL: the sample level could not be generated"; exit 1; }
}
run_import() {  # run_import ARGS... ; sets status, out (stdout) and err (first line of stderr)
    "${emulator[@]}" "$importer" "$@" >out.txt 2>err.txt
    status=$?
    out=$(tr -d '\r' <out.txt)
    err=$(tr -d '\r' <err.txt | head -n 1)
}
painted() {  # painted DIR [SURROUND]: the last line of the painter's log, without its time
    (cd "$1/paint" && "${emulator[@]}" "$marvane" -mirror 1 -surround "${2:-0}" -deltemps 1 >/dev/null 2>&1)
    tr -d '\r' <"$1/paint/log.txt" | tail -n 1 | sed -E 's/ \([0-9.]+s\)$//'
}
settings_line() {  # settings_line DIR KEY: the first line of Heightdata.con with that key
    tr -d '\r' <"$1/Heightdata.con" | grep -m1 "^$2"
}

# The inputs, made here: a 16-bit PNG (its samples also as raw bytes), a
# smooth 1024 × 1024 u16le raw file, and the refused kinds.
"$python" - <<'PY' || { echo "FAIL: the test inputs could not be made"; exit 1; }
import math, struct
from PIL import Image
side = 257
samples = [int(30000 + 20000 * math.sin(x / 31.0) * math.cos(y / 47.0)) + (x * y) % 7
           for y in range(side) for x in range(side)]
image = Image.new("I;16", (side, side))
image.putdata(samples)
image.save("h16.png")
open("h16.expected", "wb").write(struct.pack("<%dH" % len(samples), *samples))
open("r.raw", "wb").write(b"".join(
    struct.pack("<H", int(20000 + 10000 * math.sin(x / 100.0) * math.cos(y / 130.0)))
    for y in range(1024) for x in range(1024)))
Image.new("RGB", (9, 9), (10, 20, 30)).save("rgb.png")
Image.new("P", (9, 9)).save("palette.png")
open("cut.png", "wb").write(open("h16.png", "rb").read()[:200])
open("wide.raw", "wb").write(bytes(8 * 4))
# Damaged PNGs: a chunk's CRC wrong, and a bit flipped in stored (not
# compressed) image data, with its chunk's CRC made right again, which only
# the zlib stream's Adler-32 shows.
import zlib
plain = Image.new("I;16", (33, 33))
plain.putdata([1000 + 37 * i for i in range(33 * 33)])
plain.save("plain.png", compress_level=0)
data = open("plain.png", "rb").read()
at = data.index(b"IDAT")
length = struct.unpack(">I", data[at - 4:at])[0]
bad = bytearray(data)
bad[at + 4 + length] ^= 1
open("badcrc.png", "wb").write(bad)
flipped = bytearray(data)
flipped[at + 4 + length // 2] ^= 0x10
flipped[at + 4 + length:at + 8 + length] = struct.pack(">I", zlib.crc32(bytes(flipped[at:at + 4 + length])))
open("flipped.png", "wb").write(flipped)
PY

# A 16-bit PNG of side 257 with --keep-values: its samples unchanged; of the
# settings only the primary size and scale lines change, line ends kept, and
# the height of sample 0 (0 m: values unscaled) is recorded before the scale.
new_level png
cp png/Heightdata.con settings.before
run_import h16.png --level png --keep-values --spacing 4 --vertical-scale 0.01
check "png: exit status" 0 "$status"
check "png: samples written unchanged" same "$(cmp -s png/HeightmapPrimary.raw h16.expected && echo same)"
sed -e $'s|^heightmap.setSize 65\r$|heightmap.setSize 257\r|' \
    -e $'s|^heightmap.setScale 32/0.003\r$|rem marvane.baseHeight primary 0\r\\nheightmap.setScale 4/0.01\r|' \
    settings.before >settings.expected
check "png: other lines and line ends untouched" same \
    "$(cmp -s png/Heightdata.con settings.expected && echo same)"
check "png: painted" Completed "$(painted png)"

# A level from nothing: the folder, its settings with both sections, the
# surrounding maps and a material set in paint/data, painted at once.
run_import h16.png --level fresh --surround --spacing 4 --vertical-scale 0.01
check "fresh: exit status" 0 "$status"
check "fresh: material set" "grad_angle.tga grad_height.tga high.tga low.tga steep.tga" \
    "$(ls fresh/paint/data | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
check "fresh: settings" "heightmap.setSize 129 heightmap.setSize 257" \
    "$(tr -d '\r' <fresh/Heightdata.con | grep '^heightmap.setSize' | tr '\n' ' ' | sed 's/ $//')"
check "fresh: painted with the surrounding maps" Completed "$(painted fresh 1)"

# A 1024 × 1024 raw file, grown to 1025 × 1025 samples, is painted.
new_level raw
run_import r.raw --raw 1024x1024:u16le --level raw --keep-values --spacing 2 --vertical-scale 0.003
check "raw: exit status" 0 "$status"
check "raw: painted" Completed "$(painted raw)"

# Options as users write them: --option=value works; a signed raw file
# keeps its negative heights; a greyscale PNG's transparent value is no data.
"$python" - <<'PY'
import struct
from PIL import Image
open("signed.raw", "wb").write(struct.pack("<4h", -5, 7, -1, 0))
image = Image.new("L", (5, 5), 40)
image.putpixel((2, 2), 0)
image.save("trns.png", transparency=0)
PY
new_level steep
run_import h16.png --level=steep --size=257
check "steep: exit status" 0 "$status"
run_import signed.raw --raw 2x2:s16le --level steep --any-size --size 3
check "s16le: exit status and heights" "0 Heights: -5 m to 7 m" "$status $(grep '^Heights' <<<"$out" | cut -d, -f1)"
run_import trns.png --level steep
check "tRNS: exit status" 0 "$status"
check "tRNS: the transparent sample is no data" yes \
    "$(grep -q '^Note: 1 sample without data took the nearest valid height$' <<<"$out" && echo yes)"
check "tRNS: filled, so the level is flat" yes \
    "$(grep -q '^Note: the input is level' <<<"$out" && echo yes)"

# A GeoTIFF in metres (10 m pixels, a nodata hole): every height within half
# a step of V above the lowest, the hole filled from its neighbours.
if [ "$gdal" = ON ] && command -v gdal_translate >/dev/null; then
    make_test_dem "$python" || { echo "FAIL: the test model could not be made"; exit 1; }
    gdal_translate -q -of GTiff -a_nodata 0 -scale 0 1 0 0 dem.tif empty.tif
    new_level tif
    run_import dem.tif --level tif
    check "geotiff: exit status" 0 "$status"
    check "geotiff: its own spacing" "heightmap.setScale 10/" \
        "$(settings_line tif heightmap.setScale | grep -o '^heightmap.setScale 10/')"
    check "geotiff: nodata reported" yes "$(grep -q '^Note: 1 sample without data' <<<"$out" && echo yes)"
    check "geotiff: heights within half a step" ok "$("$python" - <<'PY'
import struct
side = 129
heights = struct.unpack("<%df" % (side * side), open("dem.bin", "rb").read())
valid = [h for h in heights if h != -9999.0]
lowest = min(valid)
line = [l for l in open("tif/Heightdata.con").read().splitlines() if l.startswith("heightmap.setScale")][0]
v = struct.unpack("f", struct.pack("f", float(line.split("/")[1])))[0]
samples = struct.unpack("<%dH" % (side * side), open("tif/HeightmapPrimary.raw", "rb").read())
def near(i):  # a nodata sample takes the height of a valid neighbour
    if heights[i] != -9999.0:
        return [heights[i]]
    y, x = divmod(i, side)
    return [heights[(y + dy) * side + x + dx] for dy in (-1, 0, 1) for dx in (-1, 0, 1) if dx or dy]
worst = max(min(abs(s * v + lowest - h) for h in near(i)) for i, s in enumerate(samples))
print("ok" if worst <= v / 2 * 1.000001 else "off by %g, step %g" % (worst, v))
PY
)"
    check "geotiff: painted" Completed "$(painted tif)"

    # Shrinking averages: a noisy 193 × 193 model brought to 65 samples, so
    # that each inner output sample averages a 3 × 3 block of the model;
    # GDAL's own average of the same blocks (the inner 63 × 63 outputs) must
    # agree within half a 16-bit step, plus 1 mm for the report's rounding.
    "$python" - <<'PY'
import math, struct
side = 193
heights = [500 + 100 * math.sin(x / 9.0) * math.cos(y / 13.0) + (x * 7919 + y * 104729) % 61
           for y in range(side) for x in range(side)]
open("noisy.bin", "wb").write(struct.pack("<%df" % len(heights), *heights))
open("noisy.hdr", "w").write(open("dem.hdr").read().replace("129", "193"))
PY
    gdal_translate -q -of GTiff -a_srs EPSG:32633 -a_ullr 500000 4001930 501930 4000000 \
        noisy.bin noisy.tif
    gdal_translate -q -of ENVI -ot Float32 -r average -srcwin 2 2 189 189 -outsize 63 63 \
        noisy.tif gdal_average.bin
    new_level avg
    run_import noisy.tif --level avg --size 65
    check "averages: exit status" 0 "$status"
    lowest=$(sed -n 's/^Heights: \([^ ]*\) m.*/\1/p' <<<"$out")
    check "averages: the same as GDAL's" ok "$(LOWEST=$lowest "$python" - <<'PY'
import os, struct
expected = struct.unpack("<%df" % (63 * 63), open("gdal_average.bin", "rb").read())
line = [l for l in open("avg/Heightdata.con").read().splitlines() if l.startswith("heightmap.setScale")][0]
v = struct.unpack("f", struct.pack("f", float(line.split("/")[1])))[0]
lowest = float(os.environ["LOWEST"])
samples = struct.unpack("<%dH" % (65 * 65), open("avg/HeightmapPrimary.raw", "rb").read())
worst = max(abs(samples[(r + 1) * 65 + c + 1] * v + lowest - expected[r * 63 + c])
            for r in range(63) for c in range(63))
print("ok" if worst <= v / 2 + 0.001 else "off by %g, step %g" % (worst, v))
PY
)"

    # Rasters as they come: a south-up copy of the model (its rows stored
    # south first) gives the same heightmap, and so does one with a second
    # band (the report says which it took); a rotated grid is refused.
    "$python" - <<'PY'
side = 129
rows = open("dem.bin", "rb").read()
size = side * 4
open("southup.bin", "wb").write(b"".join(rows[r * size:(r + 1) * size] for r in reversed(range(side))))
open("southup.hdr", "w").write(open("dem.hdr").read())
open("rotated.vrt", "w").write(
    '<VRTDataset rasterXSize="129" rasterYSize="129">'
    '<GeoTransform>500000, 10, 1, 4001290, 1, -10</GeoTransform>'
    '<VRTRasterBand dataType="Float32" band="1"><SimpleSource>'
    '<SourceFilename relativeToVRT="1">dem.tif</SourceFilename><SourceBand>1</SourceBand>'
    '</SimpleSource></VRTRasterBand></VRTDataset>')
PY
    gdal_translate -q -of GTiff -a_srs EPSG:32633 -a_ullr 500000 4000000 501290 4001290 \
        -a_nodata -9999 southup.bin southup.tif
    gdal_translate -q -b 1 -b 1 dem.tif twobands.tif
    for kind in southup twobands; do
        new_level "$kind"
        run_import "$kind.tif" --level "$kind"
        check "$kind: exit status" 0 "$status"
        check "$kind: the same heightmap as the plain model" same \
            "$(cmp -s "$kind/HeightmapPrimary.raw" tif/HeightmapPrimary.raw && echo same)"
    done
    check "twobands: reported" yes \
        "$(grep -q '^Note: 2 bands: band 1 taken as the heights$' <<<"$out" && echo yes)"

    # Signed bytes (-33 m to 58 m), as GDAL before 3.7 marks them: read
    # as signed, low ground low.
    "$python" - <<'PY'
import struct
values = [-33 + (x + y) * 91 // 128 for y in range(65) for x in range(65)]
open("s8.bin", "wb").write(struct.pack("<%db" % len(values), *values))
open("s8.hdr", "w").write(open("dem.hdr").read().replace("129", "65").replace("data type = 4", "data type = 1"))
PY
    gdal_translate -q -of GTiff -ot Byte -co PIXELTYPE=SIGNEDBYTE -a_srs EPSG:32633 \
        -a_ullr 500000 4000650 500650 4000000 s8.bin s8.tif
    new_level signed
    run_import s8.tif --level signed
    check "signed bytes: heights" "Heights: -33 m to 58 m, one step 0.0013885711 m" \
        "$(grep '^Heights:' <<<"$out")"

    # --surround: a smooth 193 × 193 model (10 m pixels) becomes a 65-sample
    # primary from its centre cell and eight 17-sample surrounding maps from
    # the cells around it, painted with -surround 1. Each surrounding sample
    # lies within one 8-bit step of the model under it, and the primary's
    # edges within one 8-bit step of its neighbours' (both come from the same
    # ground; the 8 bits set the step).
    "$python" - <<'PY'
import math, struct
side = 193
heights = [600 + 250 * math.sin(x / 40.0) * math.cos(y / 50.0) + 0.75 * y
           for y in range(side) for x in range(side)]
open("around.bin", "wb").write(struct.pack("<%df" % len(heights), *heights))
open("around.hdr", "w").write(open("dem.hdr").read().replace("129", "193"))
PY
    gdal_translate -q -of GTiff -a_srs EPSG:32633 -a_ullr 500000 4001930 501930 4000000 \
        around.bin around.tif
    new_level around
    run_import around.tif --level around --surround
    check "surround: exit status" 0 "$status"
    check "surround: settings" \
        "heightmap.setSize 65 heightmap.setSize 17" \
        "$(tr -d '\r' <around/Heightdata.con | grep '^heightmap.setSize' | tr '\n' ' ' | sed 's/ $//')"
    lowest=$(sed -n 's/^Heights: \([^ ]*\) m.*/\1/p' <<<"$out")
    check "surround: the maps against the model and each other" ok "$(LOWEST=$lowest "$python" - <<'PY'
import os, struct
side, cell = 193, 64
model = struct.unpack("<%df" % (side * side), open("around.bin", "rb").read())
scales = [l.split()[1] for l in open("around/Heightdata.con").read().splitlines()
          if l.startswith("heightmap.setScale")]
f32 = lambda text: struct.unpack("f", struct.pack("f", float(text.split("/")[1])))[0]
vp, vs = f32(scales[0]), f32(scales[1])
lowest = float(os.environ["LOWEST"])
primary = struct.unpack("<%dH" % (65 * 65), open("around/HeightmapPrimary.raw", "rb").read())
problems = [] if vs == 256 * vp else ["surrounding step %g is not 256 x %g" % (vs, vp)]
places = {"L1D1": (-1, 1), "D1": (0, 1), "R1D1": (1, 1), "R1": (1, 0),
          "R1U1": (1, -1), "U1": (0, -1), "L1U1": (-1, -1), "L1": (-1, 0)}
maps = {}
for name, (column, row) in places.items():
    samples = open("around/HeightmapSecondary_%s.raw" % name, "rb").read()
    maps[name] = samples
    for i in range(17):
        for j in range(17):
            h = model[((row + 1) * cell + 4 * i) * side + (column + 1) * cell + 4 * j]
            if abs(samples[i * 17 + j] * vs + lowest - h) > vs:
                problems.append("%s (%d, %d): %g against %g" % (name, i, j, samples[i * 17 + j] * vs + lowest, h))
for k in range(17):  # the primary's edges and its neighbours' facing edges
    for name, p, s in (("R1", (4 * k, 64), (k, 0)), ("L1", (4 * k, 0), (k, 16)),
                       ("U1", (0, 4 * k), (16, k)), ("D1", (64, 4 * k), (0, k))):
        a = primary[p[0] * 65 + p[1]] * vp
        b = maps[name][s[0] * 17 + s[1]] * vs
        if abs(a - b) > vs:
            problems.append("edge with %s at %d: %g against %g" % (name, k, a, b))
print("ok" if not problems else "; ".join(problems[:5]))
PY
)"
    check "surround: painted" Completed "$(painted around 1)"

    # A model in degrees, its cells 35.84 m by 25.6 m: warped to square
    # cells, so that the level is as wide as the model's ground (4608 m
    # between the outer samples of its centred square) within 1 %.
    make_geographic_dem "$python" || { echo "FAIL: the geographic model could not be made"; exit 1; }
    new_level geo
    run_import geo.tif --level geo --crop --size 129
    check "degrees: exit status" 0 "$status"
    check "degrees: warped to square cells" yes "$(grep -q \
        '^Note: in degrees, with cells of 35.84 m by 25.6 m: warped to a transverse Mercator centred on latitude 45\.0000, longitude 7\.029[0-9], as [0-9]* x [0-9]* square cells of 25.6 m' \
        <<<"$out" && echo yes)"
    check "degrees: the level as wide as the ground" yes "$("$python" - <<'PY'
line = [l for l in open("geo/Heightdata.con").read().splitlines() if l.startswith("heightmap.setScale")][0]
width = 128 * int(line.split()[1].split("/")[0])
print("yes" if abs(width - 4608) <= 46 else "no, %d m" % width)
PY
)"
else
    echo "SKIP: GeoTIFF import: this build reads no GeoTIFF (no GDAL), or gdal_translate is missing"
fi

# Refusals: the exact first line of the message (a trailing * matches any
# rest) and the exit status; the level keeps both files, no temporary left.
new_level keep
mkdir settingsfolder && cp keep/HeightmapPrimary.raw settingsfolder/ && mkdir settingsfolder/Heightdata.con
mkdir heightmapfolder && cp keep/Heightdata.con heightmapfolder/ && mkdir heightmapfolder/HeightmapPrimary.raw
snapshot() {
    local level
    for level in keep settingsfolder heightmapfolder; do
        (cd "$level" && ls -A && cksum Heightdata.con Heightmap*.raw 2>/dev/null)
    done
}
before=$(snapshot)
refuse() {  # refuse NAME STATUS MESSAGE ARGS...
    local name=$1 expected_status=$2 message=$3
    shift 3
    run_import "$@"
    check "$name: exit status" "$expected_status" "$status"
    if [ "${message%\*}" != "$message" ]; then err=${err:0:$((${#message} - 1))}*; fi
    check "$name: message" "$message" "$err"
}
refuse "colour PNG" 1 "ERROR: rgb.png: a colour PNG holds no single height; export a 16-bit greyscale PNG" \
    rgb.png --level keep
refuse "paletted PNG" 1 "ERROR: palette.png: a paletted PNG holds no heights; export a 16-bit greyscale PNG" \
    palette.png --level keep
refuse "truncated PNG" 1 "ERROR: cut.png: the PNG is cut short or corrupt*" cut.png --level keep
refuse "PNG with a wrong CRC" 1 "ERROR: badcrc.png: the PNG is corrupt (the IDAT chunk at byte *" \
    badcrc.png --level keep
refuse "PNG with a flipped bit" 1 \
    "ERROR: flipped.png: the PNG is corrupt (its compressed image data fails its Adler-32 check); export it again" \
    flipped.png --level keep
refuse "raw file too short" 1 \
    "ERROR: r.raw holds 2097152 bytes, fewer than the 2099200 of 1024 x 1025 u16le samples" \
    r.raw --raw 1024x1025:u16le --level keep
refuse "zero size" 1 \
    "ERROR: r.raw: 0 x 0 samples; the importer takes sides from 1 to 32768 and at most 268468225 samples" \
    r.raw --raw 0x0:u8 --level keep
refuse "absurd size" 1 \
    "ERROR: r.raw: 100000 x 100000 samples; the importer takes sides from 1 to 32768 and at most 268468225 samples" \
    r.raw --raw 100000x100000:f32le --level keep
refuse "missing input" 1 "ERROR: reading nothing.png (no such file, or not a file)" nothing.png --level keep
if [ "$gdal" = ON ] && [ -f empty.tif ]; then
    refuse "GeoTIFF all nodata" 1 "ERROR: empty.tif: every sample is no data" empty.tif --level keep
    refuse "rotated grid" 1 \
        "ERROR: rotated.vrt: its grid is rotated or sheared (geotransform terms 1 and 1); warp it to a north-up grid first (gdalwarp)" \
        rotated.vrt --level keep
fi
refuse "settings file is a folder" 1 \
    "ERROR: settingsfolder/Heightdata.con is not a file; move it away so that the settings can be written" \
    h16.png --level settingsfolder
refuse "heightmap cannot be written" 1 "ERROR: writing heightmapfolder/HeightmapPrimary.raw (*" \
    h16.png --level heightmapfolder
refuse "no folder to make the level in" 1 "ERROR: nowhere/nolevel: no such level folder" \
    h16.png --level nowhere/nolevel
refuse "size beyond the painter's" 2 \
    'ERROR: --size needs a whole number from 3 to 8192 (the painter'\''s limit), not "8193"' \
    h16.png --level keep --size 8193
refuse "size not 2^k + 1" 2 \
    'ERROR: --size 600 is not 2^k + 1 (129, 257, 513, 1025, 2049, 4097): the painter would leave the top and right edges of its maps without tiles; give --any-size to have it all the same' \
    h16.png --level keep --size 600
refuse "stretch and crop" 2 "ERROR: --stretch and --crop exclude each other" \
    wide.raw --raw 8x4:u8 --level keep --stretch --crop
refuse "unknown option" 2 'ERROR: unknown option "--lvl"' h16.png --lvl keep
refuse "no level" 2 "ERROR: --level DIR is missing" h16.png
check "refusals: the levels are as they were" "$before" "$(snapshot)"

run_import --help
check "help: exit status and usage on standard output" "0 usage: marvane_import INPUT --level DIR" \
    "$status $(head -n 1 <<<"$out" | cut -c1-39)"
run_import --version
check "version" "0 marvane_import 0.33" "$status $out"

finish
