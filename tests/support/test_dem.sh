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

# make_geographic_dem PYTHON writes geo.tif, a 129 × 181 GeoTIFF in degrees
# (EPSG:4326) at latitude 45: its cells are 35.84 m wide and 25.6 m tall on
# the ground, so that it spans 4587.5 m by 4608 m between its outer samples.
make_geographic_dem() {
    "$1" - <<'PY' || return 1
import math, struct
w, h = 129, 181
heights = [500 + 200 * math.sin(x / 15.0) * math.cos(y / 21.0) + 1.5 * y
           for y in range(h) for x in range(w)]
open("geo.bin", "wb").write(struct.pack("<%df" % len(heights), *heights))
open("geo.hdr", "w").write("ENVI\nsamples = %d\nlines = %d\nbands = 1\nheader offset = 0\n"
                           "file type = ENVI Standard\ndata type = 4\ninterleave = bsq\n"
                           "byte order = 0\n" % (w, h))
# Degrees per metre at latitude 45 on WGS 84, across and along the meridian.
dx, dy = 35.84 / 78846.8, 25.6 / 111132.95
north = 45.0 + h * dy / 2
open("geo.ullr", "w").write("7 %.12f %.12f %.12f" % (north, 7 + w * dx, north - h * dy))
PY
    # shellcheck disable=SC2046
    gdal_translate -q -of GTiff -a_srs EPSG:4326 -a_ullr $(cat geo.ullr) geo.bin geo.tif
}
