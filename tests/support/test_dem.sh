# Sourced by the import tests: make_test_dem PYTHON writes dem.tif in the
# current folder, a 129 × 129 GeoTIFF in metres (10 m pixels in UTM 33N, a
# gentle ridge on a slope, one nodata hole at x 40, y 50).
make_test_dem() {
    "$1" - <<'PY' || return 1
import math, struct
side = 129
heights = [-9999.0 if (x, y) == (40, 50) else 812.5 + 300 * math.sin(x / 17.0) + 2.25 * y
           for y in range(side) for x in range(side)]
open("dem.bin", "wb").write(struct.pack("<%df" % len(heights), *heights))
open("dem.hdr", "w").write("ENVI\nsamples = 129\nlines = 129\nbands = 1\nheader offset = 0\n"
                           "file type = ENVI Standard\ndata type = 4\ninterleave = bsq\n"
                           "byte order = 0\n")
PY
    gdal_translate -q -of GTiff -a_srs EPSG:32633 -a_ullr 500000 4001290 501290 4000000 \
        -a_nodata -9999 dem.bin dem.tif
}
